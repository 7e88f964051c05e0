// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/pic18_waits.h"

namespace lpt {
namespace {

// DS39622's timing table as Pickle (pic16.c: P9 1000, P10 100, P11 5000 us
// for the DS39622 parts) and a maker-document-based Arduino programmer
// (P11 5 ms from 39622L) transcribe it: P9 1 ms, P10 100 us, P11 5 ms,
// P12 2 us, P13 100 ns; the data EEPROM write (P11A) 4 ms. The
// configuration bytes take the P9 hold of the program memory.
constexpr Pic18Waits kDatasheet{.entryUs = 100,
                                .programUs = 1000,
                                .dischargeUs = 100,
                                .configUs = 1000,
                                .eraseUs = 5000 + 100,
                                .eepromUs = 4000};

// Twice those, and no shorter than the peers: OpenProg's Write18Fx waits
// 5 ms for a configuration byte and 5 ms for a data EEPROM byte, Pickle
// 10 ms for the bulk erase of the older PIC18 parts and 200 us of P10 for
// the K22 parts.
constexpr Pic18Waits kStandard{.entryUs = 1000,
                               .programUs = 2000,
                               .dischargeUs = 200,
                               .configUs = 5000,
                               .eraseUs = 10000 + 200,
                               .eepromUs = 8000};

}  // namespace

Pic18Waits Pic18WaitsIn(TimingProfile profile) {
  return profile == TimingProfile::Datasheet ? kDatasheet : kStandard;
}

}  // namespace lpt
