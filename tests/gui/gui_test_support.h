// SPDX-License-Identifier: GPL-2.0-or-later
// Shared pieces of the main-window tests: a window whose path.dat lives in
// a temporary folder, a recorder of the message boxes it would show, and
// helpers to click panels and drive modal dialogs.
#pragma once

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "support/gui_box_recorder.h"
#include "support/gui_modal_dialog.h"
#include "support/pausing_clock.h"

namespace lpt::gui_test {

using lpt::testing::BoxRecorder;
using lpt::testing::PausingClock;
using lpt::testing::RecordedBox;

// A folder standing in for the executable's folder, plus a separate
// fallback folder for path.dat.
struct SettingsDirs {
  QTemporaryDir exe;
  QTemporaryDir fallback;
  QTemporaryDir home;  // the working folder of a copy that is not portable

  QString PathDat() const { return QDir(exe.path()).filePath(QStringLiteral("path.dat")); }
  QString FallbackPathDat() const {
    return QDir(fallback.path()).filePath(QStringLiteral("path.dat"));
  }
  void WritePathDat(const QByteArray& text) const {
    QFile file(PathDat());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  QByteArray ReadPathDat() const { return ReadFile(PathDat()); }
  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }
  app::AppOptions Options() const {
    app::AppOptions options;
    options.exeDir = exe.path();
    options.fallbackDir = fallback.path();
    options.userDir = home.path();
    return options;
  }
};

inline std::unique_ptr<app::MainWindow> MakeWindow(app::AppOptions options) {
  auto window = std::make_unique<app::MainWindow>(std::move(options));
  window->show();
  QApplication::processEvents();
  return window;
}

// A window started from `pathDat` in `dirs`, its waits on `clock`.
inline std::unique_ptr<app::MainWindow> MakeWindow(const SettingsDirs& dirs,
                                                   const QByteArray& pathDat, Delay& clock) {
  dirs.WritePathDat(pathDat);
  app::AppOptions options = dirs.Options();
  options.delay = &clock;
  return MakeWindow(std::move(options));
}

// A 16F84 window on the simulator (port 0), WorkDir the temporary folder.
inline std::unique_ptr<app::MainWindow> MakeSimulatorWindow(const SettingsDirs& dirs,
                                                            Delay& clock) {
  return MakeWindow(dirs,
                    QDir::toNativeSeparators(dirs.exe.path()).toUtf8() +
                        "\r\n0\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n",
                    clock);
}

// The text a grid shows in one cell.
inline QString CellText(QTableView* grid, int row, int col) {
  return grid->model()->index(row, col).data().toString();
}

// A left click in the middle of a widget.
inline void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

using lpt::testing::WithModal;

// Catches the end of the next device command of a window: made before the
// click that starts it, Wait() then runs the event loop until the command
// has ended and its boxes were shown.
class CommandEnd {
 public:
  explicit CommandEnd(app::MainWindow& window) : window_(window) {
    QObject::connect(&window, &app::MainWindow::deviceCommandEnded, &loop_,
                     [this](CommandResult result) {
                       result_ = result;
                       loop_.quit();
                     });
  }
  CommandResult Wait() {
    if (!result_ && !window_.Busy()) {
      QTest::qFail("no device command was started", __FILE__, __LINE__);
      return CommandResult::Failed;
    }
    if (!result_) loop_.exec();
    return *result_;
  }

 private:
  app::MainWindow& window_;
  QEventLoop loop_;
  std::optional<CommandResult> result_;
};

// Runs a device command in the window as its button does, to its end.
inline CommandResult RunToEnd(app::MainWindow& window, DeviceCommand command) {
  CommandEnd end(window);
  window.StartDeviceCommand(command);
  return end.Wait();
}

}  // namespace lpt::gui_test
