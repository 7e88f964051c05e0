// SPDX-License-Identifier: GPL-2.0-or-later
// What the user types into the "Other:" field of the Output Port dialog: a
// hex port address (D010, 0xD010, D010h), a device path (/dev/parport1),
// or one of the discovered ports as the drop-down shows it. Plain C++ so
// the rules can be tested without a window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hw/port_discovery.h"

namespace lpt::app {

// Lowest and highest address a typed port may have: below 100h sit the
// PC's own chips, and the port needs base + 0..2 (and ECP base + 400h
// stays out of the way of the top).
inline constexpr int kLowestOtherAddress = 0x100;
inline constexpr int kHighestOtherAddress = 0xFFF8;

// "/dev/parport1  D010h  ready": a drop-down entry.
std::string OtherPortItem(const FoundPort& port);

// The decimal address path.dat keeps for `text`; 0 (the simulator) for
// "0". nullopt with *error saying why for anything else.
std::optional<int> ParseOtherPort(const std::string& text, const std::vector<FoundPort>& ports,
                                  std::string* error);

}  // namespace lpt::app
