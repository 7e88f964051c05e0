// SPDX-License-Identifier: GPL-2.0-or-later
// The user's stop: every pass asks before each word whether to go on, so a
// stop lands between two words, never inside a write cycle, and the command
// then ends the way a failed pass ends it (chip switched off, no later pass).
// What is asked is OpState::stopRequested, an atomic flag a front end sets
// from its own thread (a click) or a signal handler (Ctrl+C).
#pragma once

#include <string>

#include "ops/device_commands.h"

namespace lpt {

// True when the command is to stop before the word at `address` (in the
// memory the pass works on: program and data EEPROM from 0, the ID and
// configuration words at their own addresses). The first stop records the
// address; once stopped, every later check says so at once.
bool StopBefore(OpContext& ctx, int address);

// "Stopped by the user at address XXXXh." for a stopped command.
std::string StoppedMessage(const OpState& state);

}  // namespace lpt
