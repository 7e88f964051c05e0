// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/virtual_clock.h"

namespace lpt {

void VirtualClock::WaitMs(std::uint32_t ms) {
  const std::uint64_t us = std::uint64_t{ms} * 1000;
  nowUs_ += us;
  waitedUs_ += us;
  ++msCount_;
  if (recording_) waits_.push_back({Wait::Unit::Ms, ms});
}

void VirtualClock::WaitUs(std::uint32_t us) {
  nowUs_ += us;
  waitedUs_ += us;
  ++usCount_;
  if (recording_) waits_.push_back({Wait::Unit::Us, us});
}

void VirtualClock::ClearRecord() {
  msCount_ = usCount_ = waitedUs_ = 0;
  waits_.clear();
}

}  // namespace lpt
