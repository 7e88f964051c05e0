// SPDX-License-Identifier: GPL-2.0-or-later
// Two lptpic-cli runs on one chip file, and runs killed at any moment: the
// chip file is always one complete result, never a splice of two or a
// half-written file, and what a kill leaves beside it is ignored.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "fileio/file_lock.h"
#include "fileio/replace_file.h"
#include "sim/chip_file.h"
#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::ReadFile;

class ConcurrentRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string command = "gpasm -a inhx8m -o '" + (dir_ / "image.hex").string() +
                                "' '" LPTPIC_TEST_DATA "/hex/ops_16f877.asm' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    fs::create_directory(logs_ / "a");
    fs::create_directory(logs_ / "b");
  }
  // The chip file `args` leave when run alone from `start` (empty: no file).
  std::string AloneResult(const std::string& start, const std::string& args) {
    Reset(start);
    const auto run = lpt::testing_files::RunCliIn(dir_, args);
    EXPECT_EQ(run.code, 0) << run.err;
    return ReadFile(dir_ / "chip.txt");
  }
  void Reset(const std::string& start) {
    fs::remove(dir_ / "chip.txt");
    if (!start.empty()) std::ofstream(dir_ / "chip.txt", std::ios::binary) << start;
  }
  int Temporaries() {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir_))
      count += lpt::fileio::IsTemporaryNameOf("chip.txt", entry.path().filename().string());
    return count;
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_race_"};
  const fs::path& dir_ = scratch_.path;
  lpt::testing_files::ScratchDir logScratch_{"lptpic_cli_race_logs_"};
  const fs::path& logs_ = logScratch_.path;
};

constexpr const char* kSim = "-q --port sim:chip.txt --device 16F877 ";

TEST_F(ConcurrentRuns, TwoRunsOnOneChipFileTakeTurnsOrTheSecondExitsThree) {
  // Two different complete results: the same image with different IDs.
  const std::string first = std::string(kSim) + "--id 1111 program image.hex";
  const std::string second = std::string(kSim) + "--id 2222 program image.hex";
  const std::string startOld = AloneResult("", "-q --port sim:chip.txt --device 16F877 erase");
  // Every complete result, per start: either run alone (the other exited 3)
  // or both, one after the other.
  std::vector<std::string> complete[2];
  for (int index : {0, 1}) {
    const std::string start = index == 0 ? "" : startOld;
    complete[index] = {AloneResult(start, first), AloneResult(start, second),
                       AloneResult(AloneResult(start, first), second),
                       AloneResult(AloneResult(start, second), first)};
  }
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    // Half the rounds start without a chip file: the first run creates it.
    const int index = round % 2;
    Reset(index == 0 ? "" : startOld);
    const pid_t a = lpt::testing_files::StartCli(dir_, logs_ / "a", first);
    const pid_t b = lpt::testing_files::StartCli(dir_, logs_ / "b", second);
    const auto runA = lpt::testing_files::WaitCli(a, logs_ / "a");
    const auto runB = lpt::testing_files::WaitCli(b, logs_ / "b");
    for (const auto* run : {&runA, &runB}) {
      EXPECT_TRUE(run->code == 0 || run->code == 3) << run->code << ": " << run->err;
      if (run->code == 3) {
        EXPECT_THAT(run->err, ::testing::HasSubstr("is in use"));
      }
    }
    const std::string now = ReadFile(dir_ / "chip.txt");
    const bool oneOfThem =
        std::find(complete[index].begin(), complete[index].end(), now) != complete[index].end();
    EXPECT_TRUE(oneOfThem) << now;
    EXPECT_EQ(Temporaries(), 0);
  }
}

// One chip file named twice, directly and through a link from another
// folder, while it exists and before it does: both updates (data memory;
// fuses and ID) land, in either order, and neither run is told "in use".
TEST_F(ConcurrentRuns, ALinkAndTheFileItNamesAreOneChipFileWhetherItExistsOrNot) {
  fs::create_directory(dir_ / "sub");
  fs::create_symlink("../chip.txt", dir_ / "sub" / "link.txt");
  const std::string data = std::string(kSim) + "program --only data image.hex";
  const std::string fuses =
      "-q --port sim:sub/link.txt --device 16F877 --id 2222 program --only fuses image.hex";
  const std::string starts[] = {"", "device 16F877\n"};  // none yet; every memory erased
  std::vector<std::string> both[2];
  for (int index : {0, 1})
    both[index] = {AloneResult(AloneResult(starts[index], data), fuses),
                   AloneResult(AloneResult(starts[index], fuses), data)};
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const int index = round % 2;
    Reset(starts[index]);
    const pid_t a = lpt::testing_files::StartCli(dir_, logs_ / "a", data);
    const pid_t b = lpt::testing_files::StartCli(dir_, logs_ / "b", fuses);
    const auto runA = lpt::testing_files::WaitCli(a, logs_ / "a");
    const auto runB = lpt::testing_files::WaitCli(b, logs_ / "b");
    EXPECT_EQ(runA.code, 0) << runA.err;
    EXPECT_EQ(runB.code, 0) << runB.err;
    const std::string now = ReadFile(dir_ / "chip.txt");
    EXPECT_TRUE(now == both[index][0] || now == both[index][1]) << "an update was lost:\n" << now;
  }
}

TEST_F(ConcurrentRuns, NewChipFilesInOneFolderDoNotWaitForEachOther) {
  lpt::fileio::FileLock::Outcome outcome;
  const auto held = lpt::fileio::FileLock::Acquire((dir_ / "first.txt").string(),
                                                   std::chrono::milliseconds(0), &outcome, nullptr);
  ASSERT_TRUE(held);
  const auto run = lpt::testing_files::RunCliIn(
      dir_, "-q --port sim:second.txt --device 16F877 program image.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  std::string why;
  EXPECT_TRUE(lpt::sim::LoadChipFile((dir_ / "second.txt").string(), &why)) << why;
}

TEST_F(ConcurrentRuns, AProgramKilledAtAnyMomentLeavesTheOldOrTheNewChip) {
  const std::string args = std::string(kSim) + "--id 2222 program image.hex";
  const std::string old = AloneResult("", std::string(kSim) + "--id 1111 program image.hex");
  const std::string fresh = AloneResult(old, args);
  ASSERT_NE(old, fresh);
  // The run kills itself there: before its first word, amid the words,
  // after the last one (before the save), and past its end (it completes).
  const struct {
    const char* at;
    bool saved;
  } kills[] = {{"kill:word:1", false},
               {"kill:word:1500", false},
               {"kill:end", false},
               {"kill:word:99999999", true}};
  for (const auto& kill : kills) {
    SCOPED_TRACE(kill.at);
    // The stale temporary files of earlier kills stay: a save removes them.
    fs::remove(dir_ / "chip.txt");
    std::ofstream(dir_ / "chip.txt", std::ios::binary) << old;
    const pid_t pid =
        lpt::testing_files::StartCli(dir_, logs_ / "a", args, {.testSignal = kill.at});
    lpt::testing_files::WaitCli(pid, logs_ / "a");
    const std::string now = ReadFile(dir_ / "chip.txt");
    EXPECT_EQ(now, kill.saved ? fresh : old);
    std::string why;
    EXPECT_TRUE(lpt::sim::LoadChipFile((dir_ / "chip.txt").string(), &why)) << why;
    EXPECT_LE(Temporaries(), 1);
  }
  // The next save ignores (and clears) what the kills left.
  std::ofstream(dir_ / "chip.txt", std::ios::binary) << old;
  const auto run = lpt::testing_files::RunCliIn(dir_, args);
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), fresh);
  EXPECT_EQ(Temporaries(), 0);
}

}  // namespace
