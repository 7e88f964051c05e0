// SPDX-License-Identifier: GPL-2.0-or-later
// The window with parts of two configuration words and a device ID: the
// second row of switches, Select > Detect, the stop before writing another
// part (or switching low-voltage entry off) with its Continue, and Option >
// Check device ID kept in path.dat.
// The chips are simulated ones named in a chip file.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "app/click_panel.h"
#include "app/fuse_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

constexpr int kRowPitch = 16;

}  // namespace

class TwoWordsAndIdTest : public QObject {
  Q_OBJECT

  // A window of `device` on a simulated chip of `chip`, in a chip file of
  // its own.
  std::unique_ptr<app::MainWindow> WindowOnChip(const char* device, const char* chip) {
    const std::string file =
        QDir(dirs_.exe.path()).filePath(QString::fromLatin1(chip) + ".txt").toStdString();
    std::ofstream(file) << "# lptpic simulated chip\ndevice " << chip << "\n";
    dirs_.WritePathDat(QByteArray("/w\r\n0\r\nYES\r\n") + device + "\r\nNO\r\nfalse\r\n");
    app::AppOptions options = dirs_.Options();
    options.delay = &clock_;
    options.portChoice = "sim:" + file;
    return MakeWindow(std::move(options));
  }

  SettingsDirs dirs_;
  VirtualClock clock_;

 private slots:
  void secondRowOfSwitchesGrowsTheWindowAndEditsTheSecondWord() {
    auto window = WindowOnChip("16F84", "16F88");
    const int buttonTop = window->Buttons().programAll->y();
    const int groupHeight = window->FuseGroup()->height();
    const int gap = buttonTop - window->FuseGroup()->geometry().bottom();
    QVERIFY(!window->FuseGroup()->SecondWordPanel(1)->isVisible());

    // 16F88: fourteen switches of the first word take three rows, the
    // second word one more; everything under the group moves down.
    window->SetUpDevice("16F88");
    app::FusePanel* group = window->FuseGroup();
    QCOMPARE(group->height(), groupHeight + 2 * kRowPitch);
    QCOMPARE(window->Buttons().programAll->y(), buttonTop + 2 * kRowPitch);
    app::ClickPanel* fcmen = group->SecondWordPanel(1);
    QVERIFY(fcmen->isVisible());
    QCOMPARE(fcmen->text(), QStringLiteral(" FCMEN: ON"));
    QCOMPARE(fcmen->y(), group->SlotPanel(13)->y() + kRowPitch);
    QVERIFY(!group->SecondWordPanel(3)->isVisible());
    Click(fcmen);
    QCOMPARE(window->Buffers().SecondFuseWord, std::uint16_t{0x3FFE});
    QCOMPARE(fcmen->text(), QStringLiteral(" FCMEN: OFF"));
    Click(group->SlotPanel(4));  // WDTE off
    QCOMPARE(window->Buffers().FuseWord, std::uint16_t{0x3FFB});

    // Both words reach the chip and come back with a read.
    QCOMPARE(RunToEnd(*window, &ProgramAll), CommandResult::Ok);
    window->Actions().clearFuses->trigger();
    QCOMPARE(window->Buffers().SecondFuseWord, std::uint16_t{0x3FFF});
    QCOMPARE(fcmen->text(), QStringLiteral(" FCMEN: ON"));
    QCOMPARE(RunToEnd(*window, &ReadChip), CommandResult::Ok);
    QCOMPARE(window->Buffers().SecondFuseWord & 0x0003, 0x0002);
    QCOMPARE(fcmen->text(), QStringLiteral(" FCMEN: OFF"));
    window->Actions().clearBuffers->trigger();
    QCOMPARE(window->Buffers().SecondFuseWord, std::uint16_t{0x3FFF});

    // Back to two rows: the window keeps its size, the grids take the room
    // and the buttons stay right under the group.
    window->SetUpDevice("16F84");
    QCOMPARE(window->FuseGroup()->height(), groupHeight);
    QCOMPARE(window->Buttons().programAll->y() - window->FuseGroup()->geometry().bottom(), gap);
  }

  // 16F1937: nine switches of the second word take two rows; clearing LVP
  // asks before a write that would leave the 13 V board out of reach.
  void lowVoltageOffIsWrittenOnlyAfterContinue() {
    BoxRecorder boxes;
    QStringList asked;
    bool goOn = false;
    app::SetContinueAnswerer([&](const QString& text) {
      asked << text;
      return goOn;
    });
    auto window = WindowOnChip("16F84", "16F1937");
    const int groupHeight = window->FuseGroup()->height();
    window->SetUpDevice("16F1937");
    app::FusePanel* group = window->FuseGroup();
    QCOMPARE(group->height(), groupHeight + 3 * kRowPitch);
    app::ClickPanel* lvp = group->SecondWordPanel(9);
    QCOMPARE(lvp->text(), QStringLiteral("  LVP: ON"));
    QCOMPARE(lvp->y(), group->SecondWordPanel(1)->y() + kRowPitch);
    Click(lvp);
    QCOMPARE(window->Buffers().SecondFuseWord, std::uint16_t{0x1FFF});

    const QString warning = QStringLiteral(
        "The configuration 3FFF 1FFF would switch off low-voltage programming; this adapter "
        "could not program the chip again.");
    QCOMPARE(RunToEnd(*window, &ProgramAll), CommandResult::Failed);
    QCOMPARE(asked, QStringList{warning});
    goOn = true;
    QCOMPARE(RunToEnd(*window, &ProgramAll), CommandResult::Failed);
    CommandEnd again(*window);
    QCOMPARE(again.Wait(), CommandResult::Ok);     // written after Continue
    QVERIFY(!window->State().allowLowVoltageOff);  // for that one run only
    QVERIFY2(boxes.boxes.empty(), qPrintable(boxes.Texts().join('\n')));
    app::SetContinueAnswerer({});
  }

  // Detect names the chip and selects it only when asked; a 9 V part in
  // the socket is named at low voltage, and a write for the selected older
  // part is refused before any Vpp reaches it.
  void detectNamesThePartAndOffersIt() {
    BoxRecorder boxes;
    auto window = WindowOnChip("16F84", "16F887");
    for (const bool select : {false, true}) {
      QStringList asked;
      app::SetContinueAnswerer([&](const QString& text) {
        asked << text;
        return select;
      });
      CommandEnd end(*window);
      window->Actions().detect->trigger();
      QCOMPARE(end.Wait(), CommandResult::Ok);
      app::SetContinueAnswerer({});
      const QString status = window->StatusLine()->text();
      QVERIFY2(status.startsWith(QStringLiteral("Detect: 16F887 revision ")) &&
                   status.endsWith(QStringLiteral(" in the socket")),
               qPrintable(status));
      QCOMPARE(asked, QStringList{status.mid(8) + QStringLiteral(". Select it?")});
      QCOMPARE(window->Device().name, std::string(select ? "16F887" : "16F84"));
    }
    QCOMPARE(window->CurrentSettings().deviceName, std::string("16F887"));
    QVERIFY2(boxes.boxes.empty(), qPrintable(boxes.Texts().join('\n')));

    QStringList asked;
    app::SetContinueAnswerer([&](const QString& text) {
      asked << text;
      return false;
    });
    auto enhanced = WindowOnChip("16F84", "16F1827");
    CommandEnd named(*enhanced);
    enhanced->Actions().detect->trigger();
    QCOMPARE(named.Wait(), CommandResult::Ok);
    QCOMPARE(asked.last(), QStringLiteral("16F1827 revision 4 in the socket. Select it?"));
    QCOMPARE(enhanced->Device().name, std::string("16F84"));
    QCOMPARE(RunToEnd(*enhanced, &EraseChip), CommandResult::Failed);
    QCOMPARE(boxes.Texts(), QStringList{QStringLiteral(
                                "The socket holds a 16F1827, which takes at most 9 V on MCLR; "
                                "the selected 16F84 needs 13 V. Nothing was written.")});
    enhanced.reset();
    QVERIFY(!SettingsDirs::ReadFile(QDir(dirs_.exe.path()).filePath(QStringLiteral("16F1827.txt")))
                 .contains("destroyed"));
    boxes.boxes.clear();

    app::SetContinueAnswerer({});
    // A part without a device ID: told in the box and the result line alike.
    auto empty = WindowOnChip("16F84", "16F84");
    CommandEnd none(*empty);
    empty->Actions().detect->trigger();
    QCOMPARE(none.Wait(), CommandResult::Ok);
    QCOMPARE(empty->Device().name, std::string("16F84"));
    const QString told = QStringLiteral(
        "evice ID 3FFFh names no part. The 16F84 has no device ID: Detect cannot name it.");
    QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("D") + told});
    QCOMPARE(empty->StatusLine()->text(), QStringLiteral("Detect: d") + told);
  }

  void anotherPartStopsTheWriteUntilTheUserContinues() {
    BoxRecorder boxes;
    QStringList asked;
    bool goOn = false;
    app::SetContinueAnswerer([&](const QString& text) {
      asked << text;
      return goOn;
    });
    auto window = WindowOnChip("16F886", "16F887");
    QCOMPARE(RunToEnd(*window, &EraseChip), CommandResult::Failed);
    QCOMPARE(asked, QStringList{QStringLiteral("The chip is a 16F887, not the selected 16F886.")});
    QVERIFY(boxes.boxes.empty());

    goOn = true;
    QCOMPARE(RunToEnd(*window, &EraseChip), CommandResult::Failed);
    CommandEnd again(*window);
    QCOMPARE(again.Wait(), CommandResult::Ok);  // the same command, writing anyway
    QCOMPARE(asked.size(), 2);
    QVERIFY(!window->State().ignoreWrongDevice);  // for that one run only
    app::SetContinueAnswerer({});
  }

  void checkDeviceIdIsAnOptionKeptOnLine9() {
    BoxRecorder boxes;
    app::SetContinueAnswerer([](const QString&) { return false; });
    auto window = WindowOnChip("16F876A", "16F877A");
    QVERIFY(!window->Actions().checkDeviceId->isChecked());
    QCOMPARE(RunToEnd(*window, &EraseChip), CommandResult::Ok);  // older family: no check
    window->Actions().checkDeviceId->trigger();
    QCOMPARE(RunToEnd(*window, &EraseChip), CommandResult::Failed);
    window->close();
    QVERIFY(dirs_.ReadPathDat().endsWith("\r\nStandard\r\n\r\ntrue\r\n"));
    auto again = MakeWindow(dirs_, dirs_.ReadPathDat(), clock_);
    QVERIFY(again->Actions().checkDeviceId->isChecked());
    QVERIFY(again->State().checkDeviceId);
    app::SetContinueAnswerer({});
  }
};

QTEST_MAIN(TwoWordsAndIdTest)
#include "two_words_and_id_gui_test.moc"
