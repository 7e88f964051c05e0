// SPDX-License-Identifier: GPL-2.0-or-later
// path.dat through the real window: defaults, the exact-literal flags, what
// the exit writes with and without "Save settings on Exit", the fallback
// folder, and the window placement rule.
#include <QAction>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QtTest>

#include "app/window_placement.h"
#include "gui_test_support.h"
#include "settings/settings_file.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

QColor ClientColor(app::MainWindow& window) {
  return window.findChild<QWidget*>(QStringLiteral("ClientArea"))
      ->palette()
      .color(QPalette::Window);
}

QByteArray ExeDirLine(const SettingsDirs& dirs) {
  return QDir::toNativeSeparators(dirs.exe.path() + QLatin1Char('/')).toUtf8();
}

QByteArray HomeLine(const SettingsDirs& dirs) {
  return QDir::toNativeSeparators(dirs.home.path()).toUtf8();
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void firstStartTakesDefaultsAndWritesSevenLines() {
    SettingsDirs dirs;
    auto window = MakeWindow(dirs.Options());
    QCOMPARE(window->CurrentSettings().portAddress, 888);
    QCOMPARE(window->Device().name, std::string("16F84"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Pic16F84"));
    QVERIFY(window->Actions().saveSettingsOnExit->isChecked());
    QVERIFY(!window->Actions().standardColours->isChecked());
    QVERIFY(!window->Actions().delay->isChecked());
    QCOMPARE(ClientColor(*window), QColor(0xB8, 0xA0, 0xA5));
    QCOMPARE(qApp->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
    window->close();
    // No path.dat beside the program: the settings go to the user's folder,
    // and the user's own folder is the working folder.
    QVERIFY(!QFile::exists(dirs.PathDat()));
    QCOMPARE(SettingsDirs::ReadFile(dirs.FallbackPathDat()),
             HomeLine(dirs) + "\r\n888\r\nYES\r\n16F84\r\nNO\r\nfalse\r\nStandard\r\n");
  }

  // A working folder that cannot be used: the default one instead, with a
  // note. The program's own folder is replaced unless the copy is portable;
  // a folder that is gone or read-only stays saved for when it is back.
  void unusableWorkingFolderFallsBackWithANote() {
    enum Line1 { ExeDir, Gone, ReadOnly, Usable, Empty };
    const struct {
      const char* name;
      bool portable;
      Line1 line1;
      const char* note;  // empty: none
      bool replaced;
    } cases[] = {
        {"program folder, installed", false, ExeDir, "is the program's own folder", true},
        {"program folder, portable", true, ExeDir, "", false},
        {"portable, made with an empty path.dat", true, Empty, "", false},
        {"gone", true, Gone, "does not exist: Open and Save start in", false},
        {"read-only", true, ReadOnly, "cannot be written: Save starts in", false},
        {"usable", false, Usable, "", false},
    };
    for (const auto& c : cases) {
      SettingsDirs dirs;
      const QString exeDir = QDir::toNativeSeparators(dirs.exe.path() + QLatin1Char('/'));
      const QString line1[] = {exeDir, QStringLiteral("/gone/away"), QStringLiteral("/proc"),
                               dirs.fallback.path(), exeDir};
      const QByteArray text =
          c.line1 == Empty ? QByteArray() : line1[c.line1].toUtf8() + "\r\n888\r\nYES\r\n16F84\r\n";
      BoxRecorder boxes;
      if (c.portable) {
        dirs.WritePathDat(text);
      } else {
        QFile file(dirs.FallbackPathDat());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
      }
      auto window = MakeWindow(dirs.Options());
      const QString fallback = c.portable ? QDir::toNativeSeparators(dirs.exe.path() + "/")
                                          : QDir::toNativeSeparators(dirs.home.path());
      QCOMPARE(QString::fromStdString(window->DefaultWorkDir()), fallback);
      QCOMPARE(QString::fromStdString(window->CurrentSettings().workDir),
               c.replaced ? fallback : line1[c.line1]);
      const QString status = window->StatusLine()->text();
      QVERIFY2(*c.note ? status.contains(QLatin1String(c.note)) && status.endsWith(fallback + ".")
                       : status.isEmpty(),
               qPrintable(QLatin1String(c.name) + ": " + status));
      QVERIFY2(boxes.boxes.empty(), c.name);
    }
  }

  // A path.dat beside the program makes a portable copy, except in a system
  // folder: there (an installed package, whoever runs it) the user's copy is
  // read and written and the file beside the program is never touched.
  void settingsBesideTheProgramOnlyForAPortableCopy() {
    const QByteArray beside("/w\r\n632\r\nYES\r\n16F628\r\nNO\r\nfalse\r\n");
    const QByteArray user("/u\r\n888\r\nYES\r\n16F877\r\nNO\r\nfalse\r\nStandard\r\n");
    for (const bool systemFolder : {false, true}) {
      SettingsDirs dirs;
      dirs.WritePathDat(beside);
      QFile userFile(dirs.FallbackPathDat());
      QVERIFY(userFile.open(QIODevice::WriteOnly));
      userFile.write(user);
      userFile.close();
      const std::vector<std::string> system{systemFolder ? dirs.exe.path().toStdString()
                                                         : "/nowhere"};
      const app::SettingsLocation place(dirs.exe.path().toStdString(),
                                        dirs.fallback.path().toStdString(), system);
      QCOMPARE(place.Portable(), !systemFolder);
      const std::string read = systemFolder ? place.FallbackPath() : place.PrimaryPath();
      QCOMPARE(place.PathToRead(), read);
      app::Settings changed = app::ReadSettingsFile(read, "/x/");
      changed.deviceName = "16C505";
      std::string error;
      QVERIFY2(place.Write(changed, &error), error.c_str());
      QCOMPARE(dirs.ReadPathDat().contains("16C505"), !systemFolder);
      QCOMPARE(SettingsDirs::ReadFile(dirs.FallbackPathDat()).contains("16C505"), systemFolder);
    }
  }

  void systemFoldersAndTheUserFolder() {
    const std::vector<std::string> system{"/usr", "/opt"};
    const struct {
      const char* dir;
      bool inside;
    } cases[] = {{"/usr/bin", true},
                 {"/usr", true},
                 {"/usr/", true},
                 {"/usr/local/bin", true},
                 {"/opt/lptpic", true},
                 {"/usrx/bin", false},
                 {"/home/u/lptpic", false},
                 {"/usr/../home/u", false},
                 {"", false}};
    for (const auto& c : cases) QVERIFY2(app::IsInSystemFolder(c.dir, system) == c.inside, c.dir);

    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", "/cfg");
    qputenv("HOME", "/home/u");
    QCOMPARE(app::UserSettingsFolder(), std::string("/cfg/lptpic"));
    qputenv("XDG_CONFIG_HOME", "relative");  // not absolute: ignored, as XDG says
    QCOMPARE(app::UserSettingsFolder(), std::string("/home/u/.config/lptpic"));
    qputenv("XDG_CONFIG_HOME", oldXdg);
    qputenv("HOME", oldHome);
    // The program's own folder when installed is one of the system folders.
    QVERIFY(app::IsInSystemFolder("/usr/bin", app::SystemFolders()));
  }

  void secondLineNotANumberDefaultsAllSix() {
    SettingsDirs dirs;
    dirs.WritePathDat("/some/where\r\nabc\r\nNO\r\n16C505\r\nYES\r\ntrue\r\n");
    BoxRecorder boxes;  // it is reported (file_safety_gui_test)
    auto window = MakeWindow(dirs.Options());
    QCOMPARE(window->CurrentSettings(), app::DefaultSettings(ExeDirLine(dirs).toStdString()));
    QCOMPARE(window->Device().name, std::string("16F84"));
    QVERIFY(window->Actions().saveSettingsOnExit->isChecked());
    QVERIFY(!window->Actions().delay->isChecked());
  }

  void flagsCompareExactLiterals_data() {
    QTest::addColumn<QByteArray>("save");
    QTest::addColumn<QByteArray>("colors");
    QTest::addColumn<QByteArray>("delay");
    QTest::addColumn<bool>("saveChecked");
    QTest::addColumn<bool>("standardColours");
    QTest::addColumn<bool>("delayChecked");
    QTest::newRow("exact") << QByteArray("NO") << QByteArray("YES") << QByteArray("true") << false
                           << true << true;
    QTest::newRow("lower case") << QByteArray("no") << QByteArray("yes") << QByteArray("TRUE")
                                << true << false << false;
    QTest::newRow("capitalised") << QByteArray("No") << QByteArray("Yes") << QByteArray("True")
                                 << true << false << false;
    QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray() << true << false
                           << false;
  }
  void flagsCompareExactLiterals() {
    QFETCH(QByteArray, save);
    QFETCH(QByteArray, colors);
    QFETCH(QByteArray, delay);
    QFETCH(bool, saveChecked);
    QFETCH(bool, standardColours);
    QFETCH(bool, delayChecked);
    SettingsDirs dirs;
    dirs.WritePathDat("/w\r\n956\r\n" + save + "\r\n16F84\r\n" + colors + "\r\n" + delay + "\r\n");
    auto window = MakeWindow(dirs.Options());
    QCOMPARE(window->CurrentSettings().portAddress, 956);
    QCOMPARE(window->Actions().saveSettingsOnExit->isChecked(), saveChecked);
    QCOMPARE(window->Actions().standardColours->isChecked(), standardColours);
    QCOMPARE(ClientColor(*window) == QColor(0xB8, 0xA0, 0xA5), !standardColours);
    QCOMPARE(window->Actions().delay->isChecked(), delayChecked);
  }

  void exitWritesCurrentOrStartValues_data() {
    QTest::addColumn<bool>("saveOnExit");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("save on") << true
                             << QByteArray(
                                    "/w\r\n632\r\nYES\r\n16F628\r\nYES\r\ntrue\r\nStandard\r\n");
    QTest::newRow("save off") << false
                              << QByteArray(
                                     "/w\r\n632\r\nNO\r\n16F628\r\nNO\r\nfalse\r\nStandard\r\n");
  }
  void exitWritesCurrentOrStartValues() {
    QFETCH(bool, saveOnExit);
    QFETCH(QByteArray, expected);
    SettingsDirs dirs;
    dirs.WritePathDat("/w\r\n632\r\nYES\r\n16F628\r\nNO\r\nfalse\r\n");
    auto window = MakeWindow(dirs.Options());
    window->Actions().standardColours->trigger();
    window->Actions().delay->trigger();
    if (!saveOnExit) window->Actions().saveSettingsOnExit->trigger();
    window->Actions().exit->trigger();
    QVERIFY(!window->isVisible());
    QCOMPARE(dirs.ReadPathDat(), expected);
  }

  void commandLineDeviceIsNotSaved() {
    SettingsDirs dirs;
    dirs.WritePathDat("/w\r\n888\r\nYES\r\n16f84\r\nNO\r\nfalse\r\n");
    app::AppOptions options = dirs.Options();
    options.deviceName = "16C505";
    auto window = MakeWindow(options);
    QCOMPARE(window->windowTitle(), QStringLiteral("Pic16C505"));
    window->close();
    // The file's unknown "16f84" is saved as the catalogue makes it.
    QCOMPARE(dirs.ReadPathDat(),
             QByteArray("/w\r\n888\r\nYES\r\n16F84\r\nNO\r\nfalse\r\nStandard\r\n"));
  }

  // Option > Timing: a six-line file starts in the standard profile; the
  // choice reaches the device commands and line 7 at exit, and a file that
  // names the datasheet profile starts in it.
  void timingProfileFromMenuAndLineSeven() {
    SettingsDirs dirs;
    dirs.WritePathDat("/w\r\n888\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n");
    auto window = MakeWindow(dirs.Options());
    QVERIFY(window->Actions().timingStandard->isChecked());
    QCOMPARE(window->State().timing, TimingProfile::Standard);
    window->Actions().timingDatasheet->trigger();
    QVERIFY(!window->Actions().timingStandard->isChecked());
    QCOMPARE(window->State().timing, TimingProfile::Datasheet);
    window->close();
    const QByteArray saved("/w\r\n888\r\nYES\r\n16F84\r\nNO\r\nfalse\r\nDatasheet\r\n");
    QCOMPARE(dirs.ReadPathDat(), saved);

    auto again = MakeWindow(dirs.Options());
    QVERIFY(again->Actions().timingDatasheet->isChecked());
    QCOMPARE(again->State().timing, TimingProfile::Datasheet);
    again->Actions().timingStandard->trigger();
    QCOMPARE(again->State().timing, TimingProfile::Standard);
    again->close();
    QVERIFY(dirs.ReadPathDat().endsWith("\r\nStandard\r\n"));
  }

  void commandLineTimingIsNotSaved() {
    SettingsDirs dirs;
    dirs.WritePathDat("/w\r\n888\r\nYES\r\n16F84\r\nNO\r\nfalse\r\nStandard\r\n");
    app::AppOptions options = dirs.Options();
    options.timing = TimingProfile::Datasheet;
    auto window = MakeWindow(options);
    QCOMPARE(window->State().timing, TimingProfile::Datasheet);
    QVERIFY(window->Actions().timingDatasheet->isChecked());
    window->close();
    QVERIFY(dirs.ReadPathDat().endsWith("\r\nStandard\r\n"));
  }

  void unwritableFolderUsesFallback() {
    SettingsDirs dirs;
    // A folder named path.dat cannot be replaced by the file, even by root.
    QVERIFY(QDir(dirs.exe.path()).mkdir(QStringLiteral("path.dat")));
    QFile fallback(dirs.FallbackPathDat());
    QVERIFY(fallback.open(QIODevice::WriteOnly));
    fallback.write("/w\r\n888\r\nYES\r\n16F628\r\nNO\r\nfalse\r\n");
    fallback.close();
    BoxRecorder boxes;
    auto window = MakeWindow(dirs.Options());
    QCOMPARE(window->Device().name, std::string("16F628"));
    window->Actions().delay->trigger();
    window->close();
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(SettingsDirs::ReadFile(dirs.FallbackPathDat()),
             QByteArray("/w\r\n888\r\nYES\r\n16F628\r\nNO\r\ntrue\r\nStandard\r\n"));
  }

  void exitThatCannotWriteWarnsOnceAndCloses() {
    SettingsDirs dirs;
    QVERIFY(QDir(dirs.exe.path()).mkdir(QStringLiteral("path.dat")));
    app::AppOptions options = dirs.Options();
    // A regular file where the fallback folder should be.
    options.fallbackDir = QDir(dirs.fallback.path()).filePath(QStringLiteral("blocker"));
    QFile blocker(options.fallbackDir);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    BoxRecorder boxes;
    auto window = MakeWindow(options);
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Warning);
    QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("path.dat")));
  }

  void colourToggleTwiceRestoresOwnColours() {
    SettingsDirs dirs;
    auto window = MakeWindow(dirs.Options());
    QAction* toggle = window->Actions().standardColours;
    toggle->trigger();
    QVERIFY(toggle->isChecked());
    QCOMPARE(window->ProgramGrid()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(window->CurrentSettings().stdColors, std::string("YES"));
    toggle->trigger();
    QVERIFY(!toggle->isChecked());
    QCOMPARE(ClientColor(*window), QColor(0xB8, 0xA0, 0xA5));
    QCOMPARE(window->ProgramGrid()->palette().color(QPalette::Base), QColor(0xAE, 0xBD, 0xB0));
    QCOMPARE(window->DataGrid()->palette().color(QPalette::Base), QColor(0xDE, 0xAD, 0x98));
    QCOMPARE(window->CurrentSettings().stdColors, std::string("NO"));
  }

  void parseRules() {
    // LF-only lines, spaces around the number, a file that stops early.
    const auto parsed = app::ParseSettings("/w\n 632 \nNO");
    QVERIFY(parsed.has_value());
    QCOMPARE(parsed->portAddress, 632);
    QCOMPARE(parsed->saveFlag, std::string("NO"));
    QCOMPARE(parsed->deviceName, std::string());
    for (const char* bad :
         {"", "/w", "/w\r\n\r\nYES", "/w\r\nLPT2\r\n", "/w\r\n - 5\r\n", "/w\r\n99999999999\r\n"}) {
      QVERIFY2(!app::ParseSettings(bad).has_value(), bad);
    }
  }

  void checkDeviceIdOnLine9ClockDelayOnLine10ProbeOnLine11() {
    // A delay on line 9 with nothing after it is the earlier file version;
    // every file is written back in the new one. Only "false" on line 11
    // turns the low-voltage probe off.
    const struct {
      const char* tail;  // lines 8 on
      const char* check;
      std::optional<std::uint32_t> delay;
      const char* probe;
      const char* written;
    } cases[] = {
        {"A\r\n12\r\n", "false", 12, "true", "A\r\nfalse\r\n12\r\n"},
        {"A\r\ntrue\r\n", "true", std::nullopt, "true", "A\r\ntrue\r\n"},
        {"\r\ntrue\r\n7\r\n", "true", 7, "true", "\r\ntrue\r\n7\r\n"},
        {"A\r\nyes\r\n7\r\n", "false", 7, "true", "A\r\nfalse\r\n7\r\n"},
        {"A\r\nfalse\r\n", "false", std::nullopt, "true", "A\r\n"},
        {"\r\nfalse\r\n\r\nfalse\r\n", "false", std::nullopt, "false",
         "\r\nfalse\r\n\r\nfalse\r\n"},
        {"A\r\ntrue\r\n7\r\nFalse\r\n", "true", 7, "true", "A\r\ntrue\r\n7\r\n"},
    };
    const std::string head = "/w\r\n888\r\nYES\r\n16F88\r\nNO\r\nfalse\r\nStandard\r\n";
    for (const auto& c : cases) {
      const auto parsed = app::ParseSettings(head + c.tail);
      QVERIFY2(parsed.has_value(), c.tail);
      QCOMPARE(parsed->checkDeviceId, std::string(c.check));
      QCOMPARE(parsed->clockDelayUs, c.delay);
      QCOMPARE(parsed->lowVoltageProbe, std::string(c.probe));
      QCOMPARE(app::FormatSettings(*parsed), head + c.written);
    }
  }

  void portLineKeepsItsNumberAndSkipsTheRest() {
    // Whatever follows the number on line 2 is skipped; the four lines
    // after it are still read as they are.
    const struct {
      const char* line2;
      int port;
    } cases[] = {
        {"632 LPT2", 632}, {"888abc", 888}, {"\t+956;LPT3", 956}, {"0 sim", 0}, {"0x378", 0}};
    for (const auto& c : cases) {
      const std::string text =
          std::string("/w\r\n") + c.line2 + "\r\nNO\r\n16F877\r\nYES\r\ntrue\r\n";
      const auto parsed = app::ParseSettings(text);
      QVERIFY2(parsed.has_value(), c.line2);
      QCOMPARE(*parsed, (app::Settings{"/w", c.port, "NO", "16F877", "YES", "true"}));
    }
  }

  void placementRoundsHalvesToEven() {
    // (1024 - 625) / 2 = 199.5 -> 200; (768 - 343) * 4 / 6 = 283.33 -> 283.
    QCOMPARE(app::PlaceMainWindow(1024, 768, 625, 343), (app::Placement{200, 283}));
    // (1023 - 620) / 2 = 201.5 -> 202; (769 - 340) * 4 / 6 = 286 exactly.
    QCOMPARE(app::PlaceMainWindow(1023, 769, 620, 340), (app::Placement{202, 286}));
    // (800 - 621) / 2 = 89.5 -> 90; (603 - 300) * 4 / 6 = 202 exactly.
    QCOMPARE(app::PlaceMainWindow(800, 603, 621, 300), (app::Placement{90, 202}));
    QCOMPARE(app::RoundHalfEven(2.5), 2);
    QCOMPARE(app::RoundHalfEven(-1.5), -2);
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
