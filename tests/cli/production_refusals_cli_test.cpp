// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli on a line when the input or the surroundings are hostile:
// what is refused before any chip is touched, the signals that stop a run
// as Ctrl+C does, a watched file caught half written, and a log that names
// the very bytes that were programmed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using nlohmann::json;

class ProductionRefusals : public ::testing::Test {
 protected:
  void SetUp() override {
    // GOTO 4 at 0 (p16f628a.inc: 14-bit GOTO is 28xxh).
    std::ofstream(dir_ / "e.hex") << ":020000000428D2\n:00000001FF\n";
    std::ofstream(dir_ / "cut.hex") << ":020000000428D2\n";
    std::ofstream(dir_ / "eof.hex") << ":00000001FF\n";
    std::ofstream(dir_ / "empty.hex");
    std::ofstream(dir_ / "a.conf") << "adapter a clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n";
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
    ASSERT_EQ(::link((dir_ / "a.conf").c_str(), (dir_ / "b.conf").c_str()), 0);
    std::ofstream(dir_ / "counter.json") << "{\"next\": \"0x10\"}\n";
    ASSERT_EQ(::link((dir_ / "counter.json").c_str(), (dir_ / "twin.json").c_str()), 0);
  }
  CliRun Cli(const std::string& args) { return lpt::testing_files::RunCliIn(dir_, args); }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_refusals_"};
  const fs::path& dir_ = scratch_.path;
};

// Each is refused with exit 2 and its reason before the chip is touched:
// the simulated chip file is never made.
TEST_F(ProductionRefusals, RefusedBeforeAnyChipIsTouched) {
  const std::string sim = "-q --device 16F628A --port sim:chip.txt ";
  const struct {
    std::string args, reason;
  } cases[] = {
      {sim + "program e.hex --serial 1 --serial-at 0",
       "The serial number's words at 000h-001h overlap the HEX file's data at 000h.\n"},
      {"-q --device 12F675 --port sim:chip.txt program e.hex --serial 1 --serial-at 0x3FE",
       "The serial number's words at 3FEh-3FFh overlap the oscillator calibration word at 3FFh, "
       "which the chip keeps.\n"},
      {"-q --device 12F508 --port sim:chip.txt program e.hex --serial 1 --serial-at raw:0x1FF "
       "--serial-bytes 1",
       "The serial number's words at 1FFh-1FFh overlap the oscillator calibration word at 1FFh, "
       "which the chip keeps.\n"},
      {sim + "program e.hex --serial 1 --serial-at id --watch",
       "--watch with --serial needs --serial-file: each change would start the numbers again, "
       "and two chips would get one number.\n"},
      {sim + "program - --watch", "--watch needs a file to watch: standard input never changes.\n"},
      {sim + "program e.hex --log fifo",
       "Cannot write the log file fifo: Not a regular file (a device, FIFO or folder).\n"},
      {sim + "program e.hex --log missing/log.jsonl",
       "Cannot write the log file missing/log.jsonl: No such file or directory.\n"},
      {sim + "program e.hex --serial 1 --serial-at id --serial-file twin.json",
       "Serial number file twin.json has 2 names (hard links): saving it would leave the other "
       "names with an old number, given again. Give it one name.\n"},
      {sim + "--adapters a.conf --adapter a --trace a.conf program e.hex", ""},
      {sim + "checksum empty.hex", "empty.hex has no end-of-file record: it may be cut off\n"},
      {sim + "checksum eof.hex", "eof.hex has no data records\n"},
      {sim + "checksum cut.hex", "cut.hex has no end-of-file record: it may be cut off\n"},
      {"-q --device 16F628A --port sim:/ program e.hex", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Cli(c.args + " < /dev/null");
    EXPECT_EQ(run.code, 2) << run.err;
    if (!c.reason.empty()) EXPECT_EQ(run.err, c.reason);
    EXPECT_FALSE(fs::exists(dir_ / "chip.txt"));
  }
  EXPECT_EQ(ReadFile(dir_ / "a.conf"), "adapter a clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n");
  EXPECT_FALSE(fs::exists("/chip-0001.txt"));
  // The help and the version that cannot be written are a failure too.
  for (const char* args : {"--help", "--version"}) {
    const std::string command =
        "'" LPTPIC_BINARY_DIR "/cli/lptpic-cli' " + std::string(args) + " > /dev/full 2> /dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << args;
  }
}

// SIGHUP, SIGPIPE and SIGALRM stop a batch as SIGTERM does: the chip saved,
// its log line written, the supply and Vpp off.
TEST_F(ProductionRefusals, HangUpBrokenPipeAndAlarmStopLikeCtrlC) {
  const fs::path logs = dir_ / "logs";
  fs::create_directory(logs);
  for (const char* signal : {"hup:", "pipe:", "alrm:"}) {
    SCOPED_TRACE(signal);
    fs::remove(dir_ / "chip.txt");
    fs::remove(dir_ / "log.jsonl");
    const auto run = lpt::testing_files::WaitCli(
        lpt::testing_files::StartCli(
            dir_, logs,
            "-q --device 16F628A --port sim:chip.txt --trace t.txt program e.hex --log log.jsonl",
            {.testSignal = std::string(signal) + "word:40"}),
        logs);
    EXPECT_EQ(run.code, 130) << run.err;
    EXPECT_NE(ReadFile(dir_ / "chip.txt").find("device 16F628A"), std::string::npos);
    const json line = json::parse(ReadFile(dir_ / "log.jsonl"), nullptr, false);
    EXPECT_EQ(line["result"], "stopped");
    const std::string trace = ReadFile(dir_ / "t.txt");
    const std::string last = trace.substr(trace.rfind("W 0378 "));
    EXPECT_EQ(std::stoi(last.substr(7), nullptr, 16) & 0x0C, 0x08) << last;  // supply off, no Vpp
  }
}

// A file caught half written is no reason to end the watch: it waits for
// the next whole version.
TEST_F(ProductionRefusals, WatchWaitsForTheNextWholeFile) {
  const fs::path logs = dir_ / "logs";
  fs::create_directory(logs);
  const auto run = lpt::testing_files::WaitCli(
      lpt::testing_files::StartCli(
          dir_, logs, "-q --device 16F628A --port sim:chip.txt program cut.hex --watch",
          {.testSignal = "watch"}),
      logs);
  EXPECT_THAT(run.err, ::testing::HasSubstr("Waiting for cut.hex to change (Ctrl+C ends)."));
  EXPECT_FALSE(fs::exists(dir_ / "chip.txt"));
}

// The log's digest is of the bytes programmed, standard input included.
TEST_F(ProductionRefusals, TheLogNamesTheBytesLoaded) {
  const CliRun run =
      Cli("-q --device 16F628A --port sim:chip.txt program - --log log.jsonl < e.hex");
  ASSERT_EQ(run.code, 0) << run.err;
  // sha256sum of the two lines of e.hex.
  EXPECT_EQ(json::parse(ReadFile(dir_ / "log.jsonl"))["hex_sha256"],
            "cb34da1e4dee1674d548b687e08fc64872bdb87f70bf547f773371630906dee6");
}

}  // namespace
