// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated adapter's own idea of the boards: which connector pin
// reaches each chip line, whether the board inverts it, and how the port's
// registers set the connector pins. It is kept apart from the wirings the
// program drives (hw/adapter_presets.cpp) on purpose: the built-in boards
// are transcribed here again from the published tables, in the tables' own
// notation, and translated here, so a preset that drives the wrong level
// fails on the simulator instead of agreeing with itself.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "hw/adapter.h"

namespace lpt::sim {

// One chip line of a board: its connector pin (0: not wired) and whether
// the board inverts it between the connector and the chip.
struct BoardLine {
  int pin = 0;
  bool inverts = false;

  bool operator==(const BoardLine&) const = default;
};

struct Board {
  BoardLine vpp, vdd, clock, dataOut, dataIn;
  // On: the board drives the data line towards the chip.
  BoardLine dataOutEnable;
  BoardLine pgm;

  bool operator==(const Board&) const = default;
};

// A built-in adapter's board by the adapter's name; nullopt for any other
// name.
std::optional<Board> BuiltInBoard(std::string_view name);
// The board of a wiring: a published board's own transcription, otherwise
// the user's wiring as written. nullopt for a published board the
// simulator has no row for: it is never guessed from the preset.
std::optional<Board> BoardFor(const Adapter& wiring);

// Connector levels of pins 1 to 17 (index = pin) for the register values.
using ConnectorLevels = std::array<bool, 18>;
ConnectorLevels LevelsOf(std::uint8_t data, std::uint8_t control);

// The status register with `pin` (10, 11, 12, 13 or 15) at `high` and the
// other status inputs low; bits 0-2 have no pin and read 1.
std::uint8_t StatusWith(int pin, bool high);

// The data register bits and whether the control register carry any of
// the board's outputs.
std::uint8_t DataBitsUsed(const Board& board);
bool UsesControl(const Board& board);

}  // namespace lpt::sim
