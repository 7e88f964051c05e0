// SPDX-License-Identifier: GPL-2.0-or-later
// Where a stopped command would have gone on: the memory and the address of
// the next word, for the line under "Stopped by the user at address
// XXXXh." (the address alone does not say whether 0012h is a program word
// or a data byte).
#pragma once

#include <string>

#include "devices/active_device.h"

namespace lpt::cli {

// "program memory 00EEh", "data memory 0012h", "ID 2001h", "configuration
// word 2007h", from the pass that asked (its name as Hooks::PassStarted
// gives it; empty before the first pass) and the address it stopped at.
std::string StopPlace(const std::string& pass, int address, const ActiveDevice& device);

}  // namespace lpt::cli
