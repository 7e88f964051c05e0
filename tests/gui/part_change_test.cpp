// SPDX-License-Identifier: GPL-2.0-or-later
// A change of part keeps what the user was working on: the open file is
// read again for the new part (and what it cannot hold is told), typed
// words are not dropped without asking, and Program All with nothing
// loaded says so instead of programming a blank image.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>

#include "choose_device.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// Word 0 = 2805h; words 500h and 501h = 1234h, 1678h (past a 16F84's 1K).
constexpr char kFile[] = ":020000000528D1\r\n:040A0000341278161E\r\n:00000001FF\r\n";

}  // namespace

class PartChangeTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dirs_ = std::make_unique<SettingsDirs>();
    window_ = MakeWindow(*dirs_,
                         QDir::toNativeSeparators(dirs_->exe.path()).toUtf8() +
                             "\r\n0\r\nYES\r\n16F88\r\nNO\r\nfalse\r\n",
                         clock_);
  }
  void cleanup() {
    window_.reset();
    dirs_.reset();
  }

  void theOpenFileIsReadAgainForTheNewPart_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("box");  // empty: none
    QTest::newRow("16F887 holds it all") << "16F887" << QString();
    QTest::newRow("16F84 has no room for two")
        << "16F84"
        << "prog.hex: 2 program words and 0 data bytes lie beyond the 16F84's memories and "
           "were left out.";
  }
  void theOpenFileIsReadAgainForTheNewPart() {
    QFETCH(QString, part);
    QFETCH(QString, box);
    const QString path = QDir(dirs_->exe.path()).filePath(QStringLiteral("prog.hex"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kFile);
    file.close();
    window_->LoadHexPath(path);
    BoxRecorder boxes;
    Choose(part);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pic") + part + QStringLiteral(" - prog.hex"));
    QCOMPARE(window_->Buffers().ProgramWord(0), std::string("2805"));
    QCOMPARE(boxes.Texts(), box.isEmpty() ? QStringList() : QStringList{box});
    if (box.isEmpty()) QCOMPARE(window_->Buffers().ProgramWord(0x501), std::string("1678"));
  }

  void typedWordsAreNotDroppedWithoutAsking() {
    window_->Buffers().ProgramWord(3) = "0123";
    for (const bool change : {false, true}) {
      QStringList asked;
      app::SetContinueAnswerer([&](const QString& text) {
        asked << text;
        return change;
      });
      Choose(QStringLiteral("16F887"));
      app::SetContinueAnswerer({});
      QCOMPARE(asked.size(), 1);
      QCOMPARE(window_->Device().name, std::string(change ? "16F887" : "16F88"));
      QCOMPARE(window_->Buffers().ProgramWord(3), std::string(change ? "3FFF" : "0123"));
    }
  }

  void programAllWithNothingLoadedSaysSo() {
    BoxRecorder boxes;
    QVERIFY(!window_->StartDeviceCommand(&ProgramAll));
    QVERIFY(!window_->Busy());
    QCOMPARE(boxes.boxes.size(), std::size_t(1));
    QVERIFY(boxes.boxes[0].text.startsWith(QStringLiteral("Nothing is loaded")));
    QVERIFY(window_->StatusLine()->text().startsWith(QStringLiteral("Program All: Nothing")));
    // One typed word is something to program.
    window_->Buffers().ProgramWord(0) = "2805";
    QCOMPARE(RunToEnd(*window_, &ProgramAll), CommandResult::Ok);
  }

 private:
  void Choose(const QString& part) { ChooseDevice(*window_, part); }

  VirtualClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(PartChangeTest)
#include "part_change_test.moc"
