#include "devices/package_table.h"

#include <gtest/gtest.h>

#include <string>

#include "devices/catalogue.h"

namespace lpt {
namespace {

// The list box order: digits before letters, a shorter name before its
// extensions, "16C9.." before "16CE..". Every catalogue name is listed.
TEST(DeviceList, EveryNameInListOrder) {
  const std::vector<std::string_view> expected = {
      "12C508",  "12C508A", "12C509",     "12C509A", "12C671",  "12C672",  "12CE518", "12CE519",
      "12CE673", "12CE674", "12F629/675", "14C000",  "16C505",  "16C554",  "16C556",  "16C558",
      "16C61",   "16C62",   "16C620",     "16C620A", "16C621",  "16C621A", "16C622",  "16C622A",
      "16C62A",  "16C62B",  "16C63",      "16C63A",  "16C64",   "16C64A",  "16C65",   "16C65A",
      "16C65B",  "16C66",   "16C67",      "16C71",   "16C710",  "16C711",  "16C712",  "16C716",
      "16C72",   "16C72A",  "16C73",      "16C73A",  "16C73B",  "16C74",   "16C745",  "16C74A",
      "16C74B",  "16C76",   "16C765",     "16C77",   "16C773",  "16C774",  "16C84",   "16C923",
      "16C924",  "16C925",  "16C926",     "16CE623", "16CE624", "16CE625", "16F627",  "16F627A",
      "16F628",  "16F628A", "16F630/676", "16F648A", "16F83",   "16F84",   "16F84A",  "16F870",
      "16F871",  "16F872",  "16F873",     "16F873A", "16F874",  "16F874A", "16F876",  "16F876A",
      "16F877",  "16F877A"};
  EXPECT_EQ(DeviceListNames(), expected);
}

// Every listed chip either sits in the socket or is wired to it, never
// both; a name outside the catalogue has neither.
TEST(DeviceList, EveryEntryHasExactlyOnePicture) {
  for (std::string_view name : DeviceListNames()) {
    SCOPED_TRACE(std::string(name));
    EXPECT_NE(FindDevice(name), nullptr);
    EXPECT_NE(SocketPackageOf(name).has_value(), WiringOf(name) != Wiring::None);
  }
  EXPECT_FALSE(SocketPackageOf("16F999").has_value());
  EXPECT_EQ(WiringOf("16F999"), Wiring::None);
  EXPECT_FALSE(SocketPackageOf("").has_value());
}

TEST(PackageTable, PlacementByDevice) {
  const struct {
    const char* name;
    PackageKind kind;
    int x, y;
  } cases[] = {
      {"12C508", PackageKind::IO2, 80, 9},
      {"12F629/675", PackageKind::IO2, 80, 9},
      {"16C505", PackageKind::IO6, 80, 9},
      {"16F630/676", PackageKind::IO6, 80, 9},
      {"16F84", PackageKind::IO1, 80, 9},
      {"16C716", PackageKind::IO1, 80, 9},
      {"16F876", PackageKind::IO5, 14, 27},
      {"16C745", PackageKind::IO5, 14, 27},
      {"16F877", PackageKind::IO3, 14, 9},
      {"16C765", PackageKind::IO3, 14, 9},
      // 28-pin, 40-pin and 18-pin DIP packages of the newer flash parts
      {"16F873A", PackageKind::IO5, 14, 27},
      {"16F876A", PackageKind::IO5, 14, 27},
      {"16F874A", PackageKind::IO3, 14, 9},
      {"16F877A", PackageKind::IO3, 14, 9},
      {"16F648A", PackageKind::IO1, 80, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto placement = SocketPackageOf(c.name);
    ASSERT_TRUE(placement.has_value());
    EXPECT_EQ(placement->kind, c.kind);
    EXPECT_EQ(placement->x, c.x);
    EXPECT_EQ(placement->y, c.y);
  }
}

// Pin k of a package drawn at anchor x spans x - 3 + 6k .. x + 2 + 6k; it
// must cover hole h (6h + 12 .. 6h + 16) of the socket, and the pins must
// fit on the body.
TEST(PackageTable, PinsLieOverSocketHolesAndOnTheBody) {
  for (std::string_view name : DeviceListNames()) {
    const auto placement = SocketPackageOf(name);
    if (!placement) continue;
    SCOPED_TRACE(std::string(name));
    const PackageShape& shape = ShapeOf(placement->kind);
    const int perSide = shape.pins / 2;
    const int firstHole = placement->x == 80 ? 12 : 1;
    EXPECT_LE(firstHole + perSide - 1, 20) << "runs off the strip";
    for (int k = 1; k <= perSide; ++k) {
      const int h = firstHole + k - 1;
      EXPECT_LE(placement->x - 3 + 6 * k, 6 * h + 12);
      EXPECT_GE(placement->x + 2 + 6 * k, 6 * h + 16);
    }
    EXPECT_LT(placement->x + 2 + 6 * perSide, placement->x + shape.bodyWidth);
  }
  EXPECT_EQ(ShapeOf(PackageKind::IO3).pins, 40);
  EXPECT_EQ(ShapeOf(PackageKind::IO6).pins, 14);
}

TEST(PackageTable, DialogWidensOnlyForWiredChips) {
  EXPECT_EQ(DeviceDialogWidth("16F84"), 371);
  EXPECT_EQ(DeviceDialogWidth("16F877A"), 371);
  EXPECT_EQ(DeviceDialogWidth(""), 371);
  EXPECT_EQ(DeviceDialogWidth("14C000"), 455);
  for (const char* name : {"16C923", "16C924", "16C925", "16C926"}) {
    EXPECT_EQ(DeviceDialogWidth(name), 470) << name;
  }
}

}  // namespace
}  // namespace lpt
