// SPDX-License-Identifier: GPL-2.0-or-later
// The write cycle of the flash families that name one in their row of
// methods: how it starts, its wait, and for an externally timed cycle how
// it ends.
#pragma once

#include "ops/device_commands.h"
#include "ops/family_methods.h"

namespace lpt {

// One write cycle of what is loaded: the begin command, the wait of `kind`,
// and for an externally timed cycle its end command and the discharge
// wait (where the profile names one).
void RunWriteCycle(OpContext& ctx, const WriteCycle& cycle, WaitKind kind);

}  // namespace lpt
