// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_runner.h"

namespace lpt::app {

CommandRunner::~CommandRunner() { Wait(); }

bool CommandRunner::Start(std::function<CommandResult()> command) {
  if (running_) return false;
  running_ = true;
  worker_ = std::thread([this, command = std::move(command)] {
    CommandResult result = CommandResult::Failed;
    try {
      result = command();
    } catch (...) {
      // Out of memory in a pass: the command failed; the window lives on.
    }
    // Queued behind the command's own events, so the window has shown them
    // all when it learns of the end.
    QMetaObject::invokeMethod(
        this, [this, result] { Finish(result); }, Qt::QueuedConnection);
  });
  return true;
}

void CommandRunner::Wait() {
  if (worker_.joinable()) worker_.join();
}

void CommandRunner::Finish(CommandResult result) {
  Wait();
  running_ = false;
  emit finished(result);
}

bool CommandRunner::RequestClose() {
  if (!running_) return true;
  closePending_ = true;
  return false;
}

}  // namespace lpt::app
