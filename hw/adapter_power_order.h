// SPDX-License-Identifier: GPL-2.0-or-later
// Boards that cannot do what a chip needs on entry to programming mode.
// Some chips must see Vpp before Vdd, or they start running their program
// first (and may drive the data line, or never enter programming mode); a
// board that does not switch Vdd powers the chip before any Vpp comes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "devices/active_device.h"
#include "hw/adapter.h"

namespace lpt {

// The warning to give before a command on `device` whose configuration
// word is `configWord`, through `adapter`; nothing when the board can do
// it. The makers ask for Vpp before Vdd on the 12F629/675 and 16F630/676
// when the configuration selects the internal oscillator or MCLR as an
// I/O pin, on the 16F627A/628A/648A when low-voltage programming is on, and
// on the 12F683, 16F684-690, 16F91x and 12F609-617 lines when the internal
// oscillator runs with MCLR as an input.
std::optional<std::string> PowerOrderWarning(const Adapter& adapter, const ActiveDevice& device,
                                             std::uint16_t configWord);

}  // namespace lpt
