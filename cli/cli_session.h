// SPDX-License-Identifier: GPL-2.0-or-later
// What every chip-touching command of lptpic-cli needs, built from the
// global options: the device and blank buffers, the waits, the port (opened),
// the optional trace, the hooks that talk to the terminal, and the protocol
// set to the port address and timing mode.
//
// Use:
//   int code = kExitOk;
//   auto session = CliSession::Open(options, &code);
//   if (!session) return code;           // why is already on standard error
//   OpContext ctx = session->Context();  // for ReadChip, ProgramAll ...
//   return session->Finish(ExitCodeFor(VerifyChip(ctx)));
//
// Finish switches the chip off (08h) if a command left it powered (a failed
// presence test does), saves a sim:FILE chip and reports a save that
// failed, checks the trace file and reports a stop by Ctrl+C or SIGTERM.
// Destroying the session closes the port and lets the chip file go.
#pragma once

#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "buffers/edit_buffers.h"
#include "cli/cli_app.h"
#include "cli/trace_output.h"
#include "devices/active_device.h"
#include "hw/adapter.h"
#include "hw/adapter_pins.h"
#include "hw/delay.h"
#include "hw/hooks.h"
#include "hw/port.h"
#include "hw/port_choice.h"
#include "hw/protocol.h"
#include "ops/device_commands.h"

namespace lpt::cli {

// The events of a device command on a terminal: failures go to standard
// error, the message and its failing location one line each; the progress
// becomes a bar redrawn in place on standard error, only when
// `showProgress` (standard error is a terminal and not --quiet).
class CliHooks : public Hooks {
 public:
  CliHooks(std::ostream& err, bool showProgress) : err_(err), showProgress_(showProgress) {}

  void CommandStarted() override;
  void CommandEnded(CommandResult result) override;
  void Progress(int position, int maximum) override;
  void Failed(const Failure& failure) override;
  void AdapterNotFound(const std::string& reason) override {
    Message(AdapterNotFoundMessage(reason));
  }
  void Notice(const std::string& text) override { Message(text); }
  void PassStarted(const std::string& name) override { pass_ = name; }
  // The pass that ran last ("Program memory", "Data memory" ...).
  const std::string& pass() const { return pass_; }
  // A line of the session's own on standard error (a warning before the
  // command), clearing the bar first.
  void Warn(const std::string& text) { Message(text); }

 private:
  void Message(const std::string& text, const std::string& detail = {});
  void Draw();
  void ClearBar();

  std::ostream& err_;
  bool showProgress_;
  bool running_ = false;
  bool barDrawn_ = false;
  int max_ = 100;
  int position_ = 0;
  int drawnCells_ = -1;
  std::string pass_;
};

class CliSession {
 public:
  // Builds the session. nullptr, with the reason printed on standard error
  // and *exitCode set to kExitUsage, for a bad device, ID, port spec, chip
  // file, trace file, adapter or adapters file, to kExitNoDevice when the
  // chip file stayed in use by another process, or to kExitStopped when
  // Ctrl+C or SIGTERM ended the wait for it. A hardware port that cannot
  // be opened is no error
  // here: the presence test then fails with the port's reason (exit 3).
  static std::unique_ptr<CliSession> Open(const GlobalOptions& options, int* exitCode);
  ~CliSession();
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  ActiveDevice& device() { return device_; }
  EditBuffers& buffers() { return buffers_; }
  Protocol& protocol() { return *protocol_; }
  Port& port() { return *port_; }
  // The waits the protocol and the operations use (traced with --trace).
  Delay& delay() { return *delay_; }
  CliHooks& hooks() { return hooks_; }
  OpState& state() { return state_; }
  const PortChoice& portChoice() const { return choice_; }
  // The chosen adapter, and the port its registers are written to (below
  // the wiring, traced with --trace).
  const Adapter& adapter() const { return adapter_; }
  Port& adapterPort() { return *adapterPort_; }

  // Everything the device commands of ops/device_commands.h take.
  OpContext Context();

  // Says on standard error when the adapter cannot power the chip the way
  // its configuration (the buffers' word) needs; the command still runs.
  void WarnIfTheBoardCannotPowerTheChip();

  // False when writing the trace failed (disk full...); say so and exit 2.
  bool TraceOk();

  // Ends the command whose exit code is `code`: switch-off, chip save,
  // trace check, stop message. Returns the exit code of the run: 2 when the
  // chip or the trace could not be written, 130 after a stop.
  int Finish(int code, const std::string& traceName);

 private:
  explicit CliSession(bool showProgress) : hooks_(std::cerr, showProgress) {}

  ActiveDevice device_;
  EditBuffers buffers_;
  CliHooks hooks_;
  OpState state_;
  PortChoice choice_;
  std::unique_ptr<Delay> clock_;  // real waits, or virtual time for the simulator
  TraceOutput trace_;
  std::unique_ptr<Delay> traceDelay_;
  Delay* delay_ = nullptr;
  std::unique_ptr<Port> rawPort_;
  std::unique_ptr<Port> tracePort_;
  Port* adapterPort_ = nullptr;
  Adapter adapter_;
  std::unique_ptr<AdapterPins> pins_;  // the adapter's wiring over the port
  Port* port_ = nullptr;
  std::unique_ptr<Protocol> protocol_;
};

// The adapters of --adapters FILE (none without it), with the file's
// warnings on standard error. False with the reason on standard error.
bool LoadUserAdapters(const GlobalOptions& options, std::vector<Adapter>* user);

// The adapter --adapter names (the default without it), looked up among
// the built-in ones and those of --adapters FILE. False with the reason on
// standard error.
bool ChooseAdapter(const GlobalOptions& options, Adapter* adapter);

// The exit code of a device command's result.
int ExitCodeFor(CommandResult result);

}  // namespace lpt::cli
