// SPDX-License-Identifier: GPL-2.0-or-later
// Waits on the real clock: at least the time asked, to the microsecond.
// Short waits spin on the steady clock (a sleep cannot be that precise);
// long waits sleep most of the time and spin only the tail, so a 20 ms
// programming wait does not keep a core busy.
#pragma once

#include <cstdint>

#include "hw/delay.h"

namespace lpt {

class RealDelay : public Delay {
 public:
  RealDelay();
  // `spinTailUs`: how much of a long wait is spun instead of slept. It must
  // cover how late the system's sleep may wake up.
  explicit RealDelay(std::uint32_t spinTailUs);
  ~RealDelay() override;
  RealDelay(const RealDelay&) = delete;
  RealDelay& operator=(const RealDelay&) = delete;

  void WaitMs(std::uint32_t ms) override;
  void WaitUs(std::uint32_t us) override;
  std::uint64_t NowUs() const override;

  // Waits shorter than this spin all the way.
  std::uint32_t SpinTailUs() const { return spinTailUs_; }

 private:
  void WaitFor(std::uint64_t us);
  std::uint32_t spinTailUs_;
};

}  // namespace lpt
