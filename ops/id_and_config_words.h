// SPDX-License-Identifier: GPL-2.0-or-later
// The ID words and the configuration word: where they are, how the address
// counter gets there, and the check of the configuration word. Every pass
// that reaches them goes through here.
#pragma once

#include <cstdint>

#include "ops/device_commands.h"

namespace lpt {

// The word a load sends where only the command counts (a LoadConfiguration
// that moves the counter to 2000h, the loads that aim a bulk erase): every
// bit erased.
inline constexpr std::uint16_t kErasedWord = 0x3FFF;
inline constexpr std::uint16_t kErasedByte = 0xFF;

// ID word `index` (0 to 3): 2000h on, or on 12-bit parts the words that
// follow program memory.
int IdWordAddress(const ActiveDevice& device, int index);
// Configuration word `index`: 2007h, or FFFh on 12-bit parts (where the
// address counter starts on it); the second word of the parts that have
// one at 2008h.
int ConfigWordAddress(Family family, int index = 0);
// How many configuration words the part has (1 or 2), and the implemented
// bits of each.
int ConfigWordCount(const ActiveDevice& device);
std::uint16_t ConfigWordMask(const ActiveDevice& device, int index);

// From the power-up position (a ResetPic just done) to the first ID word:
// LoadConfiguration to 2000h, or on 12-bit parts past the configuration
// word and program memory.
void StepToIdWords(Protocol& proto, const ActiveDevice& device);
// ResetPic, then StepToIdWords.
void GoToIdWords(Protocol& proto, const ActiveDevice& device);

// ResetPic, LoadConfiguration, 7 x IncrementAddress: the counter on 2007h.
void GoToConfigWord(Protocol& proto);

// ResetPic, LoadConfiguration, 6 x IncrementAddress, then the word at
// 2006h (the device ID of the 14-bit flash parts that have one). Detection
// enters both ways, since it does not know the chip's entry order yet.
std::uint16_t ReadDeviceIdWord(Protocol& proto, bool vppFirst);
std::uint16_t ReadDeviceIdWord(OpContext& ctx);

// The configuration word read: at 2007h for 14-bit families, at the
// power-up position for 12-bit families.
std::uint16_t ReadConfigWord(OpContext& ctx, Family family);

// Fuse check on configuration word `index`, under the counter:
// ReadDataFromProgramMemory, then (read AND mask) == (expected AND mask)
// with the word's own mask; a difference is left in ctx.failure.
bool FuseCheck(OpContext& ctx, std::uint16_t expected, int index = 0);

}  // namespace lpt
