// SPDX-License-Identifier: GPL-2.0-or-later
// Ctrl+C and SIGTERM at known moments (LPTPIC_TEST_SIGNAL places the signal,
// no delay is guessed): during a command the run stops before the next
// word, names it with its memory and switches the adapter off; after the
// last word it stops nothing; during the waits before a command (standard
// input, a chip file in use) it ends the wait at once. Exit 130 or the
// command's own code, never both.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fileio/file_lock.h"
#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::ChildLimits;
using lpt::testing_files::ChildRun;
using lpt::testing_files::ReadFile;
using ::testing::EndsWith;
using ::testing::HasSubstr;

constexpr int kHangSeconds = 60;  // only a run that hangs gets near it

class StopSignals : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string command = "gpasm -a inhx8m -o '" + (dir_ / "image.hex").string() +
                                "' '" LPTPIC_TEST_DATA "/hex/ops_16f84.asm' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  ChildRun Run(const std::string& args, const ChildLimits& limits) {
    const pid_t pid = lpt::testing_files::StartCli(dir_, logs_, args, limits);
    return lpt::testing_files::WaitCliWithin(pid, logs_, kHangSeconds);
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_signals_"};
  const fs::path& dir_ = scratch_.path;
  lpt::testing_files::ScratchDir logScratch_{"lptpic_cli_signals_logs_"};
  const fs::path& logs_ = logScratch_.path;
};

constexpr const char* kSim = "-q --trace trace.txt --port sim:chip.txt --device 16F84 ";

// The 16F84 has 1K words of program memory and 64 bytes of data EEPROM
// (gputils 16f84_g.lkr: page 0-3FFh, eedata 2100h-213Fh). Program asks once
// before its erase, then before each word: the question after word N is
// about program word N - 1 while N < 1025, then about data byte N - 1025.
TEST_F(StopSignals, ASignalStopsBeforeTheNextWordNamingItOrAfterTheLastWordNothing) {
  const struct Case {
    const char* command;
    const char* at;
    int code;
    const char* message;  // the whole of standard error
  } cases[] = {
      {"program image.hex", "word:239", 130,
       "Stopped by the user at address 00EEh.\nNext word: program memory 00EEh\n"},
      // During the last program word: the stop lands between the passes.
      {"program image.hex", "word:1025", 130,
       "Stopped by the user at address 0000h.\nNext word: data memory 0000h\n"},
      {"program image.hex", "word:1043", 130,
       "Stopped by the user at address 0012h.\nNext word: data memory 0012h\n"},
      {"program image.hex", "end", 0, ""},
      {"verify image.hex", "end", 0, "The ID is not compared: give --id to compare it.\n"},
      {"read", "end", 0, ""},
      {"erase", "end", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " signalled at " + c.at);
    fs::remove(dir_ / "chip.txt");
    if (c.code == 0) {
      ASSERT_EQ(lpt::testing_files::RunCliIn(dir_, "-q --port sim:chip.txt program image.hex").code,
                0);
    }
    const ChildRun run = Run(std::string(kSim) + c.command + (c.code == 0 ? " > /dev/null" : ""),
                             {.testSignal = c.at});
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.err, c.message);
    EXPECT_THAT(ReadFile(dir_ / "trace.txt"), EndsWith("W 0378 08\n")) << "switched off last";
  }
}

TEST_F(StopSignals, ASignalEndsTheWaitsBeforeACommand) {
  ASSERT_EQ(lpt::testing_files::RunCliIn(dir_, "-q --port sim:chip.txt program image.hex").code, 0);
  const std::string chip = ReadFile(dir_ / "chip.txt");
  // Standard input stays open and empty: only the signal can end the wait.
  int input[2];
  ASSERT_EQ(::pipe(input), 0);
  ChildRun run =
      Run(std::string(kSim) + "program -", {.testSignal = "input", .standardInput = input[0]});
  ::close(input[0]);
  ::close(input[1]);
  EXPECT_EQ(run.code, 130);
  EXPECT_EQ(run.err, "Stopped by the user while waiting for standard input.\n");

  // Another program holds the chip file: the wait ends at the signal, not
  // after five seconds with "in use".
  lpt::fileio::FileLock::Outcome outcome;
  const auto held = lpt::fileio::FileLock::Acquire((dir_ / "chip.txt").string(),
                                                   std::chrono::milliseconds(0), &outcome, nullptr);
  ASSERT_TRUE(held);
  fs::remove(dir_ / "trace.txt");
  run = Run(std::string(kSim) + "erase", {.testSignal = "lock"});
  EXPECT_EQ(run.code, 130);
  EXPECT_EQ(run.err, "Stopped by the user while chip file chip.txt was in use.\n");
  EXPECT_FALSE(fs::exists(dir_ / "trace.txt")) << "no trace before the chip file is held";
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), chip);
}

}  // namespace
