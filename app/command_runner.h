// SPDX-License-Identifier: GPL-2.0-or-later
// Runs one device command at a time on a worker thread, so the window keeps
// repainting and taking clicks (a click on the progress panel stops the
// command). The command owns the port and the buffers until it has ended:
// the window switches off everything that would touch them meanwhile, and
// a request to close the window is held until the end.
#pragma once

#include <QObject>
#include <functional>
#include <thread>

#include "hw/hooks.h"

namespace lpt::app {

class CommandRunner : public QObject {
  Q_OBJECT
 public:
  explicit CommandRunner(QObject* parent = nullptr) : QObject(parent) {}
  // Waits for a command still running (see Wait).
  ~CommandRunner() override;

  // Runs `command` on the worker thread and returns at once; false, running
  // nothing, while another command runs.
  bool Start(std::function<CommandResult()> command);
  // From Start until `finished` has been emitted.
  bool Running() const { return running_; }
  // Blocks until the worker thread has ended; `finished` is then not
  // emitted. For a window going away with a command under way.
  void Wait();

  // The window is asked to close: true when it may close now; false while
  // a command runs, and the window then closes when the command ends.
  bool RequestClose();
  bool ClosePending() const { return closePending_; }

 signals:
  // On the runner's thread, after every event the command reported and
  // after its thread has ended.
  void finished(lpt::CommandResult result);

 private:
  void Finish(CommandResult result);

  std::thread worker_;
  bool running_ = false;
  bool closePending_ = false;
};

}  // namespace lpt::app
