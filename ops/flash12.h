// SPDX-License-Identifier: GPL-2.0-or-later
// The 12-bit flash parts (10F2xx, 12F508-510, 16F505/506, 16F54/57/59):
// their write cycle and their erase. These parts only clear bits when they
// program, and their one erase takes program memory and the configuration
// word, and with the counter on the first ID the IDs and the backup OSCCAL
// too. The last program word of most of them holds the factory oscillator
// calibration (OSCCAL, a MOVLW 0Cxxh), and the word after the IDs a backup
// of it; an erase destroys both, so they are read first and written back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ops/device_commands.h"

namespace lpt {

// One write at the counter: Load Data, Begin Programming (08h), the wait of
// `kind`, End Programming (0Eh), the discharge wait; returns the word read
// back (its 12 bits).
std::uint16_t WriteCycle12(OpContext& ctx, std::uint16_t word, WaitKind kind,
                           std::uint32_t standardMs);

// The backup OSCCAL: the word after the four IDs.
int BackupOsccalAddress(const ActiveDevice& device);

// What goes back after an erase, from what the chip held before it.
struct OsccalPlan {
  std::optional<std::uint16_t> word;    // into the last program word; none: left blank
  std::optional<std::uint16_t> backup;  // into the backup word; none: left blank
  std::string note;                     // what the user is told; empty: nothing to tell
};

struct OsccalFound {
  std::uint16_t word = 0x0FFF;    // the last program word
  std::uint16_t backup = 0x0FFF;  // the backup word
  int wordAddress = 0;
  int backupAddress = 0;
};

// The chip's OSCCAL is the last program word when it is a MOVLW, else the
// backup when that is one; the backup keeps its own value when it is a
// MOVLW, else takes the chip's OSCCAL. `fileWord` (the buffers' last word,
// when not blank) replaces the chip's OSCCAL only with `overwrite`; the note
// names the value kept.
OsccalPlan PlanOsccal(const OsccalFound& found, std::optional<std::uint16_t> fileWord,
                      bool overwrite);

// Erase of the whole chip with the counter on the first ID. On the parts
// with OSCCAL, the OSCCAL word and its backup are read before and written
// back after as PlanOsccal decides; for Program All (`programAll`) the
// buffers' last word is the file's OSCCAL. A note goes out as a warning (a Failure of kind
// Warning); a write-back that does not read back shows "Error OscCal!" and the command ends as
// failed (OpContext::calibrationLost).
void EraseKeepingOsccal(OpContext& ctx, bool programAll);

}  // namespace lpt
