// SPDX-License-Identifier: GPL-2.0-or-later
// The serial commands of the chips' programming mode, by the names the
// makers' programming specifications give them. Both the host side
// (hw/protocol) and the simulated chips (sim/) speak this one set.
#pragma once

#include <cstdint>

namespace lpt::serial {

// 6-bit command codes, sent least significant bit first.
enum Command : std::uint8_t {
  LoadConfiguration = 0x00,
  BulkEraseSetup1 = 0x01,
  LoadDataForProgramMemory = 0x02,
  LoadDataForDataMemory = 0x03,
  ReadDataFromProgramMemory = 0x04,
  ReadDataFromDataMemory = 0x05,
  IncrementAddress = 0x06,
  BulkEraseSetup2 = 0x07,
  BeginEraseProgrammingCycle = 0x08,
  BulkEraseProgramMemory = 0x09,
  EndProgramming12F6xx = 0x0A,  // 12F629/675, 16F630/676, 16F88x
  BulkEraseDataMemory = 0x0B,
  EndProgrammingEprom = 0x0E,    // EPROM parts: ends a programming pulse; 16F7x, 16F716
  RowEraseProgramMemory = 0x11,  // 16F88x
  EndProgramming16F87xA = 0x17,  // 16F87xA, 16F62xA, 16F87/88
  BeginProgrammingOnlyCycle = 0x18,
  ChipErase = 0x1F,
};

}  // namespace lpt::serial
