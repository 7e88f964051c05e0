// SPDX-License-Identifier: GPL-2.0-or-later
// The loop at the desk: a HEX file dropped on the window opens, the status
// bar shows its checksum, and a file rebuilt on disk is loaded again before
// Program All unless the check box is off.
#include "app/desk_loop.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// Word 0 of a 16F84 holds `word` (hex digits), written with a modification
// time of its own so that no test waits for the clock to move on.
void WriteImage(const QString& path, const char* record, int second) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(QByteArray(record) + "\r\n:00000001FF\r\n");
  QVERIFY(file.setFileTime(QDateTime(QDate(2026, 1, 1), QTime(12, 0, second), Qt::UTC),
                           QFileDevice::FileModificationTime));
}

}  // namespace

class DeskLoopTest : public QObject {
  Q_OBJECT
 private slots:
  void droppedFileOpensAndReloadsBeforeProgramAll() {
    SettingsDirs dirs;
    VirtualClock clock;
    auto window = MakeSimulatorWindow(dirs, clock);
    const QString hex = QDir(dirs.exe.path()).filePath(QStringLiteral("build.hex"));
    WriteImage(hex, ":020000001111DC", 1);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(hex)});
    QVERIFY(window->acceptDrops());
    QVERIFY(window->Desk().OpenDropped(mime));
    QCOMPARE(CellText(window->ProgramGrid(), 0, 1), QStringLiteral("1111"));
    // 1023 blank words, 1111h and the configuration 3FFFh, kept to 16 bits.
    QCOMPARE(window->Desk().ChecksumLabel()->text(), QStringLiteral("Checksum 0D11"));

    WriteImage(hex, ":020000002222BA", 2);
    QCOMPARE(RunToEnd(*window, ProgramAll), CommandResult::Ok);
    QCOMPARE(CellText(window->ProgramGrid(), 0, 1), QStringLiteral("2222"));
    QVERIFY(window->StatusLine()->text().contains(QStringLiteral("build.hex changed on disk")));

    window->Desk().ReloadBox()->setChecked(false);
    WriteImage(hex, ":02000000333398", 3);
    QCOMPARE(RunToEnd(*window, ProgramAll), CommandResult::Ok);
    QCOMPARE(CellText(window->ProgramGrid(), 0, 1), QStringLiteral("2222"));
    QCOMPARE(RunToEnd(*window, ReadChip), CommandResult::Ok);
    QCOMPARE(CellText(window->ProgramGrid(), 0, 1), QStringLiteral("2222"));
  }
};

QTEST_MAIN(DeskLoopTest)
#include "desk_loop_test.moc"
