// SPDX-License-Identifier: GPL-2.0-or-later
// The built-in adapters, written at the connector.
//
// Every row comes from the direct-programmer preset tables that PiKdev and
// Piklab publish (the two agree on every row here):
//   PiKdev: github.com/funlw65/pikdev, src/Config.cpp (writeStdHardwares)
//   Piklab: github.com/ethics/piklab,
//           src/progs/direct/base/direct_prog_config.cpp
// Those tables write the register bit, not the connector: a minus there
// inverts the bit their pin writer sets (Piklab's setPinOn in
// src/common/port/parallel.cpp), and the port then inverts pins 1, 14, 17
// and 11 once more. So a table's "-1" is pin 1 high at the connector while
// the signal is on, and its "1" is pin 1 low; on every other pin the minus
// is an inversion at the connector. Their sixth column, data R/W, is on
// while the chip drives the data line, the opposite of the data-out enable
// here. Pin 25 (ground) there is "none" here. docs/adapters.md shows the
// translation pin by pin.
#include "hw/adapter.h"

namespace lpt {
namespace {

constexpr AdapterPin Pin(int pin) { return AdapterPin{.pin = pin, .inverted = false}; }
constexpr AdapterPin Inv(int pin) { return AdapterPin{.pin = pin, .inverted = true}; }
constexpr AdapterPin kNone{};

constexpr const char* kBothTables =
    "PiKdev (github.com/funlw65/pikdev, src/Config.cpp) and Piklab (github.com/ethics/piklab, "
    "src/progs/direct/base/direct_prog_config.cpp)";

// Each row names its own source: the list shows it beside the adapter.
struct Row {
  const char* name;
  AdapterPin vpp, vdd, clock, dataOut, dataIn, enable;
  const char* source;
  const char* notes;
};

// Published columns (vpp vdd clock datao datai drw) in each comment.
constexpr Row kRows[] = {
    // -5 -4 3 2 10 25
    {"Tait classic", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables, ""},
    // 5 4 -3 -2 -10 25
    {"Tait 7405/7406", Pin(5), Pin(4), Inv(3), Inv(2), Inv(10), kNone, kBothTables, ""},
    // 5 4 -3 -2 -10 25
    {"P16PRO40 classic", Pin(5), Pin(4), Inv(3), Inv(2), Inv(10), kNone, kBothTables, ""},
    // -5 -4 3 2 10 25
    {"P16PRO40 7407", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables, ""},
    // 6 4 -3 -2 -10 25
    {"P16PRO40-VPP40 classic", Pin(6), Pin(4), Inv(3), Inv(2), Inv(10), kNone, kBothTables, ""},
    // -6 -4 3 2 10 25
    {"P16PRO40-VPP40 7407", Inv(6), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables, ""},
    // -5 -4 3 2 10 25, with the tables' note
    {"EPIC+", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables,
     "Disconnect the 7407's pin 2 first, as the published table says."},
    // -5 -4 3 2 10 25
    {"Propic2 Vpp-1", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables, ""},
    // -6 -4 3 2 10 25
    {"Propic2 Vpp-2", Inv(6), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables, ""},
    // -7 -4 3 2 10 25
    {"Propic2 Vpp-3", Inv(7), Inv(4), Pin(3), Pin(2), Pin(10), kNone, kBothTables, ""},
    // -6 -7 -5 -3 -10 -2: data R/W on pin 2 is low while the chip drives,
    // so the data-out enable is pin 2 high.
    {"Asix Piccolo", Inv(6), Inv(7), Inv(5), Inv(3), Inv(10), Pin(2), kBothTables, ""},
    // The same row; its author tried only the Piccolo.
    {"Asix Piccolo Grande", Inv(6), Inv(7), Inv(5), Inv(3), Inv(10), Pin(2), kBothTables,
     "Not tried on real hardware: the table's author tried only the Piccolo and expects the "
     "same lines here."},
    // 16 25 -1 -17 13 25: the minus on port-inverted pins 1 and 17 makes
    // them follow the signal at the connector.
    {"Myke's EL Cheapo", Pin(16), kNone, Pin(1), Pin(17), Pin(13), kNone, kBothTables,
     "Vdd is not switched: the chip is powered whenever the board is."},
    // 16 25 1 17 -13 25
    {"EL Cheapo classic", Pin(16), kNone, Inv(1), Inv(17), Inv(13), kNone, kBothTables,
     "Not tried on real hardware: the published tables mark it \"not tested\". Vdd is not "
     "switched."},
    // -5 4 2 3 10 25
    {"Monty-Robot programmer", Inv(5), Pin(4), Pin(2), Pin(3), Pin(10), kNone, kBothTables, ""},
};

std::vector<Adapter> MakeBuiltIns() {
  std::vector<Adapter> all{DefaultAdapter()};
  for (const Row& r : kRows) {
    all.push_back(Adapter{.name = r.name,
                          .vpp = r.vpp,
                          .vdd = r.vdd,
                          .clock = r.clock,
                          .dataOut = r.dataOut,
                          .dataIn = r.dataIn,
                          .dataOutEnable = r.enable,
                          .releaseToRead = true,
                          .clockDelayUs = 0,
                          .source = r.source,
                          .notes = r.notes,
                          .publishedBoard = true});
  }
  return all;
}

}  // namespace

const std::vector<Adapter>& BuiltInAdapters() {
  static const std::vector<Adapter> all = MakeBuiltIns();
  return all;
}

}  // namespace lpt
