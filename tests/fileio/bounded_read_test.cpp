// SPDX-License-Identifier: GPL-2.0-or-later
// Reading input files: only regular files, never more than the limit, and
// never a wait on a FIFO or a device.
#include "fileio/bounded_read.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace lpt::fileio {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

TEST(BoundedRead, RegularFilesUpToTheLimitAreReadWhole) {
  testing_files::ScratchDir scratch("lptpic_read_");
  const fs::path path = scratch.path / "in.hex";
  std::ofstream(path, std::ios::binary) << std::string(100, 'a') << '\0' << "end";
  std::string content, reason;
  ASSERT_TRUE(ReadWholeFile(path.string(), 104, &content, &reason)) << reason;
  EXPECT_EQ(content.size(), 104u);
  EXPECT_EQ(content.substr(100), std::string("\0end", 4));

  EXPECT_FALSE(ReadWholeFile(path.string(), 103, &content, &reason));
  EXPECT_THAT(reason, HasSubstr("too large"));
  EXPECT_TRUE(content.empty());
}

TEST(BoundedRead, DevicesFifosFoldersAndMissingFilesAreRefusedAtOnce) {
  testing_files::ScratchDir scratch("lptpic_read_");
  ASSERT_EQ(::mkfifo((scratch.path / "fifo").c_str(), 0644), 0);
  // A 17 MB file that takes no space: over the limit by its size alone.
  const fs::path huge = scratch.path / "huge.hex";
  std::ofstream(huge).close();
  fs::resize_file(huge, kMaxInputBytes + 1);
  struct Case {
    std::string path;
    const char* reason;
  };
  const Case cases[] = {
      {"/dev/zero", "Not a regular file"},
      {(scratch.path / "fifo").string(), "Not a regular file"},  // no writer: would block
      {scratch.path.string(), "Not a regular file"},
      {"/dev/../etc/../dev/null", "Not a regular file"},
      {huge.string(), "File too large (over 16 MB)"},
      {(scratch.path / "missing.hex").string(), "No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::string content = "untouched", reason;
    EXPECT_FALSE(ReadWholeFile(c.path, kMaxInputBytes, &content, &reason));
    EXPECT_THAT(reason, HasSubstr(c.reason));
  }
}

}  // namespace
}  // namespace lpt::fileio
