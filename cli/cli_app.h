// SPDX-License-Identifier: GPL-2.0-or-later
// Shared pieces of lptpic-cli: the global options and how a command file
// adds its sub-command.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

namespace lpt::cli {

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoDevice = 3;

struct GlobalOptions {
  std::string device = "16F84";
  std::string port = "888";
  bool delay = false;
  std::string timing = "standard";  // "standard" or "datasheet"
  std::string trace;
  std::string id = "FFFF";
  bool idGiven = false;     // --id or --id-from-file was given: verify compares the ID
  bool idFromFile = false;  // the ID is the HEX file's (--id-from-file)
  bool quiet = false;
  std::string adapter;              // empty: the default adapter
  std::string adapters;             // the user's adapters file
  bool force = false;               // write a chip whose device ID is not the selected part's
  bool allowLowVoltageOff = false;  // program a configuration with the LVP bit clear
  bool checkId = false;             // check the device ID before writing on every part that has one
  bool noProbe = false;             // no low-voltage probe before Vpp is raised
  bool json = false;                // one JSON object on standard output (cli/json_report.h)
  // Set by the command, not an option: the files it reads or writes, which
  // the trace must not be.
  std::vector<std::string> commandFiles;
};

// The action of the sub-command that was given; returns the exit code.
using Action = std::function<int(const GlobalOptions&)>;

// Each command file adds its sub-command(s) to `app` and, in the
// sub-command's callback, stores its action in `action`.
void AddDevicesCommand(CLI::App& app, Action& action);
void AddHexFileCommands(CLI::App& app, Action& action);   // dump, checksum, convert
void AddProbeCommand(CLI::App& app, Action& action);      // probe
void AddDeviceOpCommands(CLI::App& app, Action& action);  // read, program, verify, blank, erase
void AddPortsCommand(CLI::App& app, Action& action);      // ports
void AddPinsCommand(CLI::App& app, Action& action);       // pins
void AddAdaptersCommand(CLI::App& app, Action& action);   // adapters
void AddDetectCommand(CLI::App& app, Action& action);     // detect

}  // namespace lpt::cli
