// SPDX-License-Identifier: GPL-2.0-or-later
// Behavioural model of a PIC in programming mode, driven only by the levels
// of its four adapter lines and the time on the wait clock. It decodes
// 6-bit commands and 16-clock data frames, keeps the address counter, runs
// the programming and erase cycles of its family (family_model.h) and
// drives the data line while it answers a read.
//
// Line-level conventions of the model:
// - A bit is latched on the falling clock edge with the level the data line
//   had while the clock was high, so a data line that falls together with
//   the clock still counts as 1.
// - A timed cycle finishes when the next command starts (its first falling
//   clock edge), when Vpp is removed or the supply is switched off. If its
//   time has not passed by then the cycle was cut short and the word (or
//   the memory being erased) is left unchanged; an EPROM pulse shorter than
//   its least length has no effect but still counts as a pulse.
// - Where the family gives a discharge time after End Programming, a
//   command that starts before it has passed is not taken (nor its data
//   frame): the programmer loses its place.
// - On the 12-bit flash parts End Programming ends the cycle, and the word
//   takes only when the discharge time has passed after it before the next
//   command; entry needs its hold times (supply to Vpp, Vpp to the first
//   command): a Vpp too soon leaves the chip in reset, a command too soon
//   goes unheard.
// - A part with low-voltage entry held in reset (supply on, no Vpp) takes
//   32 key bits on the falling clock edges, least significant first; the
//   33rd clock puts it into programming mode when the key was "MCHP" and
//   its LVP bit is 1. Anything else leaves it deaf until the next reset.
// - A Vpp above the most the part takes on MCLR destroys it, and so does a
//   supply above the most it takes on Vdd (an LF part on a 5 V board): it
//   never answers again (ChipState::destroyed, kept in the chip file).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "sim/chip_state.h"
#include "sim/family_model.h"

namespace lpt::sim {

class SimChip {
 public:
  enum class Mode : std::uint8_t {
    Off,          // no supply
    Reset,        // supply on, MCLR held low
    Running,      // supply on, running its own program: deaf to the serial lines
    Programming,  // in programming mode
  };

  // `state.family` must name a family of the table.
  explicit SimChip(ChipState state);

  // One write of the adapter's data register (bit 0 clock, 1 data, 2 Vpp,
  // 3 supply off) at time `nowUs`.
  void OnLines(std::uint8_t lines, std::uint64_t nowUs);
  // True while the chip drives the data line; Level() is what it drives.
  bool Driving() const { return driving_; }
  bool Level() const { return level_; }

  // The voltage the adapter's Vpp line gives (13 V, a classic board,
  // until told).
  void SetVppMillivolts(std::uint32_t millivolts) { vppMillivolts_ = millivolts; }
  // The supply the adapter gives (5 V until told).
  void SetVddMillivolts(std::uint32_t millivolts) { vddMillivolts_ = millivolts; }

  // Finishes a pending cycle as if the next command arrived at `nowUs`.
  void Settle(std::uint64_t nowUs);

  ChipState& state() { return state_; }
  const ChipState& state() const { return state_; }
  // The part's model: its family's row with the part's own differences.
  const FamilyModel& family() const { return family_; }
  Mode mode() const { return mode_; }
  std::uint16_t counter() const { return counter_; }

  // A flash cycle as the chip ran it: the command that started it, the
  // memory it wrote (from `address`: the word, or the first of a row) or
  // erased (an erase of everything counts as Program), and the time it had
  // until the command or power change that ended it.
  struct Cycle {
    std::uint8_t command = 0;  // 08h, 18h, 09h, 0Bh or 1Fh
    Space space = Space::Program;
    std::uint16_t address = 0;
    bool erase = false;
    std::uint64_t tookUs = 0;
  };
  // Off by default: a long session runs many thousands of cycles.
  void RecordCycles(bool on) { recordCycles_ = on; }
  const std::vector<Cycle>& Cycles() const { return cycles_; }

  // Every programming pulse started at a word (EPROM parts), for tests.
  int PulseCount(Location at) const;
  // Word as the chip would present it on a read (protection and faults applied).
  std::uint16_t Peek(Location at) const;

 private:
  enum class Phase : std::uint8_t { Command, FrameIn, FrameOut };
  enum class Pending : std::uint8_t {
    None,
    Write,           // erase/program or program-only cycle of one word
    WriteRow,        // program-only cycle of the loaded write latches
    EraseRow,        // 11h: one row of program memory, or the ID words
    EpromPulse,      // programming pulse of one EPROM word
    EraseProgram,    // program memory (and IDs/configuration when aimed there)
    EraseData,       // data EEPROM
    EraseEverything  // code-protection disable or chip erase
  };
  enum class Armed : std::uint8_t { None, Setup1, Setup2, BulkProgram, BulkData };

  void PowerChanged(bool vdd, bool vpp, std::uint64_t nowUs);
  void EnterProgramming(std::uint64_t nowUs);
  // A command begins: the cycle before it finishes, or (12-bit flash) waits
  // for End Programming and its discharge time.
  void CommandStarts(std::uint64_t nowUs);
  // The write in progress is one End Programming ends, followed by its
  // discharge time (12-bit flash).
  bool EndedByCommand() const;
  bool RunsWithoutMclr() const;
  void FallingEdge(bool bit, std::uint64_t nowUs);
  void RisingEdge();
  void KeyBit(bool bit, std::uint64_t nowUs);

  // chip_commands.cpp
  void Execute(std::uint8_t command, std::uint64_t nowUs);
  void FinishLoad(std::uint16_t word);
  std::uint16_t WordToSend(std::uint8_t readCommand) const;
  void Increment();
  void StartWrite(bool programOnly, std::uint64_t nowUs);
  void StartErase(Pending what, bool configToo, std::uint64_t nowUs);
  void StartRowErase(std::uint64_t nowUs);
  void ApplyEraseRow();
  void StartBulkErase12(std::uint64_t nowUs);
  void ApplyPending();
  void ApplyEraseProgram(bool configToo, bool idsToo);
  void ApplyEraseData();
  void ApplyEpromPulse();
  void ApplyRow();
  void RecordCycle(std::uint64_t nowUs);
  void WriteWord(Location at, std::uint16_t value, bool erase);
  bool CurrentLocation(Location* at) const;
  bool ProgramProtected() const;
  bool DataProtected() const;
  bool Writable(Location at) const;
  std::uint16_t Stored(Location at) const;

  ChipState state_;
  FamilyModel family_;

  // Lines as last written.
  bool vdd_ = false, vpp_ = false, clock_ = false, data_ = false;
  std::uint32_t vppMillivolts_ = 13000;
  std::uint32_t vddMillivolts_ = 5000;
  // Low-voltage entry: key bits taken since the reset, and the key so far.
  int keyBits_ = 0;
  std::uint32_t key_ = 0;
  Mode mode_ = Mode::Off;
  std::uint64_t supplyOnUs_ = 0;     // when the supply came
  std::uint64_t listensFromUs_ = 0;  // commands before this go unheard

  // Serial engine.
  Phase phase_ = Phase::Command;
  int bits_ = 0;  // command bits latched, or frame clocks seen
  std::uint16_t shift_ = 0;
  std::uint16_t outWord_ = 0;
  std::uint8_t frameCommand_ = 0;
  bool driving_ = false, level_ = false;

  // Chip registers.
  std::uint16_t counter_ = 0;
  std::uint16_t programLatch_ = 0x3FFF;
  std::uint8_t dataLatch_ = 0xFF;
  bool dataLoadedLast_ = false;  // the last load was Load Data for Data Memory
  // Families with several write latches: what each holds, and which were
  // loaded since the last cycle (bit i: latch i).
  std::vector<std::uint16_t> rowLatches_;
  std::uint32_t rowLoaded_ = 0;
  Armed armed_ = Armed::None;

  // The discharge after End Programming, and the command being clocked in.
  std::uint64_t dischargedAtUs_ = 0;
  std::uint64_t commandStartUs_ = 0;
  bool frameIgnored_ = false;  // the frame of a command that was not taken

  // The cycle in progress.
  Pending pending_ = Pending::None;
  std::uint8_t pendingCommand_ = 0;
  std::vector<std::uint16_t> pendingRow_;  // WriteRow: the latches, from pendingAt_
  std::uint32_t pendingRowLoaded_ = 0;
  bool pendingErase_ = false;  // Write: erase before writing
  bool pendingConfigToo_ = false;
  bool pendingIdsToo_ = false;
  // 12-bit flash: the write's time has passed and End Programming is awaited
  // (endedAtUs_ unset) or its discharge time is running.
  bool awaitingDischarge_ = false;
  std::optional<std::uint64_t> endedAtUs_;
  Location pendingAt_;
  std::uint16_t pendingValue_ = 0;
  std::uint64_t pendingStartUs_ = 0;
  std::uint32_t pendingNeedUs_ = 0;

  std::map<Location, int> pulses_;     // every pulse begun
  std::map<Location, int> effective_;  // pulses long enough to count

  bool recordCycles_ = false;
  std::vector<Cycle> cycles_;
};

}  // namespace lpt::sim
