// SPDX-License-Identifier: GPL-2.0-or-later
// The low-voltage probe: before a command raises MCLR to a Vpp that some
// parts do not take, it asks the socket at the supply voltage, with the
// low-voltage key, for a device ID. The limit on MCLR used to be looked up
// from the selected part only, so the command meant for an unknown chip
// (Detect) was the one that could destroy a part entered at low voltage.
// A chip that answers the key is never given Vpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ops/device_commands.h"

namespace lpt {

// The least Vpp any part of the catalogue with low-voltage entry takes on
// MCLR: an adapter above it probes first.
std::uint32_t LeastMclrOfLowVoltageParts();

// Whether the command about to run probes first: the probe is on
// (OpState::lowVoltageProbe), the adapter's Vpp is above
// LeastMclrOfLowVoltageParts and the selected part would be entered with it.
bool ProbeWanted(const OpContext& ctx);

// The probe itself: the chip switched off, then on with MCLR held low, the
// key, Load Configuration, six Increment Address and the word at 2006h
// (8006h on the parts with the key), then switched off again with the
// discharge wait. Returns the word read.
std::uint16_t ProbeAtLowVoltage(OpContext& ctx);

// A word that a chip sent: neither the released line's 3FFFh nor the
// undriven 0000h.
bool ProbeAnswered(std::uint16_t word);

// Before a command's entry: when wanted, probes; a chip that answers is the
// selected part (or, with `anyPart`, any part) and the command goes on at
// low voltage, or it is another and the command is refused here, reported
// as a failure that names both. True when the command may go on.
bool ProbeBeforeVpp(OpContext& ctx, bool anyPart);

// The refusal for a chip that answered the probe with `word` while the
// selected part needs `vppMillivolts` on MCLR.
std::string ProbeRefusal(std::uint16_t word, const std::string& selected,
                         std::uint32_t vppMillivolts);

}  // namespace lpt
