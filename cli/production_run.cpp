// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/production_run.h"

#include <chrono>
#include <iostream>
#include <thread>

#include "cli/checksum_report.h"
#include "cli/json_report.h"
#include "cli/program_summary_line.h"
#include "cli/standard_streams.h"
#include "cli/stop_signal.h"
#include "fileio/bounded_read.h"
#include "production/batch.h"
#include "production/file_digest.h"

namespace lpt::cli {
namespace {

// How often --watch looks at the file. Real time: it waits for a person.
constexpr std::chrono::milliseconds kWatchPoll{500};

std::string FileDigest(const std::string& path) {
  std::string bytes, reason;
  if (path == fileio::kStandardStream ||
      !fileio::ReadWholeFile(path, fileio::kMaxInputBytes, &bytes, &reason))
    return {};
  return Sha256Hex(bytes);
}

int ExitCodeOf(const BatchSummary& summary) {
  if (!summary.error.empty()) return kExitUsage;
  if (summary.last == CommandResult::Stopped) return kExitStopped;
  if (summary.last == CommandResult::NoDevice) return kExitNoDevice;
  return summary.failed > 0 || summary.last != CommandResult::Ok ? kExitFailed : kExitOk;
}

}  // namespace

void AddProductionOptions(CLI::App& program, ProductionOptions& p) {
  program.add_flag("--repeat", p.repeat,
                   "after each chip wait for the next one to be put in, and program it too");
  program.add_option("--count", p.count, "with --repeat: stop after N chips")
      ->type_name("N")
      ->check(CLI::Range(1, 1000000));
  program.add_option("--serial", p.serial, "serial numbers from START, STEP apart (default 1)")
      ->type_name("START[:STEP]");
  program
      .add_option("--serial-at", p.serialAt,
                  "where the serial number goes: id (the user ID), ADDRESS (a RETLW table "
                  "of its bytes, least significant first) or raw:ADDRESS (the bytes as words)")
      ->type_name("WHERE");
  program.add_option("--serial-bytes", p.serialBytes, "bytes of the serial number's table (1-4)")
      ->type_name("N")
      ->check(CLI::Range(1, 4));
  program
      .add_option("--serial-file", p.serialFile,
                  "counter file of the next serial number (locked; a number is never used "
                  "twice)")
      ->type_name("FILE");
  program.add_option("--log", p.log, "append one JSON line per chip to FILE")->type_name("FILE");
  program.add_flag("--watch", p.watch, "program the chip again each time FILE changes");
}

bool CheckProductionOptions(const ProductionOptions& p, const std::string& only,
                            std::vector<std::string>* files) {
  const char* problem = nullptr;
  if (p.serial.empty() != p.serialAt.empty())
    problem = "--serial and --serial-at go together.";
  else if (!p.serialFile.empty() && p.serial.empty())
    problem = "--serial-file needs --serial and --serial-at.";
  else if (!only.empty() && p.Any())
    problem = "--only programs no whole chip: it takes no production options.";
  else if (p.watch && (p.repeat || p.count > 0))
    problem = "--watch programs one chip per change: it does not go with --repeat.";
  else if (p.watch && !p.serial.empty() && p.serialFile.empty())
    problem =
        "--watch with --serial needs --serial-file: each change would start the numbers "
        "again, and two chips would get one number.";
  if (problem != nullptr) {
    std::cerr << problem << "\n";
    return false;
  }
  for (const std::string* file : {&p.serialFile, &p.log})
    if (!file->empty()) files->push_back(*file);
  return true;
}

int RunProduction(CliSession& session, const GlobalOptions& options, const ProductionOptions& p,
                  const std::string& file, const FileLoader& load) {
  std::string error;
  std::optional<SerialPlace> place;
  std::optional<SerialRange> range;
  if (!p.serial.empty()) {
    range = ParseSerialRange(p.serial, &error);
    if (range) place = ParseSerialPlace(p.serialAt, p.serialBytes, &error);
    if (!range || !place) {
      std::cerr << error << "\n";
      return kExitUsage;
    }
  }
  std::string loaded;
  if (const int code = load(session, file, &loaded); code != kExitOk) return code;
  std::unique_ptr<SerialCounter> counter;
  if (range) {
    bool stopped = false;
    counter = SerialCounter::Open(p.serialFile, *range, &error, &stopped, [] {
      SignalPoint("lock");
      return StopSignalled();
    });
    if (!counter) {
      std::cerr << error << "\n";
      return stopped ? kExitStopped : kExitUsage;
    }
    if (!SerialFits(*place, counter->Next(), session.device(), &error)) {
      std::cerr << error << "\n";
      return kExitUsage;
    }
  }
  session.WarnIfTheBoardCannotPowerTheChip();

  BatchSetup setup;
  setup.hexFile = file;
  setup.hexSha256 = Sha256Hex(loaded);
  setup.serialPlace = place;
  setup.serials = counter.get();
  setup.logPath = p.log;
  setup.repeat = p.repeat || p.count > 0;
  setup.count = p.count;
  setup.askForNextChip = [] {
    std::cerr << "Put the next chip in and press Enter.\n";
    bool stopped = false;
    return ReadStandardInputLine(&stopped);
  };
  bool outputLost = false;
  setup.chipDone = [&](const OpContext& ctx) {
    if (ctx.summary.programWords == 0 && !ctx.summary.configuration) return;
    ReportChecksum(options, session.device(), session.buffers());
    outputLost = !WriteStandardOutput(ProgramSummaryLine(ctx.summary) + "\n") || outputLost;
  };
  OpContext ctx = session.Context();
  const BatchSummary summary = RunBatch(ctx, setup);
  if (!summary.error.empty()) std::cerr << summary.error << "\n";
  json_report::SetBatch(summary.passed, summary.failed, summary.serials);
  if (setup.repeat)
    outputLost = !WriteStandardOutput(BatchSummaryText(summary) + "\n") || outputLost;
  const int code = ExitCodeOf(summary);
  // A closed pipe stops the batch too; what counts then is the lost output.
  return outputLost && (code == kExitOk || code == kExitStopped) ? kExitUsage : code;
}

int WatchAndProgram(const std::string& file, const std::function<int()>& programOnce,
                    const std::function<bool()>& fileWasBad) {
  if (file == fileio::kStandardStream) {
    std::cerr << "--watch needs a file to watch: standard input never changes.\n";
    return kExitUsage;
  }
  CatchStopSignals();
  std::string seen;
  int code = kExitOk;
  while (!StopSignalled()) {
    const std::string digest = FileDigest(file);
    if (!digest.empty() && digest != seen) {
      seen = digest;
      code = programOnce();
      if (code == kExitStopped || (code == kExitUsage && !fileWasBad())) return code;
      std::cerr << "Waiting for " << file << " to change (Ctrl+C ends).\n";
    }
    SignalPoint("watch");
    std::this_thread::sleep_for(kWatchPoll);
  }
  return code == kExitOk ? kExitStopped : code;
}

}  // namespace lpt::cli
