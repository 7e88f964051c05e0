// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli's device commands as a user runs them: separate processes on a
// simulated chip that lives in a file, exit codes and messages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

using lpt::testing_files::CliRun;

class DeviceOpsCli : public ::testing::Test {
 protected:
  // Runs the built lptpic-cli with `args` in the temp dir.
  CliRun Cli(const std::string& args) { return lpt::testing_files::RunCliIn(dir_, args); }

  // tests/data/hex/ops_<stem>.asm assembled by gpasm into the temp dir.
  std::string Assemble(const std::string& stem) {
    const std::string hex = (dir_ / (stem + ".hex")).string();
    const std::string command = "gpasm -a inhx8m -o '" + hex + "' '" LPTPIC_TEST_DATA "/hex/ops_" +
                                stem + ".asm' > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "gpasm failed on ops_" << stem << ".asm";
    return hex;
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_ops_"};
  const fs::path& dir_ = scratch_.path;
};

TEST_F(DeviceOpsCli, ProgramThenVerifyBlankAndEraseInNewProcesses) {
  Assemble("16f877");
  const std::string sim = "-q --port sim:chip.txt --device 16F877 ";
  CliRun run = Cli(sim + "program 16f877.hex");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(fs::exists(dir_ / "chip.txt")) << "the chip is saved after the command";

  run = Cli(sim + "verify 16f877.hex");
  EXPECT_EQ(run.code, 0) << run.err;

  run = Cli(sim + "blank");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("Program Memory is not blank"));

  // The chip was read back as programmed, in the dump format.
  run = Cli(sim + "read");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("device 16F877\nfuses 3F71\nid FFFF\nprogram\n000 2804"));
  EXPECT_THAT(run.out, HasSubstr("\ndata\n00 05 A5 00 7E FF FF FF FF\n"));

  run = Cli(sim + "erase");
  EXPECT_EQ(run.code, 0) << run.err;
  run = Cli(sim + "blank");
  EXPECT_EQ(run.code, 0) << run.err;
}

TEST_F(DeviceOpsCli, ReadToFileSavesWhatReadPrints) {
  Assemble("16f84");
  const std::string sim = "-q --port sim:chip.txt --id 12 ";
  ASSERT_EQ(Cli(sim + "program 16f84.hex").code, 0);
  const CliRun printed = Cli(sim + "read");
  ASSERT_EQ(printed.code, 0) << printed.err;
  EXPECT_THAT(printed.out, HasSubstr("id FF12\n"));
  ASSERT_EQ(Cli(sim + "read back.hex").code, 0);
  // The saved file holds the same buffers (the ID is no part of a file).
  const CliRun dumped = Cli("--id 12 dump back.hex");
  ASSERT_EQ(dumped.code, 0) << dumped.err;
  EXPECT_EQ(dumped.out, printed.out);
}

TEST_F(DeviceOpsCli, FailuresAndBadInputGiveTheirExitCodes) {
  Assemble("16f84");
  const std::string sim = "-q --port sim:chip.txt ";
  // A verify against a blank chip fails on program memory.
  CliRun run = Cli(sim + "verify 16f84.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("Error verify Program Memory!"));

  // Only fuses and ID: program memory stays blank, so Verify still fails there.
  ASSERT_EQ(Cli(sim + "program 16f84.hex --only fuses").code, 0);
  EXPECT_EQ(Cli(sim + "verify 16f84.hex").code, 1);

  // A broken file touches nothing: the chip is still blank in program memory.
  Write("bad.hex", ":020000000428D3\n:00000001FF\n");
  run = Cli(sim + "erase");
  ASSERT_EQ(run.code, 0) << run.err;
  run = Cli(sim + "program bad.hex");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("Error CheckSum on line 1 !\nHEX file \"bad.hex\", line 1: its "
                                 "checksum does not match its bytes\n"));
  EXPECT_EQ(Cli(sim + "blank").code, 0);

  EXPECT_EQ(Cli(sim + "program missing.hex").code, 2);
  EXPECT_EQ(Cli(sim + "program 16f84.hex --only everything").code, 2);
  EXPECT_EQ(Cli(sim + "read no_such_dir/out.hex").code, 2);
}

// A 12F675 whose calibration word will not take its write-back: the
// program goes on to its end and still exits 1, with the message.
TEST_F(DeviceOpsCli, AChipThatLostItsCalibrationIsNoSuccess) {
  Assemble("12f675");
  const std::string sim = "-q --port sim:chip.txt --device 12F629/675 ";
  ASSERT_EQ(Cli(sim + "program 12f675.hex").code, 0) << "a chip file, its calibration word kept";
  std::ofstream(dir_ / "chip.txt", std::ios::app) << "fault never-programs program 03FF\n";
  CliRun run = Cli(sim + "program 12f675.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "Error OscCal!\n");
  run = Cli(sim + "verify 12f675.hex");
  EXPECT_EQ(run.code, 0) << "the rest was programmed: " << run.err;
}

// A 10F200 file whose OSCCAL word (0FFh: MOVLW 12h) differs from the
// chip's: Program All keeps the chip's and says so; --overwrite-osccal
// writes the file's, and the chip's stays in the backup at 104h.
TEST_F(DeviceOpsCli, OsccalIsKeptUnlessOverwritingIsAskedFor) {
  Write("osccal.hex", ":020000000A0AEA\n:0201FE00120CE1\n:00000001FF\n");
  const std::string sim = "-q --port sim:chip.txt --device 10F200 ";
  CliRun run = Cli(sim + "program osccal.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err,
            "OSCCAL kept: the chip's C80 stays at 0FFh; the file's C12 was not written.\n");
  EXPECT_THAT(Cli(sim + "read").out, HasSubstr("\n0F8 FFF FFF FFF FFF FFF FFF FFF C80\n"));

  run = Cli(sim + "program --overwrite-osccal osccal.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("OSCCAL written from the file: C12 at 0FFh"));
  EXPECT_THAT(Cli(sim + "read").out, HasSubstr("\n0F8 FFF FFF FFF FFF FFF FFF FFF C12\n"));
  EXPECT_THAT(lpt::testing_files::ReadFile(dir_ / "chip.txt"),
              HasSubstr("config 0FFF 0FFF 0FFF 0FFF 0C80 "));
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// 2805h at word 01A3h (byte address 0346h), written by hand.
constexpr const char* kOneWordHex = ":02034600052888\n:00000001FF\n";

TEST_F(DeviceOpsCli, VerifyNamesTheFirstDifferenceAfterItsMessage) {
  Write("one.hex", kOneWordHex);
  const std::string sim = "-q --port sim:chip.txt --id FFFF ";
  ASSERT_EQ(Cli(sim + "program one.hex").code, 0);
  // The chip's word changes behind the program's back.
  std::string chip = ReadText(dir_ / "chip.txt");
  const auto at = chip.find("2805");
  ASSERT_NE(at, std::string::npos) << chip;
  chip.replace(at, 4, "2804");
  Write("chip.txt", chip);

  CliRun run = Cli(sim + "verify one.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("Error verify Program Memory!\n"
                                 "Program memory 01A3h: expected 2805, read 2804\n"));
  run = Cli(sim + "blank");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("Program Memory is not blank\n"
                                 "Program memory 01A3h: expected 3FFF, read 2804\n"));
}

TEST_F(DeviceOpsCli, VerifyComparesTheIdOnlyWhenGiven) {
  Write("one.hex", kOneWordHex);
  const std::string sim = "-q --port sim:chip.txt ";
  ASSERT_EQ(Cli(sim + "--id 1234 program one.hex").code, 0);

  CliRun run = Cli(sim + "--trace without.txt verify one.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("The ID is not compared: give --id to compare it."));
  run = Cli(sim + "--id 1234 --trace with.txt verify one.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, Not(HasSubstr("not compared")));
  const std::string trace = ReadText(dir_ / "with.txt");
  EXPECT_FALSE(trace.empty());
  EXPECT_EQ(ReadText(dir_ / "without.txt"), trace) << "the ID words are read all the same";

  run = Cli(sim + "--id 1235 verify one.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("Error verify ID!\nID 2003h: expected 5, read 4\n"));
}

// The global options may come after the command and its file as well.
TEST_F(DeviceOpsCli, GlobalOptionsMayFollowTheCommand) {
  Write("one.hex", kOneWordHex);
  ASSERT_EQ(Cli("-q program one.hex --port sim:chip.txt --id 1234").code, 0);
  const struct {
    const char* args;
    int code;
  } cases[] = {
      {"--port sim:chip.txt verify one.hex --id 1234", 0},
      {"verify one.hex --id 1235 -q --port sim:chip.txt", 1},
      {"verify --port sim:chip.txt one.hex --id=1234 --device 16F84", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_THAT(run.err, Not(HasSubstr("not compared")));
  }
}

// A 16F84 file with one word past its 1024 (0400h) and the ID words
// 1, 2, 3, 4 at 2000h: neither reaches the chip unless asked for.
TEST_F(DeviceOpsCli, WordsOfTheFileThatDoNotReachTheChipAreTold) {
  Write("big.hex", ":020000002528B1\n:020800001111D4\n:084000000100020003000400AE\n:00000001FF\n");
  const std::string sim = "-q --port sim:chip.txt ";
  constexpr const char* kUnheld =
      "big.hex holds 1 word the 16F84 cannot hold: program memory 0400h\n";
  CliRun run = Cli(sim + "program big.hex");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr(std::string(kUnheld) + "Nothing written: give --allow-truncated"));
  EXPECT_FALSE(fs::exists(dir_ / "chip.txt")) << "the chip was not touched";
  run = Cli(sim + "--json program big.hex");
  EXPECT_THAT(run.out, HasSubstr("\"ranges_not_held\":[\"0400h\"]"));
  EXPECT_THAT(run.out, HasSubstr("\"words_not_held\":1"));

  run = Cli(sim + "program --allow-truncated big.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("The file's user ID 1234 was not written; use --id-from-file to "
                                 "write it\n"));
  run = Cli(sim + "verify big.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr(kUnheld));
  EXPECT_THAT(Cli(sim + "read").out, HasSubstr("\nid FFFF\n"));

  ASSERT_EQ(Cli(sim + "--id-from-file program --allow-truncated big.hex").code, 0);
  EXPECT_THAT(Cli(sim + "read").out, HasSubstr("\nid 1234\n"));
  EXPECT_EQ(Cli(sim + "--id-from-file verify big.hex").code, 0);
  Write("one.hex", kOneWordHex);
  run = Cli(sim + "--id-from-file program one.hex");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("The file holds no user ID"));
}

// A 16F84 programmed with CP on (configuration 000Fh, p16f84.inc's
// _CP_ON) reads its program memory as zeros.
TEST_F(DeviceOpsCli, AProtectedChipIsToldInReadAndVerify) {
  Write("cp.hex", ":020000002528B1\n:02400E000F00A1\n:00000001FF\n");
  const std::string sim = "-q --port sim:chip.txt ";
  ASSERT_EQ(Cli(sim + "program cp.hex").code, 0);
  constexpr const char* kProtected = "The chip is code-protected: program memory reads as 0000\n";
  CliRun run = Cli(sim + "read zeros.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr(kProtected));
  EXPECT_FALSE(fs::exists(dir_ / "zeros.hex"));
  run = Cli(sim + "read --allow-protected zeros.hex");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr(kProtected));
  run = Cli(sim + "verify cp.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr(std::string("Error verify Program Memory!\n") + kProtected));
}

// A program refused before anything was written prints no summary line.
TEST_F(DeviceOpsCli, ARefusedProgramPrintsNoSummary) {
  Write("chip.txt", "# lptpic simulated chip\ndevice 16F887\n");
  Write("one.hex", kOneWordHex);
  const CliRun run = Cli("-q --port sim:chip.txt --device 16F886 program one.hex");
  EXPECT_EQ(run.code, 1);
  EXPECT_THAT(run.err, HasSubstr("The chip is a 16F887, not the selected 16F886."));
  EXPECT_EQ(run.out, "");
}

// A file that fills unused program memory with FFFFh programs: the fill
// loads as the blank word.
TEST_F(DeviceOpsCli, FilledFileLoadsBlankWordsAndPrograms) {
  Write("filled.hex", ":040000000528FFFFD1\n:00000001FF\n");
  for (const std::string device : {"16F84", "16F877"}) {
    CliRun run = Cli("--device " + device + " dump filled.hex");
    EXPECT_THAT(run.out, HasSubstr("\nprogram\n000 2805 3FFF 3FFF ")) << device;
    run = Cli("-q --port sim --device " + device + " program filled.hex");
    EXPECT_EQ(run.code, 0) << device << ": " << run.err;
  }
}

TEST_F(DeviceOpsCli, CommandsTheDeviceDoesNotOfferAreRefused) {
  CliRun run = Cli("-q --port sim --device 12C508 erase");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("Erase is not offered for 12C508."));
  Assemble("16f628a");
  run = Cli("-q --port sim --device 16F628A program 16f628a.hex --only data");
  EXPECT_EQ(run.code, 2);
  EXPECT_THAT(run.err, HasSubstr("Program only Data memory is not offered for 16F628A."));
}

TEST_F(DeviceOpsCli, MissingAdapterExitsThreeWithItsMessage) {
  for (const char* command : {"read", "blank", "erase"}) {
    const CliRun run = Cli(std::string("-q --port /dev/lptpic-no-such-port ") + command);
    EXPECT_EQ(run.code, 3) << command;
    EXPECT_THAT(run.err, HasSubstr("Device is not found !")) << command;
  }
}

}  // namespace

namespace {

// --timing: both profiles program and verify; the datasheet one waits the
// 16F87x's 4 ms after a program-only write and 8 ms after the other writes
// where the standard one waits 20 ms; an unknown profile is bad usage.
class TimingCli : public DeviceOpsCli {};

TEST_F(TimingCli, DatasheetProfileProgramsWithShorterWaits) {
  Assemble("16f877");
  const auto count = [](const std::string& text, const std::string& line) {
    std::size_t n = 0;
    for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
      ++n;
    return n;
  };
  for (const char* profile : {"standard", "datasheet"}) {
    SCOPED_TRACE(profile);
    const std::string chip = std::string(profile) + ".txt";
    const std::string sim = "-q --port sim:" + chip + " --device 16F877 --timing " + profile;
    CliRun run = Cli(sim + " --trace " + profile + ".trace program 16f877.hex");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Cli(sim + " verify 16f877.hex").code, 0);
    const std::string trace =
        lpt::testing_files::ReadFile(dir_ / (std::string(profile) + ".trace"));
    const bool datasheet = std::string(profile) == "datasheet";
    // The image: 8 non-blank program words, 4 data bytes, then 4 ID words,
    // the configuration word and the 2 setup-erase cycles before programming.
    EXPECT_EQ(count(trace, "\nM 4\n"), datasheet ? 8u : 0u);
    EXPECT_EQ(count(trace, "\nM 8\n"), datasheet ? 4u + 4u + 1u : 0u);
    EXPECT_EQ(count(trace, "\nM 20\n"), datasheet ? 0u : 8u + 4u + 4u + 1u + 2u);
  }
  const CliRun bad = Cli("-q --port sim --timing fast blank");
  EXPECT_EQ(bad.code, 2);
}

}  // namespace
