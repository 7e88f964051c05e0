// SPDX-License-Identifier: GPL-2.0-or-later
// The read-only walks that Verify and Blank check share: each reads a memory
// and compares it with the words expected, stopping at the first difference,
// which it leaves in ctx.failure.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "buffers/cell_word.h"
#include "ops/device_commands.h"

namespace lpt {

// What a walk expects at each address (from 0): the word, and the text a
// failure there shows as expected.
struct ExpectedWords {
  std::function<CellWord(int address)> word;
  std::function<std::string(int address)> text;
};

// Program memory: 14-bit words, or 12-bit words (the read-back's low 12
// bits); last-word rule and the 14C000's top rows as the family's row says.
// True for a code no family uses.
bool CompareProgramMemory(OpContext& ctx, Family family, const ExpectedWords& expected);

// Data EEPROM bytes; true without chip access for families without it.
bool CompareDataMemory(OpContext& ctx, Family family, const ExpectedWords& expected);

// The configuration words, each under its own mask: the first, and the
// second (read after one IncrementAddress) on a part that has one.
bool CompareConfigWords(OpContext& ctx, Family family, std::array<std::uint16_t, 2> expected);

// The low digit of each of the four ID words against `digits` (as the ID
// holds them); without `compare` the four words are read all the same and
// any ID passes.
bool CompareIdDigits(OpContext& ctx, Family family, std::string_view digits, bool compare = true);

}  // namespace lpt
