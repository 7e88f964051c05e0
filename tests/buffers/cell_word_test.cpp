// SPDX-License-Identifier: GPL-2.0-or-later
// What a cell's text sends to the chip and which read-back verifies it. The
// expected words follow from the frame: a 14-bit field, least significant
// bit first, filled from the text's digits as written; a character that is
// not one of 0-9 A-F contributes no bits, and a text of the wrong width none
// at all. Only an exact upper-case spelling can ever compare equal.
#include "buffers/cell_word.h"

#include <gtest/gtest.h>

#include <string>

#include "buffers/edit_buffers.h"

namespace lpt {
namespace {

struct Case {
  std::string text;
  std::uint16_t sent;
  bool verifies;  // a read-back of `sent` matches the cell
};

void ExpectCell(const CellWord& word, const Case& c) {
  EXPECT_EQ(word.value, c.sent);
  EXPECT_EQ(word.Matches(c.sent), c.verifies);
  EXPECT_FALSE(word.Matches(c.sent ^ 0x0001)) << "only the word itself";
}

TEST(CellWord, ProgramWordsOfFourteenBits) {
  const Case cases[] = {
      {"3FFF", 0x3FFF, true},
      {"2805", 0x2805, true},
      {"0000", 0x0000, true},
      {"FFFF", 0x3FFF, false},  // bits 15 and 14 are not sent
      {"C001", 0x0001, false},
      {"4000", 0x0000, false},
      {"3fff", 0x3000, false},  // lower-case letters are no hex digits
      {"12G4", 0x1204, false},
      {" 123", 0x0123, false},
      {std::string("12\0"
                   "4",
                   4),
       0x1204, false},
      {"3FF", 0x0000, false},  // a text of another width sends zeros
      {"03FFF", 0x0000, false},
      {"", 0x0000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    ExpectCell(ProgramCellWord(c.text, Family::Pic16F84), c);
  }
  // Each digit gives its four bits, most significant first.
  const std::string digits = "0123456789ABCDEF";
  for (unsigned v = 0; v < 16; ++v)
    EXPECT_EQ(ProgramCellWord("000" + digits.substr(v, 1), Family::Pic16F87xA).value, v);
  for (char c : std::string("abcdefG/:@ \x7f", 12))
    EXPECT_EQ(ProgramCellWord(std::string("111") + c, Family::Pic16F87xA).value, 0x1110) << int(c);
}

TEST(CellWord, ProgramWordsOfTwelveBits) {
  const Case cases[] = {
      {"FFF", 0x0FFF, true},  {"ABC", 0x0ABC, true},  {"00F", 0x000F, true},
      {"fff", 0x0000, false}, {"G12", 0x0012, false}, {"0FFF", 0x0000, false},
      {"FF", 0x0000, false},  {"", 0x0000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    ExpectCell(ProgramCellWord(c.text, Family::Pic12C50x), c);
  }
}

TEST(CellWord, DataBytes) {
  const Case cases[] = {
      {"FF", 0xFF, true},  {"A5", 0xA5, true}, {"00", 0x00, true},   {"a5", 0x05, false},
      {"G0", 0x00, false}, {"F", 0x00, false}, {"FFF", 0x00, false}, {"", 0x00, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    ExpectCell(DataCellWord(c.text), c);
  }
}

TEST(CellWord, IdWordsAreTheDigitUnderTheirHighBits) {
  // Digits "1", "a", "F" and a missing fourth: 3FF0h plus the digit, the
  // digit alone on 12-bit parts; a missing digit sends 0000h.
  const std::string digits = "1aF";
  const std::uint16_t sent14[] = {0x3FF1, 0x3FF0, 0x3FFF, 0x0000};
  const std::uint16_t sent12[] = {0x0001, 0x0000, 0x000F, 0x0000};
  const bool verifies[] = {true, false, true, false};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const CellWord id14 = IdCellWord(digits, i, Family::Pic16F84);
    const CellWord id12 = IdCellWord(digits, i, Family::Pic16C505);
    EXPECT_EQ(id14.value, sent14[i]);
    EXPECT_EQ(id12.value, sent12[i]);
    // Only the low digit of the ID word read back is compared.
    EXPECT_EQ(id14.MatchesLowDigit(0x0000 | (sent14[i] & 0xF)), verifies[i]);
    EXPECT_EQ(id12.MatchesLowDigit(0x3FF0 | (sent12[i] & 0xF)), verifies[i]);
    EXPECT_FALSE(id14.MatchesLowDigit(sent14[i] ^ 0x0001));
  }
  EXPECT_EQ(IdDigitText(digits, 1), "a");
  EXPECT_EQ(IdDigitText(digits, 3), "");
}

TEST(CellWord, ReadBacksAsTheCellsShowThem) {
  EXPECT_EQ(ProgramCellText(0x0ABC, Family::Pic16F84), "0ABC");
  EXPECT_EQ(ProgramCellText(0x3ABC, Family::Pic12C50x), "ABC") << "a 12-bit cell keeps 12 bits";
  EXPECT_EQ(DataCellText(0x05), "05");
  EXPECT_EQ(IdDigitOf(0x3FFA), 'A');
}

TEST(CellWord, BuffersHandOutTheirCellsAndNothingPastTheEnd) {
  ActiveDevice device;
  EditBuffers buffers;
  SetUpDevice(device, buffers, "16F84");
  buffers.ProgramWord(5) = "FFFF";
  buffers.StoreDataByte(3, 0x5A);
  buffers.StoreProgramWord(6, device.family, 0x2805);
  EXPECT_EQ(buffers.ProgramWordValue(5, device.family).value, 0x3FFF);
  EXPECT_FALSE(buffers.ProgramWordValue(5, device.family).Matches(0x3FFF));
  EXPECT_TRUE(buffers.ProgramWordValue(6, device.family).Matches(0x2805));
  EXPECT_EQ(buffers.DataByte(3), "5A");
  const int end = 8 * device.programRows;
  for (int address : {-1, end}) {
    EXPECT_FALSE(buffers.ProgramWordValue(address, device.family).Matches(0));
    EXPECT_EQ(buffers.ProgramText(address), "");
    buffers.StoreProgramWord(address, device.family, 0);  // ignored
  }
  EXPECT_EQ(buffers.DataText(8 * device.dataRows), "");
  buffers.StoreIdWords({0x3FF1, 0x3FFA, 0x0000, 0x3FFF});
  EXPECT_EQ(buffers.IdDigits(), "1A0F");
}

}  // namespace
}  // namespace lpt
