// SPDX-License-Identifier: GPL-2.0-or-later
// The waits of the PIC18F2XXX/4XXX sequences in both timing profiles.
#pragma once

#include <cstdint>

#include "ops/write_waits.h"

namespace lpt {

struct Pic18Waits {
  std::uint32_t entryUs = 0;      // P13 / P12: supply to Vpp, Vpp to the first clock
  std::uint32_t programUs = 0;    // P9: the hold of a start-programming command
  std::uint32_t dischargeUs = 0;  // P10: high-voltage discharge after it
  std::uint32_t configUs = 0;     // the same hold for one configuration byte
  std::uint32_t eraseUs = 0;      // P11 + P10: a bulk erase
  std::uint32_t eepromUs = 0;     // P11A: one data EEPROM byte, before WR is polled
};

// The datasheet profile waits DS39622's least times; the standard one at
// least twice them and at least the longest wait a peer uses.
Pic18Waits Pic18WaitsIn(TimingProfile profile);

}  // namespace lpt
