// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli: the programmer's domain code for scripts, production lines and
// tests. Global options here; each command lives in its own file.
#include <chrono>
#include <cstring>
#include <iostream>

#include "cli/cli_app.h"
#include "cli/json_report.h"
#include "cli/manual_page.h"
#include "cli/standard_streams.h"
#include "hw/port_choice.h"
#include "lptpic/program_info.h"

namespace {

// The version, the licence, and the libraries built into the program.
std::string VersionText() {
  std::string text = std::string("lptpic-cli ") + lpt::kProgramVersion + "\n" + lpt::kLicenceNotice;
#ifdef _WIN32
  text +=
      "Built with CLI11 (BSD-3-Clause), JSON for Modern C++ (MIT) and MinGW-w64 winpthreads "
      "(MIT): see NOTICES.txt.";
#else
  text += "Built with CLI11 (BSD-3-Clause) and JSON for Modern C++ (MIT).";
#endif
  return text;
}

// --json is looked for before the command line is parsed, so that a line
// that does not parse still gets its object.
bool JsonAsked(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--") == 0) return false;
    if (std::strcmp(argv[k], "--json") == 0) return true;
  }
  return false;
}

int RunCommandLine(int argc, char** argv, std::string* command);

}  // namespace

int main(int argc, char** argv) {
  using namespace lpt::cli;
  PrepareStandardStreams();
  const bool json = JsonAsked(argc, argv);
  if (json) json_report::Enable();
  const auto start = std::chrono::steady_clock::now();
  std::string command;
  const int code = RunCommandLine(argc, argv, &command);
  if (!json) return code;
  json_report::SetCommand(command);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return json_report::Finish(code, took.count());
}

namespace {

int RunCommandLine(int argc, char** argv, std::string* command) {
  using namespace lpt::cli;
  CLI::App app{"lptpic-cli: PIC programmer on the parallel port"};
  app.require_subcommand(1);
  app.set_version_flag("--version", VersionText());
  GlobalOptions options;
  app.add_option("--device", options.device,
                 "part name in any case, with or without PIC, e.g. 16F84, pic16f88 or 12F675")
      ->type_name("NAME");
  app.add_option("--port", options.port, lpt::PortSpellings())->type_name("SPEC");
  app.add_flag("--delay", options.delay, "the slower timing mode");
  app.add_option("--timing", options.timing,
                 "waits after writes and erases: standard, or datasheet (the makers' cycle times)")
      ->check(CLI::IsMember({"standard", "datasheet"}, CLI::ignore_case));
  app.add_option("--trace", options.trace, "write every port access and wait to FILE")
      ->type_name("FILE");
  CLI::Option* id =
      app.add_option("--id", options.id, "user ID, 1 to 4 hex digits")->type_name("XXXX");
  app.add_flag("--id-from-file", options.idFromFile,
               "user ID from the HEX file's ID words (program and verify)")
      ->excludes(id);
  app.add_flag("-q,--quiet", options.quiet, "no progress output");
  app.add_option("--adapter", options.adapter,
                 "adapter wiring by name, e.g. \"Tait classic\" (default: lptpic)")
      ->type_name("NAME");
  app.add_option("--adapters", options.adapters, "file of your own adapter wirings")
      ->type_name("FILE");
  app.add_flag("--force", options.force,
               "write the chip even when its device ID names another part than --device; "
               "pins: switch Vpp on though a chip answers at low voltage");
  app.add_flag("--allow-lvp-off", options.allowLowVoltageOff,
               "program a configuration that switches low-voltage programming off, though "
               "this adapter then cannot reach the chip again");
  app.add_flag("--json", options.json,
               "print one JSON object on standard output (command, result, exit code, message, "
               "failing location, checksum, duration) and nothing else there");
  app.add_flag("--check-id", options.checkId,
               "check the device ID before writing on every part that has one (the parts of "
               "the later flash families always check it)");
  app.add_flag("--no-probe", options.noProbe,
               "do not ask the chip at low voltage which part it is before raising Vpp (the "
               "probe that keeps a part entered at low voltage from getting more than it takes)");

  // The global options may follow the command too ("verify prog.hex --id
  // 1234"): each command passes what it does not know to this parser. Set
  // before the commands are added, which inherit it.
  app.fallthrough();
  Action action;
  AddDevicesCommand(app, action);
  AddHexFileCommands(app, action);
  AddProbeCommand(app, action);
  AddDeviceOpCommands(app, action);
  AddPortsCommand(app, action);
  AddPinsCommand(app, action);
  AddAdaptersCommand(app, action);
  AddDetectCommand(app, action);

  // For the build: the manual page's sections, from this very parser.
  if (argc == 2 && std::strcmp(argv[1], kManualPageOption) == 0) {
    WriteManualSections(app, std::cout);
    return std::cout.flush() ? kExitOk : kExitUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return CheckStandardOutput(app.exit(e));
  } catch (const CLI::CallForVersion& e) {
    return CheckStandardOutput(app.exit(e));
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }
  for (const CLI::App* sub : app.get_subcommands()) *command = sub->get_name();
  if (!action) return kExitUsage;
  options.idGiven = id->count() > 0 || options.idFromFile;
  return CheckStandardOutput(action(options));
}

}  // namespace
