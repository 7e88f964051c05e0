// SPDX-License-Identifier: GPL-2.0-or-later
// The device commands for the PIC18F2XXX/4XXX parts: each enters
// programming mode, runs its sequences and switches the chip off, and
// answers what happened. The passes compare bytes (configuration bytes
// under their masks) and name the first difference.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "buffers/pic18_image.h"
#include "ops/pic18_sequences.h"

namespace lpt {

struct Pic18Outcome {
  bool ok = false;
  // Why not, as the user reads it; empty when ok.
  std::string message;
  std::optional<Pic18Difference> difference;
  std::uint16_t deviceId = 0;  // as read (Detect and the check before a write)
  int buffersWritten = 0;      // Program All: write buffers of program memory
  int eepromBytesWritten = 0;
};

// Detect: the device ID word and what it names.
Pic18Outcome DetectPic18(Pic18Session& s);
Pic18Outcome ReadPic18(Pic18Session& s, Pic18Image& into);
// Chip erase, program memory, IDs, data EEPROM, configuration bytes, then
// everything read back and compared. The chip must answer with the part's
// device ID first unless `anyChip`.
Pic18Outcome ProgramAllPic18(Pic18Session& s, const Pic18Image& image, bool anyChip = false);
// Data EEPROM alone: its bulk erase, its bytes, read back.
Pic18Outcome ProgramDataPic18(Pic18Session& s, const Pic18Image& image);
// The configuration bytes alone (they are rewritten without an erase),
// read back.
Pic18Outcome ProgramConfigPic18(Pic18Session& s, const Pic18Image& image);
Pic18Outcome VerifyPic18(Pic18Session& s, const Pic18Image& image);
Pic18Outcome BlankCheckPic18(Pic18Session& s);
// The document's chip erase (3F8Fh), which clears code protection too.
Pic18Outcome ErasePic18(Pic18Session& s);

// "Verify failed at 300005h: expected 83h, read 03h".
std::string DescribePic18Difference(const char* what, const Pic18Difference& difference);

}  // namespace lpt
