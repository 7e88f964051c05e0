// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/real_delay.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>
#endif

namespace lpt {
namespace {

using Clock = std::chrono::steady_clock;

// How late a sleep may wake up. Linux high-resolution timers are late by
// tens of microseconds (timer slack 50 µs plus scheduling); Windows sleeps
// end on a timer tick, which RealDelay raises to 1 ms while it exists, so a
// sleep there may end up to about 2 ms late.
#ifdef _WIN32
constexpr std::uint32_t kDefaultSpinTailUs = 2000;
#else
constexpr std::uint32_t kDefaultSpinTailUs = 1000;
#endif

}  // namespace

RealDelay::RealDelay() : RealDelay(kDefaultSpinTailUs) {}
RealDelay::RealDelay(std::uint32_t spinTailUs) : spinTailUs_(spinTailUs) {
#ifdef _WIN32
  timeBeginPeriod(1);
#endif
}

RealDelay::~RealDelay() {
#ifdef _WIN32
  timeEndPeriod(1);
#endif
}

void RealDelay::WaitMs(std::uint32_t ms) { WaitFor(std::uint64_t{ms} * 1000); }
void RealDelay::WaitUs(std::uint32_t us) { WaitFor(us); }

std::uint64_t RealDelay::NowUs() const {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch())
          .count());
}

void RealDelay::WaitFor(std::uint64_t us) {
  if (us == 0) return;
  const Clock::time_point end = Clock::now() + std::chrono::microseconds(us);
  if (us > spinTailUs_) std::this_thread::sleep_until(end - std::chrono::microseconds(spinTailUs_));
  while (Clock::now() < end) {
  }
}

}  // namespace lpt
