// SPDX-License-Identifier: GPL-2.0-or-later
// Blank check: the chip against the erased state of each memory, one
// read-only pass per memory; each is true when the memory is blank.
#pragma once

#include "ops/device_commands.h"

namespace lpt {

bool BlankProgramMemory(OpContext& ctx, Family family);
bool BlankDataMemory(OpContext& ctx, Family family);
bool BlankFuses(OpContext& ctx, Family family);  // every implemented bit reads 1
bool BlankID(OpContext& ctx, Family family);     // last digit of each ID word "F"

}  // namespace lpt
