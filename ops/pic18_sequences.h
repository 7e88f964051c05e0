// SPDX-License-Identifier: GPL-2.0-or-later
// The PIC18F2XXX/4XXX programming sequences of DS39622, one function per
// table of the document: reading through TBLPTR, the bulk erase through
// 3C0005h/3C0004h, program memory and IDs through the write buffer, data
// EEPROM through EEADR/EEDATA/EECON1, the configuration bytes one at a
// time. They send and wait; what to write and when is the commands'.
#pragma once

#include <cstdint>

#include "devices/pic18_memory.h"
#include "hw/delay.h"
#include "hw/pic18_link.h"
#include "ops/pic18_waits.h"

namespace lpt {

struct Pic18Session {
  Pic18Link& link;
  Delay& delay;
  const Pic18Part& part;
  Pic18Waits waits;
};

std::uint16_t ReadPic18DeviceId(Pic18Session& s);
// Every memory of the part, as the chip gives it (protected memory reads 0).
Pic18Image ReadPic18Memories(Pic18Session& s);
// One of DS39622's bulk erase codes (hw/pic18_command.h).
void BulkErasePic18(Pic18Session& s, std::uint16_t code);
// The program memory's write buffers that hold anything but FFh (an erased
// chip needs no write of them); returns how many were written.
int WritePic18Program(Pic18Session& s, const Pic18Image& image);
void WritePic18Ids(Pic18Session& s, const Pic18Image& image);
// The data EEPROM bytes other than FFh when `skipErased`, else every byte;
// returns how many were written.
int WritePic18Eeprom(Pic18Session& s, const Pic18Image& image, bool skipErased);
// Each implemented configuration byte, CONFIG6H (which can protect the
// configuration against writes) last.
void WritePic18Config(Pic18Session& s, const Pic18Image& image);

}  // namespace lpt
