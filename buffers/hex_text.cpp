// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/hex_text.h"

namespace lpt {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return kNotHexDigit;
}

bool IsHexDigit(char c) { return HexDigitValue(c) != kNotHexDigit; }

bool IsHexText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsHexDigit(c)) return false;
  return true;
}

int HexWordValue(std::string_view text) {
  int value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = value * 16 + (i < text.size() ? HexDigitValue(text[i]) : kNotHexDigit);
  return value;
}

std::optional<std::uint32_t> ParseHex(std::string_view text) {
  if (!IsHexText(text)) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    value = value * 16 + static_cast<std::uint64_t>(HexDigitValue(c));
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::string ToHex(std::uint32_t value, int minDigits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (minDigits > 0 && text.size() < static_cast<std::size_t>(minDigits))
    text.insert(text.begin(), static_cast<std::size_t>(minDigits) - text.size(), '0');
  return text;
}

std::string PadLeftZeros(std::string_view text, std::size_t width) {
  std::string padded(text);
  if (padded.size() < width) padded.insert(padded.begin(), width - padded.size(), '0');
  return padded;
}

std::string UpperCaseAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

}  // namespace lpt
