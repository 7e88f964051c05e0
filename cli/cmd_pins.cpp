// pins: the adapter test. Sets each output line as asked, prints the pins
// and levels and what data in reads, and leaves the lines so for measuring
// until the next command.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "hw/pin_test.h"

namespace lpt::cli {
namespace {

struct PinsOptions {
  std::string vpp = "off";
  std::string vdd = "off";
  int clock = 0;
  int data = 0;
  bool off = false;
};

std::string Row(const char* signal, const AdapterPin& pin, const std::string& level) {
  char text[64];
  std::snprintf(text, sizeof text, "%-9s pin %-5s %s", signal, PinText(pin).c_str(), level.c_str());
  return text;
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
  pins->add_flag("--off", o->off, "everything off: the idle state")
      ->excludes("--vpp", "--vdd", "--clock", "--data");
  pins->callback([&action, o] {
    action = [o](const GlobalOptions& options) {
      int code = kExitOk;
      auto session = CliSession::Open(options, &code);
      if (!session) return code;
      std::cout << "Take the chip out of the socket before testing the adapter.\n";
      if (!session->port().Opened()) {
        std::cerr << "The port could not be opened";
        const std::string reason = session->port().FailureReason();
        if (!reason.empty()) std::cerr << ": " << reason;
        std::cerr << '\n';
        return kExitNoDevice;
      }
      PinTest test(session->adapterPort(), session->portChoice().address, session->adapter());
      AdapterOutputs out = PinTest::Idle();
      if (!o->off) {
        out.vpp = o->vpp == "on";
        out.vdd = o->vdd == "on";
        out.clock = o->clock == 1;
        out.dataOut = o->data == 1;
      }
      test.Set(out);
      const bool in = test.DataIn();
      const Adapter& a = session->adapter();
      std::cout << "Adapter: " << a.name << '\n'
                << Row("Vpp", a.vpp, out.vpp ? "on" : "off") << '\n'
                << Row("Vdd", a.vdd, out.vdd ? "on" : "off") << '\n'
                << Row("Clock", a.clock, out.clock ? "1" : "0") << '\n'
                << Row("Data out", a.dataOut, out.dataOut ? "1" : "0") << '\n'
                << Row("Data in", a.dataIn, in ? "1" : "0") << '\n';
      if (!session->TraceOk()) {
        std::cerr << "Cannot write the trace file \"" << options.trace << "\".\n";
        return kExitUsage;
      }
      return kExitOk;
    };
  });
}

}  // namespace lpt::cli
