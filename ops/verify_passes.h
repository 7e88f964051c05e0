// Verify: the chip against the edit buffers, one read-only pass per memory;
// each is true when the chip matches.
#pragma once

#include "ops/device_commands.h"

namespace lpt {

bool VerifyProgramMemory(OpContext& ctx, int family);
bool VerifyDataMemory(OpContext& ctx, int family);
bool VerifyFuses(OpContext& ctx, int family);
bool VerifyID(OpContext& ctx, int family);

}  // namespace lpt
