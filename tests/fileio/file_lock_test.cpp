// SPDX-License-Identifier: GPL-2.0-or-later
// The lock on a chip file: one holder at a time, waiting a bounded time,
// and following the file when it is replaced or first created.
#include "fileio/file_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fileio/replace_file.h"
#include "support/temp_dir.h"

namespace lpt::fileio {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Outcome = FileLock::Outcome;

std::unique_ptr<FileLock> Take(const fs::path& path, Outcome* outcome,
                               std::chrono::milliseconds wait = 100ms, int* tries = nullptr) {
  std::string reason;
  const auto counted = [tries] {
    if (tries) ++*tries;
    return false;
  };
  return FileLock::Acquire(path.string(), wait, outcome, &reason, counted);
}

TEST(FileLockTest, ASecondHolderWaitsThenGivesUpAndGetsItOnceFree) {
  testing_files::ScratchDir scratch("lptpic_lock_");
  const fs::path chip = scratch.path / "chip.txt";
  std::ofstream(chip) << "device 16F84\n";
  Outcome first, second;
  auto held = Take(chip, &first);
  ASSERT_EQ(first, Outcome::Held);
  // The wait is counted in retry periods, so how long it lasted follows from
  // the tries, whatever the machine's load: one try and ten pauses later the
  // eleventh.
  int tries = 0;
  EXPECT_FALSE(Take(chip, &second, 200ms, &tries));
  EXPECT_EQ(second, Outcome::Busy);
  EXPECT_EQ(tries, 1 + 200ms / kLockRetryPeriod);
  held.reset();
  EXPECT_TRUE(Take(chip, &second));
  EXPECT_EQ(second, Outcome::Held);
}

TEST(FileLockTest, AMissingFileIsGuardedUntilItExistsAndAReplacedOneIsFollowed) {
  testing_files::ScratchDir scratch("lptpic_lock_");
  const fs::path chip = scratch.path / "chip.txt";
  Outcome outcome;
  auto creator = Take(chip, &outcome);  // no file yet: the folder carries the lock
  ASSERT_EQ(outcome, Outcome::Held);
  EXPECT_FALSE(Take(chip, &outcome));
  EXPECT_EQ(outcome, Outcome::Busy);
  std::string reason;
  ASSERT_TRUE(ReplaceFile(chip.string(), "device 16F84\n", &reason)) << reason;
  creator.reset();

  auto holder = Take(chip, &outcome);
  ASSERT_EQ(outcome, Outcome::Held);
  // The holder replaces the file (as every save does): its lock goes with
  // the new file, and a newcomer must still wait for the holder.
  ASSERT_TRUE(ReplaceFile(chip.string(), "device 16F877\n", &reason, {.heldLock = holder.get()}))
      << reason;
  EXPECT_FALSE(Take(chip, &outcome));
  EXPECT_EQ(outcome, Outcome::Busy);
  holder.reset();
  EXPECT_TRUE(Take(chip, &outcome));
}

TEST(FileLockTest, AFolderThatIsNotThereIsAFailureNotAWait) {
  Outcome outcome;
  std::string reason;
  EXPECT_FALSE(FileLock::Acquire("/nonexistent-folder-lptpic/chip.txt", 10s, &outcome, &reason));
  EXPECT_EQ(outcome, Outcome::Failed);
  EXPECT_NE(reason.find("No such file"), std::string::npos) << reason;
}

}  // namespace
}  // namespace lpt::fileio
