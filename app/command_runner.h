// SPDX-License-Identifier: GPL-2.0-or-later
// Runs one device command on the user-interface thread. The command lets
// the window handle events while it works, so while it runs every command
// that would change the buffers, the device, the settings or the port is
// switched off, and a request to close the window is held until the
// command has ended (the port must not close under a running command).
#pragma once

#include <functional>

#include "ops/device_commands.h"

namespace lpt::app {

class CommandRunner {
 public:
  struct Callbacks {
    std::function<void(bool)> setEditingEnabled;  // false while running
    std::function<void()> refreshViews;           // after the command
    std::function<void()> closeWindow;            // a held close, at the end
  };

  explicit CommandRunner(Callbacks callbacks) : callbacks_(std::move(callbacks)) {}

  CommandResult Run(const std::function<CommandResult()>& command);

  bool Running() const { return depth_ > 0; }

  // The window is asked to close: true when it may close now; false while
  // a command runs, and the window then closes when the command ends.
  bool RequestClose();
  bool ClosePending() const { return closePending_; }

 private:
  Callbacks callbacks_;
  int depth_ = 0;
  bool closePending_ = false;
};

}  // namespace lpt::app
