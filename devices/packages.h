// SPDX-License-Identifier: GPL-2.0-or-later
// How a chip meets the programmer: its package and, for a chip that sits in
// the socket, where. The socket has three strips of twenty holes, numbered
// from the top and from the left; a dual-in-line chip's two pin rows lie on
// two strips with pin 1 over one hole. Chips whose programming pins do not
// match the socket are wired to it instead. Plain data, no drawing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lpt {

enum class Package : std::uint8_t {
  Dip8,
  Dip14,
  Dip18,
  Dip28,
  Dip40,
  Plcc68,
  Sot23_6,
  Dip20,   // runs one hole past the strips from where the 18-pin chips sit
  Ssop20,  // 16F639: no dual-in-line package
  Tqfp64,  // 16F946
};

// Chips wired to the socket instead of sitting in it, by the wiring they
// need: drawn wires from socket holes to chip pins (14C000, 16C92x), or an
// ICSP cable to the chip's programming pins (the 10F20x/22x, whose 6-pin
// SOT-23 and 8-pin DIP differ from the 12-bit 8-pin parts'; the 16F57 and
// 16F59, whose programming pins lie where no 28- or 40-pin part of the
// socket has them; the 20-pin parts, which the socket does not take).
enum class Wiring : std::uint8_t { None, Pic14C000, Pic16C92x, IcspCable };

struct SocketSeat {
  int upperStrip;  // the strip under the pin row with pin 1 (1..3)
  int lowerStrip;  // the strip under the other pin row
  int firstHole;   // the hole under pin 1 (1..20); the pins run to the right
};

// The pins a chip is programmed through: MCLR (which takes Vpp), the supply
// and ground (a second pin where the package has one, else 0), clock and
// data.
struct ProgrammingPins {
  int vpp = 0;
  int vdd = 0;
  int vdd2 = 0;
  int vss = 0;
  int vss2 = 0;
  int pgc = 0;
  int pgd = 0;
  bool operator==(const ProgrammingPins&) const = default;
};

int PinCount(Package package);
// "DIP18", "PLCC68".
std::string PackageName(Package package);

// Where a chip of this package sits; nullopt for a package the socket does
// not take (it is then always wired).
std::optional<SocketSeat> SeatOf(Package package);

// The pins the socket reaches for a chip seated there: the pinout of the
// parts the adapter was built for (16F84, 16F877, 12F629, 16F630);
// nullopt for a package without a seat.
std::optional<ProgrammingPins> SocketPins(Package package);

// The lines of the connection help for a chip programmed through an ICSP
// cable ("Vpp/MCLR: pin 4" ...), one per programming line.
std::vector<std::string> IcspConnectionLines(const ProgrammingPins& pins);

}  // namespace lpt
