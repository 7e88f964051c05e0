// SPDX-License-Identifier: GPL-2.0-or-later
// SIGTERM, SIGINT and SIGHUP ask the window to close as its close button
// does: settings and a simulated chip are saved, and a running command is
// stopped before its next word with the adapter switched off. The signals
// are raised by the test itself at a known moment.
#include "app/close_signals.h"

#include <QtTest>
#include <csignal>
#include <sstream>

#include "gui_test_support.h"
#include "sim/chip_file.h"

using namespace lpt;
using namespace lpt::gui_test;

class CloseSignalsTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() {
    // A check that failed while the command was held leaves it held.
    clock_.PauseWhen(nullptr);
    clock_.Resume();
    window_.reset();
  }

  void aSignalClosesTheWindowAsItsCloseButtonDoes_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }
  void aSignalClosesTheWindowAsItsCloseButtonDoes() {
    QFETCH(int, signal);
    Open();
    const app::CloseOnSignals closer([this] { window_->StopAndClose(); });
    std::raise(signal);
    // The handler only wrote to a pipe: the event loop does the rest.
    for (int turn = 0; turn < 10 && window_->isVisible(); ++turn) QApplication::processEvents();
    QVERIFY(!window_->isVisible());
    QVERIFY(dirs_.ReadPathDat().endsWith("\r\nStandard\r\n"));  // written at exit in full
  }

  void aSignalDuringACommandStopsItThenCloses() {
    Open();
    for (int a = 0; a < 1024; ++a) window_->Buffers().ProgramWord(a) = "2805";
    const app::CloseOnSignals closer([this] { window_->StopAndClose(); });
    BoxRecorder boxes;
    // Held a few rows into the program pass: every word takes a millisecond
    // wait.
    clock_.PauseWhen([this] { return clock_.MsWaits() >= 40; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&ProgramAll));
    QVERIFY(clock_.WaitUntilPaused());
    std::raise(SIGTERM);
    // The window's event loop runs during the command: the close request
    // sets the command's stop, and the window stays until the command ends.
    for (int turn = 0; turn < 10 && !window_->State().stopRequested; ++turn)
      QApplication::processEvents();
    QVERIFY(window_->State().stopRequested);
    QVERIFY(window_->isVisible());
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Stopped);
    for (int turn = 0; turn < 10 && window_->isVisible(); ++turn) QApplication::processEvents();
    QVERIFY(!window_->isVisible());
    QVERIFY2(boxes.boxes.empty(), qPrintable(boxes.Texts().join('\n')));
    QVERIFY(trace_.str().ends_with("W 0378 08\n"));  // switched off last
    std::string why;
    const auto chip = sim::LoadChipFile(chipFile_, &why);
    QVERIFY2(chip.has_value(), why.c_str());
    QCOMPARE(chip->program[0], std::uint16_t(0x2805));
    QCOMPARE(chip->program[1023], std::uint16_t(0x3FFF));  // not reached
  }

 private:
  void Open() {
    window_.reset();  // its port holds the chip file
    dirs_.WritePathDat(QDir::toNativeSeparators(dirs_.exe.path()).toUtf8() +
                       "\n0\nYES\n16F84\nNO\nfalse\n");
    chipFile_ = QDir(dirs_.exe.path()).filePath(QStringLiteral("chip.txt")).toStdString();
    app::AppOptions options = dirs_.Options();
    options.delay = &clock_;
    options.portTrace = &trace_;
    options.portChoice = "sim:" + chipFile_;
    window_ = MakeWindow(std::move(options));
  }

  SettingsDirs dirs_;
  PausingClock clock_;
  std::ostringstream trace_;
  std::string chipFile_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(CloseSignalsTest)
#include "close_signals_test.moc"
