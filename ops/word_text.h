// Words as the passes handle them: the four-digit read-back of the protocol,
// the fuse text, the configuration read at 2007h and the masked comparison.
#pragma once

#include <cstdint>
#include <string>

#include "ops/device_commands.h"

namespace lpt {

// FuseWord (or any word) as four upper-case hex digits.
std::string Hex4Text(std::uint16_t value);

// The value of a four-digit read-back of ReadDataFromProgramMemory.
std::uint16_t ReadBackValue(const std::string& text);

// ReadDataFromProgramMemory with its first digit dropped: the three digits of a 12-bit word.
std::string Drop1(const std::string& text);

// The last character of a text, or '\0' for an empty one.
char LastDigit(const std::string& text);

// ResetPic, LoadConfiguration("3FFF"), 7 x IncrementAddress (counter on 2007h).
void GoToConfigWord(Protocol& proto);

// The configuration word read: at 2007h for 14-bit families, at the entry
// position for 12-bit families.
std::string ReadConfigWord(OpContext& ctx, Family family);

// Fuse check on the word under the counter: ReadDataFromProgramMemory, then
// (read AND ConfigMask) == (expected AND ConfigMask); a difference is left
// in ctx.failure.
bool FuseCheck(OpContext& ctx, std::uint16_t expected);

// Where the configuration word is, as the failure detail names it: 2007h, or
// FFFh on 12-bit parts.
std::uint32_t ConfigWordAddress(Family family);

}  // namespace lpt
