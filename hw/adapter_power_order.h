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
// it. Every family entered Vpp first warns when the configuration lets the
// chip run its program from supply alone (the internal oscillator with MCLR
// as an input: RunsOnSupplyAlone); the 12F629/675 and 16F630/676 also with
// either on its own, the 16F627A/628A/648A also with low-voltage
// programming on.
std::optional<std::string> PowerOrderWarning(const Adapter& adapter, const ActiveDevice& device,
                                             std::uint16_t configWord);

}  // namespace lpt
