// SPDX-License-Identifier: GPL-2.0-or-later
// Which way into programming mode a part may be taken with an adapter: the
// voltage the adapter's Vpp puts on MCLR against the most the part takes.
// The protocol asks this before every entry and the device commands before
// they start, so no front end can put a voltage on a part that would
// destroy it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "devices/active_device.h"
#include "hw/adapter.h"

namespace lpt {

enum class Entry : std::uint8_t {
  HighVoltage,  // Vpp on MCLR
  LowVoltage,   // MCLR held low, the key clocked in at the supply voltage
  Refused,      // neither: the adapter's Vpp is too high and there is no other way
};

struct EntryChoice {
  Entry entry = Entry::HighVoltage;
  // Why high-voltage entry is not used, for the user; empty when it is.
  std::string reason;
};

// The entry for a part (`name`, the most it takes on MCLR, whether it has
// low-voltage entry) with an adapter whose Vpp gives `adapterMillivolts`.
// A part with low-voltage entry that the adapter would overstress enters
// that way, when the adapter switches the supply (the only way to take the
// part out of a low-voltage session again); otherwise it is refused.
EntryChoice ChooseEntry(std::string_view name, std::uint32_t partMaxMillivolts,
                        bool lowVoltageEntry, std::uint32_t adapterMillivolts,
                        bool adapterSwitchesVdd = true);
// The same for the active device (no record: the older parts' 13.5 V),
// first refusing a part whose most on Vdd is below the adapter's supply
// (`adapterVddMillivolts`): no entry protects it from that.
EntryChoice ChooseEntry(const ActiveDevice& device, std::uint32_t adapterMillivolts,
                        bool adapterSwitchesVdd = true,
                        std::uint32_t adapterVddMillivolts = kFiveVoltBoardMillivolts);

}  // namespace lpt
