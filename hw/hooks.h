// SPDX-License-Identifier: GPL-2.0-or-later
// The one way the domain code reaches a user interface. The GUI implements
// it with widgets and message boxes, the CLI with standard error and a
// terminal progress bar, tests with a recorder. Every member has a do-nothing
// default so a front end overrides only what it shows.
#pragma once

#include <cstdint>
#include <string>

namespace lpt {

class Hooks {
 public:
  virtual ~Hooks() = default;

  // Modal box titled "Error" with the error icon and one OK button
  // (presence test, programming, verifying, erasing, checksum, hex entry).
  virtual void ErrorBox(const std::string& text) { (void)text; }
  // Plain box captioned with the application title (blank check).
  virtual void PlainBox(const std::string& text) { (void)text; }
  // The same boxes with the first failing location as a second line under
  // the message; a front end that shows no such line shows the message.
  virtual void ErrorBoxWithDetail(const std::string& text, const std::string& detail) {
    (void)detail;
    ErrorBox(text);
  }
  virtual void PlainBoxWithDetail(const std::string& text, const std::string& detail) {
    (void)detail;
    PlainBox(text);
  }
  // Warning box captioned with the application title: the command worked
  // but its result looks wrong (a read of an empty socket).
  virtual void WarningBox(const std::string& text) { (void)text; }
  // General error box for file input/output errors with the system message.
  virtual void FileErrorBox(const std::string& text) { (void)text; }

  // The progress panel with its progress bar and the "Ok" label.
  virtual void ShowProgressPanel(bool shown) { (void)shown; }
  virtual void SetProgressMax(int max) { (void)max; }
  virtual void SetProgress(int position) { (void)position; }
  virtual void ShowOk(bool shown) { (void)shown; }

  // A pass begins: "Program memory", "Data memory", "ID", "Configuration"
  // (and "Erase" or "ID and configuration" where one pass does both).
  virtual void PassStarted(const std::string& name) { (void)name; }

  // Let the window handle pending messages (repaint, clicks).
  virtual void ProcessEvents() {}

  // Whether the user asked the running device command to stop (Ctrl+C or
  // SIGTERM in the CLI, a click in the GUI). Asked before every word; once
  // true the command ends after switching the chip off, and no later pass
  // runs.
  virtual bool StopRequested() { return false; }

  // An operation changed the grids or the ID caption.
  virtual void BuffersChanged() {}
  // Show a configuration word on the fuse switches.
  virtual void ShowFuses(std::uint16_t value) { (void)value; }
  // Set the main window caption.
  virtual void SetCaption(const std::string& caption) { (void)caption; }
};

}  // namespace lpt
