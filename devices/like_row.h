// SPDX-License-Identifier: GPL-2.0-or-later
// Per-family tables (the operations' methods, the simulator's silicon
// models) write a family that differs from another in a few fields as that
// row with its differences, so that what the two share is stated once:
//   Like(kEprom14, Family::Pic16C55x, [](FamilyMethods& m) { m.fuseAnd = 0x3F3F; })
#pragma once

#include "devices/family.h"

namespace lpt {

template <typename Row, typename Edit>
constexpr Row Like(Row row, Family family, Edit edit) {
  row.family = family;
  edit(row);
  return row;
}

// For a family that differs from its row in nothing but the family.
inline constexpr auto kNoDifferences = [](auto&) {};

}  // namespace lpt
