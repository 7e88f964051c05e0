// SPDX-License-Identifier: GPL-2.0-or-later
// Masks, words and register bytes compared as numbers but printed in hex,
// so that a failure reads "3733 vs 3713" as the makers' documents write
// them. Header-only.
#pragma once

#include <cstdio>
#include <ostream>

namespace lpt::testing {

struct Hex {
  unsigned value;
  int digits;
  bool operator==(const Hex& other) const { return value == other.value; }
};

// A configuration mask, program word or device ID; a register byte.
inline Hex Hex4(unsigned value) { return {value, 4}; }
inline Hex Hex2(unsigned value) { return {value, 2}; }

inline void PrintTo(const Hex& hex, std::ostream* os) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", hex.digits, hex.value);
  *os << text;
}

}  // namespace lpt::testing
