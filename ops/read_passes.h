// Read: the chip into the edit buffers, one pass per memory.
#pragma once

#include "ops/device_commands.h"

namespace lpt {

// Program memory into sg1; the gauge follows the rows.
void ReadProgramMemory(OpContext& ctx, Family family);
// Data EEPROM into sg2 (families with data EEPROM; sg2 kept otherwise).
void ReadDataMemory(OpContext& ctx, Family family);
// Configuration word into FuseWord (shown on the fuse switches) and the
// lowest digit of each ID word into the ID caption.
void ReadFusesID(OpContext& ctx, Family family);

}  // namespace lpt
