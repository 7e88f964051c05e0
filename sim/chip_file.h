// SPDX-License-Identifier: GPL-2.0-or-later
// The chip file of `--port sim:FILE`: one simulated chip's whole state as
// human-readable text, so that a chip keeps what was programmed into it
// between runs. The format is described in docs/simulator.md.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "fileio/file_lock.h"
#include "sim/chip_state.h"

namespace lpt::sim {

// Writes `chip` in the chip-file format.
void WriteChip(std::ostream& out, const ChipState& chip);

// Reads a chip file. On bad input returns nullopt with *error naming the
// line and what is wrong with it ("line 4: ..."). `error` may be null.
std::optional<ChipState> ParseChipText(std::istream& in, std::string* error);

// LoadChipFile returns nullopt with *error empty when the file is empty or
// does not exist (a new chip), and with *error set when it exists but
// cannot be used.
std::optional<ChipState> LoadChipFile(const std::string& path, std::string* error);
// The text WriteChip gives.
std::string ChipText(const ChipState& chip);

// File versions. LoadChipFile only reads a regular file of at most 16 MB.
// SaveChipFile replaces the file in one step (fileio::ReplaceFile), so a
// failed save never leaves half a chip behind. A caller holding the file's
// lock passes it: the lock then stays on the new file, and temporary files
// a killed run left beside it are removed.
bool SaveChipFile(const std::string& path, const ChipState& chip, std::string* error,
                  fileio::FileLock* heldLock = nullptr);

}  // namespace lpt::sim
