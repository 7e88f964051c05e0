// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/packages.h"

#include <array>

namespace lpt {
namespace {

struct PackageRow {
  Package package;
  int pins;
  std::optional<SocketSeat> seat;
};

// Chips of up to 18 pins sit at the right end of the two upper strips, so
// that pin 1 is over hole 12; 28-pin chips on the two lower strips from
// hole 1; 40-pin chips across the upper and the lower strip from hole 1.
constexpr std::array<PackageRow, 7> kPackages{{
    {Package::Dip8, 8, SocketSeat{1, 2, 12}},
    {Package::Dip14, 14, SocketSeat{1, 2, 12}},
    {Package::Dip18, 18, SocketSeat{1, 2, 12}},
    {Package::Dip28, 28, SocketSeat{2, 3, 1}},
    {Package::Dip40, 40, SocketSeat{1, 3, 1}},
    {Package::Plcc68, 68, std::nullopt},
    {Package::Sot23_6, 6, std::nullopt},
}};

const PackageRow* FindPackage(Package package) {
  for (const PackageRow& row : kPackages)
    if (row.package == package) return &row;
  return nullptr;
}

}  // namespace

int PinCount(Package package) {
  const PackageRow* row = FindPackage(package);
  return row ? row->pins : 0;
}

std::optional<SocketSeat> SeatOf(Package package) {
  const PackageRow* row = FindPackage(package);
  return row ? row->seat : std::nullopt;
}

}  // namespace lpt
