// The write cycles of the flash families with write latches, and the rows
// of program memory they write: one mechanism for every family whose row of
// methods names a write cycle, driven by the part's latch count.
#pragma once

#include "ops/device_commands.h"
#include "ops/family_methods.h"

namespace lpt {

// One write cycle of what is loaded: the begin command, the wait of `kind`,
// and for an externally timed cycle its end command and the discharge
// wait.
void RunWriteCycle(OpContext& ctx, const WriteCycle& cycle, WaitKind kind);

// Program memory, after an erase left it blank: the aligned rows of
// `latches` words, each loaded word by word and written with one cycle;
// rows whose words are all blank are passed over. Every word is then read
// back; the first that differs fails the pass (ctx.failure).
bool WriteLatchedRows(OpContext& ctx, Family family, const WriteCycle& cycle, int latches);

}  // namespace lpt
