// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/packages.h"

#include <array>

namespace lpt {
namespace {

struct PackageRow {
  Package package;
  const char* name;
  int pins;
  std::optional<SocketSeat> seat;
  std::optional<ProgrammingPins> socketPins;
};

// Chips of up to 18 pins sit at the right end of the two upper strips, so
// that pin 1 is over hole 12; 28-pin chips on the two lower strips from
// hole 1; 40-pin chips across the upper and the lower strip from hole 1.
// The socket's programming pins are those of the parts it was built for,
// from the makers' data sheets: 12F629 (DIP8), 16F630 (DIP14), 16F84
// (DIP18), 16F876 (DIP28) and 16F877 (DIP40).
constexpr std::array<PackageRow, 8> kPackages{{
    {Package::Dip8, "DIP8", 8, SocketSeat{1, 2, 12},
     ProgrammingPins{.vpp = 4, .vdd = 1, .vss = 8, .pgc = 6, .pgd = 7}},
    {Package::Dip14, "DIP14", 14, SocketSeat{1, 2, 12},
     ProgrammingPins{.vpp = 4, .vdd = 1, .vss = 14, .pgc = 12, .pgd = 13}},
    {Package::Dip18, "DIP18", 18, SocketSeat{1, 2, 12},
     ProgrammingPins{.vpp = 4, .vdd = 14, .vss = 5, .pgc = 12, .pgd = 13}},
    {Package::Dip28, "DIP28", 28, SocketSeat{2, 3, 1},
     ProgrammingPins{.vpp = 1, .vdd = 20, .vss = 8, .vss2 = 19, .pgc = 27, .pgd = 28}},
    {Package::Dip40, "DIP40", 40, SocketSeat{1, 3, 1},
     ProgrammingPins{.vpp = 1, .vdd = 11, .vdd2 = 32, .vss = 12, .vss2 = 31, .pgc = 39, .pgd = 40}},
    {Package::Plcc68, "PLCC68", 68, std::nullopt, std::nullopt},
    {Package::Sot23_6, "SOT-23-6", 6, std::nullopt, std::nullopt},
    {Package::Dip20, "DIP20", 20, std::nullopt, std::nullopt},
}};

const PackageRow* FindPackage(Package package) {
  for (const PackageRow& row : kPackages)
    if (row.package == package) return &row;
  return nullptr;
}

std::string PinText(int pin, int second) {
  std::string text = "pin " + std::to_string(pin);
  if (second != 0) text = "pins " + std::to_string(pin) + " and " + std::to_string(second);
  return text;
}

}  // namespace

int PinCount(Package package) {
  const PackageRow* row = FindPackage(package);
  return row ? row->pins : 0;
}

std::string PackageName(Package package) {
  const PackageRow* row = FindPackage(package);
  return row ? row->name : "?";
}

std::optional<SocketSeat> SeatOf(Package package) {
  const PackageRow* row = FindPackage(package);
  return row ? row->seat : std::nullopt;
}

std::optional<ProgrammingPins> SocketPins(Package package) {
  const PackageRow* row = FindPackage(package);
  return row ? row->socketPins : std::nullopt;
}

std::vector<std::string> IcspConnectionLines(const ProgrammingPins& pins) {
  return {"Vpp/MCLR: " + PinText(pins.vpp, 0), "Vdd: " + PinText(pins.vdd, pins.vdd2),
          "Vss: " + PinText(pins.vss, pins.vss2), "PGC (clock): " + PinText(pins.pgc, 0),
          "PGD (data): " + PinText(pins.pgd, 0)};
}

}  // namespace lpt
