// SPDX-License-Identifier: GPL-2.0-or-later
// Hex text: the form in which a person reads and types words (the grids,
// the HEX files, the CLI's output). Only '0'-'9' and upper-case 'A'-'F' are
// hex digits; lower-case letters are not, anywhere in the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lpt {

// What HexDigitValue gives for anything that is not a hex digit. Callers use it
// arithmetically as it comes, so it must stay 17 (the HEX code relies on
// the resulting nonsense value failing its checks).
inline constexpr int kNotHexDigit = 17;

// '0'..'9' -> 0..9, 'A'..'F' -> 10..15, anything else -> 17.
int HexDigitValue(char c);

bool IsHexDigit(char c);

// True when text is non-empty and every character is a hex digit.
bool IsHexText(std::string_view text);

// 4096*HexDigitValue(c1) + 256*HexDigitValue(c2) + 16*HexDigitValue(c3) + HexDigitValue(c4) of
// the first four characters. A text shorter than four characters is never
// read past its end: a missing position counts as a non-digit (17), just as
// a character that is there but not a hex digit would, so the result is
// the same nonsense value a caller already has to live with and never a
// plausible-looking address or word.
int HexWordValue(std::string_view text);

// Value of a whole hex text, or nullopt when the text is empty, holds a
// character that is not a hex digit, or does not fit 32 bits.
std::optional<std::uint32_t> ParseHex(std::string_view text);

// value as upper-case hex, padded on the left with '0' to at least
// minDigits digits ("%0*X"): ToHex(8, 3) == "008", ToHex(0x1000, 3) == "1000".
std::string ToHex(std::uint32_t value, int minDigits);

// Pads text on the left with '0' to width characters; longer text is
// returned as it is.
std::string PadLeftZeros(std::string_view text, std::size_t width);

// ASCII upper case, for typed text ("a" -> "A"); other characters stay.
std::string UpperCaseAscii(std::string_view text);

}  // namespace lpt
