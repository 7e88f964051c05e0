// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_runner.h"

namespace lpt::app {

CommandResult CommandRunner::Run(const std::function<CommandResult()>& command) {
  // A click that arrives while a command runs reaches the command, which
  // refuses it through IdleFlag; the outer run keeps the state it set.
  if (Running()) return command();

  ++depth_;
  if (callbacks_.setEditingEnabled) callbacks_.setEditingEnabled(false);
  CommandResult result = CommandResult::Ignored;
  try {
    result = command();
  } catch (...) {
    --depth_;
    if (callbacks_.setEditingEnabled) callbacks_.setEditingEnabled(true);
    throw;
  }
  --depth_;
  if (callbacks_.setEditingEnabled) callbacks_.setEditingEnabled(true);
  if (callbacks_.refreshViews) callbacks_.refreshViews();
  if (closePending_ && callbacks_.closeWindow) callbacks_.closeWindow();
  return result;
}

bool CommandRunner::RequestClose() {
  if (!Running()) return true;
  closePending_ = true;
  return false;
}

}  // namespace lpt::app
