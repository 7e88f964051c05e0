// The window and the files it owns: a FIFO in place of path.dat does not
// hold start-up up, a linked path.dat stays a link, a simulated chip that
// cannot be saved is reported in a box, and a HEX file without an end
// record is loaded with a warning.
#include <sys/stat.h>

#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/settings_file.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

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
    // The folder disappears while the program runs: the save at exit fails.
    QVERIFY(QDir(folder).removeRecursively());
    BoxRecorder boxes;
    window->close();
    QVERIFY(!boxes.boxes.empty());
    QVERIFY(boxes.Texts().join('\n').contains(QStringLiteral("could not be saved")));
    QVERIFY(boxes.Texts().join('\n').contains(QStringLiteral("chip.txt")));
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
