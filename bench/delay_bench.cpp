// SPDX-License-Identifier: GPL-2.0-or-later
// How precisely the real waits keep their time, and what they cost: for
// each wait, the median and 99th-percentile overshoot (time waited beyond
// the time asked) and the share of one core used while waiting.
// Targets: median overshoot at most 1 µs for the microsecond waits; at most
// 0.1 ms for a 20 ms wait, using at most 20 % of a core.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "hw/real_delay.h"

namespace {

using Clock = std::chrono::steady_clock;

double ThreadCpuSeconds() {
#if defined(CLOCK_THREAD_CPUTIME_ID)
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
#else
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

double Percentile(std::vector<double>& values, double p) {
  if (values.empty()) return 0;
  const auto k = static_cast<std::size_t>(p * (values.size() - 1));
  std::nth_element(values.begin(), values.begin() + k, values.end());
  return values[k];
}

// state.range(0): the wait; state.range(1): 1 for WaitMs (ms), 0 for WaitUs.
void BM_Wait(benchmark::State& state) {
  const auto amount = static_cast<std::uint32_t>(state.range(0));
  const bool ms = state.range(1) != 0;
  const double askedUs = ms ? amount * 1000.0 : amount;
  lpt::RealDelay delay;
  std::vector<double> overshootUs;
  overshootUs.reserve(static_cast<std::size_t>(state.max_iterations));
  // CPU share over the whole run: thread CPU time against wall time.
  const double cpuStart = ThreadCpuSeconds();
  const auto wallStart = Clock::now();
  for (auto _ : state) {
    const auto t0 = Clock::now();
    if (ms)
      delay.WaitMs(amount);
    else
      delay.WaitUs(amount);
    const auto t1 = Clock::now();
    overshootUs.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count() - askedUs);
  }
  const double cpu = ThreadCpuSeconds() - cpuStart;
  const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
  state.counters["median_overshoot_us"] = Percentile(overshootUs, 0.5);
  state.counters["p99_overshoot_us"] = Percentile(overshootUs, 0.99);
  state.counters["min_overshoot_us"] = *std::min_element(overshootUs.begin(), overshootUs.end());
  state.counters["cpu_share_pct"] = wall > 0 ? 100.0 * cpu / wall : 0;
  state.SetLabel(ms ? "WaitMs ms" : "WaitUs us");
}

BENCHMARK(BM_Wait)
    ->Args({1, 0})
    ->Args({5, 0})
    ->Args({10, 0})
    ->Iterations(20000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_Wait)->Args({1, 1})->Iterations(500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Wait)->Args({20, 1})->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
