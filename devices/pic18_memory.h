// SPDX-License-Identifier: GPL-2.0-or-later
// The memories of a PIC18 part as bytes at the makers' addresses: program
// memory from 0, user IDs at 200000h, configuration bytes at 300000h and
// data EEPROM (at F00000h in a file). Program memory is shown and edited as
// 16-bit little-endian words; the bytes are the truth.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "devices/pic18_parts.h"

namespace lpt {

struct Pic18Image {
  std::vector<std::uint8_t> program;
  std::array<std::uint8_t, kPic18IdBytes> ids{};
  Pic18ConfigBytes config{};
  std::vector<std::uint8_t> eeprom;

  // Program word w (bytes 2w and 2w+1), as the grids show it.
  std::uint16_t ProgramWord(int w) const;
  void SetProgramWord(int w, std::uint16_t word);
};

// An erased chip: program memory, IDs and EEPROM FFh, each configuration
// byte its erased value.
Pic18Image BlankPic18Image(const Pic18Part& part);

}  // namespace lpt
