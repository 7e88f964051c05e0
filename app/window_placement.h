// SPDX-License-Identifier: GPL-2.0-or-later
// Where the main window opens: centred horizontally, and at four sixths of
// the free height, each rounded to the nearest integer with halves going
// to the even neighbour.
#pragma once

#include <cmath>

namespace lpt::app {

struct Placement {
  int left;
  int top;
  bool operator==(const Placement&) const = default;
};

inline int RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return static_cast<int>(floor) + 1;
  if (fraction < 0.5) return static_cast<int>(floor);
  const int down = static_cast<int>(floor);
  return down % 2 == 0 ? down : down + 1;
}

inline Placement PlaceMainWindow(int screenWidth, int screenHeight, int windowWidth,
                                 int windowHeight) {
  return {RoundHalfEven((screenWidth - windowWidth) / 2.0),
          RoundHalfEven((screenHeight - windowHeight) * 4 / 6.0)};
}

}  // namespace lpt::app
