// SPDX-License-Identifier: GPL-2.0-or-later
// pins: the adapter test. Sets each output line as asked, prints what each
// line measures at the connector and what data in reads, and leaves the
// lines so for measuring until the next command.
#include <iostream>
#include <memory>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "hw/pin_test.h"
#include "ops/device_id.h"
#include "ops/low_voltage_probe.h"

namespace lpt::cli {
namespace {

struct PinsOptions {
  std::string vpp = "off";
  std::string vdd = "off";
  int clock = 0;
  int data = 0;
  std::string enable = "on";
  bool off = false;
};

int RunPins(const PinsOptions& o, const GlobalOptions& options, bool enableGiven) {
  int code = kExitOk;
  auto session = CliSession::Open(options, &code);
  if (!session) return code;
  const Adapter& a = session->adapter();
  if (enableGiven && a.dataOutEnable.pin == 0) {
    std::cerr << "The adapter \"" << a.name << "\" has no data out enable pin.\n";
    return kExitUsage;
  }
  std::cout << "Take the chip out of the socket before testing the adapter.\n";
  if (!session->port().Opened()) {
    std::cerr << "The port could not be opened";
    const std::string reason = session->port().FailureReason();
    if (!reason.empty()) std::cerr << ": " << reason;
    std::cerr << '\n';
    return kExitNoDevice;
  }
  // Vpp by hand would reach a chip left in the socket whatever it takes:
  // one that answers at low voltage is named, and Vpp stays off.
  if (!o.off && o.vpp == "on" && !options.force) {
    OpContext ctx = session->Context();
    const std::uint16_t word = ProbeAtLowVoltage(ctx);
    if (ProbeAnswered(word)) {
      std::cerr << "A chip in the socket answers at low voltage ("
                << DetectionText(DetectionOf(word))
                << "): take it out before switching Vpp on, or give --force.\n";
      return kExitFailed;
    }
  }
  PinTest test(session->adapterPort(), session->portChoice().address, a);
  AdapterOutputs out = PinTest::Idle();
  if (!o.off) {
    out.vpp = o.vpp == "on";
    out.vdd = o.vdd == "on";
    out.clock = o.clock == 1;
    out.dataOut = o.data == 1;
    out.dataOutEnable = o.enable == "on";
  }
  test.Set(out);
  const bool in = test.DataIn();
  std::cout << "Adapter: " << a.name << '\n';
  const auto row = [&](Line line, bool level) {
    std::cout << LineName(line) << ": " << LevelText(a, line, level) << '\n';
  };
  row(Line::Vpp, out.vpp);
  row(Line::Vdd, out.vdd);
  row(Line::Clock, out.clock);
  row(Line::DataOut, out.dataOut);
  if (a.dataOutEnable.pin != 0) row(Line::DataOutEnable, out.dataOutEnable);
  row(Line::DataIn, in);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "Cannot write to standard output.\n";
    return kExitUsage;
  }
  if (!session->TraceOk()) {
    std::cerr << "Cannot write the trace file \"" << options.trace << "\".\n";
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace

void AddPinsCommand(CLI::App& app, Action& action) {
  auto* pins = app.add_subcommand(
      "pins", "adapter test: set the lines and read data in (take the chip out first)");
  auto o = std::make_shared<PinsOptions>();
  const auto onOff = CLI::IsMember({"on", "off"});
  pins->add_option("--vpp", o->vpp, "programming voltage on or off")->check(onOff);
  pins->add_option("--vdd", o->vdd, "supply on or off")->check(onOff);
  pins->add_option("--clock", o->clock, "clock line 0 or 1")->check(CLI::Range(0, 1));
  pins->add_option("--data", o->data, "data line 0 or 1")->check(CLI::Range(0, 1));
  const CLI::Option* enable =
      pins->add_option("--data-out-enable", o->enable,
                       "the board drives the data line (on, the default) or lets it go (off)")
          ->check(onOff);
  pins->add_flag("--off", o->off, "everything off: the idle state")
      ->excludes("--vpp", "--vdd", "--clock", "--data", "--data-out-enable");
  pins->callback([&action, o, enable] {
    action = [o, enableGiven = enable->count() > 0](const GlobalOptions& options) {
      return RunPins(*o, options, enableGiven);
    };
  });
}

}  // namespace lpt::cli
