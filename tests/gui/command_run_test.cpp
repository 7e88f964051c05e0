// SPDX-License-Identifier: GPL-2.0-or-later
// Device commands and HEX files through the window, against the simulated
// adapter on a virtual clock: what is held while a command runs, a close
// that waits for the command, and the views after a command or a file.
#include <QAction>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QtTest>

#include "app/click_panel.h"
#include "app/fuse_panel.h"
#include "app/gui_hooks.h"
#include "app/message_boxes.h"
#include "app/progress_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// A virtual clock that runs `probe` once, at the first wait after Arm().
class ProbeClock : public VirtualClock {
 public:
  void Arm(std::function<void()> probe) { probe_ = std::move(probe); }
  void WaitMs(std::uint32_t ms) override {
    VirtualClock::WaitMs(ms);
    Fire();
  }
  void WaitUs(std::uint32_t us) override {
    VirtualClock::WaitUs(us);
    Fire();
  }

 private:
  void Fire() {
    if (!probe_) return;
    auto probe = std::move(probe_);
    probe_ = nullptr;
    probe();
  }
  std::function<void()> probe_;
};

}  // namespace

class CommandRunTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dirs_ = std::make_unique<SettingsDirs>();
    window_ = MakeSimulatorWindow(*dirs_, clock_);
  }
  void cleanup() {
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
    Click(window_->Buttons().programAll);
    QCOMPARE(window_->Buffers().FuseWord, std::uint16_t{0x3FFB});

    window_->Actions().clearBuffers->trigger();
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("3FFF"));
    Click(window_->Buttons().read);
    QVERIFY2(boxes.boxes.empty(), boxes.boxes.empty() ? "" : qPrintable(boxes.boxes[0].text));
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("2805"));
    QCOMPARE(CellText(window_->DataGrid(), 0, 2), QStringLiteral("5A"));
    QCOMPARE(window_->IdPanel()->text(), QStringLiteral("   ID:  12AB"));
    QCOMPARE(window_->Buffers().FuseWord & 0x3FFF, 0x3FFB);
    QCOMPARE(window_->FuseGroup()->SlotPanel(2)->text(), QStringLiteral("  Wdt:  OFF"));
    QVERIFY(window_->Progress()->isHidden());
    QVERIFY(window_->State().IdleFlag);

    Click(window_->Buttons().verify);  // Verify
    QVERIFY(boxes.boxes.empty());
    window_->Buffers().ProgramCell(0, 1) = "2806";
    window_->Actions().verify->trigger();
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Error);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Error verify Program Memory!"));
    QCOMPARE(boxes.boxes[0].detail,
             QStringLiteral("Program memory 0000h: expected 2806, read 2805"));
  }

  // The failing location is shown with the message, not behind a button; the
  // hooks give each kind of box its own look.
  void failureDetailIsTheBoxsInformativeText() {
    const auto box = app::MakeBox(nullptr, app::BoxKind::Error, QStringLiteral("Error verify ID!"),
                                  QStringLiteral("ID 2003h: expected 5, read 4"));
    QCOMPARE(box->text(), QStringLiteral("Error verify ID!"));
    QCOMPARE(box->informativeText(), QStringLiteral("ID 2003h: expected 5, read 4"));
    QVERIFY(box->detailedText().isEmpty());

    BoxRecorder boxes;
    app::GuiHooks hooks(nullptr, nullptr, {});
    hooks.PlainBoxWithDetail("Data Memory is not blank", "Data memory 3Fh: expected FF, read 05");
    hooks.WarningBox("Every word read as 0000: is the chip in the socket?");
    QCOMPARE(boxes.boxes.size(), std::size_t{2});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Plain);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Data Memory is not blank"));
    QCOMPARE(boxes.boxes[0].detail, QStringLiteral("Data memory 3Fh: expected FF, read 05"));
    QCOMPARE(boxes.boxes[1].kind, app::BoxKind::Warning);
    QCOMPARE(boxes.boxes[1].text,
             QStringLiteral("Every word read as 0000: is the chip in the socket?"));
    QVERIFY(boxes.boxes[1].detail.isEmpty());
  }

  void commandsAreHeldWhileRunningAndCloseWaits() {
    BoxRecorder boxes;
    bool probed = false;
    clock_.Arm([&] {
      probed = true;
      QVERIFY(window_->Busy());
      const auto& a = window_->Actions();
      for (QAction* item :
           {a.open, a.save, a.clearBuffers, a.clearFuses, a.clearArea, a.selectDevice, a.id,
            a.outputPort, a.standardColours, a.saveSettingsOnExit, a.delay, a.changeDir}) {
        QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
      }
      QVERIFY(!window_->findChild<QToolBar*>()->isEnabled());
      QVERIFY(!window_->FuseGroup()->isEnabled());
      QVERIFY(!window_->IdPanel()->isEnabled());
      const QModelIndex cell = window_->ProgramGrid()->model()->index(0, 1);
      QVERIFY(!(window_->ProgramGrid()->model()->flags(cell) & Qt::ItemIsEditable));
      QVERIFY(
          !window_->ProgramGrid()->model()->setData(cell, QStringLiteral("1234"), Qt::EditRole));
      // A second command is refused by the idle flag, not run.
      QCOMPARE(window_->RunDeviceCommand(&ReadChip), CommandResult::Ignored);
      window_->close();
      QVERIFY(window_->isVisible());
    });
    const CommandResult result = window_->RunDeviceCommand(&BlankCheck);
    QVERIFY(probed);
    QCOMPARE(result, CommandResult::Ok);
    QVERIFY(boxes.boxes.empty());
    // The held close has happened now, with its exit steps.
    QVERIFY(!window_->isVisible());
    QVERIFY(!window_->CurrentPort().Opened());
    QVERIFY(!dirs_->ReadPathDat().isEmpty());
  }

  void editingComesBackAfterTheCommand() {
    window_->RunDeviceCommand(&ReadChip);
    QVERIFY(!window_->Busy());
    QVERIFY(window_->Actions().open->isEnabled());
    QVERIFY(window_->FuseGroup()->isEnabled());
    const QModelIndex cell = window_->ProgramGrid()->model()->index(0, 1);
    QVERIFY(window_->ProgramGrid()->model()->flags(cell) & Qt::ItemIsEditable);
    // The layout's own disabling survives the re-enabling.
    window_->SetUpDevice("12F629/675");
    window_->RunDeviceCommand(&ReadChip);
    QVERIFY(!window_->Actions().programFusesOnly->isEnabled());
  }

  void progressPanelClickClearsContinueFlag() {
    window_->State().ContinueFlag = true;
    window_->Progress()->show();
    Click(window_->Progress()->ProgressBar());
    QVERIFY(!window_->State().ContinueFlag);
  }

  void missingAdapterIsReported() {
    dirs_->WritePathDat("/w\r\n70000\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n");
    auto window = MakeWindow(dirs_->Options());
    BoxRecorder boxes;
    QCOMPARE(window->RunDeviceCommand(&ReadChip), CommandResult::NoDevice);
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
  ProbeClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(CommandRunTest)
#include "command_run_test.moc"
