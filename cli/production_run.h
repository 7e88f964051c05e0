// SPDX-License-Identifier: GPL-2.0-or-later
// The production options of `program`: serial numbers and their counter
// file, the chip log, batches (--repeat, --count) and --watch. Without any
// of them `program` runs as it always did, sending exactly the same.
#pragma once

#include <functional>
#include <string>

#include "cli/cli_app.h"
#include "cli/cli_session.h"

namespace lpt::cli {

struct ProductionOptions {
  bool repeat = false;
  int count = 0;
  std::string serial;  // START[:STEP]
  std::string serialAt;
  int serialBytes = 2;
  std::string serialFile;
  std::string log;
  bool watch = false;

  bool Any() const {
    return repeat || count > 0 || !serial.empty() || !serialAt.empty() || !serialFile.empty() ||
           !log.empty() || watch;
  }
};

void AddProductionOptions(CLI::App& program, ProductionOptions& production);

// The options that do not go together, and the files the trace may not
// be; false with the reason on standard error.
bool CheckProductionOptions(const ProductionOptions& production, const std::string& only,
                            std::vector<std::string>* files);

// Loads `file` into the session's buffers, leaving the bytes it loaded in
// the third argument; returns the exit code.
using FileLoader = std::function<int(CliSession&, const std::string&, std::string*)>;

// Program All of one chip or a batch, with the serial numbers and the log
// asked for; returns the exit code.
int RunProduction(CliSession& session, const GlobalOptions& options,
                  const ProductionOptions& production, const std::string& file,
                  const FileLoader& load);

// --watch: programs the chip each time `file` changes, until Ctrl+C;
// `programOnce` is one whole `program` run. A run that stopped at the file
// itself (`fileWasBad`: caught while it was being rewritten, or cut off)
// waits for the file's next version instead of ending the watch.
int WatchAndProgram(const std::string& file, const std::function<int()>& programOnce,
                    const std::function<bool()>& fileWasBad);

}  // namespace lpt::cli
