// Where a chip sits in the programmer's socket: the package routine and its
// anchor in the device dialog's picture, or the wiring that replaces the
// package for chips that do not fit the socket. Also the device list the
// dialog offers. Plain data, no drawing.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace lpt {

// The package routines (IO = the drawing routines of the device dialog).
enum class PackageKind { IO2, IO6, IO1, IO5, IO3 };

struct PackageShape {
  PackageKind kind;
  int pins;       // total pins
  int bodyWidth;  // body (x, y)-(x + W, y + H)
  int bodyHeight;
  const char* label;  // ChipLabel
  int labelDx;        // label position relative to the anchor
  int labelDy;
  int markDy;  // pin-1 mark (x - 3, y + markDy)-(x + 2, y + markDy + 5)
};

// Geometry of a package routine.
const PackageShape& ShapeOf(PackageKind kind);

struct PackagePlacement {
  PackageKind kind;
  int x;  // anchor
  int y;
};

// Chips wired to the socket instead of sitting in it.
enum class Wiring { None, Pic14C000, Pic16C92x };

// The package of a listed device at its socket anchor; nullopt for 14C000,
// the 16C92x and any name the dialog does not list.
std::optional<PackagePlacement> SocketPackageOf(std::string_view name);

Wiring WiringOf(std::string_view name);

// Width of the device dialog while `name` is shown: 371, widened to 455
// for 14C000 and 470 for the 16C92x so their wiring is visible.
int DeviceDialogWidth(std::string_view name);

// The names the device dialog lists: every catalogue name, sorted as the
// list box sorts (case-insensitive, character by character).
std::vector<std::string_view> DeviceListNames();

}  // namespace lpt
