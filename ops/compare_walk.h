// The read-only walks that Verify and Blank check share: each reads a memory
// and compares it with expected texts, stopping at the first difference,
// which it leaves in ctx.failure.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ops/device_commands.h"

namespace lpt {

// Expected text of the word at row, column (1..8).
using ExpectedCell = std::function<std::string(int row, int col)>;

// Program memory: 14-bit words in four digits, 12-bit words in three (the
// read-back's first digit dropped); last-word rule and the 14C000's top rows
// as the family's row says. True for a code no family uses.
bool CompareProgramMemory(OpContext& ctx, Family family, const ExpectedCell& expected);

// Data EEPROM bytes; true without chip access for families without it.
bool CompareDataMemory(OpContext& ctx, Family family, const ExpectedCell& expected);

// Configuration word under ConfigMask.
bool CompareConfigWord(OpContext& ctx, Family family, std::uint16_t expected);

// The last digit of each of the four ID words against `digits`; without
// `compare` the four words are read all the same and any ID passes.
bool CompareIdDigits(OpContext& ctx, Family family, const std::string& digits, bool compare = true);

}  // namespace lpt
