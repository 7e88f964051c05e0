// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/hex_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lpt {
namespace {

TEST(HexText, HexDigitValueKnowsOnlyUpperCaseDigits) {
  const std::string digits = "0123456789ABCDEF";
  for (std::size_t i = 0; i < digits.size(); ++i)
    EXPECT_EQ(HexDigitValue(digits[i]), static_cast<int>(i)) << digits[i];
  for (char c : std::string("abcdefGgz /:@`\x7F") + '\0') {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_EQ(HexDigitValue(c), 17);
    EXPECT_FALSE(IsHexDigit(c));
  }
}

TEST(HexText, HexWordValueReadsTheFirstFourCharacters) {
  EXPECT_EQ(HexWordValue("3FFF"), 0x3FFF);
  EXPECT_EQ(HexWordValue("0010"), 0x0010);
  EXPECT_EQ(HexWordValue("2FCF trailing"), 0x2FCF);
  // A lower-case letter is no digit: 17 in its place, used as it comes.
  EXPECT_EQ(HexWordValue("3fff"), 3 * 4096 + 17 * 256 + 17 * 16 + 17);
}

// Shorter texts are never read past their end; a missing position weighs
// like a non-digit, so "FF" does not pass for 00FFh or FF00h.
TEST(HexText, HexWordValueOfShortTextCountsMissingPlacesAsNonDigits) {
  EXPECT_EQ(HexWordValue(""), 17 * 4096 + 17 * 256 + 17 * 16 + 17);
  EXPECT_EQ(HexWordValue("FF"), 15 * 4096 + 15 * 256 + 17 * 16 + 17);
  EXPECT_EQ(HexWordValue("123"), 1 * 4096 + 2 * 256 + 3 * 16 + 17);
  const std::string owned = "ABCD";
  EXPECT_EQ(HexWordValue(std::string_view(owned).substr(0, 2)), 10 * 4096 + 11 * 256 + 17 * 16 + 17)
      << "must stop at the view's end, not at the string's";
}

TEST(HexText, ParseHexAcceptsOnlyWholeHexTexts) {
  EXPECT_EQ(ParseHex("0"), 0u);
  EXPECT_EQ(ParseHex("3FFF"), 0x3FFFu);
  EXPECT_EQ(ParseHex("FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseHex("100000000"), std::nullopt);
  EXPECT_EQ(ParseHex(""), std::nullopt);
  EXPECT_EQ(ParseHex("3fff"), std::nullopt);
  EXPECT_EQ(ParseHex("12 4"), std::nullopt);
  EXPECT_EQ(ParseHex("-1"), std::nullopt);
}

TEST(HexText, FormattingAndPadding) {
  EXPECT_EQ(ToHex(0, 4), "0000");
  EXPECT_EQ(ToHex(0x3FF, 4), "03FF");
  EXPECT_EQ(ToHex(0x2FCF, 4), "2FCF");
  EXPECT_EQ(ToHex(0xABCDE, 4), "ABCDE") << "never truncates";
  EXPECT_EQ(ToHex(0xF, 0), "F");
  EXPECT_EQ(PadLeftZeros("A", 4), "000A");
  EXPECT_EQ(PadLeftZeros("", 4), "0000");
  EXPECT_EQ(PadLeftZeros("12345", 4), "12345");
  EXPECT_EQ(UpperCaseAscii("a0f-z"), "A0F-Z");
}

}  // namespace
}  // namespace lpt
