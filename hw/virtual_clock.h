// SPDX-License-Identifier: GPL-2.0-or-later
// A clock for tests and simulation: waits return at once and only move the
// clock forward, so a run that asks for seconds of waits takes microseconds.
// It keeps counts and sums of the waits asked, and, when asked to, the list
// of every wait in order, so tests can check the exact timing a sequence
// requests.
#pragma once

#include <cstdint>
#include <vector>

#include "hw/delay.h"

namespace lpt {

class VirtualClock : public Delay {
 public:
  struct Wait {
    enum class Unit { Ms, Us };
    Unit unit;
    std::uint32_t amount;
    bool operator==(const Wait&) const = default;
  };

  void WaitMs(std::uint32_t ms) override;
  void WaitUs(std::uint32_t us) override;
  std::uint64_t NowUs() const override { return nowUs_; }

  // Time passing without a wait being asked (e.g. a simulated user).
  void AdvanceUs(std::uint64_t us) { nowUs_ += us; }

  std::uint64_t MsWaitCount() const { return msCount_; }
  std::uint64_t UsWaitCount() const { return usCount_; }
  // Sum of every wait asked, in microseconds.
  std::uint64_t WaitedUs() const { return waitedUs_; }

  // The list is off by default: a full device run asks for many thousands
  // of waits.
  void SetRecording(bool on) { recording_ = on; }
  const std::vector<Wait>& Waits() const { return waits_; }
  // Forgets the counters and the list; the clock keeps its time.
  void ClearRecord();

 private:
  std::uint64_t nowUs_ = 0;
  std::uint64_t msCount_ = 0;
  std::uint64_t usCount_ = 0;
  std::uint64_t waitedUs_ = 0;
  bool recording_ = false;
  std::vector<Wait> waits_;
};

}  // namespace lpt
