// SPDX-License-Identifier: GPL-2.0-or-later
// Read: the chip into the edit buffers, one pass per memory.
#pragma once

#include "ops/device_commands.h"

namespace lpt {

// Program memory into the program grid; the progress bar follows the rows.
void ReadProgramMemory(OpContext& ctx, Family family);
// Data EEPROM into the data grid (families with data EEPROM; kept otherwise).
void ReadDataMemory(OpContext& ctx, Family family);
// Configuration word into FuseWord (shown on the fuse switches), a second
// one into SecondFuseWord, and the lowest digit of each ID word into the ID
// caption.
void ReadFusesID(OpContext& ctx, Family family);

}  // namespace lpt
