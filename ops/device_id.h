// SPDX-License-Identifier: GPL-2.0-or-later
// The device ID: reading it, naming the chip it belongs to, and the check
// before a write that the chip in the socket is the part selected.
#pragma once

#include <cstdint>
#include <string>

#include "devices/catalogue.h"
#include "ops/device_commands.h"

namespace lpt {

// What the socket answered when asked for its device ID.
struct Detection {
  enum class Outcome {
    NoChip,   // the word read 0000h: nothing drives the data line
    Unknown,  // a word no catalogue part has
    Found,
  };
  Outcome outcome = Outcome::NoChip;
  std::uint16_t word = 0;  // as read at 2006h
  IdentifiedChip chip;     // for Found
};

// Detect: the presence test, then the device ID at 2006h, entering
// programming mode with the supply first and, when that names no part,
// once more with Vpp first (a part whose configuration makes MCLR an input
// runs its program when the supply comes first). Nothing is written.
CommandResult DetectChip(OpContext& ctx, Detection* found);

// Detect as a device command of the front ends: DetectChip, with the word
// it read left in OpState::deviceIdRead for DetectionOf.
CommandResult DetectDevice(OpContext& ctx);

// The word is one of the part's device IDs, whatever its revision.
bool WordNamesPart(const DeviceRecord& record, std::uint16_t word);

// What a device ID word names.
Detection DetectionOf(std::uint16_t word);

// "16F88 revision 8", "12F675 (12F629/675) revision 0", "no chip answers",
// "unknown device ID 3FFFh".
std::string DetectionText(const Detection& detection);

// The check before a write: on a part whose family always checks, or with
// OpState::checkDeviceId for the other parts with a device ID, the word at
// 2006h must name the selected part. Unless OpState::ignoreWrongDevice,
// a chip that is another part ("The chip is a 16F876A, not the selected
// 16F877A.") is reported as FailureKind::WrongDevice and stops the command:
// true when it may go on. A part without a
// device ID, or a check that is not asked for, sends nothing.
bool ChipIsTheSelectedPart(OpContext& ctx);

}  // namespace lpt
