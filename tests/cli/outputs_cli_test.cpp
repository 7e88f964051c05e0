// SPDX-License-Identifier: GPL-2.0-or-later
// What lptpic-cli writes, and where: a trace never replaces one of the
// command's own files and never waits on a FIFO; output that cannot be
// written is an error with the system's reason; a file-size limit is a
// failed write that leaves no temporary file; and nothing from a file name
// or an argument reaches the terminal as a control character.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "fileio/file_lock.h"
#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::ChildLimits;
using lpt::testing_files::ChildRun;
using lpt::testing_files::ReadFile;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr int kHangSeconds = 60;  // only a run that hangs gets near it

class OutputsCli : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string command = "gpasm -a inhx8m -o '" + (dir_ / "in.hex").string() +
                                "' '" LPTPIC_TEST_DATA "/hex/ops_16f84.asm' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_EQ(Run("-q --port sim:chip.txt program in.hex").code, 0);
  }
  ChildRun Run(const std::string& args, const ChildLimits& limits = {}) {
    const pid_t pid = lpt::testing_files::StartCli(dir_, logs_, args, limits);
    return lpt::testing_files::WaitCliWithin(pid, logs_, kHangSeconds);
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  std::vector<std::string> Temporaries() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      if (entry.path().filename().string().ends_with(".tmp"))
        names.push_back(entry.path().filename().string());
    return names;
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_outputs_"};
  const fs::path& dir_ = scratch_.path;
  lpt::testing_files::ScratchDir logScratch_{"lptpic_cli_outputs_logs_"};
  const fs::path& logs_ = logScratch_.path;
};

TEST_F(OutputsCli, ATraceIsNoneOfTheCommandsFilesAndNoFifoOrDevice) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  fs::create_symlink("chip.txt", dir_ / "link.txt");
  Write("out.hex", "mine\n");
  const std::string hex = ReadFile(dir_ / "in.hex"), chip = ReadFile(dir_ / "chip.txt");
  const struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"--trace in.hex --port sim program in.hex", "is one of the command's own files"},
      {"--trace chip.txt --port sim:chip.txt verify in.hex", "is one of the command's own files"},
      {"--trace link.txt --port sim:chip.txt blank", "is one of the command's own files"},
      {"--trace out.hex --port sim:chip.txt read out.hex", "is one of the command's own files"},
      {"--trace fifo --port sim blank", "it is not a regular file"},
      {"--trace /dev/null --port sim blank", "it is not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ChildRun run = Run(std::string("-q ") + c.args);
    EXPECT_EQ(run.code, 2);
    EXPECT_THAT(run.err, HasSubstr(c.message));
  }
  EXPECT_EQ(ReadFile(dir_ / "in.hex"), hex);
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), chip);
  EXPECT_EQ(ReadFile(dir_ / "out.hex"), "mine\n");

  // "-" is standard error.
  const ChildRun toError = Run("-q --trace - --port sim probe");
  EXPECT_EQ(toError.code, 0) << toError.err;
  EXPECT_THAT(toError.err, HasSubstr("W 0378 08\n"));
  EXPECT_FALSE(fs::exists(dir_ / "-"));

  // A trace is made only once the chip file is held: a run that finds the
  // chip file in use leaves an old trace as it was.
  Write("trace.txt", "an earlier trace\n");
  lpt::fileio::FileLock::Outcome outcome;
  const auto held = lpt::fileio::FileLock::Acquire((dir_ / "chip.txt").string(),
                                                   std::chrono::milliseconds(0), &outcome, nullptr);
  ASSERT_TRUE(held);
  EXPECT_EQ(Run("-q --trace trace.txt --port sim:chip.txt blank", {.testSignal = "lock"}).code,
            130);
  EXPECT_EQ(ReadFile(dir_ / "trace.txt"), "an earlier trace\n");
}

TEST_F(OutputsCli, StandardOutputThatCannotBeWrittenIsAnError) {
  const struct Case {
    const char* redirection;
    const char* reason;
  } targets[] = {{">/dev/full", "No space left on device."}, {">&-", "Bad file descriptor."}};
  for (const Case& target : targets) {
    for (const char* command :
         {"dump in.hex", "--port sim:chip.txt read", "devices", "ports --proc-root /nowhere"}) {
      SCOPED_TRACE(std::string(command) + " " + target.redirection);
      const ChildRun run = Run(std::string("-q ") + command + " " + target.redirection);
      EXPECT_EQ(run.code, 2);
      EXPECT_EQ(run.err, std::string("Cannot write to standard output: ") + target.reason + "\n");
    }
  }
}

TEST_F(OutputsCli, AFileSizeLimitIsAFailedWriteThatLeavesNoTemporaryFile) {
  // As under `ulimit -f`: SIGXFSZ would end the program mid-command.
  // The 16F84's HEX file (165 bytes) and chip file (224) do not fit; the
  // messages do.
  const ChildLimits limit{.maxFileBytes = 150, .fileSizeSignalKills = true};
  const std::string chip = ReadFile(dir_ / "chip.txt");
  const struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"--port sim:chip.txt read out.hex", "Cannot create file \"out.hex\". File too large."},
      {"--trace trace.txt --port sim:chip.txt --id 1234 program in.hex",
       "Cannot write the trace file \"trace.txt\"."},
      {"--port sim:chip.txt --id 1234 program in.hex",
       "Cannot save chip file chip.txt: File too large."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ChildRun run = Run(std::string("-q ") + c.args, limit);
    EXPECT_EQ(run.code, 2);
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_THAT(Temporaries(), IsEmpty());
  }
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), chip);

  // What a killed save left is removed once the file is held again, by a
  // command that saves nothing too.
  Write(".chip.txt.k1ll3d00.tmp", "half a chip");
  Write(".out.hex.k1ll3d00.tmp", ":1000");
  const ChildRun run = Run("-q --port sim:chip.txt read out.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(Temporaries(), IsEmpty());
}

TEST_F(OutputsCli, ControlCharactersReachTheTerminalAsText) {
  // ESC and BEL in every kind of value a message quotes.
  const struct Case {
    const char* args;
    const char* shown;
  } cases[] = {
      {"--device '\x1b[31m84' dump in.hex", "Unknown device \"\\x1B[31m84\""},
      {"--id '\x07' dump in.hex", "Bad --id \"\\x07\""},
      {"--port '\x1b]0;x\x07' probe", "Unknown port \"\\x1B]0;x\\x07\""},
      {"--port sim --adapter '\x1b[2J' probe", "\\x1B[2J"},
      {"dump '\x1b[2J.hex'", "Cannot open file \"\\x1B[2J.hex\""},
      {"--timing '\x1b[5m' probe", "\\x1B[5m"},
      {"--trace '\x1b[1m' --port 'sim:\x1b[1m' blank", "The trace file \"\\x1B[1m\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const ChildRun run = Run(c.args);
    EXPECT_NE(run.code, 0);
    const std::string all = run.out + run.err;
    EXPECT_THAT(all, HasSubstr(c.shown));
    for (const char byte : all)
      EXPECT_TRUE(static_cast<unsigned char>(byte) >= 0x20 || byte == '\n')
          << "raw control character " << static_cast<int>(byte);
  }
}

}  // namespace
