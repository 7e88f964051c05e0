// SPDX-License-Identifier: GPL-2.0-or-later
// SIGTERM, SIGINT and SIGHUP ask the window to close as its close button
// does: settings and a simulated chip are saved, and a running command is
// stopped before its next word with the adapter switched off. The signals
// are raised by the test itself at a known moment.
#include "app/close_signals.h"

#include <QProgressBar>
#include <QtTest>
#include <csignal>
#include <sstream>

#include "app/progress_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"
#include "sim/chip_file.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// A virtual clock that calls `probe` at every wait until it returns true.
class ProbeClock : public VirtualClock {
 public:
  void Arm(std::function<bool()> probe) { probe_ = std::move(probe); }
  void WaitMs(std::uint32_t ms) override {
    VirtualClock::WaitMs(ms);
    if (probe_ && probe_()) probe_ = nullptr;
  }

 private:
  std::function<bool()> probe_;
};

}  // namespace

class CloseSignalsTest : public QObject {
  Q_OBJECT
 private slots:
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
    // A few rows into the program pass.
    clock_.Arm([this] {
      if (window_->Progress()->ProgressBar()->value() < 2) return false;
      std::raise(SIGTERM);
      return true;
    });
    QCOMPARE(window_->RunDeviceCommand(&ProgramAll), CommandResult::Stopped);
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
  ProbeClock clock_;
  std::ostringstream trace_;
  std::string chipFile_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(CloseSignalsTest)
#include "close_signals_test.moc"
