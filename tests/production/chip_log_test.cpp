// SPDX-License-Identifier: GPL-2.0-or-later
// The chip log keeps whole lines: a record that cannot be written whole is
// not written at all, and a line an earlier run left unfinished is ended
// before the next record, so no record is glued to a fragment.
#include "production/chip_log.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>

#include "support/temp_dir.h"

namespace lpt {
namespace {

TEST(ChipLog, RecordsAreWholeOrNotThere) {
  const testing_files::ScratchDir dir("lptpic_chip_log_");
  const std::string path = (dir.path / "log.jsonl").string();
  const std::string record(300, 'x');
  std::ofstream(path) << "{\"a\":1}\n{\"cut";  // a run killed amid its line
  std::string error;
  ASSERT_TRUE(AppendChipLog(path, record + "\n", &error)) << error;
  EXPECT_EQ(testing_files::ReadFile(path), "{\"a\":1}\n{\"cut\n" + record + "\n");

  // Over the file-size limit the write is cut short: nothing of it stays.
  const std::string before = testing_files::ReadFile(path);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = before.size() + 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool appended = AppendChipLog(path, record + "\n", &error);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(appended);
  EXPECT_EQ(error, "Cannot write the log file " + path + ": File too large.");
  EXPECT_EQ(testing_files::ReadFile(path), before);
}

}  // namespace
}  // namespace lpt
