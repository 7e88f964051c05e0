// SPDX-License-Identifier: GPL-2.0-or-later
// read, program, verify, blank and erase: the device commands the GUI's
// buttons run, on the port and device of the global options.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/buffer_dump.h"
#include "cli/checksum_report.h"
#include "cli/cli_app.h"
#include "cli/cli_device.h"
#include "cli/cli_session.h"
#include "cli/file_words_report.h"
#include "cli/production_run.h"
#include "cli/program_summary_line.h"
#include "cli/standard_streams.h"
#include "cli/stop_signal.h"
#include "devices/capabilities.h"
#include "fileio/bounded_read.h"
#include "hexfile/hex_file.h"

namespace lpt::cli {
namespace {

// A file argument or option that lives as long as the parsed command line.
using Text = std::shared_ptr<std::string>;

// The command run on an open session; returns the exit code.
using SessionCommand = std::function<int(CliSession&)>;

// `files` are the command's own files, which the trace may not be.
int WithSession(const GlobalOptions& options, const std::vector<std::string>& files,
                const SessionCommand& command) {
  GlobalOptions withFiles = options;
  withFiles.commandFiles = files;
  int code = kExitOk;
  auto session = CliSession::Open(withFiles, &code);
  if (!session) return code;
  code = command(*session);
  SignalPoint("end");
  return session->Finish(code, options.trace);
}

int Run(CliSession& session, CommandResult (*command)(OpContext&), bool compareId = true,
        bool allowProtected = false) {
  session.WarnIfTheBoardCannotPowerTheChip();
  OpContext ctx = session.Context();
  ctx.compareId = compareId;
  ctx.allowProtected = allowProtected;
  return ExitCodeFor(command(ctx));
}

// Program All, then the line that says what went to the chip and how long
// it took; a command that never reached the chip prints none.
int RunProgramAll(CliSession& session, const GlobalOptions& options) {
  session.WarnIfTheBoardCannotPowerTheChip();
  OpContext ctx = session.Context();
  const CommandResult result = ProgramAll(ctx);
  const int code = ExitCodeFor(result);
  if (result == CommandResult::NoDevice) return code;
  // A command refused before it wrote anything (the device ID, a
  // configuration that would lock the adapter out) programmed nothing.
  const ProgramSummary& s = ctx.summary;
  if (s.programWords == 0 && s.dataBytes == 0 && !s.configuration && !s.id) return code;
  ReportChecksum(options, session.device(), session.buffers());
  if (!WriteStandardOutput(ProgramSummaryLine(ctx.summary) + "\n") && code == kExitOk)
    return kExitUsage;
  return code;
}

// The GUI hides the commands a device's layout does not offer; run on such a
// device they would do nothing and report success, so they are refused.
bool Offered(CliSession& session, bool offered, const char* what) {
  if (offered) return true;
  std::cerr << what << " is not offered for " << session.device().name << ".\n";
  return false;
}

Capabilities CapabilitiesOf(CliSession& session) { return CapabilitiesOf(session.device()); }

// Loads the HEX file into the session's buffers; the chip is not touched
// when the file is bad, cut off, or holds nothing for the device (an empty
// download would erase a programmed chip and report success). Standard
// input is waited for so that Ctrl+C or SIGTERM still ends the wait. What
// of the file cannot reach the chip is told (TellFileWords). `bytes`, when
// given, gets what was loaded.
int LoadFile(CliSession& session, const std::string& path, const GlobalOptions& options,
             UnheldWords unheld, bool idIsWritten, std::string* bytes = nullptr) {
  HexLoadResult result;
  if (path == fileio::kStandardStream) {
    std::string text, reason;
    bool stopped = false;
    if (!ReadStandardInput(&text, &reason, &stopped)) {
      if (stopped) {
        std::cerr << "Stopped by the user while waiting for standard input.\n";
        return kExitStopped;
      }
      std::cerr << "Cannot open file \"-\". " << reason << "\n";
      return kExitUsage;
    }
    result = LoadHexText(text, session.device(), session.buffers());
    if (bytes != nullptr) *bytes = std::move(text);
  } else {
    result = LoadHexFile(path, session.device(), session.buffers(), bytes);
  }
  const std::string problem = result.status == HexLoadResult::Status::Ok
                                  ? IncompleteHexWarning(path, result)
                                  : result.message;
  if (problem.empty())
    return TellFileWords(path, session.device(), session.buffers(), result, options, unheld,
                         idIsWritten);
  std::cerr << problem << "\n";
  if (!result.detail.empty()) std::cerr << result.detail << "\n";
  return kExitUsage;
}

void AddRead(CLI::App& app, Action& action) {
  Text out = std::make_shared<std::string>();
  auto allowProtected = std::make_shared<bool>(false);
  auto* read = app.add_subcommand("read", "read the chip and print the buffers, or save them");
  read->add_option("OUT", *out, "Intel HEX file to write (INHX8M)");
  read->add_flag("--allow-protected", *allowProtected,
                 "read a code-protected chip all the same (its program memory reads as 0000)");
  read->callback([&action, out, allowProtected] {
    action = [out, allowProtected](const GlobalOptions& options) {
      return WithSession(options, {*out}, [out, allowProtected, &options](CliSession& session) {
        const int code = Run(session, ReadChip, true, *allowProtected);
        if (code != kExitOk) return code;
        ReportChecksum(options, session.device(), session.buffers());
        if (out->empty()) {
          std::ostringstream text;
          DumpBuffers(text, session.device(), session.buffers());
          return WriteStandardOutput(text.str()) ? kExitOk : kExitUsage;
        }
        std::string error;
        if (SaveHexOutput(*out, session.device(), session.buffers(), &error)) return kExitOk;
        std::cerr << error << "\n";
        return kExitUsage;
      });
    };
  });
}

void AddProgram(CLI::App& app, Action& action) {
  Text file = std::make_shared<std::string>();
  Text only = std::make_shared<std::string>();
  auto overwriteOsccal = std::make_shared<bool>(false);
  auto allowTruncated = std::make_shared<bool>(false);
  auto production = std::make_shared<ProductionOptions>();
  auto* program = app.add_subcommand("program", "load a HEX file and program the chip");
  program->add_option("FILE", *file, "Intel HEX file (INHX8M or INHX32)")->required();
  program->add_option("--only", *only, "data: Program only Data memory; fuses: only Fuses + ID")
      ->check(CLI::IsMember({"data", "fuses"}));
  program->add_flag("--overwrite-osccal", *overwriteOsccal,
                    "12-bit flash parts: write the file's OSCCAL word over the chip's own");
  program->add_flag("--allow-truncated", *allowTruncated,
                    "program a file that holds words the part cannot hold (they are dropped)");
  AddProductionOptions(*program, *production);
  program->callback([&action, file, only, overwriteOsccal, allowTruncated, production] {
    action = [file, only, overwriteOsccal, allowTruncated,
              production](const GlobalOptions& options) {
      std::vector<std::string> files{*file};
      if (!CheckProductionOptions(*production, *only, &files)) return kExitUsage;
      // Whether the last run stopped at the file itself (bad, cut off):
      // --watch then waits for its next version.
      bool fileBad = false;
      const UnheldWords unheld = *allowTruncated ? UnheldWords::Warn : UnheldWords::Refuse;
      const bool idIsWritten = *only != "data";
      const FileLoader load = [&fileBad, &options, unheld, idIsWritten](
                                  CliSession& s, const std::string& path, std::string* bytes) {
        const int code = LoadFile(s, path, options, unheld, idIsWritten, bytes);
        fileBad = code == kExitUsage;
        return code;
      };
      const auto once = [&] {
        fileBad = false;
        return WithSession(options, files, [&](CliSession& session) {
          session.state().overwriteOsccal = *overwriteOsccal;
          const Capabilities can = CapabilitiesOf(session);
          if (*only == "data" && !Offered(session, can.programDataOnly, "Program only Data memory"))
            return kExitUsage;
          if (*only == "fuses" &&
              !Offered(session, can.programFusesOnly, "Program only Fuses + ID"))
            return kExitUsage;
          if (production->Any()) return RunProduction(session, options, *production, *file, load);
          if (const int loaded = load(session, *file, nullptr); loaded != kExitOk) return loaded;
          if (*only == "data") return Run(session, ProgramDataOnly);
          if (*only == "fuses") return Run(session, ProgramFusesOnly);
          return RunProgramAll(session, options);
        });
      };
      return production->watch ? WatchAndProgram(*file, once, [&fileBad] { return fileBad; })
                               : once();
    };
  });
}

void AddVerify(CLI::App& app, Action& action) {
  Text file = std::make_shared<std::string>();
  auto* verify = app.add_subcommand("verify", "load a HEX file and compare the chip with it");
  verify->add_option("FILE", *file, "Intel HEX file (INHX8M or INHX32)")->required();
  verify->callback([&action, file] {
    action = [file](const GlobalOptions& options) {
      // A chip programmed with an ID would fail against the default FFFF:
      // without --id the ID words are read but not compared.
      return WithSession(options, {*file}, [file, &options](CliSession& session) {
        const bool idGiven = options.idGiven;
        if (const int loaded = LoadFile(session, *file, options, UnheldWords::Warn, false);
            loaded != kExitOk)
          return loaded;
        if (!idGiven) std::cerr << "The ID is not compared: give --id to compare it.\n";
        return Run(session, VerifyChip, idGiven);
      });
    };
  });
}

void AddBlankAndErase(CLI::App& app, Action& action) {
  auto* blank = app.add_subcommand("blank", "check that the chip is erased");
  blank->callback([&action] {
    action = [](const GlobalOptions& options) {
      return WithSession(options, {}, [](CliSession& session) { return Run(session, BlankCheck); });
    };
  });
  auto* erase = app.add_subcommand("erase", "erase the chip (electrically erasable parts)");
  erase->callback([&action] {
    action = [](const GlobalOptions& options) {
      return WithSession(options, {}, [](CliSession& session) {
        if (!Offered(session, CapabilitiesOf(session).erase, "Erase")) return kExitUsage;
        return Run(session, EraseChip);
      });
    };
  });
}

}  // namespace

void AddDeviceOpCommands(CLI::App& app, Action& action) {
  AddRead(app, action);
  AddProgram(app, action);
  AddVerify(app, action);
  AddBlankAndErase(app, action);
}

}  // namespace lpt::cli
