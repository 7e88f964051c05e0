// SPDX-License-Identifier: GPL-2.0-or-later
// The documented record examples, read and written, as one table each.
#include <gtest/gtest.h>

#include <algorithm>

#include "devices/family.h"
#include "hexfile/hex_file.h"
#include "hexfile/hex_record.h"
#include "support/hexfile_helpers.h"

namespace lpt {
namespace {

using testing_hex::Chip;

// The cells from `first` on, as many as `expected` lists, space separated.
template <typename Cell>
std::string Cells(const std::string& expected, int first, Cell cell) {
  std::string got;
  const auto count = std::count(expected.begin(), expected.end(), ' ') + !expected.empty();
  for (int a = first; a < first + count; ++a) got += (got.empty() ? "" : " ") + cell(a);
  return got;
}

// Cells are pre-filled with "0000"/"000"/"00" so that a record writing the
// blank value is seen to write it.
TEST(HexRecordExamples, DecodeIntoCells) {
  struct Case {
    const char* device;
    const char* line;
    int program;        // word address to check, -1 none
    const char* cells;  // expected texts from there on, space separated
    int data;           // EEPROM address to check, -1 none
    const char* bytes;
    int fuse;  // expected FuseWord, -1 = untouched
  } cases[] = {
      {"16F84", ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11", 0,
       "2805 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 0000", -1, "", -1},
      {"16F84", ":02400E00F13F80", 0, "0000", -1, "", 0x3FF1},
      {"12C508", ":021FFE00EA0FE8", 0, "000", -1, "", 0x0FEA},
      {"16F84", ":104200000500FF00FF00FF00FF00FF00FF00FF00B0", 0, "0000", 0,
       "05 FF FF FF FF FF FF FF 00", -1},
      {"16F84", ":04000E000528FF3F83", 6, "0000 2805 3FFF 0000", -1, "", -1},  // across a row end
      {"12C509", ":02000000250ACF", 0, "A25 000", -1, "", -1},
      // FFFFh fill: only bits 13..0 exist in a 14-bit word, 11..0 in a 12-bit one.
      {"16F84", ":02000000FFFF00", 0, "3FFF 0000", -1, "", -1},
      {"16F877", ":040000000528FFFFD1", 0, "2805 3FFF 0000", -1, "", -1},
      {"16F84", ":02000100FF00FE", 0, "3F00 0000", -1, "", -1},  // a lone high byte
      {"12C508", ":02000000FFFF00", 0, "FFF 000", -1, "", -1},
      {"16F84", ":02400E00FFFFB2", 0, "0000", -1, "", 0x3FFF},
      {"12C508", ":021FFE00FFFFE3", 0, "000", -1, "", 0x0FFF},
      {"16F84", ":020000040000FA", 0, "0000", -1, "", -1},  // INHX32 address record: skipped
      {"16C61", ":02420000AB0011", 0, "0000", -1, "", -1},  // EEPROM record, no EEPROM
      // ID locations and the configuration word in one record.
      {"16F84", ":10400000010002000300040000000000FFFFF13F78", 0, "0000", -1, "", 0x3FF1},
      // Odd count: the lone last byte is the low half of its word.
      {"16F84", ":03000000052807C9", 0, "2805 0007 0000", -1, "", -1},
      // Odd address: the first byte is the high half of word 0 (bits 13..8 kept).
      {"16F84", ":02000100AB1240", 0, "2B00 0012 0000", -1, "", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.device) + " " + c.line);
    Chip chip(c.device);
    const std::string zero = IsWord12Family(chip.device.family) ? "000" : "0000";
    for (int a = 0; a < 8 * chip.device.programRows; ++a) chip.buffers.ProgramWord(a) = zero;
    for (int a = 0; a < 8 * chip.device.dataRows; ++a) chip.buffers.DataByte(a) = "00";
    chip.buffers.FuseWord = 0x1234;
    bool fuseSet = false;
    EXPECT_TRUE(CheckSum(c.line));
    EXPECT_TRUE(ApplyHexRecord(c.line, chip.device, chip.buffers, &fuseSet));
    EXPECT_EQ(Cells(c.cells, c.program, [&](int a) { return chip.buffers.ProgramWord(a); }),
              c.cells);
    EXPECT_EQ(Cells(c.bytes, c.data, [&](int a) { return chip.buffers.DataByte(a); }), c.bytes);
    EXPECT_EQ(chip.buffers.FuseWord, c.fuse >= 0 ? c.fuse : 0x1234);
    EXPECT_EQ(fuseSet, c.fuse >= 0);
  }
}

TEST(HexRecordExamples, ChecksumAndEndRecord) {
  EXPECT_TRUE(CheckSum(":020000040000FA"));
  EXPECT_FALSE(CheckSum(":020000040000fa"));   // lower case is no hex digit
  EXPECT_FALSE(CheckSum(":02400E00F13F80 "));  // trailing blank
  EXPECT_FALSE(CheckSum(":02400E00F13F81"));
  Chip chip("16F84");
  EXPECT_FALSE(ApplyHexRecord(":00000001FF", chip.device, chip.buffers));
  // Too short for its byte count: nothing is read past the end, nothing changes.
  for (const char* line : {"", ":", ":0400000005", ":04000000052807"}) {
    EXPECT_TRUE(ApplyHexRecord(line, chip.device, chip.buffers)) << line;
    EXPECT_EQ(chip.buffers.ProgramWord(0), "3FFF") << line;
  }
  const HexLoadResult r = LoadHexText(":020000040000fa\r\n", chip.device, chip.buffers);
  EXPECT_EQ(r.status, HexLoadResult::Status::ChecksumError);
  EXPECT_EQ(r.message, "Error CheckSum on line 1 !");
}

TEST(HexRecordExamples, WrittenTexts) {
  Chip f84("16F84");
  f84.buffers.ProgramWord(0) = "2805";
  f84.buffers.FuseWord = 0x3FF1;
  f84.buffers.DataByte(0) = "05";
  EXPECT_EQ(FormatHex(f84.device, f84.buffers),
            ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11\r\n:02400E00F13F80\r\n"
            ":104200000500FF00FF00FF00FF00FF00FF00FF00B0\r\n:00000001FF\r\n");
  Chip c61("16C61");
  EXPECT_EQ(FormatHex(c61.device, c61.buffers), ":02400E00FF3F72\r\n:00000001FF\r\n");
  Chip c508("12C508");
  c508.buffers.FuseWord = 0x0FEA;
  c508.buffers.ProgramWord(9) = "A25";
  EXPECT_EQ(FormatHex(c508.device, c508.buffers),
            ":10001000FF0F250AFF0FFF0FFF0FFF0FFF0FFF0F4F\r\n:021FFE00EA0FE8\r\n:00000001FF\r\n");
  Chip f877("16F877");
  f877.buffers.DataByte(255) = "7E";
  f877.buffers.ProgramWord(8191) = "3fff";  // not blank: compared as text
  const std::string text = FormatHex(f877.device, f877.buffers);
  EXPECT_NE(text.find(":103FF000FF3FFF3FFF3FFF3FFF3FFF3FFF3Fff3f"), std::string::npos) << text;
  EXPECT_NE(text.find(":1043F000FF00FF00FF00FF00FF00FF00FF007E00"), std::string::npos) << text;
}

}  // namespace
}  // namespace lpt
