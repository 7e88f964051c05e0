// SPDX-License-Identifier: GPL-2.0-or-later
// What the domain reports while it works: a device command's start and end,
// its passes, its progress, what went wrong, and what it changed. Front ends
// decide how each event looks: the window raises its progress panel and
// shows message boxes, the CLI prints lines and a bar, tests record. Every
// member has a do-nothing default so a front end overrides only what it
// shows.
//
// The events come from the thread that runs the command. A front end on
// another thread (the window) passes them on to its own thread; none of
// them waits for the user.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace lpt {

// How a device command ended.
enum class CommandResult {
  NoDevice,  // the presence test failed (AdapterNotFound was reported)
  Failed,    // a pass failed, or a calibration word lost its value (Failed was reported)
  Ok,
  Stopped,  // stopped by the user before a word; nothing was reported
};

// How a front end shows a failure.
enum class FailureKind {
  Error,    // the command did not do its job ("Error verify ID!")
  Plain,    // a finding rather than a fault ("Data Memory is not blank")
  Warning,  // the command worked but its result looks wrong (an empty socket read)
  // The chip's device ID names another part than the selected one, so
  // nothing was written; the user may insist and run the command again.
  WrongDevice,
  // The configuration would switch off low-voltage entry, the only way
  // this adapter has into the part, so nothing was written; the user may
  // insist and run the command again.
  LowVoltageOff,
};

struct Failure {
  explicit Failure(std::string text, std::string where = {}, FailureKind how = FailureKind::Error)
      : message(std::move(text)), location(std::move(where)), kind(how) {}

  std::string message;
  std::string location;  // the first failing location; empty when not known
  FailureKind kind;
};

// The message of a failed presence test, with the port's reason (why it
// could not be opened) on its own paragraph when there is one.
inline std::string AdapterNotFoundMessage(const std::string& reason) {
  std::string message = "Device is not found !";
  if (!reason.empty()) message += "\n\n" + reason;
  return message;
}

class Hooks {
 public:
  virtual ~Hooks() = default;

  // The adapter answered the presence test and the command's passes begin.
  // A command whose presence test fails ends without starting.
  virtual void CommandStarted() {}
  // Every command ends with this, after the chip was switched off (a
  // failed presence test leaves that to the caller).
  virtual void CommandEnded(CommandResult result) { (void)result; }

  // A pass begins: "Program memory", "Data memory", "ID", "Configuration"
  // (and "Erase" or "ID and configuration" where one pass does both).
  virtual void PassStarted(const std::string& name) { (void)name; }
  // How far the command is: `position` of `maximum` (rows of program memory,
  // or a bar standing full for commands without that pass).
  virtual void Progress(int position, int maximum) {
    (void)position;
    (void)maximum;
  }

  virtual void Failed(const Failure& failure) { (void)failure; }
  // The presence test found no adapter; `reason` is the port's own (empty
  // when the port is open and simply no adapter answers).
  virtual void AdapterNotFound(const std::string& reason) { (void)reason; }

  // A read changed the buffers (grids, ID).
  virtual void BuffersChanged() {}
  // A read took the configuration word, to be shown on the fuse switches.
  virtual void ConfigurationRead(std::uint16_t word) { (void)word; }
  // A remark on a result that worked, for the user to read beside it (no
  // box): "Every word read blank: a blank chip, or an empty socket?".
  virtual void Notice(const std::string& text) { (void)text; }
};

}  // namespace lpt
