// SPDX-License-Identifier: GPL-2.0-or-later
// How long the host waits after each write, erase or bulk operation. The
// standard profile keeps the fixed waits every pass has always used; the
// datasheet profile waits what the makers' programming specifications
// guarantee the cycle needs on that family, which is far shorter for most
// writes. EPROM pulses are the same in both.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "devices/family.h"

namespace lpt {

enum class TimingProfile : std::uint8_t { Standard, Datasheet };

// The profile named "standard" or "datasheet" (any case); nullopt otherwise.
std::optional<TimingProfile> ParseTimingProfile(std::string_view name);
// "Standard" or "Datasheet", as the settings file keeps it.
std::string_view TimingProfileName(TimingProfile profile);

// The kinds of wait a pass makes after starting a cycle.
enum class WaitKind : std::uint8_t {
  ProgramWord,  // one program-memory word (erase/program, program-only or calibration rewrite)
  DataByte,     // one data EEPROM byte
  IdWord,       // one ID word at 2000h-2003h
  ConfigWord,   // the configuration word at 2007h
  Erase,        // bulk, chip, row or setup-sequence erase
  Discharge,    // after End Programming, before the next command
};

// A family's datasheet waits, in microseconds.
struct WriteWaits {
  std::uint32_t programWordUs = 0;
  std::uint32_t dataByteUs = 0;
  std::uint32_t idWordUs = 0;
  std::uint32_t configWordUs = 0;
  std::uint32_t eraseUs = 0;
  std::uint32_t dischargeUs = 0;

  std::uint32_t Of(WaitKind kind) const;
};

// The datasheet row of a flash family; nullptr for EPROM families and
// Family::None, which keep their standard waits in either profile.
const WriteWaits* DatasheetWaits(Family family);

// The standard row of a family whose passes take every wait from the
// tables (the flash families with write latches); nullptr for the families
// whose passes name their standard waits where they wait.
const WriteWaits* StandardWaits(Family family);

}  // namespace lpt
