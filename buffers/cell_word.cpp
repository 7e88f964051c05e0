// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/cell_word.h"

#include "buffers/hex_text.h"

namespace lpt {
namespace {

constexpr std::uint16_t kIdWordHigh14 = 0x3FF0;

// The value of `text` when it has exactly `digits` characters, a non-digit
// counting 0; whether every character was a hex digit.
CellWord FixedWidth(std::string_view text, std::size_t digits) {
  if (text.size() != digits) return {};
  CellWord word{0, true};
  unsigned value = 0;
  for (char c : text) {
    const bool digit = IsHexDigit(c);
    value = value << 4 | (digit ? static_cast<unsigned>(HexDigitValue(c)) : 0u);
    word.spelt = word.spelt && digit;
  }
  word.value = static_cast<std::uint16_t>(value);
  return word;
}

}  // namespace

CellWord ProgramCellWord(std::string_view text, Family family) {
  if (IsWord12Family(family)) return FixedWidth(text, 3);
  CellWord word = FixedWidth(text, 4);
  // Only 14 bits are sent; a first digit above 3 is no 14-bit word.
  word.spelt = word.spelt && word.value <= 0x3FFF;
  word.value &= 0x3FFF;
  return word;
}

CellWord DataCellWord(std::string_view text) { return FixedWidth(text, 2); }

CellWord IdCellWord(std::string_view digits, int index, Family family) {
  const std::string digit = IdDigitText(digits, index);
  if (digit.empty()) return {};
  CellWord word = FixedWidth(digit, 1);
  if (!IsWord12Family(family)) word.value |= kIdWordHigh14;
  return word;
}

std::string ProgramCellText(std::uint16_t word, Family family) {
  if (IsWord12Family(family)) return ToHex(word & 0x0FFFu, 3);
  return ToHex(word, 4);
}

std::string DataCellText(std::uint16_t byte) { return ToHex(byte & 0xFFu, 2); }

char IdDigitOf(std::uint16_t word) { return "0123456789ABCDEF"[word & 0xF]; }

std::string IdDigitText(std::string_view digits, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= digits.size()) return {};
  const char digit = digits[static_cast<std::size_t>(index)];
  return digit == '\0' ? std::string() : std::string(1, digit);
}

std::uint16_t ProgramWordBits(Family family) { return IsWord12Family(family) ? 0x0FFF : 0x3FFF; }

}  // namespace lpt
