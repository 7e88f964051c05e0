// SPDX-License-Identifier: GPL-2.0-or-later
// How the silicon of each programming family answers the serial protocol:
// word width, the commands it understands, cycle times, erase rules, code
// protection bits and the entry-order rule. One row per family; the chip
// model reads only this table, never a family code.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "devices/family.h"
#include "hw/serial_command.h"

namespace lpt::sim {

using Command = serial::Command;

constexpr std::uint64_t CommandBit(Command c) { return std::uint64_t{1} << c; }

enum class Technology : std::uint8_t { Flash, Eprom };

// Factory calibration the chip leaves the factory with.
enum class FactoryCalibration : std::uint8_t {
  None,
  RetlwLastWord,  // RETLW 34xxh in the last program word
  MovlwLastWord,  // MOVLW 0Cxxh in the last program word (12-bit parts)
};

// How long each cycle takes; a host that starts the next command sooner cuts
// the cycle short.
struct CycleTimes {
  std::uint32_t eraseProgramUs = 0;  // 08h on program memory, IDs, configuration
  std::uint32_t configWriteUs = 0;   // 08h in configuration memory, where longer (0: as above)
  std::uint32_t programOnlyUs = 0;   // 18h (the least time when externally timed)
  std::uint32_t dataWriteUs = 0;     // 08h on data EEPROM
  std::uint32_t eraseUs = 0;         // bulk, chip and setup-sequence erases
  std::uint32_t epromPulseUs = 0;    // least length of an EPROM programming pulse
  std::uint32_t rowEraseUs = 0;      // 11h
  // After an End Programming command the programming voltage discharges:
  // on the 12-bit flash parts, whose 08h cycle End Programming ends, the
  // least time from End Programming to the next command for the word to
  // take; on the others a command that starts sooner is not taken (0: no
  // such rule).
  std::uint32_t dischargeUs = 0;
  // Entry, supply first: the least time from Vdd to Vpp, and from Vpp to
  // the first command (0: no least time).
  std::uint32_t vddToVppUs = 0;
  std::uint32_t vppToCommandUs = 0;
};

// How the erase commands behave.
struct EraseRules {
  bool beginEraseErases = false;         // 08h erases program memory before writing (else it ANDs)
  bool bulkNeedsBegin = false;           // 09h/0Bh only arm the erase; 08h starts it
  bool bulkBlockedByProtection = false;  // 09h/0Bh do nothing on a protected part
  bool hasSetupErase = false;            // the 01h, 07h, 08h, 01h, 07h sequence
  // A bulk erase of protected memory is taken only with the counter in
  // configuration memory, where it clears the protection with everything
  // else (the makers' path for a protected part).
  bool protectedNeedsConfigArea = false;
  // That erase of configuration memory also clears the factory calibration
  // words: a programmer has to write them back.
  bool clearsCalibration = false;
  int rowEraseWords = 0;  // words one 11h erases; 0 = no row erase
};

struct Protection {
  std::uint16_t cpMask = 0;                 // program memory protected when any of these reads 0
  std::uint16_t cpdMask = 0;                // data EEPROM protected when any of these reads 0
  std::uint16_t readableWhenProtected = 0;  // words from 0 that protection leaves readable
  bool calibrationReadable = false;         // the last program word reads through protection
};

// With (config & intOscMask) == intOscValue and the MCLRE bit 0 the part
// runs from its own oscillator as soon as it has supply, and a later Vpp
// does not put it into programming mode. mclreBit 0: no such rule.
struct EntryRule {
  std::uint16_t intOscMask = 0;
  std::uint16_t intOscValue = 0;
  std::uint16_t mclreBit = 0;
};

struct FamilyModel {
  Family family = Family::None;
  Technology technology = Technology::Flash;
  bool word12 = false;  // 12-bit words, counter starts on the configuration word
  // 12-bit flash: the counter runs over twice the program memory and wraps
  // to 0; the configuration word is its last address (1FFh on a 256-word
  // part), the IDs follow program memory.
  bool counterWraps = false;
  // A copy of the calibration word follows the four IDs (12-bit flash).
  bool calibrationBackup = false;
  std::uint8_t commandMask = 0x3F;   // 3Fh, or 1Fh where the top command bit is don't-care
  std::uint64_t commands = 0;        // CommandBit of every command the part decodes
  std::uint8_t endProgramming = 0;   // command that ends an externally timed cycle
  bool programOnlyExternal = false;  // 18h runs until endProgramming instead of timing itself
  // Program-memory words one programming cycle writes (18h; 08h on the
  // 12-bit flash parts): the loads go to the latch of the counter's position
  // in its aligned row, and the cycle programs every latch loaded since the
  // last one. 1: the cycle writes the word under the counter.
  std::uint8_t writeLatches = 1;
  EraseRules erase{};
  CycleTimes times{};
  Protection protection{};
  std::uint16_t configImplemented = 0x3FFF;  // bits of the configuration word that exist
  EntryRule entry{};
  FactoryCalibration calibration = FactoryCalibration::None;
  bool factoryBandgap = false;  // configuration bits 13:12 hold a factory bandgap value
  // Words of configuration memory from 2000h: 8 (to the configuration word
  // at 2007h) or 10 (a second configuration word at 2008h, a calibration
  // word at 2009h). 12-bit parts keep their 8 words elsewhere (chip_state.h).
  int configWords = 8;
  // Factory calibration words in configuration memory; 0 = none.
  std::array<std::uint16_t, 2> calibrationWords{};
  // Where configuration memory begins in the counter: 2000h, or 8000h on
  // the enhanced parts, whose counter runs to 7FFFh in program memory.
  std::uint16_t configBase = 0x2000;
  // Programming mode is also entered with the supply on, MCLR low and the
  // key clocked in, while the LVP bit of the second configuration word is 1.
  bool lowVoltageKey = false;
  std::uint16_t lvpBit = 0;
  // The most MCLR takes; a Vpp above it destroys the chip (0: no limit
  // modelled).
  std::uint32_t maxMclrMillivolts = 0;
  // The most the supply may be; above it the chip is destroyed (0: no
  // limit modelled).
  std::uint32_t maxVddMillivolts = 0;
};

// The row of a family; nullptr for Family::None.
const FamilyModel* FindFamilyModel(Family family);

// The model of one part: its family's row with what the part's own silicon
// changes (the 16F505/506 protect on bit 4, the 16F57/59 latch four words).
// nullopt for Family::None.
std::optional<FamilyModel> PartModel(std::string_view deviceName, Family family);

inline std::uint16_t WordMask(const FamilyModel& f) { return f.word12 ? 0x0FFF : 0x3FFF; }

// The low-voltage key, as its 32 bits are clocked in from bit 0: "MCHP".
inline constexpr std::uint32_t kLowVoltageKey = 0x4D434850;

// The device ID word (2006h) a fresh chip of this catalogue name holds,
// with its silicon revision; 3FFFh (an unprogrammed word) for a part
// without one.
std::uint16_t FactoryDeviceId(std::string_view deviceName);

}  // namespace lpt::sim
