// SPDX-License-Identifier: GPL-2.0-or-later
// How quickly the window answers while a Program All of a full 16F877 image
// runs on the simulated adapter: every 10 ms a repaint of the progress panel
// is asked and an event posted; after 5 s (about half-way: the whole run
// takes some 10 s here) a click on the panel stops the command. The command's clock is virtual with
// artificial slowness (a real pause per virtual millisecond), so the run takes seconds, as on a
// chip. Counters: the longest wait from asking to handling for the repaints
// ("paint_max_ms"), the posted events ("event_max_ms") and the click
// ("click_ms"); the target is under 100 ms each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/progress_panel.h"
#include "hw/virtual_clock.h"

namespace {

using namespace lpt;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point then) {
  return std::chrono::duration<double, std::milli>(Clock::now() - then).count();
}

// Virtual time for the simulated chip, plus a real pause per millisecond
// asked: the command's thread is busy as long as it would be on hardware
// scaled down, while the chip still judges its cycles on virtual time.
class SlowClock : public VirtualClock {
 public:
  void WaitMs(std::uint32_t ms) override {
    VirtualClock::WaitMs(ms);
    std::this_thread::sleep_for(std::chrono::microseconds(50) * ms);
  }
};

// Notes when the widget gets the events asked of it.
class Watch : public QObject {
 public:
  explicit Watch(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && paintAsked) {
      paintMaxMs = std::max(paintMaxMs, MsSince(*paintAsked));
      paintAsked.reset();
    } else if (event->type() == QEvent::MouseButtonRelease && clickPosted) {
      clickMs = MsSince(*clickPosted);
    } else if (event->type() == QEvent::User && eventPosted) {
      eventMaxMs = std::max(eventMaxMs, MsSince(*eventPosted));
      eventPosted.reset();
      return true;
    }
    return false;
  }
  std::optional<Clock::time_point> paintAsked, eventPosted, clickPosted;
  double paintMaxMs = 0, eventMaxMs = 0, clickMs = -1;
};

void PostClick(QWidget* panel) {
  const QPoint middle = panel->rect().center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QCoreApplication::postEvent(
        panel, new QMouseEvent(type, middle, panel->mapToGlobal(middle), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier));
  }
}

void BM_WindowDuringProgramAll16F877(benchmark::State& state) {
  QTemporaryDir dir;
  QFile pathDat(QDir(dir.path()).filePath(QStringLiteral("path.dat")));
  if (!pathDat.open(QIODevice::WriteOnly)) return state.SkipWithError("no path.dat");
  pathDat.write(QDir::toNativeSeparators(dir.path()).toUtf8() +
                "\r\n0\r\nYES\r\n16F877\r\nNO\r\nfalse\r\n");
  pathDat.close();
  double paintMax = 0, eventMax = 0, click = 0;
  int stopped = 0;
  for (auto _ : state) {
    SlowClock clock;
    app::AppOptions options;
    options.exeDir = dir.path();
    options.fallbackDir = dir.path();
    options.delay = &clock;
    app::MainWindow window(options);
    window.show();
    EditBuffers& buffers = window.Buffers();
    for (int a = 0; a < 8 * window.Device().programRows; ++a) buffers.ProgramWord(a) = "2805";
    QWidget* panel = window.Progress();
    Watch watch(panel);
    QTimer ask;
    int ticks = 0;
    QObject::connect(&ask, &QTimer::timeout, [&] {
      watch.paintAsked = Clock::now();
      panel->update();
      watch.eventPosted = Clock::now();
      QCoreApplication::postEvent(panel, new QEvent(QEvent::User));
      if (++ticks == 500) {
        watch.clickPosted = Clock::now();
        PostClick(panel);
      }
    });
    QEventLoop loop;
    QObject::connect(&window, &app::MainWindow::deviceCommandEnded, &loop,
                     [&](CommandResult result) {
                       stopped += result == CommandResult::Stopped ? 1 : 0;
                       loop.quit();
                     });
    ask.start(10);
    window.StartDeviceCommand(&ProgramAll);
    loop.exec();
    ask.stop();
    window.close();
    paintMax = std::max(paintMax, watch.paintMaxMs);
    eventMax = std::max(eventMax, watch.eventMaxMs);
    click = std::max(click, watch.clickMs);
  }
  state.counters["paint_max_ms"] = paintMax;
  state.counters["event_max_ms"] = eventMax;
  state.counters["click_ms"] = click;
  // Every run is stopped by its click.
  state.counters["stopped"] = stopped;
}
BENCHMARK(BM_WindowDuringProgramAll16F877)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The stop's box would wait for a click nobody gives.
  lpt::app::SetBoxObserver([](lpt::app::BoxKind, const QString&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
