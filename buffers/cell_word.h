// SPDX-License-Identifier: GPL-2.0-or-later
// The cells of the grids and the ID as the chip sees them. The buffers keep
// words as the text a person reads and types; the passes load and compare
// numbers. These rules turn any text a cell may hold into the word a load
// sends, and say whether a word read back is the one the cell holds:
// - a 14-bit program word is four characters, a 12-bit one three, a data
//   byte two; a text of any other length loads 0;
// - a character that is no hex digit (lower-case letters included) counts
//   0, and the two high bits of a 14-bit word's first digit are not sent
//   ("FFFF" loads 3FFFh);
// - a read-back matches only a cell that spells it: the width's number of
//   upper-case digits with nothing left out, so "FFFF", "3fff" or "12G4"
//   load a word and still never verify;
// - ID word k is 3FF0h plus digit k (12-bit parts: the digit alone); a
//   missing digit loads 0, and only the low digit of a read-back is compared.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "devices/family.h"

namespace lpt {

struct CellWord {
  std::uint16_t value = 0;  // the word a load of the cell sends
  bool spelt = false;       // the text is `value` in upper-case digits of the cell's width

  // Whether `read` (a program word of a 12-bit part masked to its 12 bits)
  // is what the cell holds.
  constexpr bool Matches(std::uint16_t read) const { return spelt && read == value; }
  // Whether the low digit of an ID word read back is the cell's digit.
  constexpr bool MatchesLowDigit(std::uint16_t read) const {
    return spelt && (read & 0xF) == (value & 0xF);
  }
};

CellWord ProgramCellWord(std::string_view text, Family family);
CellWord DataCellWord(std::string_view text);
// ID word `index` (0 to 3) of the ID digits.
CellWord IdCellWord(std::string_view digits, int index, Family family);

// Words read from the chip as the cells show them: four digits, three for
// a 12-bit part (its low 12 bits), two for a data byte (its low 8 bits).
std::string ProgramCellText(std::uint16_t word, Family family);
std::string DataCellText(std::uint16_t byte);
// The low digit of an ID word, as the ID shows it.
char IdDigitOf(std::uint16_t word);
// ID digit `index` as the ID holds it; empty when there is none.
std::string IdDigitText(std::string_view digits, int index);

// The part of a program word read back that a cell of the family holds.
std::uint16_t ProgramWordBits(Family family);

}  // namespace lpt
