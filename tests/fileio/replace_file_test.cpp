// SPDX-License-Identifier: GPL-2.0-or-later
// Replacing a file: what the target may be, what survives the replacement,
// and that no failure (permission, full disk) leaves the target changed or
// a temporary file behind.
#include "fileio/replace_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace lpt::fileio {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing_files::ReadFile;

class ReplaceFileTest : public ::testing::Test {
 protected:
  fs::path Make(const std::string& name, const std::string& text, fs::perms mode) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, mode);
    return path;
  }
  // Every file of the folder but the ones named.
  std::vector<std::string> Others(std::initializer_list<std::string> known) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      const std::string name = entry.path().filename().string();
      if (std::find(known.begin(), known.end(), name) == known.end()) others.push_back(name);
    }
    return others;
  }

  testing_files::ScratchDir scratch_{"lptpic_replace_"};
  const fs::path& dir_ = scratch_.path;
};

TEST_F(ReplaceFileTest, NewAndExistingFilesGetTheTextAndKeepTheirPermissions) {
  std::string reason;
  ASSERT_TRUE(ReplaceFile((dir_ / "new.txt").string(), "fresh\n", &reason)) << reason;
  EXPECT_EQ(ReadFile(dir_ / "new.txt"), "fresh\n");

  for (fs::perms mode : {fs::perms(0640), fs::perms(0755), fs::perms(0600)}) {
    const fs::path path = Make("kept.txt", "old text, longer than the new one\n", mode);
    ASSERT_TRUE(ReplaceFile(path.string(), "new\n", &reason)) << reason;
    EXPECT_EQ(ReadFile(path), "new\n");
    EXPECT_EQ(fs::status(path).permissions(), mode);
  }
  EXPECT_TRUE(Others({"new.txt", "kept.txt"}).empty()) << "no temporary file stays";
}

TEST_F(ReplaceFileTest, ALinkIsFollowedAndStaysALink) {
  const fs::path target = Make("victim.txt", "old\n", fs::perms(0644));
  fs::create_directory(dir_ / "links");
  fs::create_symlink("../victim.txt", dir_ / "links" / "link.txt");
  std::string reason;
  ASSERT_TRUE(ReplaceFile((dir_ / "links" / "link.txt").string(), "through the link\n", &reason))
      << reason;
  EXPECT_TRUE(fs::is_symlink(dir_ / "links" / "link.txt"));
  EXPECT_EQ(ReadFile(target), "through the link\n");
  // The temporary file was made beside the file replaced, not the link.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "links"), fs::directory_iterator()), 1);
}

TEST_F(ReplaceFileTest, WhatIsNoRegularWritableFileIsRefusedAndLeftAlone) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  fs::create_directory(dir_ / "folder");
  const fs::path readOnly = Make("read_only.txt", "keep me\n", fs::perms(0444));
  fs::create_symlink(readOnly, dir_ / "link_to_read_only");
  struct Case {
    std::string path;
    const char* reason;
  };
  const Case cases[] = {
      {(dir_ / "fifo").string(), "not a regular file"},
      {(dir_ / "folder").string(), "not a regular file"},
      {"/dev/null", "not a regular file"},
      {readOnly.string(), "is read-only"},
      {(dir_ / "link_to_read_only").string(), "is read-only"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::string reason;
    EXPECT_FALSE(ReplaceFile(c.path, "text\n", &reason));
    EXPECT_THAT(reason, HasSubstr(c.reason));
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(ReadFile(readOnly), "keep me\n");
  EXPECT_TRUE(fs::is_fifo(dir_ / "fifo"));
  EXPECT_TRUE(Others({"fifo", "folder", "read_only.txt", "link_to_read_only"}).empty());
}

TEST_F(ReplaceFileTest, AFullDiskOrAReadOnlyFolderLeavesTheOldFileAndNoTemporary) {
  const fs::path path = Make("chip.txt", "old\n", fs::perms(0666));
  const std::string big(64 * 1024, 'x');
  // RLIMIT_FSIZE makes the write fail as a full disk does (EFBIG).
  const int fullDisk = testing_files::RunInChild({.maxFileBytes = 1024}, [&] {
    std::string reason;
    return !ReplaceFile(path.string(), big, &reason) &&
                   reason.find("too large") != std::string::npos
               ? 0
               : 1;
  });
  EXPECT_EQ(fullDisk, 0);
  // An unprivileged user in a folder it may not write (as root this would
  // succeed, so the child drops to nobody).
  fs::permissions(dir_, fs::perms(0755));
  const int readOnlyFolder = testing_files::RunInChild({.dropToNobody = true}, [&] {
    std::string reason;
    return !ReplaceFile(path.string(), "new\n", &reason) &&
                   reason.find("Permission denied") != std::string::npos
               ? 0
               : 1;
  });
  EXPECT_EQ(readOnlyFolder, 0);
  EXPECT_EQ(ReadFile(path), "old\n");
  EXPECT_TRUE(Others({"chip.txt"}).empty());
}

TEST_F(ReplaceFileTest, StaleTemporariesGoOnlyWhenAskedAndOnlyTheTargetsOwn) {
  const fs::path path = Make("chip.txt", "old\n", fs::perms(0644));
  Make(".chip.txt.abcd1234.tmp", "left by a killed run", fs::perms(0600));
  Make(".other.txt.abcd1234.tmp", "another file's", fs::perms(0600));
  Make("chip.txt.tmp", "not one of ours", fs::perms(0600));
  EXPECT_TRUE(IsTemporaryNameOf("chip.txt", ".chip.txt.abcd1234.tmp"));
  EXPECT_FALSE(IsTemporaryNameOf("chip.txt", "chip.txt.tmp"));

  std::string reason;
  ASSERT_TRUE(ReplaceFile(path.string(), "one\n", &reason)) << reason;
  EXPECT_TRUE(fs::exists(dir_ / ".chip.txt.abcd1234.tmp")) << "kept without the option";
  ASSERT_TRUE(ReplaceFile(path.string(), "two\n", &reason, {.removeStaleTemporaries = true}));
  EXPECT_FALSE(fs::exists(dir_ / ".chip.txt.abcd1234.tmp"));
  EXPECT_TRUE(fs::exists(dir_ / ".other.txt.abcd1234.tmp"));
  EXPECT_TRUE(fs::exists(dir_ / "chip.txt.tmp"));
  EXPECT_EQ(ReadFile(path), "two\n");
}

}  // namespace
}  // namespace lpt::fileio

namespace lpt::fileio {
namespace {

TEST(CanCreateFileIn, TriesWithAFileOfItsOwnAndLeavesNothing) {
  testing_files::ScratchDir scratch("lptpic_probe_");
  EXPECT_TRUE(CanCreateFileIn(scratch.path.string()));
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path));
  EXPECT_FALSE(CanCreateFileIn((scratch.path / "missing").string()));
  std::filesystem::permissions(scratch.path, std::filesystem::perms(0755));
  EXPECT_EQ(
      testing_files::RunInChild({.dropToNobody = true},
                                [&] { return CanCreateFileIn(scratch.path.string()) ? 1 : 0; }),
      0);
}

}  // namespace
}  // namespace lpt::fileio
