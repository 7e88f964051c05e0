// SPDX-License-Identifier: GPL-2.0-or-later
// A PIC18F2XXX/4XXX in programming mode as DS39622 describes it, driven by
// the levels of its lines on the wait clock: 4-bit commands and 16-bit
// payloads latched on the falling clock edge, the core instructions the
// programming sequences use (MOVLW, MOVWF, MOVF, BSF, BCF, NOP), TBLPTR,
// table reads, the write buffer, the bulk erase registers and the data
// EEPROM through EEADR/EEDATA/EECON1.
//
// - The write buffer reaches the flash only by a start-programming command
//   (1111, 1110), during the fourth clock of the next command held high for
//   at least P9; a shorter hold loses the write. Flash programming only
//   clears bits: an unerased byte keeps its zeros.
// - A bulk erase runs from the NOP after the write to 3C0004h and needs P11
//   before the next payload is clocked; an earlier clock loses it. The
//   codes are DS39622's (chip, data EEPROM, boot block, configuration,
//   code blocks); any other code erases nothing.
// - A data EEPROM write started by BSF EECON1,WR keeps WR set for the
//   write time; supply or Vpp removed earlier loses it.
// - CP bits (CONFIG5L) and CPB, CPD (CONFIG5H) cleared make the protected
//   memory read 0; only the chip erase clears them.
// - With LVP set and PGM floating high the part does not enter
//   high-voltage programming: it never answers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "devices/pic18_memory.h"
#include "devices/pic18_parts.h"

namespace lpt::sim {

// The document's least times (DS39622's timing table), in microseconds.
struct Pic18Times {
  std::uint32_t p9Us = 1000;      // P9: external programming hold
  std::uint32_t p11Us = 5000;     // P11: bulk erase
  std::uint32_t eepromUs = 4000;  // P11A: data EEPROM write
};

class Pic18Chip {
 public:
  Pic18Chip(const Pic18Part& part, Pic18Image memory, std::uint8_t revision = 0);

  // One write of the lines (bit 0 clock, 1 data, 2 Vpp, 3 supply off).
  void OnLines(std::uint8_t lines, std::uint64_t nowUs);
  bool Driving() const { return driving_; }
  bool Level() const { return level_; }

  // PGM left floating high by a board without pull-down.
  void SetPgmFloatingHigh(bool high) { pgmHigh_ = high; }
  bool InProgramming() const { return programming_; }

  const Pic18Image& memory() const { return memory_; }
  Pic18Image& memory() { return memory_; }
  // Writes and erases lost to a hold shorter than the document asks.
  int Lost() const { return lost_; }

 private:
  enum class Phase : std::uint8_t { Command, Payload, Ignored, Output };

  void PowerChanged(bool vdd, bool vpp, std::uint64_t nowUs);
  void Falling(bool bit, std::uint64_t nowUs);
  void Rising(std::uint64_t nowUs);
  void CommandTaken(std::uint64_t nowUs);
  void PayloadTaken(std::uint64_t nowUs);
  void Execute(std::uint16_t instruction, std::uint64_t nowUs);
  void WriteRegister(std::uint8_t f, std::uint8_t value, std::uint64_t nowUs);
  std::uint8_t ReadRegister(std::uint8_t f) const;
  void TableWrite(std::uint16_t payload);
  void StartProgramming();
  void ApplyProgramming();
  void Erase(std::uint16_t code);
  void FinishEeprom(std::uint64_t nowUs);
  std::uint8_t ReadByte(std::uint32_t address) const;
  bool ProgramReadProtected(std::uint32_t address) const;

  const Pic18Part& part_;
  Pic18Image memory_;
  std::uint8_t revision_;
  Pic18Times times_{};
  bool pgmHigh_ = false;

  bool vdd_ = false, vpp_ = false, clock_ = false, data_ = false;
  bool programming_ = false;
  Phase phase_ = Phase::Command;
  int bits_ = 0;
  std::uint16_t shift_ = 0;
  std::uint8_t command_ = 0;
  std::uint8_t out_ = 0;
  bool driving_ = false, level_ = false;

  // Registers.
  std::uint8_t w_ = 0, tablat_ = 0, eecon1_ = 0, eedata_ = 0, eeadr_ = 0, eeadrh_ = 0;
  std::uint32_t tblptr_ = 0;
  std::uint8_t eraseLow_ = 0, eraseHigh_ = 0;
  std::vector<std::uint8_t> buffer_;
  std::vector<bool> loaded_;
  std::uint32_t bufferBase_ = 0;   // where the loaded buffer goes
  std::int32_t configWrite_ = -1;  // index of a configuration byte awaiting its write
  std::uint8_t configValue_ = 0xFF;
  struct PendingEeprom {
    int address = 0;
    std::uint8_t value = 0xFF;
  };
  PendingEeprom pendingEeprom_{};

  // A start-programming command awaits its P9 hold (armed), the hold began
  // at holdStartUs_; a bulk erase armed by 3C0004h starts with the next
  // NOP and is checked at the payload after the one following it.
  bool programArmed_ = false;
  std::uint64_t holdStartUs_ = 0;
  bool holding_ = false;
  int eraseStage_ = 0;  // 1: armed, 2: running
  std::uint64_t eraseStartUs_ = 0;
  bool eepromBusy_ = false;
  std::uint64_t eepromDoneUs_ = 0;
  int lost_ = 0;
};

}  // namespace lpt::sim
