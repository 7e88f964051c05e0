// SPDX-License-Identifier: GPL-2.0-or-later
// A running command seen from the window: the window stays responsive (it
// repaints and takes a click while the command is held mid-pass), a click
// on the progress panel stops the whole command, a close waits visibly, the
// ignored controls look disabled and stay readable, and the panel names the
// running pass. The simulated adapter runs on a virtual clock that holds
// the command's thread at a chosen wait while the test acts.
#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QtTest>
#include <cmath>
#include <sstream>

#include "app/command_events.h"
#include "app/fuse_panel.h"
#include "app/progress_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"
#include "sim/sim_adapter.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& c) {
  const auto channel = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The serial commands in a port trace ("W aaaa vv" lines), decoded as a
// 14-bit chip hears them: the data bit is the one that stood while the clock was high, six
// bits make a command, and the load and read commands are followed by a
// 16-clock frame. Switching the supply or Vpp starts afresh.
// Each command with the trace offset where its last bit ends.
struct SerialCommand {
  std::size_t offset;
  int code;
};
std::vector<SerialCommand> SerialCommands(const std::string& trace) {
  std::vector<SerialCommand> commands;
  std::istringstream in(trace);
  std::string kind, address, value;
  int lines = -1, bits = 0, code = 0, frameClocks = 0;
  while (in >> kind >> address) {
    if (kind != "W") {
      in >> value;
      continue;
    }
    in >> value;
    const int now = std::stoi(value, nullptr, 16);
    if (lines < 0 || ((now ^ lines) & 0x0C) != 0) {
      bits = code = frameClocks = 0;
    } else if ((lines & 1) && !(now & 1)) {  // clock falls
      if (frameClocks > 0) {
        --frameClocks;
      } else {
        code |= ((lines >> 1) & 1) << bits;  // as it stood while the clock was high
        if (++bits == 6) {
          commands.push_back({static_cast<std::size_t>(in.tellg()), code});
          if (code <= 0x05 && code != 0x01) frameClocks = 16;
          bits = code = 0;
        }
      }
    }
    lines = now;
  }
  return commands;
}

// Counts the paint events a widget gets; Wait() runs the event loop until
// there is one.
struct Painted : QObject {
  explicit Painted(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && ++count == 1) loop.quit();
    return false;
  }
  void Wait() {
    if (count == 0) loop.exec();
  }
  int count = 0;
  QEventLoop loop;
};

QByteArray PathDat(const SettingsDirs& dirs, const char* device) {
  return QDir::toNativeSeparators(dirs.exe.path()).toUtf8() + "\r\n0\r\nYES\r\n" + device +
         "\r\nNO\r\nfalse\r\n";
}

}  // namespace

class StopAndProgressTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() {
    // A check that failed while the command was held leaves it held.
    clock_.PauseWhen(nullptr);
    clock_.Resume();
    window_.reset();
    dirs_.reset();
  }

  void aPanelClickStopsTheWholeCommand_data() {
    QTest::addColumn<QByteArray>("device");
    QTest::newRow("16F877 (program-only cycles)") << QByteArray("16F877");
    QTest::newRow("16F84 (erase and program)") << QByteArray("16F84");
  }
  void aPanelClickStopsTheWholeCommand() {
    QFETCH(QByteArray, device);
    Open(device.constData());
    EditBuffers& buffers = window_->Buffers();
    const int words = 8 * window_->Device().programRows;
    for (int a = 0; a < words; ++a) buffers.ProgramWord(a) = "2805";
    buffers.DataCell(0, 1) = "5A";
    buffers.SetIdDigits("12AB");
    buffers.FuseWord = 0x3FF1;
    BoxRecorder boxes;
    // Held at a wait of its 40th word or so: every word takes a millisecond
    // wait.
    clock_.PauseWhen([this] { return clock_.MsWaits() >= 40; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&ProgramAll));
    QVERIFY(clock_.WaitUntilPaused());
    const std::size_t clickedAt = trace_.str().size();

    // The command cannot move on: whatever the window does now, it does
    // while the command is under way. A repaint and a click are posted to it
    // and handled by its event loop.
    QCoreApplication::processEvents();
    QVERIFY(window_->Progress()->isVisible());
    Painted painted(window_->Progress());
    window_->Progress()->update();
    painted.Wait();
    const QPoint middle = window_->Progress()->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QCoreApplication::postEvent(
          window_->Progress(),
          new QMouseEvent(type, middle, window_->Progress()->mapToGlobal(middle), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier));
    }
    QCoreApplication::processEvents();
    QVERIFY(window_->State().stopRequested);
    QVERIFY(window_->Progress()->ProgressBar()->value() >= 2);
    const QString tip = window_->Progress()->toolTip();
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Stopped);
    QCOMPARE(tip, QStringLiteral("Click to stop"));
    // After the click only the word under way finishes: no command of the
    // data, ID or configuration passes reaches the port.
    constexpr int kLoadConfiguration = 0x00, kLoadData = 0x03, kReadData = 0x05;
    std::vector<int> before, after;
    for (const SerialCommand& c : SerialCommands(trace_.str()))
      (c.offset <= clickedAt ? before : after).push_back(c.code);
    QVERIFY(std::count(before.begin(), before.end(), 0x06) >= 16);  // IncrementAddress
    for (int code : after) {
      QVERIFY2(code != kLoadConfiguration && code != kLoadData && code != kReadData,
               qPrintable(QString::number(code, 16)));
    }
    QVERIFY(after.size() <= 4);

    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    const QRegularExpression told(
        QStringLiteral("^Stopped by the user at address ([0-9A-F]{4})h\\.$"));
    const auto match = told.match(boxes.boxes[0].text);
    QVERIFY2(match.hasMatch(), qPrintable(boxes.boxes[0].text));
    const int stoppedAt = match.captured(1).toInt(nullptr, 16);
    QVERIFY(stoppedAt >= 16 && stoppedAt < words);

    const sim::SimAdapter* adapter = dynamic_cast<sim::SimAdapter*>(&window_->CurrentPort());
    QVERIFY(adapter != nullptr);
    const sim::ChipState& chip = adapter->chip().state();
    // Written up to the named address, nothing from it on.
    QCOMPARE(chip.program.at(stoppedAt - 1), std::uint16_t{0x2805});
    QCOMPARE(chip.program.at(stoppedAt), std::uint16_t{0x3FFF});
    QCOMPARE(chip.program.at(words - 1), std::uint16_t{0x3FFF});
    // No later pass reached the chip: data, ID and configuration as blank.
    QCOMPARE(chip.data.at(0), std::uint8_t{0xFF});
    for (int i = 0; i < 4; ++i) QCOMPARE(chip.config.at(i) & 0xF, 0xF);
    QCOMPARE(chip.config.at(7) & 0xF, 0xF);
    QCOMPARE(adapter->chip().mode(), sim::SimChip::Mode::Off);
    QVERIFY(window_->Progress()->isHidden());

    // The next command is not stopped by the old click, and its trace has
    // the later passes' commands the stopped one lacked.
    trace_.str({});
    QCOMPARE(RunToEnd(*window_, &ProgramAll), CommandResult::Ok);
    std::vector<int> whole;
    for (const SerialCommand& c : SerialCommands(trace_.str())) whole.push_back(c.code);
    QVERIFY(std::count(whole.begin(), whole.end(), kLoadData) > 0);
    QVERIFY(std::count(whole.begin(), whole.end(), kLoadConfiguration) > 0);
    QCOMPARE(chip.data.at(0), std::uint8_t{0x5A});
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
  }

  void aCloseDuringACommandIsShown() {
    Open("16F84");
    // The third millisecond wait is the read's own power-up: started.
    clock_.PauseWhen([this] { return clock_.MsWaits() >= 3; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&ReadChip));
    QVERIFY(clock_.WaitUntilPaused());
    QCoreApplication::processEvents();
    QVERIFY(window_->Progress()->isVisible());
    QVERIFY(window_->Progress()->NoticeLabel()->isHidden());
    window_->close();
    QVERIFY(window_->Progress()->NoticeLabel()->isVisible());
    QCOMPARE(window_->Progress()->NoticeLabel()->text(),
             QStringLiteral("Closing when the command ends — click the panel to stop it now."));
    QVERIFY(window_->isVisible());
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Ok);
    QVERIFY(!window_->isVisible());
  }

  void ignoredControlsLookDisabledAndStayReadable() {
    Open("16F84");
    clock_.PauseWhen([this] { return clock_.MsWaits() >= 3; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&ReadChip));
    QVERIFY(clock_.WaitUntilPaused());
    QCoreApplication::processEvents();
    QVERIFY(window_->Progress()->isVisible());
    const auto& a = window_->Actions();
    for (QAction* item : {a.read, a.verify, a.erase, a.blankCheck, a.programAll, a.programDataOnly,
                          a.programFusesOnly})
      QVERIFY(!item->isEnabled());
    const auto& b = window_->Buttons();
    for (QPushButton* button : {b.read, b.verify, b.programAll, b.blankCheck})
      QVERIFY(!button->isEnabled());
    for (QTableView* grid : {window_->ProgramGrid(), window_->DataGrid()}) {
      QVERIFY(!grid->isEnabled());
      const QPalette& pal = grid->palette();
      QCOMPARE(pal.color(QPalette::Disabled, QPalette::Base),
               pal.color(QPalette::Active, QPalette::Base));
      const double ratio = Contrast(pal.color(QPalette::Disabled, QPalette::Text),
                                    pal.color(QPalette::Disabled, QPalette::Base));
      QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }

    for (QWidget* panel : {static_cast<QWidget*>(window_->FuseGroup()->SlotPanel(1)),
                           static_cast<QWidget*>(window_->FuseGroup()->SlotPanel(4)),
                           static_cast<QWidget*>(window_->IdPanel())}) {
      QVERIFY(!panel->isEnabled());
      const QPalette& pal = panel->palette();
      QVERIFY2(pal.color(QPalette::Disabled, QPalette::Window) ==
                   pal.color(QPalette::Active, QPalette::Window),
               "the fill stays");
      const double ratio = Contrast(pal.color(QPalette::Disabled, QPalette::WindowText),
                                    pal.color(QPalette::Disabled, QPalette::Window));
      QVERIFY(ratio >= 4.5);
    }
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Ok);
    QVERIFY(window_->Actions().read->isEnabled());
    QVERIFY(window_->Buttons().verify->isEnabled());
    QVERIFY(window_->ProgramGrid()->isEnabled());

    const QPalette& bar = window_->Progress()->ProgressBar()->palette();
    for (QPalette::ColorRole fill : {QPalette::Highlight, QPalette::Base}) {
      const double ratio = Contrast(bar.color(QPalette::Text), bar.color(fill));
      QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }
    QCOMPARE(bar.color(QPalette::Highlight), QColor(0xFF, 0x80, 0x80));
  }

  // The pass names arrive in order, each after the bar has taken every
  // position reported before it.
  void thePanelNamesTheRunningPass() {
    Open("16F877");
    QStringList seen;
    int barAtConfig = -1;
    QObject::connect(&window_->Events(), &app::CommandEvents::passStarted, window_.get(),
                     [&](const QString&) {
                       seen << window_->Progress()->PassLabel()->text();
                       if (seen.last() == QStringLiteral("Configuration"))
                         barAtConfig = window_->Progress()->ProgressBar()->value();
                     });
    window_->Buffers().ProgramWord(0) = "2805";  // blank buffers are not programmed
    QCOMPARE(RunToEnd(*window_, &ProgramAll), CommandResult::Ok);
    QCOMPARE(seen, (QStringList{QStringLiteral("Program memory"), QStringLiteral("Data memory"),
                                QStringLiteral("ID"), QStringLiteral("Configuration")}));
    // The bar keeps the program-memory pass's end.
    QCOMPARE(barAtConfig, window_->Progress()->ProgressBar()->maximum());
  }

 private:
  void Open(const char* device) {
    dirs_ = std::make_unique<SettingsDirs>();
    trace_.str({});
    dirs_->WritePathDat(PathDat(*dirs_, device));
    app::AppOptions options = dirs_->Options();
    options.delay = &clock_;
    options.portTrace = &trace_;
    window_ = MakeWindow(std::move(options));
    // The pauses count the command's own waits: no probe in front of them.
    QAction* probe = window_->Actions().lowVoltageProbe;
    if (probe->isChecked()) probe->trigger();
    QVERIFY(!window_->State().lowVoltageProbe);
  }

  PausingClock clock_;
  std::ostringstream trace_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(StopAndProgressTest)
#include "stop_and_progress_test.moc"
