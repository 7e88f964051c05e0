// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/sim_board.h"

#include <string>

namespace lpt::sim {
namespace {

// A board's row as the published preset tables write it: the columns Vpp,
// Vdd, clock, data out, data in and data R/W, each a connector pin whose
// minus inverts the register bit the programmer writes (25, a ground pin:
// not switched). The tables come from PiKdev (src/Config.cpp,
// writeStdHardwares) and Piklab
// (src/progs/direct/base/direct_prog_config.cpp); the two agree on every
// row here. The simulator translates them itself (LineOf), so a preset the
// program got wrong by hand fails here instead of agreeing with itself.
struct PublishedRow {
  std::string_view name;
  int vpp, vdd, clock, dataOut, dataIn, dataRw;
};

constexpr PublishedRow kRows[] = {
    // This program's own board, written the same way: pin 11 (BUSY) reads
    // the data line as it is at the connector.
    {"lptpic", 4, -5, 2, 3, -11, 25},
    {"Tait classic", -5, -4, 3, 2, 10, 25},
    {"Tait 7405/7406", 5, 4, -3, -2, -10, 25},
    {"P16PRO40 classic", 5, 4, -3, -2, -10, 25},
    {"P16PRO40 7407", -5, -4, 3, 2, 10, 25},
    {"P16PRO40-VPP40 classic", 6, 4, -3, -2, -10, 25},
    {"P16PRO40-VPP40 7407", -6, -4, 3, 2, 10, 25},
    {"EPIC+", -5, -4, 3, 2, 10, 25},
    {"Propic2 Vpp-1", -5, -4, 3, 2, 10, 25},
    {"Propic2 Vpp-2", -6, -4, 3, 2, 10, 25},
    {"Propic2 Vpp-3", -7, -4, 3, 2, 10, 25},
    {"Asix Piccolo", -6, -7, -5, -3, -10, -2},
    {"Asix Piccolo Grande", -6, -7, -5, -3, -10, -2},
    {"Myke's EL Cheapo", 16, 25, -1, -17, 13, 25},
    {"EL Cheapo classic", 16, 25, 1, 17, -13, 25},
    {"Monty-Robot programmer", -5, 4, 2, 3, 10, 25},
};

// Pins whose level the port hardware inverts against its register bit.
constexpr bool PortInverts(int pin) { return pin == 1 || pin == 11 || pin == 14 || pin == 17; }

// A published column as a chip line: the signal is on when the register
// bit is set (cleared for a minus), and the connector carries the bit
// inverted once more on the port-inverted pins. A line whose pin is low
// while its signal is on is an inverting one.
constexpr BoardLine LineOf(int column) {
  const int pin = column < 0 ? -column : column;
  if (pin >= 18) return {};
  const bool highWhenOn = (column > 0) != PortInverts(pin);
  return {pin, !highWhenOn};
}

Board BoardOf(const PublishedRow& row) {
  // Data R/W is on while the chip drives: the data-out enable's opposite.
  BoardLine enable = LineOf(row.dataRw);
  enable.inverts = enable.pin != 0 && !enable.inverts;
  return Board{.vpp = LineOf(row.vpp),
               .vdd = LineOf(row.vdd),
               .clock = LineOf(row.clock),
               .dataOut = LineOf(row.dataOut),
               .dataIn = LineOf(row.dataIn),
               .dataOutEnable = enable,
               .pgm = {}};
}

BoardLine FromPin(const AdapterPin& pin) { return {pin.pin, pin.inverted}; }

// Register and bit of each output pin; the port inverts 1, 14 and 17.
struct OutputBit {
  int pin;
  bool control;
  std::uint8_t mask;
  bool portInverts;
};

constexpr OutputBit kOutputBits[] = {
    {1, true, 0x01, true},   {2, false, 0x01, false}, {3, false, 0x02, false},
    {4, false, 0x04, false}, {5, false, 0x08, false}, {6, false, 0x10, false},
    {7, false, 0x20, false}, {8, false, 0x40, false}, {9, false, 0x80, false},
    {14, true, 0x02, true},  {16, true, 0x04, false}, {17, true, 0x08, true},
};

std::array<const BoardLine*, 6> Outputs(const Board& b) {
  return {&b.vpp, &b.vdd, &b.clock, &b.dataOut, &b.dataOutEnable, &b.pgm};
}

const OutputBit* OutputBitOf(int pin) {
  for (const OutputBit& bit : kOutputBits)
    if (bit.pin == pin) return &bit;
  return nullptr;
}

}  // namespace

std::optional<Board> BuiltInBoard(std::string_view name) {
  for (const PublishedRow& row : kRows)
    if (row.name == name) return BoardOf(row);
  return std::nullopt;
}

std::optional<Board> BoardFor(const Adapter& wiring) {
  if (wiring.publishedBoard) return BuiltInBoard(wiring.name);
  return Board{.vpp = FromPin(wiring.vpp),
               .vdd = FromPin(wiring.vdd),
               .clock = FromPin(wiring.clock),
               .dataOut = FromPin(wiring.dataOut),
               .dataIn = FromPin(wiring.dataIn),
               .dataOutEnable = FromPin(wiring.dataOutEnable),
               .pgm = FromPin(wiring.pgm)};
}

ConnectorLevels LevelsOf(std::uint8_t data, std::uint8_t control) {
  ConnectorLevels levels{};
  for (const OutputBit& bit : kOutputBits) {
    const bool set = ((bit.control ? control : data) & bit.mask) != 0;
    levels[static_cast<std::size_t>(bit.pin)] = set != bit.portInverts;
  }
  return levels;
}

std::uint8_t StatusWith(int pin, bool high) {
  // Pin 11 (BUSY) low reads as bit 7 set; every other input low reads 0.
  std::uint8_t status = 0x87;
  switch (pin) {
    case 15:
      return high ? status | 0x08 : status;
    case 13:
      return high ? status | 0x10 : status;
    case 12:
      return high ? status | 0x20 : status;
    case 10:
      return high ? status | 0x40 : status;
    case 11:
      return high ? status & 0x7F : status;
    default:
      return status;
  }
}

std::uint8_t DataBitsUsed(const Board& board) {
  std::uint8_t mask = 0;
  for (const BoardLine* line : Outputs(board)) {
    const OutputBit* bit = OutputBitOf(line->pin);
    if (bit && !bit->control) mask |= bit->mask;
  }
  return mask;
}

bool UsesControl(const Board& board) {
  for (const BoardLine* line : Outputs(board)) {
    const OutputBit* bit = OutputBitOf(line->pin);
    if (bit && bit->control) return true;
  }
  return false;
}

}  // namespace lpt::sim
