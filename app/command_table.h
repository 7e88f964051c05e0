// SPDX-License-Identifier: GPL-2.0-or-later
// Every command of the main window in one list: where it appears (menu,
// tool bar, button under the grids, a panel), its caption with access key,
// shortcut, hint and picture, what it needs of the device, whether it may
// be used while a device command runs, and what it does. The window builds
// its menus, tool bar and buttons from this list and switches them on and
// off from it, so a new command is off during a device command unless its
// row says otherwise.
#pragma once

#include <QKeyCombination>
#include <optional>

#include "app/command_icons.h"
#include "devices/capabilities.h"
#include "ops/device_commands.h"

class QAction;
class QPushButton;

namespace lpt::app {

class ClickPanel;
class MainWindow;
struct CommandButtons;
struct MenuActions;

enum class Menu { None, File, Edit, Device, Select, Option, Timing, Help };

struct WindowCommand {
  // The menu item; null for a command only a panel runs.
  QAction* MenuActions::*action = nullptr;
  const char* objectName = nullptr;
  const char* text = nullptr;  // "&Program All": '&' marks the access key
  Menu menu = Menu::None;
  bool separatorBefore = false;
  QKeyCombination shortcut = Qt::Key_unknown;
  std::optional<CommandIcon> icon = std::nullopt;
  bool checkable = false;

  // On the tool bar at this place (0 is leftmost), with this hint.
  int toolBarPlace = -1;
  const char* toolBarHint = nullptr;

  // A button under the grids at this place (0 is leftmost).
  QPushButton* CommandButtons::*button = nullptr;
  int buttonPlace = -1;
  const char* buttonName = nullptr;
  const char* buttonText = nullptr;
  const char* buttonHint = nullptr;

  // A panel of the window that runs the command when clicked.
  ClickPanel* MainWindow::*panel = nullptr;

  // Offered only for devices that can (hidden buttons and panels, disabled
  // menu items otherwise).
  bool Capabilities::*needs = nullptr;
  // Still usable while a device command runs (closing then waits for it).
  bool whileRunning = false;

  // What it does: a device command, run on the worker thread, or a handler
  // of the window.
  DeviceCommand deviceCommand = nullptr;
  void (MainWindow::*handler)() = nullptr;
  // Device commands: "Ok" shows after a success; the caption names the
  // device once the command has started.
  bool okMark = false;
  bool namesDeviceInCaption = false;
};

}  // namespace lpt::app
