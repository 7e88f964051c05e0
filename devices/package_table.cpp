#include "devices/package_table.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "devices/catalogue.h"

namespace lpt {
namespace {

using std::string_view;

// Pins per side = pins / 2; pin k spans x - 3 + 6k .. x + 2 + 6k, which
// matches the socket's hole pitch of 6 pixels.
constexpr std::array<PackageShape, 5> kShapes{{
    {PackageKind::IO2, 8, 30, 14, "Pic", 7, 0, 5},
    {PackageKind::IO6, 14, 45, 14, "Pic", 7, 0, 5},
    {PackageKind::IO1, 18, 60, 14, "Pic ...", 10, 0, 5},
    {PackageKind::IO5, 28, 87, 14, "Pic ...", 10, 0, 5},
    {PackageKind::IO3, 40, 126, 32, "Pic . . .", 27, 9, 13},
}};

struct PackageGroup {
  PackageKind kind;
  int x;
  int y;
  std::initializer_list<string_view> names;
};

// 8-, 14- and 18-pin chips sit at the right end of the two upper strips
// (anchor x 80 puts pin k over hole k + 11); 28-pin chips on the two lower
// strips and 40-pin chips across the upper and lower strip from hole 1.
const PackageGroup kGroups[] = {
    {PackageKind::IO2,
     80,
     9,
     {"12C508", "12C508A", "12C509", "12C509A", "12C671", "12C672", "12CE518", "12CE519", "12CE673",
      "12CE674", "12F629/675"}},
    {PackageKind::IO6, 80, 9, {"16C505", "16F630/676"}},
    {PackageKind::IO1, 80, 9, {"16C554",  "16C556",  "16C558",  "16C61",   "16C620",  "16C620A",
                               "16C621",  "16C621A", "16C622",  "16C622A", "16C71",   "16C710",
                               "16C711",  "16C712",  "16C716",  "16C84",   "16CE623", "16CE624",
                               "16CE625", "16F627",  "16F627A", "16F628",  "16F628A", "16F648A",
                               "16F83",   "16F84",   "16F84A"}},
    {PackageKind::IO5, 14, 27, {"16C62",  "16C62A", "16C62B",  "16C63",  "16C63A",
                                "16C66",  "16C72",  "16C72A",  "16C73",  "16C73A",
                                "16C73B", "16C745", "16C76",   "16C773", "16F870",
                                "16F872", "16F873", "16F873A", "16F876", "16F876A"}},
    {PackageKind::IO3,
     14,
     9,
     {"16C64", "16C64A", "16C65", "16C65A", "16C65B", "16C67", "16C74", "16C74A", "16C74B",
      "16C765", "16C77", "16C774", "16F871", "16F874", "16F874A", "16F877", "16F877A"}},
};

constexpr string_view k16C92x[] = {"16C923", "16C924", "16C925", "16C926"};

bool LessIgnoringCase(string_view a, string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char l, char r) {
    return std::toupper(static_cast<unsigned char>(l)) <
           std::toupper(static_cast<unsigned char>(r));
  });
}

}  // namespace

const PackageShape& ShapeOf(PackageKind kind) {
  for (const PackageShape& shape : kShapes) {
    if (shape.kind == kind) return shape;
  }
  return kShapes.front();
}

std::optional<PackagePlacement> SocketPackageOf(string_view name) {
  for (const PackageGroup& group : kGroups) {
    if (std::find(group.names.begin(), group.names.end(), name) != group.names.end()) {
      return PackagePlacement{group.kind, group.x, group.y};
    }
  }
  return std::nullopt;
}

Wiring WiringOf(string_view name) {
  if (name == "14C000") return Wiring::Pic14C000;
  if (std::find(std::begin(k16C92x), std::end(k16C92x), name) != std::end(k16C92x)) {
    return Wiring::Pic16C92x;
  }
  return Wiring::None;
}

int DeviceDialogWidth(string_view name) {
  switch (WiringOf(name)) {
    case Wiring::Pic14C000:
      return 455;
    case Wiring::Pic16C92x:
      return 470;
    case Wiring::None:
      break;
  }
  return 371;
}

std::vector<string_view> DeviceListNames() {
  std::vector<string_view> names = CatalogueNames();
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

}  // namespace lpt
