// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli and the files it touches: a chip save that fails is reported
// (exit 2), files a command only read stay as they were, inputs that are no
// files are refused, standard streams work as "-", outputs that are no
// regular writable files are refused, incomplete downloads never reach the
// chip, a chip file in use waits and then exits 3, and SIGTERM stops a
// command with the adapter switched off (exit 130).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "fileio/file_lock.h"
#include "sim/chip_file.h"
#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::ChildLimits;
using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using ::testing::EndsWith;
using ::testing::HasSubstr;

class FileSafetyCli : public ::testing::Test {
 protected:
  CliRun Cli(const std::string& args) { return lpt::testing_files::RunCliIn(dir_, args); }
  lpt::testing_files::ChildRun Limited(const fs::path& dir, const std::string& args,
                                       const ChildLimits& limits) {
    return lpt::testing_files::RunCliLimited(dir, logs_, args, limits);
  }
  std::string Assemble(const std::string& stem, const fs::path& dir) {
    const std::string hex = (dir / (stem + ".hex")).string();
    const std::string command = "gpasm -a inhx8m -o '" + hex + "' '" LPTPIC_TEST_DATA "/hex/ops_" +
                                stem + ".asm' > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return hex;
  }
  void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  // A 16F877 programmed with the test image, with a comment of the user's.
  std::string ProgrammedChip(const fs::path& dir) {
    Assemble("16f877", dir);
    const CliRun run = lpt::testing_files::RunCliIn(
        dir, "-q --port sim:chip.txt --device 16F877 program 16f877.hex");
    EXPECT_EQ(run.code, 0) << run.err;
    std::ofstream(dir / "chip.txt", std::ios::app) << "# kept by hand\n";
    return ReadFile(dir / "chip.txt");
  }
  std::vector<std::string> Temporaries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.path().filename().string().find(".tmp") != std::string::npos)
        names.push_back(entry.path().filename().string());
    return names;
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_files_"};
  const fs::path& dir_ = scratch_.path;
  lpt::testing_files::ScratchDir logScratch_{"lptpic_cli_logs_"};
  const fs::path& logs_ = logScratch_.path;
};

TEST_F(FileSafetyCli, AChipThatCannotBeSavedIsReportedAndTheOldFileStays) {
  const std::string old = ProgrammedChip(dir_);
  const std::string sim = "-q --port sim:chip.txt --device 16F877 ";
  // A full disk: writes past 100 bytes fail (the message fits, the
  // programmed chip does not).
  auto run = Limited(dir_, sim + "--id 1234 program 16f877.hex", {.maxFileBytes = 100});
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("Cannot save chip file chip.txt: File too large."));
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), old);
  EXPECT_THAT(Temporaries(dir_), ::testing::IsEmpty());

  // A folder the user may not write: the chip file is the user's, the
  // folder is root's. Root would be let through, so the run drops to nobody.
  ASSERT_EQ(::chown((dir_ / "chip.txt").c_str(), lpt::testing_files::kNobody,
                    lpt::testing_files::kNobody),
            0);
  fs::permissions(dir_, fs::perms(0755));
  run = Limited(dir_, sim + "erase", {.dropToNobody = true});
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("Cannot save chip file chip.txt: Permission denied."));
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), old);
  EXPECT_EQ(Cli(sim + "verify 16f877.hex").code, 0) << "the chip is still the programmed one";
}

TEST_F(FileSafetyCli, CommandsThatOnlyReadTheChipLeaveItsFileByteForByte) {
  const std::string old = ProgrammedChip(dir_);
  for (const char* command : {"read", "read out.hex", "verify 16f877.hex", "blank", "probe"}) {
    SCOPED_TRACE(command);
    const CliRun run = Cli(std::string("-q --port sim:chip.txt --device 16F877 ") + command);
    EXPECT_NE(run.code, 2) << run.err;
    EXPECT_EQ(ReadFile(dir_ / "chip.txt"), old);
  }
}

TEST_F(FileSafetyCli, InputsThatAreNoRegularFilesAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo.hex").c_str(), 0644), 0);
  std::ofstream(dir_ / "huge.hex").close();
  fs::resize_file(dir_ / "huge.hex", (16u << 20) + 1);
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"dump /dev/zero", "Cannot open file \"/dev/zero\". Not a regular file"},
      {"dump fifo.hex", "Cannot open file \"fifo.hex\". Not a regular file"},
      {"dump huge.hex", "File too large (over 16 MB)."},
      {"--port sim:/dev/zero probe", "Chip file /dev/zero cannot be read: Not a regular file"},
      {"--port sim:fifo.hex probe", "Chip file fifo.hex cannot be read: Not a regular file"},
      {"-q --port sim program fifo.hex", "Not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.code, 2);
    EXPECT_THAT(run.err, HasSubstr(c.message));
  }
}

TEST_F(FileSafetyCli, ADashIsStandardInputOrOutput) {
  const std::string hex = Assemble("16f84", dir_);
  const CliRun fromFile = Cli("dump 16f84.hex");
  ASSERT_EQ(fromFile.code, 0) << fromFile.err;
  const CliRun fromStdin = Cli("dump - < 16f84.hex");
  EXPECT_EQ(fromStdin.code, 0) << fromStdin.err;
  EXPECT_EQ(fromStdin.out, fromFile.out);

  ASSERT_EQ(Cli("convert 16f84.hex written.hex").code, 0);
  const CliRun converted = Cli("convert 16f84.hex -");
  EXPECT_EQ(converted.code, 0) << converted.err;
  EXPECT_EQ(converted.out, ReadFile(dir_ / "written.hex"));

  ASSERT_EQ(Cli("-q --port sim:chip.txt program 16f84.hex").code, 0);
  const CliRun read = Cli("-q --port sim:chip.txt read -");
  EXPECT_EQ(read.code, 0) << read.err;
  EXPECT_EQ(read.out, converted.out) << "the chip read back is the file's image";
  EXPECT_FALSE(fs::exists(dir_ / "-"));
}

TEST_F(FileSafetyCli, OutputsThatAreNoRegularWritableFilesAreRefused) {
  Assemble("16f84", dir_);
  CliRun run = Cli("convert 16f84.hex /dev/null");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("Cannot create file \"/dev/null\". It is not a regular file"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  Write(dir_ / "locked.hex", "keep\n");
  fs::permissions(dir_ / "locked.hex", fs::perms(0444));
  run = Cli("convert 16f84.hex locked.hex");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("The file is read-only."));
  EXPECT_EQ(ReadFile(dir_ / "locked.hex"), "keep\n");

  // A link is followed and stays a link; a link planted where a temporary
  // file might go is never written through.
  Write(dir_ / "victim.txt", "victim\n");
  fs::create_symlink("victim.txt", dir_ / "out.hex.tmp");
  fs::create_symlink("real.hex", dir_ / "link.hex");
  run = Cli("convert 16f84.hex link.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.hex"));
  EXPECT_THAT(ReadFile(dir_ / "real.hex"), HasSubstr(":00000001FF"));
  ASSERT_EQ(Cli("convert 16f84.hex out.hex").code, 0);
  // The chip file's old fixed temporary name, planted as a link.
  fs::create_symlink("victim.txt", dir_ / "chip.txt.tmp");
  ASSERT_EQ(Cli("-q --port sim:chip.txt program 16f84.hex").code, 0);
  EXPECT_EQ(ReadFile(dir_ / "victim.txt"), "victim\n");
  EXPECT_TRUE(fs::is_symlink(dir_ / "chip.txt.tmp"));
}

TEST_F(FileSafetyCli, DownloadsWithoutDataOrEndRecordNeverReachTheChip) {
  const std::string old = ProgrammedChip(dir_);
  Write(dir_ / "empty.hex", "");
  Write(dir_ / "cut.hex", ":100000000428FF3FFF3FFF3F55308C00A3300428FA\n");
  Write(dir_ / "only_end.hex", ":00000001FF\n");
  struct Case {
    const char* command;
    const char* message;
  } cases[] = {
      {"program empty.hex", "empty.hex has no end-of-file record: it may be cut off"},
      {"program cut.hex", "cut.hex has no end-of-file record: it may be cut off"},
      {"program only_end.hex", "only_end.hex has no data records"},
      {"verify empty.hex", "empty.hex has no end-of-file record: it may be cut off"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    const CliRun run = Cli(std::string("-q --port sim:chip.txt --device 16F877 ") + c.command);
    EXPECT_EQ(run.code, 2);
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_EQ(ReadFile(dir_ / "chip.txt"), old) << "the programmed chip is not erased";
  }
}

// The 16F84 has 1K words of program memory (0-3FFh), 64 bytes of data
// EEPROM at file word 2100h and its configuration word at 2007h (gputils
// 16f84_g.lkr).
TEST_F(FileSafetyCli, FilesWithNothingForTheChipNeverEraseIt) {
  Assemble("16f84", dir_);
  ASSERT_EQ(Cli("-q --port sim:chip.txt program 16f84.hex").code, 0);
  const std::string old = ReadFile(dir_ / "chip.txt");
  constexpr const char* kEnd = ":00000001FF\n";
  const struct Case {
    const char* command;
    std::string text;
    const char* message;
  } cases[] = {
      {"program above.hex", std::string(":020000040001F9\n:020000003412B8\n") + kEnd,
       "above.hex holds no data for the 16F84 (data records: 1 above 64 KB)"},
      {"program empty.hex", std::string(":0000000000\n") + kEnd,
       "empty.hex holds no data for the 16F84 (data records: 1 empty)"},
      {"program outside.hex", std::string(":02200000341298\n") + kEnd,  // word 1000h
       "outside.hex holds no data for the 16F84 (data records: 1 outside its memories)"},
      {"program fuses.hex", std::string(":020000040001F9\n:02400E00F13F80\n") + kEnd,
       "fuses.hex holds no data for the 16F84 (data records: 1 above 64 KB)"},
      {"program segment.hex", std::string(":020000020001FB\n:020000003412B8\n") + kEnd,
       "HEX file \"segment.hex\", line 1: extended segment address 0001"},
      {"verify outside.hex", std::string(":02200000341298\n") + kEnd,
       "outside.hex holds no data for the 16F84"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    Write(dir_ / std::string(c.command).substr(std::string(c.command).find(' ') + 1), c.text);
    const CliRun run = Cli(std::string("-q --port sim:chip.txt ") + c.command);
    EXPECT_EQ(run.code, 2);
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_EQ(ReadFile(dir_ / "chip.txt"), old) << "the programmed chip is not erased";
  }
}

TEST_F(FileSafetyCli, CommandsThatOnlyReadANewChipFileNeverCreateIt) {
  for (const char* command : {"blank", "read", "probe"}) {
    SCOPED_TRACE(command);
    const CliRun run = Cli(std::string("-q --port sim:new.txt ") + command);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_FALSE(fs::exists(dir_ / "new.txt"));
  }
  // In a folder the user may not write (root would be let through, so the
  // run drops to nobody): a blank check is no save error.
  fs::permissions(dir_, fs::perms(0555));
  const auto run = Limited(dir_, "-q --port sim:new.txt blank", {.dropToNobody = true});
  fs::permissions(dir_, fs::perms(0755));
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
}

// That the run waits for the file first is shown by stopping it at its
// "lock" point (stop-signal tests) and by counting the lock's tries.
TEST_F(FileSafetyCli, AChipFileStillInUseAfterTheWaitExitsThree) {
  const std::string old = ProgrammedChip(dir_);
  lpt::fileio::FileLock::Outcome outcome;
  auto held = lpt::fileio::FileLock::Acquire((dir_ / "chip.txt").string(),
                                             std::chrono::milliseconds(0), &outcome, nullptr);
  ASSERT_TRUE(held);
  const CliRun run = Cli("-q --port sim:chip.txt --device 16F877 erase");
  EXPECT_EQ(run.code, 3);
  EXPECT_THAT(run.err, HasSubstr("chip file chip.txt is in use by another process"));
  EXPECT_EQ(ReadFile(dir_ / "chip.txt"), old);
}

TEST_F(FileSafetyCli, SigtermStopsBeforeTheNextWordSwitchesOffAndExits130) {
  Assemble("16f877", dir_);
  const std::string args =
      "-q --trace trace.txt --port sim:chip.txt --device 16F877 program 16f877.hex";
  // The run sends itself SIGTERM while its 1000th word is written.
  const pid_t pid = lpt::testing_files::StartCli(dir_, logs_, args, {.testSignal = "word:1000"});
  const auto run = lpt::testing_files::WaitCli(pid, logs_);
  EXPECT_EQ(run.code, 130);
  EXPECT_THAT(run.err, ::testing::StartsWith("Stopped by the user at address 03E7h.\n"));
  EXPECT_THAT(ReadFile(dir_ / "trace.txt"), EndsWith("W 0378 08\n")) << "switched off last";
  std::string why;
  EXPECT_TRUE(lpt::sim::LoadChipFile((dir_ / "chip.txt").string(), &why)) << why;
}

}  // namespace
