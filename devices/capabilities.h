// SPDX-License-Identifier: GPL-2.0-or-later
// What a device can do beyond reading and programming its program memory:
// whether it has data EEPROM, can be erased electrically, and can have its
// data memory or its configuration word and ID programmed on their own.
// The front ends decide from this which commands and views to offer.
#pragma once

#include "devices/active_device.h"
#include "devices/catalogue.h"

namespace lpt {

struct Capabilities {
  bool dataEeprom = false;        // data EEPROM: read, verified, saved, edited
  bool erase = false;             // electrical erase (Erase command)
  bool programDataOnly = false;   // "Program only Data memory"
  bool programFusesOnly = false;  // "Program only Fuses + ID"
  bool fuseInfoPage = false;      // an information page explains the fuses
  // A factory OSCCAL word that Program All keeps unless the user asks to
  // write the file's over it ("Overwrite OSCCAL", --overwrite-osccal).
  bool osccalKept = false;
};

Capabilities CapabilitiesOf(FuseLayout layout);
inline Capabilities CapabilitiesOf(const ActiveDevice& device) {
  return CapabilitiesOf(device.fuseLayout);
}

}  // namespace lpt
