// SPDX-License-Identifier: GPL-2.0-or-later
// Comparing PIC18 images as Verify and Blank do: program memory, IDs, the
// configuration bytes under their masks, data EEPROM.
#pragma once

#include <cstdint>
#include <optional>

#include "devices/pic18_memory.h"

namespace lpt {

// Where two images differ: the byte address in the chip's (and the HEX
// file's) address space, what was expected and what was found.
struct Pic18Difference {
  std::uint32_t address = 0;
  std::uint8_t expected = 0;
  std::uint8_t found = 0;
};

// The first difference, program memory first, then IDs, configuration
// bytes (each compared under its mask: unimplemented bits read 0) and data
// EEPROM. nullopt when they agree.
std::optional<Pic18Difference> FirstPic18Difference(const Pic18Part& part, const Pic18Image& want,
                                                    const Pic18Image& got);

}  // namespace lpt
