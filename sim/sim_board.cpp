// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/sim_board.h"

#include <string>

namespace lpt::sim {
namespace {

constexpr BoardLine On(int pin) { return {pin, false}; }
constexpr BoardLine Inverting(int pin) { return {pin, true}; }
constexpr BoardLine kUnwired{};

struct NamedBoard {
  std::string_view name;
  Board board;
};

// Vpp, Vdd, clock, data out, data in, data-out enable as a multimeter finds
// them at the DB-25, translated from the published tables (PiKdev
// src/Config.cpp, Piklab src/progs/direct/base/direct_prog_config.cpp):
// their minus inverts the register bit, and the port inverts pins 1, 14, 17
// and 11 again; their data R/W line is on while the chip drives.
const NamedBoard kBoards[] = {
    {"lptpic", {On(4), Inverting(5), On(2), On(3), On(11), kUnwired}},
    {"Tait classic", {Inverting(5), Inverting(4), On(3), On(2), On(10), kUnwired}},
    {"Tait 7405/7406", {On(5), On(4), Inverting(3), Inverting(2), Inverting(10), kUnwired}},
    {"P16PRO40 classic", {On(5), On(4), Inverting(3), Inverting(2), Inverting(10), kUnwired}},
    {"P16PRO40 7407", {Inverting(5), Inverting(4), On(3), On(2), On(10), kUnwired}},
    {"P16PRO40-VPP40 classic", {On(6), On(4), Inverting(3), Inverting(2), Inverting(10), kUnwired}},
    {"P16PRO40-VPP40 7407", {Inverting(6), Inverting(4), On(3), On(2), On(10), kUnwired}},
    {"EPIC+", {Inverting(5), Inverting(4), On(3), On(2), On(10), kUnwired}},
    {"Propic2 Vpp-1", {Inverting(5), Inverting(4), On(3), On(2), On(10), kUnwired}},
    {"Propic2 Vpp-2", {Inverting(6), Inverting(4), On(3), On(2), On(10), kUnwired}},
    {"Propic2 Vpp-3", {Inverting(7), Inverting(4), On(3), On(2), On(10), kUnwired}},
    // Data R/W -2: pin 2 low while the chip drives, high while the PC does.
    {"Asix Piccolo",
     {Inverting(6), Inverting(7), Inverting(5), Inverting(3), Inverting(10), On(2)}},
    {"Asix Piccolo Grande",
     {Inverting(6), Inverting(7), Inverting(5), Inverting(3), Inverting(10), On(2)}},
    // 16 25 -1 -17 13: pins 1 and 17 follow the signal at the connector.
    {"Myke's EL Cheapo", {On(16), kUnwired, On(1), On(17), On(13), kUnwired}},
    // 16 25 1 17 -13: pins 1 and 17 are low while the signal is on.
    {"EL Cheapo classic", {On(16), kUnwired, Inverting(1), Inverting(17), Inverting(13), kUnwired}},
    {"Monty-Robot programmer", {Inverting(5), On(4), On(2), On(3), On(10), kUnwired}},
};

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

const OutputBit* OutputBitOf(int pin) {
  for (const OutputBit& bit : kOutputBits)
    if (bit.pin == pin) return &bit;
  return nullptr;
}

}  // namespace

std::optional<Board> BuiltInBoard(std::string_view name) {
  for (const NamedBoard& b : kBoards)
    if (b.name == name) return b.board;
  return std::nullopt;
}

Board BoardFor(const Adapter& wiring) {
  if (std::optional<Board> builtIn = BuiltInBoard(wiring.name)) return *builtIn;
  return Board{FromPin(wiring.vpp),     FromPin(wiring.vdd),    FromPin(wiring.clock),
               FromPin(wiring.dataOut), FromPin(wiring.dataIn), FromPin(wiring.dataOutEnable)};
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
  for (const BoardLine* line :
       {&board.vpp, &board.vdd, &board.clock, &board.dataOut, &board.dataOutEnable}) {
    const OutputBit* bit = OutputBitOf(line->pin);
    if (bit && !bit->control) mask |= bit->mask;
  }
  return mask;
}

bool UsesControl(const Board& board) {
  for (const BoardLine* line :
       {&board.vpp, &board.vdd, &board.clock, &board.dataOut, &board.dataOutEnable}) {
    const OutputBit* bit = OutputBitOf(line->pin);
    if (bit && bit->control) return true;
  }
  return false;
}

}  // namespace lpt::sim
