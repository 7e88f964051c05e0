// The chip file of `--port sim:FILE`: one simulated chip's whole state as
// human-readable text, so that a chip keeps what was programmed into it
// between runs. The format is described in docs/simulator.md.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "sim/chip_state.h"

namespace lpt::sim {

// Writes `chip` in the chip-file format.
void WriteChip(std::ostream& out, const ChipState& chip);

// Reads a chip file. On bad input returns nullopt with *error naming the
// line and what is wrong with it ("line 4: ..."). `error` may be null.
std::optional<ChipState> ParseChipText(std::istream& in, std::string* error);

// File versions. LoadChipFile returns nullopt with *error empty when the file
// does not exist, and with *error set when it exists but cannot be used.
std::optional<ChipState> LoadChipFile(const std::string& path, std::string* error);
// Writes through a temporary file beside `path`, so a failed save never
// leaves half a chip behind.
bool SaveChipFile(const std::string& path, const ChipState& chip, std::string* error);

}  // namespace lpt::sim
