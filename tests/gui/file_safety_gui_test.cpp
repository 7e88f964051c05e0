// SPDX-License-Identifier: GPL-2.0-or-later
// The window and the files it owns: a FIFO in place of path.dat does not
// hold start-up up, a linked path.dat stays a link, one that holds no
// settings is kept aside, a simulated chip is saved after each command and
// a save that fails is reported in a box, and a HEX file without an end
// record or without data for the device is loaded with a warning.
#include <sys/stat.h>

#include <QtTest>
#include <filesystem>
#include <fstream>

#include "gui_test_support.h"
#include "hw/virtual_clock.h"
#include "settings/settings_file.h"
#include "sim/chip_file.h"

using namespace lpt;
using namespace lpt::gui_test;

class FileSafetyGuiTest : public QObject {
  Q_OBJECT
 private slots:
  void aFifoAsPathDatIsSkippedAndStaysAFifo() {
    SettingsDirs dirs;
    QCOMPARE(::mkfifo(dirs.PathDat().toLocal8Bit().constData(), 0644), 0);
    BoxRecorder boxes;
    auto window = MakeWindow(dirs.Options());  // would block for ever on a read
    QCOMPARE(window->CurrentSettings().portAddress, 888);
    window->close();
    QVERIFY(std::filesystem::is_fifo(dirs.PathDat().toStdString()));
    // The settings went to the fallback folder instead.
    QVERIFY(dirs.ReadFile(dirs.FallbackPathDat()).contains("\r\n888\r\nYES\r\n"));
  }

  void aLinkedPathDatIsWrittenThroughAndStaysALink() {
    SettingsDirs dirs;
    const std::string real = (dirs.fallback.path() + QStringLiteral("/real.dat")).toStdString();
    std::ofstream(real) << "/w\r\n632\r\nYES\r\n16F877\r\nNO\r\nfalse\r\n";
    std::filesystem::create_symlink(real, dirs.PathDat().toStdString());
    auto window = MakeWindow(dirs.Options());
    QCOMPARE(window->CurrentSettings().portAddress, 632);
    window->close();
    QVERIFY(std::filesystem::is_symlink(dirs.PathDat().toStdString()));
    QCOMPARE(SettingsDirs::ReadFile(QString::fromStdString(real)),
             QByteArray("/w\r\n632\r\nYES\r\n16F877\r\nNO\r\nfalse\r\nStandard\r\n"));
  }

  void aChipThatCannotBeSavedIsShownInABox() {
    SettingsDirs dirs;
    QTemporaryDir chips;
    const QString folder = chips.path() + QStringLiteral("/gone");
    QVERIFY(QDir().mkpath(folder));
    VirtualClock clock;
    app::AppOptions options = dirs.Options();
    options.delay = &clock;
    options.portChoice = "sim:" + (folder + QStringLiteral("/chip.txt")).toStdString();
    auto window = MakeWindow(std::move(options));
    // The folder disappears while the program runs: the save after the
    // command that changes the chip fails.
    QVERIFY(QDir(folder).removeRecursively());
    BoxRecorder boxes;
    window->Buffers().ProgramWord(0) = "2805";
    QCOMPARE(RunToEnd(*window, &ProgramAll), CommandResult::Ok);
    QVERIFY(!boxes.boxes.empty());
    QVERIFY(boxes.Texts().join('\n').contains(QStringLiteral("could not be saved")));
    QVERIFY(boxes.Texts().join('\n').contains(QStringLiteral("chip.txt")));
    window->close();
  }

  // Each command's work is in the chip file when the command ends, not
  // only when the window closes: a later kill loses none of it.
  void aSimulatedChipIsSavedAfterEveryCommand() {
    SettingsDirs dirs;
    VirtualClock clock;
    app::AppOptions options = dirs.Options();
    options.delay = &clock;
    const std::string chip =
        QDir(dirs.exe.path()).filePath(QStringLiteral("chip.txt")).toStdString();
    options.portChoice = "sim:" + chip;
    auto window = MakeWindow(std::move(options));
    window->Buffers().ProgramWord(0) = "2805";
    QCOMPARE(RunToEnd(*window, &ProgramAll), CommandResult::Ok);
    std::string why;
    const auto saved = sim::LoadChipFile(chip, &why);
    QVERIFY2(saved.has_value(), why.c_str());
    QCOMPARE(saved->program[0], std::uint16_t(0x2805));
    window->close();
  }

  // Data only above 64 KB, or only where the 16F84 has no memory (word
  // 1000h; gputils 16f84_g.lkr: code 0-3FFh): the load says so before a
  // Program All could erase the chip for nothing.
  void aFileWithNothingForTheDeviceLoadsWithAWarning() {
    SettingsDirs dirs;
    auto window = MakeWindow(dirs.Options());
    QTemporaryDir files;
    for (const char* text :
         {":020000040001F9\n:020000003412B8\n:00000001FF\n", ":02200000341298\n:00000001FF\n"}) {
      const QString path = files.path() + QStringLiteral("/far.hex");
      std::ofstream(path.toStdString()) << text;
      BoxRecorder boxes;
      window->LoadHexPath(path);
      QCOMPARE(boxes.boxes.size(), std::size_t(1));
      QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Warning);
      QVERIFY2(boxes.boxes[0].text.contains(QStringLiteral("far.hex holds no data for the 16F84")),
               qPrintable(boxes.boxes[0].text));
    }
  }

  // A path.dat that holds no settings is reported once and kept aside, not
  // replaced unseen by the exit's fresh file.
  void anUnreadablePathDatIsReportedAndKept() {
    for (const QByteArray& text :
         {QByteArray("/w\r\nLPT1\r\nYES\r\n"), QByteArray("\x7F"
                                                          "ELF\x02\x01\n888\n\0\0\0",
                                                          13)}) {
      SettingsDirs dirs;
      dirs.WritePathDat(text);
      BoxRecorder boxes;
      auto window = MakeWindow(dirs.Options());
      QCOMPARE(window->CurrentSettings().portAddress, 888);
      QCOMPARE(
          boxes.Texts(),
          QStringList{QStringLiteral("Settings in path.dat could not be read; defaults used")});
      window->close();
      QCOMPARE(SettingsDirs::ReadFile(dirs.PathDat() + QStringLiteral(".bad")), text);
      QVERIFY(dirs.ReadPathDat().contains("\r\n888\r\nYES\r\n"));
      QCOMPARE(boxes.boxes.size(), std::size_t(1));
    }
  }

  void aHexFileWithoutEndRecordLoadsWithAWarning() {
    SettingsDirs dirs;
    auto window = MakeWindow(dirs.Options());
    QTemporaryDir files;
    const QString path = files.path() + QStringLiteral("/cut.hex");
    std::ofstream(path.toStdString()) << ":020000003412B8\n";
    BoxRecorder boxes;
    window->LoadHexPath(path);
    QCOMPARE(window->Buffers().ProgramWord(0), std::string("1234"));
    QCOMPARE(boxes.boxes.size(), std::size_t(1));
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Warning);
    QVERIFY(boxes.boxes[0].text.endsWith(
        QStringLiteral("has no end-of-file record: it may be cut off")));
  }
};

QTEST_MAIN(FileSafetyGuiTest)
#include "file_safety_gui_test.moc"
