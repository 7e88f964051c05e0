// SPDX-License-Identifier: GPL-2.0-or-later
// The host side of the PIC18 4-bit protocol on the adapter's lines: entry
// by high voltage, 4-bit commands with 16-bit payloads (both least
// significant bit first, latched by the chip on the falling clock edge),
// table reads answered in the last eight clocks, and the start-programming
// command's hold: the fourth clock of the next command held high for P9
// and low for P10.
#pragma once

#include <cstdint>

#include "hw/delay.h"
#include "hw/port.h"

namespace lpt {

class Pic18Link {
 public:
  Pic18Link(Port& port, Delay& delay, std::uint16_t portAddress = 0x378)
      : port_(port), delay_(delay), address_(portAddress) {}

  // Supply first, then Vpp (DS39622's high-voltage entry: P13 from Vdd to
  // MCLR, P12 before the first clock). PGM must be low by then on a part
  // with LVP set: the adapter layer drives it where the wiring names a PGM
  // line (HoldPgmLow), otherwise a pull-down on the board does.
  void Enter(std::uint32_t holdUs);
  // Supply and Vpp off.
  void Exit();

  void Core(std::uint16_t instruction) { Send(0x0, instruction); }
  void Send(std::uint8_t command, std::uint16_t payload);
  // A table read or the TABLAT shift: the command, eight clocks the chip
  // ignores, then the eight bits it sends.
  std::uint8_t Receive(std::uint8_t command);
  // A start-programming table write (1111 or 1110) and the NOP after it
  // whose fourth clock is held high for `p9Us` and low for `p10Us`.
  void StartProgramming(std::uint8_t command, std::uint16_t payload, std::uint32_t p9Us,
                        std::uint32_t p10Us);
  // The bulk erase's ending: a NOP, then a NOP whose payload waits with the
  // data line low until the erase is done.
  void AwaitErase(std::uint32_t us);
  // TBLPTR := address, by three MOVLW/MOVWF pairs.
  void SetTablePointer(std::uint32_t address);

 private:
  void Bit(int bit);
  void Write(std::uint8_t value) { port_.WritePort(address_, value); }
  Port& port_;
  Delay& delay_;
  std::uint16_t address_;
};

}  // namespace lpt
