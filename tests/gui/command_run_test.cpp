// SPDX-License-Identifier: GPL-2.0-or-later
// Device commands and HEX files through the window, against the simulated
// adapter on a virtual clock: what is held while a command runs (the clock
// holds the command's thread at a wait meanwhile), a close that waits for
// the command, the boxes and the "Ok" mark after it, and the views after a
// command or a file.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QtTest>

#include "app/click_panel.h"
#include "app/command_events.h"
#include "app/command_feedback.h"
#include "app/dialog_device.h"
#include "app/fuse_panel.h"
#include "app/message_boxes.h"
#include "app/progress_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

class CommandRunTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dirs_ = std::make_unique<SettingsDirs>();
    window_ = MakeSimulatorWindow(*dirs_, clock_);
  }
  void cleanup() {
    // A check that failed while the command was held leaves it held.
    clock_.PauseWhen(nullptr);
    clock_.Resume();
    window_.reset();
    dirs_.reset();
  }

  void programThenReadBack() {
    BoxRecorder boxes;
    EditBuffers& buffers = window_->Buffers();
    buffers.ProgramCell(0, 1) = "2805";
    buffers.DataCell(0, 2) = "5A";
    buffers.SetIdDigits("12AB");
    Click(window_->FuseGroup()->SlotPanel(2));  // watchdog off: 3FFBh
    CommandEnd programmed(*window_);
    Click(window_->Buttons().programAll);
    QCOMPARE(programmed.Wait(), CommandResult::Ok);
    QCOMPARE(window_->Buffers().FuseWord, std::uint16_t{0x3FFB});

    window_->Actions().clearBuffers->trigger();
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("3FFF"));
    CommandEnd read(*window_);
    Click(window_->Buttons().read);
    QCOMPARE(read.Wait(), CommandResult::Ok);
    QVERIFY2(boxes.boxes.empty(), boxes.boxes.empty() ? "" : qPrintable(boxes.boxes[0].text));
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("2805"));
    QCOMPARE(CellText(window_->DataGrid(), 0, 2), QStringLiteral("5A"));
    QCOMPARE(window_->IdPanel()->text(), QStringLiteral("   ID:  12AB"));
    QCOMPARE(window_->Buffers().FuseWord & 0x3FFF, 0x3FFB);
    QCOMPARE(window_->FuseGroup()->SlotPanel(2)->text(), QStringLiteral("  Wdt:  OFF"));
    QVERIFY(window_->Progress()->isHidden());
    QVERIFY(!window_->Busy());

    CommandEnd verified(*window_);
    Click(window_->Buttons().verify);
    QCOMPARE(verified.Wait(), CommandResult::Ok);
    QVERIFY(boxes.boxes.empty());
    window_->Buffers().ProgramCell(0, 1) = "2806";
    CommandEnd different(*window_);
    window_->Actions().verify->trigger();
    QCOMPARE(different.Wait(), CommandResult::Failed);
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Error);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Error verify Program Memory!"));
    QCOMPARE(boxes.boxes[0].detail,
             QStringLiteral("Program memory 0000h: expected 2806, read 2805"));
  }

  // The failing location is shown with the message, not behind a button;
  // each kind of failure has its own box, shown once the command has ended.
  void failuresAreShownInTheirBoxesAfterTheCommand() {
    const auto box = app::MakeBox(nullptr, app::BoxKind::Error, QStringLiteral("Error verify ID!"),
                                  QStringLiteral("ID 2003h: expected 5, read 4"));
    QCOMPARE(box->text(), QStringLiteral("Error verify ID!"));
    QCOMPARE(box->informativeText(), QStringLiteral("ID 2003h: expected 5, read 4"));
    QVERIFY(box->detailedText().isEmpty());

    BoxRecorder boxes;
    clock_.PauseWhen([] { return true; });
    QVERIFY(window_->StartDeviceCommand(&BlankCheck));
    QVERIFY(clock_.WaitUntilPaused());
    app::CommandEvents& events = window_->Events();
    events.Failed(Failure("Data Memory is not blank", "Data memory 3Fh: expected FF, read 05",
                          FailureKind::Plain));
    events.Failed(
        Failure("Every word read as 0000: is the chip in the socket?", {}, FailureKind::Warning));
    events.AdapterNotFound("Port 70000: no such port");
    QCoreApplication::processEvents();
    QVERIFY2(boxes.boxes.empty(), "not while the command runs");
    CommandEnd end(*window_);
    clock_.Resume();
    end.Wait();
    QCOMPARE(boxes.boxes.size(), std::size_t{3});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Plain);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Data Memory is not blank"));
    QCOMPARE(boxes.boxes[0].detail, QStringLiteral("Data memory 3Fh: expected FF, read 05"));
    QCOMPARE(boxes.boxes[1].kind, app::BoxKind::Warning);
    QCOMPARE(boxes.boxes[1].text,
             QStringLiteral("Every word read as 0000: is the chip in the socket?"));
    QVERIFY(boxes.boxes[1].detail.isEmpty());
    QCOMPARE(boxes.boxes[2].kind, app::BoxKind::Error);
    QCOMPARE(boxes.boxes[2].text,
             QStringLiteral("Device is not found !\n\nPort 70000: no such port"));
  }

  void commandsAreHeldWhileRunningAndCloseWaits() {
    BoxRecorder boxes;
    clock_.PauseWhen([] { return true; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&BlankCheck));
    QVERIFY(clock_.WaitUntilPaused());
    QCoreApplication::processEvents();
    QVERIFY(window_->Busy());
    const auto& a = window_->Actions();
    for (QAction* item :
         {a.open, a.save, a.clearBuffers, a.clearFuses, a.clearArea, a.selectDevice, a.id,
          a.outputPort, a.standardColours, a.saveSettingsOnExit, a.delay, a.changeDir}) {
      QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
    }
    QVERIFY(!window_->findChild<QToolBar*>()->isEnabled());
    // Option > Timing still opens on the profile in use, its entries greyed.
    auto* timing = window_->findChild<QMenu*>(QStringLiteral("timingMenu"));
    QVERIFY(timing != nullptr);
    auto* option = qobject_cast<QMenu*>(timing->parentWidget());
    QVERIFY(option != nullptr);
    option->popup(QPoint(0, 0));
    QTest::mouseMove(option, option->actionGeometry(timing->menuAction()).center());
    QTRY_VERIFY(timing->isVisible());
    QVERIFY(!a.timingDatasheet->isEnabled() && a.timingStandard->isChecked());
    option->hide();
    QVERIFY(!window_->FuseGroup()->isEnabled());
    QVERIFY(!window_->IdPanel()->isEnabled());
    const QModelIndex cell = window_->ProgramGrid()->model()->index(0, 1);
    QVERIFY(!(window_->ProgramGrid()->model()->flags(cell) & Qt::ItemIsEditable));
    QVERIFY(!window_->ProgramGrid()->model()->setData(cell, QStringLiteral("1234"), Qt::EditRole));
    // A second command is refused, whichever it is, and touches nothing.
    for (DeviceCommand command : {&ReadChip, &ProgramAll, &ProgramDataOnly, &ProgramFusesOnly,
                                  &VerifyChip, &BlankCheck, &EraseChip})
      QVERIFY(!window_->StartDeviceCommand(command));
    window_->close();
    QVERIFY(window_->isVisible());
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Ok);
    QVERIFY(boxes.boxes.empty());
    // The held close has happened now, with its exit steps.
    QVERIFY(!window_->isVisible());
    QVERIFY(!window_->CurrentPort().Opened());
    QVERIFY(!dirs_->ReadPathDat().isEmpty());
  }

  void editingComesBackAfterTheCommand() {
    BoxRecorder boxes;  // the 16F84 chip read as a 12F629 answers no device ID
    QCOMPARE(RunToEnd(*window_, &ReadChip), CommandResult::Ok);
    QVERIFY(!window_->Busy());
    QVERIFY(window_->Actions().open->isEnabled());
    QVERIFY(window_->FuseGroup()->isEnabled());
    const QModelIndex cell = window_->ProgramGrid()->model()->index(0, 1);
    QVERIFY(window_->ProgramGrid()->model()->flags(cell) & Qt::ItemIsEditable);
    // The layout's own disabling survives the re-enabling.
    window_->SetUpDevice("12F629/675");
    RunToEnd(*window_, &ReadChip);
    QVERIFY(!window_->Actions().programFusesOnly->isEnabled());
  }

  // No box for a success: the line at the foot says how each command
  // ended, until the next one starts.
  void statusLineAfterEachCommand_data() {
    QTest::addColumn<int>("command");  // index into kCommands
    QTest::addColumn<bool>("spoiled");
    QTest::addColumn<QString>("line");  // a pattern: the time is the clock's
    QTest::newRow("program all")
        << 0 << false << "Program All: 2 words, 1 byte, configuration, ID — verified, \\d+\\.\\d s";
    QTest::newRow("verify passed") << 1 << false << "Verify: Ok, \\d+\\.\\d s";
    QTest::newRow("verify failed") << 1 << true << "Verify: failed, \\d+\\.\\d s";
    QTest::newRow("read of a blank 16F84")
        << 2 << false
        << "Read: Ok, \\d+\\.\\d s — Every word read blank: a blank chip, or an empty socket\\?";
  }
  void statusLineAfterEachCommand() {
    static constexpr DeviceCommand kCommands[] = {&ProgramAll, &VerifyChip, &ReadChip};
    QFETCH(int, command);
    QFETCH(bool, spoiled);
    QFETCH(QString, line);
    BoxRecorder boxes;
    if (command == 0) {  // the erased chip needs only what is not blank
      window_->Buffers().ProgramCell(0, 1) = "2805";
      window_->Buffers().ProgramCell(0, 2) = "0000";
      window_->Buffers().DataCell(0, 2) = "5A";
    }
    if (spoiled) window_->Buffers().ProgramCell(0, 1) = "2806";
    RunToEnd(*window_, kCommands[command]);
    const QString shown = window_->StatusLine()->text();
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(line)).match(shown).hasMatch(),
             qPrintable(shown));
    CommandEnd next(*window_);
    QVERIFY(window_->StartDeviceCommand(&BlankCheck));
    QVERIFY(window_->StatusLine()->text().isEmpty());
    next.Wait();
  }

  // A 12-bit flash part keeps its OSCCAL word against the file's, and the
  // warning names the value kept; with "Overwrite OSCCAL" checked the
  // file's goes in. Parts without OSCCAL do not offer the choice.
  void overwriteOsccalDecidesTheLastWord() {
    const auto select = [this](const QString& name) {
      WithModal<app::DeviceDialog>(
          [&] { window_->Actions().selectDevice->trigger(); },
          [&](app::DeviceDialog* dialog) {
            dialog->deviceList_->setCurrentItem(
                dialog->deviceList_->findItems(name, Qt::MatchExactly).front());
            dialog->okButton_->click();
          });
    };
    select(QStringLiteral("16F54"));
    QVERIFY(!window_->Actions().overwriteOsccal->isEnabled());
    select(QStringLiteral("12F508"));  // the simulated socket takes a new 12F508
    QVERIFY(window_->Actions().overwriteOsccal->isEnabled());
    QCOMPARE(RunToEnd(*window_, &ReadChip), CommandResult::Ok);
    const QString chip = CellText(window_->ProgramGrid(), 63, 8);
    QVERIFY(chip.startsWith(QLatin1Char('C')));
    const QString file =
        chip == QStringLiteral("C12") ? QStringLiteral("C34") : QStringLiteral("C12");
    for (bool overwrite : {false, true}) {
      BoxRecorder boxes;
      if (overwrite) window_->Actions().overwriteOsccal->trigger();
      window_->Buffers().ProgramCell(63, 8) = file.toStdString();
      QCOMPARE(RunToEnd(*window_, &ProgramAll), CommandResult::Ok);
      QCOMPARE(boxes.boxes.size(), std::size_t{1});
      QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Warning);
      const QString kept =
          overwrite ? file + QStringLiteral(" at 1FFh") : chip + QStringLiteral(" stays at 1FFh");
      QVERIFY2(boxes.boxes[0].text.contains(kept), qPrintable(boxes.boxes[0].text));
      QCOMPARE(RunToEnd(*window_, &ReadChip), CommandResult::Ok);
      QCOMPARE(CellText(window_->ProgramGrid(), 63, 8), overwrite ? file : chip);
    }
  }

  // "Ok" shows for 300 ms after a check that passed, once the command has
  // ended; Read names the device in the caption when it starts.
  void okMarkAndCaptionAfterTheirCommands_data() {
    QTest::addColumn<int>("command");  // index into kCommands
    QTest::addColumn<bool>("spoiled");
    QTest::addColumn<bool>("ok");
    QTest::newRow("verify passed") << 0 << false << true;
    QTest::newRow("verify failed") << 0 << true << false;
    QTest::newRow("blank check passed") << 1 << false << true;
    QTest::newRow("read") << 2 << false << false;
  }
  void okMarkAndCaptionAfterTheirCommands() {
    static constexpr DeviceCommand kCommands[] = {&VerifyChip, &BlankCheck, &ReadChip};
    QFETCH(int, command);
    QFETCH(bool, spoiled);
    QFETCH(bool, ok);
    BoxRecorder boxes;
    window_->setWindowTitle(QStringLiteral("Pic16F84 - test.hex"));
    if (spoiled) window_->Buffers().ProgramCell(0, 1) = "2806";
    RunToEnd(*window_, kCommands[command]);
    const app::ProgressPanel* panel = window_->Progress();
    QCOMPARE(panel->OkLabel()->isVisibleTo(panel), ok);
    QCOMPARE(panel->isVisibleTo(window_.get()), ok);
    QCOMPARE(window_->Feedback().OkMarkTimer().isActive(), ok);
    QCOMPARE(window_->Feedback().OkMarkTimer().interval(), 300);
    QVERIFY2(window_->Actions().read->isEnabled(), "the chip is off: commands are back");
    window_->Feedback().EndOkMark();  // as the timer does
    QVERIFY(panel->isHidden());
    QCOMPARE(window_->windowTitle(), kCommands[command] == &ReadChip
                                         ? QStringLiteral("Pic16F84")
                                         : QStringLiteral("Pic16F84 - test.hex"));
  }

  // A click on the bar is a click on the panel; with no command it stops
  // nothing, so the next command is not stopped by it either.
  void progressPanelClickStopsOnlyARunningCommand() {
    BoxRecorder boxes;
    window_->Progress()->show();
    Click(window_->Progress()->ProgressBar());
    QVERIFY(!window_->State().stopRequested);
    window_->Progress()->hide();

    clock_.PauseWhen([] { return true; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&ReadChip));
    QVERIFY(clock_.WaitUntilPaused());
    QCoreApplication::processEvents();
    Click(window_->Progress()->ProgressBar());
    QVERIFY(window_->State().stopRequested);
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Stopped);
    QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("Stopped by the user at address 0000h.")});
  }

  void missingAdapterIsReported() {
    dirs_->WritePathDat("/w\r\n70000\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n");
    auto window = MakeWindow(dirs_->Options());
    BoxRecorder boxes;
    QCOMPARE(RunToEnd(*window, &ReadChip), CommandResult::NoDevice);
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QVERIFY(boxes.boxes[0].text.startsWith(QStringLiteral("Device is not found !")));
    QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("70000")));
  }

  void saveAndLoadHexFiles() {
    BoxRecorder boxes;
    window_->Buffers().ProgramCell(0, 1) = "2805";
    Click(window_->FuseGroup()->SlotPanel(4));  // CP on: 000Fh
    const QString file = QDir(dirs_->exe.path()).filePath(QStringLiteral("test.hex"));
    window_->SaveHexPath(file);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pic16F84 - test.hex"));

    window_->Actions().clearBuffers->trigger();
    window_->LoadHexPath(file);
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("2805"));
    QCOMPARE(window_->Buffers().FuseWord, std::uint16_t{0x000F});
    QCOMPARE(window_->FuseGroup()->SlotPanel(4)->text(), QStringLiteral("   CP:  ON"));

    QFile bad(QDir(dirs_->exe.path()).filePath(QStringLiteral("bad.hex")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(":020000000528D1\r\n:0400000001020304F1\r\n");
    bad.close();
    window_->LoadHexPath(bad.fileName());
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Error);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Error CheckSum on line 2 !"));
    // A failed load leaves the buffers as they were.
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("2805"));

    window_->LoadHexPath(QDir(dirs_->exe.path()).filePath(QStringLiteral("missing.hex")));
    QCOMPARE(boxes.boxes.size(), std::size_t{2});
    QCOMPARE(boxes.boxes[1].kind, app::BoxKind::FileError);

    window_->SaveHexPath(QDir(dirs_->exe.path()).filePath(QStringLiteral("no/such/dir/x.hex")));
    QCOMPARE(boxes.boxes.size(), std::size_t{3});
    QCOMPARE(boxes.boxes[2].kind, app::BoxKind::FileError);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pic16F84 - test.hex"));
  }

 private:
  PausingClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(CommandRunTest)
#include "command_run_test.moc"
