// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/cli_session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/cli_device.h"
#include "cli/json_report.h"
#include "cli/stop_place.h"
#include "cli/stop_signal.h"
#include "fileio/shown_text.h"
#include "hw/adapter_file.h"
#include "hw/adapter_power_order.h"
#include "hw/real_delay.h"
#include "hw/trace.h"
#include "hw/virtual_clock.h"
#include "hw/wired_pins.h"
#include "ops/stop_check.h"
#include "sim/open_port.h"

#ifdef _WIN32
#include <io.h>
#define LPTPIC_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define LPTPIC_ISATTY(fd) isatty(fd)
#endif

namespace lpt::cli {
namespace {

constexpr int kBarCells = 40;

bool StderrIsTerminal() { return LPTPIC_ISATTY(2) != 0; }

}  // namespace

bool LoadUserAdapters(const GlobalOptions& options, std::vector<Adapter>* user) {
  user->clear();
  if (options.adapters.empty()) return true;
  std::string error;
  auto loaded = LoadAdapterFile(options.adapters, false, &error);
  if (!loaded) {
    std::cerr << error << '\n';
    return false;
  }
  for (const std::string& warning : loaded->warnings) std::cerr << warning << '\n';
  *user = std::move(loaded->adapters);
  return true;
}

bool ChooseAdapter(const GlobalOptions& options, Adapter* adapter) {
  std::string error;
  std::vector<Adapter> user;
  if (!LoadUserAdapters(options, &user)) return false;
  if (options.adapter.empty()) {
    *adapter = DefaultAdapter();
    return true;
  }
  auto found = FindAdapter(options.adapter, user, &error);
  if (!found) {
    std::cerr << error << '\n';
    return false;
  }
  *adapter = std::move(*found);
  return true;
}

// --- CliHooks ---

void CliHooks::Message(const std::string& text, const std::string& detail) {
  ClearBar();
  err_ << text << '\n';
  if (!detail.empty()) err_ << detail << '\n';
  err_.flush();
}

void CliHooks::Failed(const Failure& failure) {
  if (!failure.location.empty()) json_report::SetLocation(failure.location);
  Message(failure.kind == FailureKind::LowVoltageOff
              ? failure.message + " --allow-lvp-off programs it all the same."
              : failure.message,
          failure.location);
}

void CliHooks::CommandStarted() {
  running_ = true;
  position_ = 0;
  drawnCells_ = -1;
}

void CliHooks::CommandEnded(CommandResult) {
  running_ = false;
  ClearBar();
}

void CliHooks::Progress(int position, int maximum) {
  position_ = position;
  max_ = maximum;
  Draw();
}

void CliHooks::Draw() {
  if (!showProgress_ || !running_) return;
  const int max = max_ > 0 ? max_ : 1;
  const int pos = position_ < 0 ? 0 : (position_ > max ? max : position_);
  const int cells = static_cast<int>(static_cast<long long>(pos) * kBarCells / max);
  if (cells == drawnCells_ && barDrawn_) return;  // a terminal write per cell, not per word
  drawnCells_ = cells;
  err_ << '\r' << '[' << std::string(cells, '#') << std::string(kBarCells - cells, ' ') << "] "
       << pos * 100 / max << '%';
  err_.flush();
  barDrawn_ = true;
}

void CliHooks::ClearBar() {
  if (!barDrawn_) return;
  err_ << '\r' << std::string(kBarCells + 8, ' ') << '\r';
  err_.flush();
  barDrawn_ = false;
  drawnCells_ = -1;
}

// --- CliSession ---

CliSession::~CliSession() {
  ForwardStopSignalsTo(nullptr);
  // The presence test leaves the chip powered with Vpp on for the command
  // that would follow it; when nothing followed, nothing may stay on after
  // the program ends.
  if (protocol_ && protocol_->LeftPowered()) protocol_->Idle();
  protocol_.reset();
  pins_.reset();
  tracePort_.reset();
  rawPort_.reset();  // closes the port and lets a chip file go
}

int CliSession::Finish(int code, const std::string& traceName) {
  if (protocol_ && protocol_->LeftPowered()) protocol_->Idle();
  std::string error;
  if (rawPort_ && !SaveSimulatedChip(*rawPort_, &error)) {
    std::cerr << error << "\n";
    if (code == kExitOk || code == kExitFailed) code = kExitUsage;
  }
  if (!TraceOk()) {
    std::cerr << "Cannot write the trace file \"" << fileio::Shown(traceName) << "\".\n";
    if (code == kExitOk || code == kExitFailed) code = kExitUsage;
  }
  // A signal after the command's last word stops nothing: the command is
  // done, and says so by its own exit code.
  if (state_.Stopped) {
    std::cerr << StoppedMessage(state_) << "\n"
              << "Next word: " << StopPlace(hooks_.pass(), state_.StoppedAt, device_) << "\n";
    return kExitStopped;
  }
  return code;
}

std::unique_ptr<CliSession> CliSession::Open(const GlobalOptions& options, int* exitCode) {
  *exitCode = kExitUsage;
  std::unique_ptr<CliSession> s(new CliSession(!options.quiet && StderrIsTerminal()));
  if (!SelectDeviceFromOptions(options, s->device_, s->buffers_)) return nullptr;

  std::string error;
  const auto choice = ParsePortChoice(options.port, &error);
  if (!choice) {
    std::cerr << error << '\n';
    return nullptr;
  }
  s->choice_ = *choice;

  if (!ChooseAdapter(options, &s->adapter_)) return nullptr;

  // A simulated chip needs no real time to pass: its clock advances by the
  // waits asked, so a simulated Program All takes milliseconds, not seconds.
  if (s->choice_.IsSimulator())
    s->clock_ = std::make_unique<VirtualClock>();
  else
    s->clock_ = std::make_unique<RealDelay>();
  s->delay_ = s->clock_.get();

  std::vector<std::string> files = options.commandFiles;
  if (s->choice_.kind == PortChoice::Kind::SimulatorFile) files.push_back(s->choice_.path);
  if (!options.trace.empty() && !TraceOutput::Check(options.trace, files, &error)) {
    std::cerr << error << '\n';
    return nullptr;
  }

  // From here on Ctrl+C stops the command instead of the program.
  ForwardStopSignalsTo(&s->state_.stopRequested);
  s->state_.wordAhead = WordAhead;
  CatchStopSignals();
  bool inUse = false;
  const auto stopWaiting = [] {
    SignalPoint("lock");
    return StopSignalled();
  };
  s->rawPort_ =
      OpenPort(s->choice_, *s->clock_, s->device_, s->adapter_, &error, &inUse, stopWaiting);
  if (!s->rawPort_) {
    std::cerr << error << '\n';
    if (inUse) *exitCode = kExitNoDevice;
    if (StopSignalled()) *exitCode = kExitStopped;
    return nullptr;
  }
  // The trace is made only now, with the chip file locked.
  if (!options.trace.empty()) {
    if (!s->trace_.Open(options.trace, &error)) {
      std::cerr << error << '\n';
      return nullptr;
    }
    s->traceDelay_ = std::make_unique<TraceDelay>(*s->clock_, s->trace_.stream());
    s->delay_ = s->traceDelay_.get();
  }
  s->port_ = s->rawPort_.get();
  if (s->trace_.IsOpen()) {
    s->tracePort_ = std::make_unique<TracePort>(*s->rawPort_, s->trace_.stream());
    s->port_ = s->tracePort_.get();
  }
  s->adapterPort_ = s->port_;
  s->pins_ = std::make_unique<WiredPins>(*s->port_, s->choice_.address, s->adapter_, s->delay_);

  s->protocol_ = std::make_unique<Protocol>(*s->pins_, *s->delay_, s->hooks_, s->device_);
  s->protocol_->SetAdapterVppMillivolts(s->adapter_.vppMillivolts);
  s->protocol_->SetAdapterSwitchesVdd(s->adapter_.vdd.pin != 0);
  s->protocol_->SetDelayMode(options.delay ? "true" : "false");
  s->state_.timing = ParseTimingProfile(options.timing).value_or(TimingProfile::Standard);
  s->state_.checkDeviceId = options.checkId;
  s->state_.ignoreWrongDevice = options.force;
  s->state_.allowLowVoltageOff = options.allowLowVoltageOff;
  *exitCode = kExitOk;
  return s;
}

void CliSession::WarnIfTheBoardCannotPowerTheChip() {
  if (auto warning = PowerOrderWarning(adapter_, device_, buffers_.FuseWord)) hooks_.Warn(*warning);
}

OpContext CliSession::Context() {
  return OpContext{*protocol_, *delay_, hooks_, device_, buffers_, state_};
}

bool CliSession::TraceOk() { return trace_.Ok(); }

int ExitCodeFor(CommandResult result) {
  switch (result) {
    case CommandResult::Ok:
      return kExitOk;
    case CommandResult::NoDevice:
      return kExitNoDevice;
    case CommandResult::Failed:
      return kExitFailed;
    case CommandResult::Stopped:
      return kExitStopped;
  }
  return kExitFailed;
}

}  // namespace lpt::cli
