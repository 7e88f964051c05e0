// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/packages.h"

#include <gtest/gtest.h>

#include <string>

#include "devices/catalogue.h"
#include "support/data_table.h"

namespace lpt {
namespace {

// The list box order, as transcribed into tests/data/devices/device_list.txt:
// digits before letters, a shorter name before its extensions, "16C9.."
// before "16CE..". Every catalogue name is listed.
TEST(DeviceList, EveryNameInListOrder) {
  std::vector<std::string> expected;
  for (const auto& row : testing_data::ReadTable("devices/device_list.txt", 1))
    expected.push_back(row[0]);
  const std::vector<std::string_view> names = DeviceListNames();
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.end()), expected);
}

// Where each package sits, from the socket drawing's package table: up to
// 18 pins at the right end of the upper strips (pin 1 over hole 12), 28
// pins on the lower strips and 40 pins across the upper and lower strip
// from hole 1. The 68-pin chips never sit in the socket.
TEST(Packages, SeatsFollowTheSocketTable) {
  const struct {
    Package package;
    int pins;
    int upperStrip, lowerStrip, firstHole;  // 0: not in the socket
  } cases[] = {
      {Package::Dip8, 8, 1, 2, 12},  {Package::Dip14, 14, 1, 2, 12}, {Package::Dip18, 18, 1, 2, 12},
      {Package::Dip28, 28, 2, 3, 1}, {Package::Dip40, 40, 1, 3, 1},  {Package::Plcc68, 68, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pins);
    EXPECT_EQ(PinCount(c.package), c.pins);
    const std::optional<SocketSeat> seat = SeatOf(c.package);
    ASSERT_EQ(seat.has_value(), c.firstHole != 0);
    if (!seat) continue;
    EXPECT_EQ(seat->upperStrip, c.upperStrip);
    EXPECT_EQ(seat->lowerStrip, c.lowerStrip);
    EXPECT_EQ(seat->firstHole, c.firstHole);
  }
  EXPECT_EQ(PinCount(Package{99}), 0);
  EXPECT_FALSE(SeatOf(Package{99}).has_value());
}

}  // namespace
}  // namespace lpt
