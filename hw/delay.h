// SPDX-License-Identifier: GPL-2.0-or-later
// The waits: WaitMs (milliseconds) and WaitUs (microseconds). Both return
// after at least the given time. NowUs is the clock the waits run on, so a
// simulated chip can time its programming cycles against the same clock.
#pragma once

#include <cstdint>

namespace lpt {

class Delay {
 public:
  virtual ~Delay() = default;
  virtual void WaitMs(std::uint32_t ms) = 0;
  virtual void WaitUs(std::uint32_t us) = 0;
  // Microseconds since an arbitrary origin on this clock.
  virtual std::uint64_t NowUs() const = 0;
};

}  // namespace lpt
