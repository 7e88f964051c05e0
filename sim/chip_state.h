// SPDX-License-Identifier: GPL-2.0-or-later
// Everything a simulated chip remembers between runs: its memories, the
// factory words it left the factory with, the faults injected into it and
// how many programming pulses its EPROM words need. Plain data; the chip
// model (sim_chip.h) gives it behaviour and chip_file.h stores it.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/family_model.h"

namespace lpt::sim {

enum class Space : std::uint8_t {
  Program,  // program memory, address 0 upward
  Config,   // IDs, device ID and configuration word, at the chip's own addresses
  Data,     // data EEPROM, address 0 upward
};

// A word of the chip. Config addresses are the ones the address counter
// holds: 2000h-2007h on 14-bit parts (to 2009h on parts with a second
// configuration word and calibration words; 8000h-800Ah on the enhanced
// parts); on 12-bit parts the IDs
// directly above program memory and the configuration word at FFFh.
struct Location {
  Space space = Space::Program;
  std::uint16_t address = 0;
  auto operator<=>(const Location&) const = default;
};

struct StuckBit {
  Location at;
  int bit = 0;         // 0-13
  bool level = false;  // the value the bit always reads
  bool operator==(const StuckBit&) const = default;
};

// The slot of ChipState::config that holds the backup calibration word of
// the 12-bit flash parts (the word after the IDs).
inline constexpr int kBackupCalibrationSlot = 4;

struct ChipState {
  std::string device;  // catalogue name
  Family family = Family::None;
  std::vector<std::uint16_t> program;
  // 14-bit: 2000h on (FamilyModel::configWords of them). 12-bit: IDs in
  // 0-3, the configuration word in 7; on the 12-bit flash parts with
  // calibration its backup in 4.
  std::vector<std::uint16_t> config = std::vector<std::uint16_t>(8);
  std::vector<std::uint8_t> data;

  // What the factory wrote; kept as the chip's label after an erase has
  // destroyed the words themselves.
  std::optional<std::uint16_t> factoryCalibration;
  std::optional<std::uint8_t> factoryBandgap;  // bits 13:12 of the configuration word
  // Calibration words in configuration memory, by address.
  std::map<std::uint16_t, std::uint16_t> factoryWords;

  // Faults.
  bool socketEmpty = false;     // adapter present, no chip in the socket
  bool adapterMissing = false;  // nothing answers on the port at all
  std::vector<StuckBit> stuckBits;
  std::vector<Location> neverPrograms;  // programming cycles leave these unchanged
  // MCLR saw more than the part takes: the chip is destroyed and never
  // answers again.
  bool destroyed = false;

  // EPROM words: effective pulses a word needs before it takes its value.
  int defaultPulsesNeeded = 1;
  std::map<Location, int> pulsesNeeded;

  bool operator==(const ChipState&) const = default;
};

// A blank chip of a catalogue device as it leaves the factory: erased
// memories, calibration words where the part has them. nullopt for a name
// the catalogue does not know.
std::optional<ChipState> MakeBlankChip(const std::string& device);

// The erased value of a configuration-area word.
std::uint16_t ErasedConfig(const FamilyModel& family);

// The address counter's position of the configuration word: 2007h, FFFh,
// or on the 12-bit flash parts the last address of twice program memory.
std::uint16_t ConfigWordAddress(const ChipState& chip, const FamilyModel& family);
// Index into ChipState::config of a Config-space address; -1 when the
// address holds no word.
int ConfigSlot(const ChipState& chip, const FamilyModel& family, std::uint16_t address);
// The Config-space address of a slot.
std::uint16_t ConfigAddress(const ChipState& chip, const FamilyModel& family, int slot);

// The configuration word (2007h / FFFh).
inline std::uint16_t& ConfigWord(ChipState& chip) { return chip.config[7]; }
inline std::uint16_t ConfigWord(const ChipState& chip) { return chip.config[7]; }

// Fault injection helpers.
// Turn code protection on (program memory and, where the part has it, data
// EEPROM) by clearing the protection bits of the configuration word.
void SetCodeProtected(ChipState& chip, bool on);
int PulsesNeeded(const ChipState& chip, Location at);

}  // namespace lpt::sim
