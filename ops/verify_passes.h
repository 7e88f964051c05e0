// SPDX-License-Identifier: GPL-2.0-or-later
// Verify: the chip against the edit buffers, one read-only pass per memory;
// each is true when the chip matches.
#pragma once

#include "ops/device_commands.h"

namespace lpt {

bool VerifyProgramMemory(OpContext& ctx, Family family);
bool VerifyDataMemory(OpContext& ctx, Family family);
bool VerifyFuses(OpContext& ctx, Family family);
bool VerifyID(OpContext& ctx, Family family);

}  // namespace lpt
