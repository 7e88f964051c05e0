// SPDX-License-Identifier: GPL-2.0-or-later
// What the reader refuses or ignores although a checksum would pass: non-hex
// characters, lines longer than any record, INHX32 addresses above 64 KB;
// what marks a file as incomplete; and the file-level limits (FIFOs,
// devices, sizes) and safe writing of the load and save flows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "fileio/bounded_read.h"
#include "hexfile/hex_file.h"
#include "support/hexfile_helpers.h"

namespace lpt {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing_hex::Chip;
using Status = HexLoadResult::Status;

constexpr const char* kEnd = ":00000001FF\n";

TEST(HexInputLimits, RecordsThatAreNoDataAreBadLinesWithTheirNumberAndReason) {
  constexpr const char* kNoDigits = "holds characters that are not hex digits";
  constexpr const char* kTooLong = "longer than any Intel HEX record (521 characters)";
  struct Case {
    const char* what;
    std::string text;
    int line;  // 0: loads
    const char* reason = "";
  } cases[] = {
      // Checksums hand-computed: two's complement of the byte sum.
      {"GGGG passes the checksum", ":02000000GGGGBC\n" + std::string(kEnd), 1, kNoDigits},
      {"lower-case digits are not digits here", ":020010003412A8\n:02000000ab0cCC\n", 2, kNoDigits},
      {"a digit in the address", ":1000G000" + std::string(32, 'F') + "00\n", 1, kNoDigits},
      {"longer than any record", ":020010003412A8\n:" + std::string(600, '0') + "\n", 2, kTooLong},
      {"a long line at the very end", ":" + std::string(522, '0'), 1, kTooLong},
      {"the longest record is still read", ":FF000000" + std::string(510, '0') + "01\n", 0},
      {"a text file", "Hello, world\n", 1, "not an Intel HEX record: it does not start with ':'"},
      {"a count past the line end", ":020010003412A8\n:FF000000FF\n", 2,
       "shorter than its byte count says"},
      {"a wrong checksum", ":02400E00F13F81\n", 1, "its checksum does not match its bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Chip chip("16F84");
    const HexLoadResult result = LoadHexText(c.text, chip.device, chip.buffers);
    if (c.line == 0) {
      EXPECT_EQ(result.status, Status::Ok) << result.message;
      continue;
    }
    EXPECT_EQ(result.status, Status::ChecksumError);
    EXPECT_EQ(result.message, "Error CheckSum on line " + std::to_string(c.line) + " !");
    EXPECT_EQ(result.detail, "line " + std::to_string(c.line) + ": " + c.reason);
    EXPECT_NE(chip.buffers.ProgramWord(0), "GGGG");
  }
}

TEST(HexInputLimits, AHugeLineIsRefusedWithoutOverflowingTheSum) {
  // 15 MB of non-digits count 17 + 16 * 17 = 289 a pair: 7.5 M pairs once
  // overflowed a signed sum (UBSan aborts the test program if it comes
  // back). Their sum is a multiple of 256, so the checksum itself passes.
  const std::string line = ":" + std::string(15u << 20, 'G');
  Chip chip("16F877");
  EXPECT_TRUE(CheckSum(line));
  const HexLoadResult result = LoadHexText(line + "\n" + kEnd, chip.device, chip.buffers);
  EXPECT_EQ(result.status, Status::ChecksumError);
  EXPECT_EQ(result.line, 1);
}

TEST(HexInputLimits, Inhx32RecordsAbove64KAreOutOfRangeNotWrapped) {
  Chip chip("16F877");
  const std::string text =
      ":020000040001F9\n"  // upper address 0001h: byte 10000h on
      ":02000000553079\n"  // would land on word 0 if wrapped
      ":020000040000FA\n"  // back to 0
      ":020002000A28CA\n"  // word 1 = 280Ah
      ":020000021000EC\n"  // segment 1000h: byte 10000h on again
      ":020010003412A8\n"  // word 8 stays blank
      + std::string(kEnd);
  const HexLoadResult result = LoadHexText(text, chip.device, chip.buffers);
  ASSERT_EQ(result.status, Status::Ok) << result.message;
  EXPECT_EQ(chip.buffers.ProgramWord(0), "3FFF");
  EXPECT_EQ(chip.buffers.ProgramWord(1), "280A");
  EXPECT_EQ(chip.buffers.ProgramWord(8), "3FFF");
  // The enhanced parts reach 10000h (configuration words at 1000Eh), no
  // further: a record at 2000Eh is counted out, not wrapped onto word 7.
  Chip enhanced("16F1827");
  const std::uint16_t fuses = enhanced.buffers.FuseWord;
  const HexLoadResult above = LoadHexText(":020000040002F8\n:02000E003412AA\n" + std::string(kEnd),
                                          enhanced.device, enhanced.buffers);
  EXPECT_EQ(above.recordsAbove64K, 1);
  EXPECT_EQ(enhanced.buffers.ProgramWord(7), "3FFF");
  EXPECT_EQ(enhanced.buffers.FuseWord, fuses);
}

// Lines are read by character positions. Where that reading would put data
// at an address the file does not mean, the line is refused with its number
// and why; every other oddity of such a reading places nothing wrongly and
// is read as before.
TEST(HexInputLimits, LinesWhoseReadingWouldMisplaceDataAreRefusedTheOthersRead) {
  const struct Case {
    const char* what;
    std::string text;
    int line;           // refused line; 0: loads
    const char* word8;  // program word 8 afterwards (where the data would go)
  } cases[] = {
      {"type 10 is no data record and would escape the 64 KB rule",
       ":020000040001F9\n:02001010341298\n", 2, "3FFF"},
      {"type 20 likewise", ":02001020341288\n", 1, "3FFF"},
      {"an extended linear address of 4 bytes would be skipped",
       ":0400000400010000F7\n:020010003412A8\n", 1, "3FFF"},
      {"an extended segment address of 0010h moves data by 100h bytes",
       ":020000020010EC\n:020010003412A8\n", 1, "3FFF"},
      // Kept: each places its bytes at the record's own address or nowhere.
      {"the start mark is not looked at", "X020010003412A8\n;020010003412A8\n", 0, "1234"},
      {"characters after the checksum", ":020010003412A800\n", 0, "1234"},
      {"an end record with a byte count ends the file", ":020010003412A8\n:020000010000FD\n", 0,
       "1234"},
      {"a start address record", ":0400000300003800C1\n:020010003412A8\n", 0, "1234"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Chip chip("16F877");
    const HexLoadResult result =
        LoadHexText(c.text + (c.line == 0 ? kEnd : ""), chip.device, chip.buffers);
    EXPECT_EQ(chip.buffers.ProgramWord(8), c.word8);
    if (c.line == 0) {
      EXPECT_EQ(result.status, Status::Ok) << result.message;
      continue;
    }
    EXPECT_NE(result.status, Status::Ok);
    EXPECT_EQ(result.line, c.line);
    EXPECT_THAT(result.message, ::testing::StartsWith("line " + std::to_string(c.line) + ": "));
  }
  // From a file, the message names it.
  testing_hex::ScratchDir scratch("lptpic_hexrecords_");
  const fs::path file = scratch.path / "f.hex";
  std::ofstream(file) << ":02001020341288\n" << kEnd;
  Chip chip("16F877");
  EXPECT_THAT(LoadHexFile(file.string(), chip.device, chip.buffers).message,
              ::testing::StartsWith("HEX file \"" + file.string() +
                                    "\", line 1: record type 20 is no data record"));
}

TEST(HexInputLimits, FilesWithoutDataOrEndRecordAreIncomplete) {
  struct Case {
    std::string text;
    const char* warning;  // empty: complete
  } cases[] = {
      {"", "f.hex has no end-of-file record: it may be cut off"},
      {":020000003412B8\n", "f.hex has no end-of-file record: it may be cut off"},
      {kEnd, "f.hex has no data records"},
      {":020000040000FA\n" + std::string(kEnd), "f.hex has no data records"},
      {":020000003412B8\n" + std::string(kEnd), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Chip chip("16F877");
    const HexLoadResult result = LoadHexText(c.text, chip.device, chip.buffers);
    ASSERT_EQ(result.status, Status::Ok);
    EXPECT_EQ(IncompleteHexWarning("f.hex", result), c.warning);
  }
}

TEST(HexInputLimits, OnlyRegularFilesOfSaneSizeAreLoadedAndBuffersStayOtherwise) {
  testing_hex::ScratchDir scratch("lptpic_hexlimits_");
  ASSERT_EQ(::mkfifo((scratch.path / "fifo.hex").c_str(), 0644), 0);
  const fs::path huge = scratch.path / "huge.hex";
  std::ofstream(huge).close();
  fs::resize_file(huge, fileio::kMaxInputBytes + 1);
  for (const std::string& path :
       {std::string("/dev/zero"), (scratch.path / "fifo.hex").string(), huge.string()}) {
    SCOPED_TRACE(path);
    Chip chip("16F84");
    chip.buffers.ProgramWord(0) = "1234";
    const HexLoadResult result = LoadHexFile(path, chip.device, chip.buffers);
    EXPECT_EQ(result.status, Status::FileError);
    EXPECT_THAT(result.message, HasSubstr("Cannot open file \"" + path + "\"."));
    EXPECT_EQ(chip.buffers.ProgramWord(0), "1234");
  }
}

TEST(HexInputLimits, SavingRefusesDevicesAndFollowsLinks) {
  testing_hex::ScratchDir scratch("lptpic_hexsave_");
  Chip chip("16F84");
  std::string error;
  EXPECT_FALSE(SaveHexFile("/dev/null", chip.device, chip.buffers, &error));
  EXPECT_THAT(error, HasSubstr("not a regular file"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  const fs::path real = scratch.path / "real.hex";
  std::ofstream(real) << "old";
  fs::create_symlink(real, scratch.path / "link.hex");
  ASSERT_TRUE(SaveHexFile((scratch.path / "link.hex").string(), chip.device, chip.buffers, &error))
      << error;
  EXPECT_TRUE(fs::is_symlink(scratch.path / "link.hex"));
  EXPECT_EQ(testing_hex::ReadFile(real), FormatHex(chip.device, chip.buffers));
}

}  // namespace
}  // namespace lpt
