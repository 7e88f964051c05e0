// SPDX-License-Identifier: GPL-2.0-or-later
// A virtual clock that holds the thread waiting on it at a chosen wait
// until the test lets it go on. A device command on the window's worker
// thread is so held at a known point of its work, provably mid-command,
// while the test looks at and clicks the window. Header-only, Qt-free.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "hw/virtual_clock.h"

namespace lpt::testing {

class PausingClock : public VirtualClock {
 public:
  // The first wait after which `when` holds (asked on the waiting thread)
  // pauses; nullptr disarms. MsWaits counts from here.
  void PauseWhen(std::function<bool()> when) {
    std::lock_guard lock(mutex_);
    when_ = std::move(when);
    msWaits_ = 0;
  }
  // Blocks until a wait has paused; false if none did within a guard time
  // far beyond any run (a hang is then reported, not waited out).
  bool WaitUntilPaused() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::minutes(2), [this] { return paused_; });
  }
  // Lets the paused wait return.
  void Resume() {
    std::lock_guard lock(mutex_);
    paused_ = false;
    changed_.notify_all();
  }
  // Millisecond waits since PauseWhen, for its condition.
  int MsWaits() const { return msWaits_; }

  void WaitMs(std::uint32_t ms) override {
    VirtualClock::WaitMs(ms);
    MaybePause(1);
  }
  void WaitUs(std::uint32_t us) override {
    VirtualClock::WaitUs(us);
    MaybePause(0);
  }

 private:
  void MaybePause(int msWaits) {
    std::unique_lock lock(mutex_);
    msWaits_ += msWaits;
    if (!when_ || !when_()) return;
    when_ = nullptr;
    paused_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !paused_; });
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<bool()> when_;
  bool paused_ = false;
  int msWaits_ = 0;
};

}  // namespace lpt::testing
