// SPDX-License-Identifier: GPL-2.0-or-later
// How close a device command comes to the waits it asks for: Read, Program
// All and Verify of a full 16F84 and 16F877 image on the simulated adapter
// with real waits. The counter "ratio" is wall time / sum of the waits the
// protocol and the passes asked for; the target is at most 1.10, i.e. the
// port traffic and the passes add no more than a tenth.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "hw/real_delay.h"
#include "hw/wired_pins.h"
#include "ops/device_commands.h"
#include "sim/open_port.h"

namespace {

using namespace lpt;

// Real waits, summed. Before Start() the waits are virtual, so a command that
// only prepares the chip costs no wall time.
//
// The simulated chip times its cycles on NowUs, which it asks at every port
// write. Here that clock is the sum of the waits asked: a lower bound of the
// time really passed, so the chip judges its cycles as strictly as on the
// virtual clock, and the benchmark measures the program's own overhead
// rather than the simulator's clock reads (a hardware port has no such cost).
class SummingDelay : public Delay {
 public:
  void WaitMs(std::uint32_t ms) override { Wait(std::uint64_t{ms} * 1000); }
  void WaitUs(std::uint32_t us) override { Wait(us); }
  std::uint64_t NowUs() const override { return totalUs_; }

  void Start() {
    real_ = true;
    askedUs_ = 0;
  }
  std::uint64_t AskedUs() const { return askedUs_; }

 private:
  void Wait(std::uint64_t us) {
    askedUs_ += us;
    totalUs_ += us;
    if (real_) realDelay_.WaitUs(static_cast<std::uint32_t>(us));
  }
  RealDelay realDelay_;
  bool real_ = false;
  std::uint64_t totalUs_ = 0;
  std::uint64_t askedUs_ = 0;
};

// A full image: every program word and data byte non-blank.
void FillImage(const ActiveDevice& device, EditBuffers& buffers) {
  char text[8];
  for (int address = 0; address < device.programRows * 8; ++address) {
    std::snprintf(text, sizeof text, "%04X", (address * 7 + 1) & 0x1FFF);
    buffers.ProgramWord(address) = text;
  }
  for (int address = 0; address < device.dataRows * 8; ++address) {
    std::snprintf(text, sizeof text, "%02X", address & 0x7F);
    buffers.DataByte(address) = text;
  }
  buffers.FuseWord = 0x3FF1;
  buffers.SetIdDigits("1234");
}

PortChoice SimulatorSpec() {
  PortChoice choice;
  choice.kind = PortChoice::Kind::Simulator;
  return choice;
}

enum class Command { Read, ProgramAll, Verify };

void RunCommand(benchmark::State& state, const char* name, Command command) {
  ActiveDevice device;
  EditBuffers buffers;
  SetUpDevice(device, buffers, name);
  FillImage(device, buffers);
  SummingDelay delay;
  std::string error;
  std::unique_ptr<Port> port = OpenPort(SimulatorSpec(), delay, device, &error);
  if (!port) {
    state.SkipWithError(error.c_str());
    return;
  }
  Hooks hooks;
  WiredPins pins(*port, 0x378, DefaultAdapter());
  Protocol proto(pins, delay, hooks, device);
  OpState opState;
  OpContext ctx{proto, delay, hooks, device, buffers, opState};
  // Read and Verify need a programmed chip; it is programmed on the
  // virtual clock.
  if (command != Command::ProgramAll && ProgramAll(ctx) != CommandResult::Ok) {
    state.SkipWithError("preparing the chip failed");
    return;
  }

  double ratio = 0;
  for (auto _ : state) {
    delay.Start();
    const auto start = std::chrono::steady_clock::now();
    CommandResult result = CommandResult::Ok;
    switch (command) {
      case Command::Read:
        result = ReadChip(ctx);
        break;
      case Command::ProgramAll:
        result = ProgramAll(ctx);
        break;
      case Command::Verify:
        result = VerifyChip(ctx);
        break;
    }
    const double wallUs =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    if (result != CommandResult::Ok) state.SkipWithError("the command failed");
    ratio = wallUs / static_cast<double>(delay.AskedUs());
  }
  state.counters["ratio"] = ratio;
  state.counters["waits_s"] = static_cast<double>(delay.AskedUs()) / 1e6;
}

void BM_Read16F84(benchmark::State& s) { RunCommand(s, "16F84", Command::Read); }
void BM_ProgramAll16F84(benchmark::State& s) { RunCommand(s, "16F84", Command::ProgramAll); }
void BM_Verify16F84(benchmark::State& s) { RunCommand(s, "16F84", Command::Verify); }
void BM_Read16F877(benchmark::State& s) { RunCommand(s, "16F877", Command::Read); }
void BM_ProgramAll16F877(benchmark::State& s) { RunCommand(s, "16F877", Command::ProgramAll); }
void BM_Verify16F877(benchmark::State& s) { RunCommand(s, "16F877", Command::Verify); }

// The short commands run a few times and also report their least-disturbed
// run ("_min"): on a shared machine other processes stretch some runs.
double Least(const std::vector<double>& values) {
  return *std::min_element(values.begin(), values.end());
}

void Short(benchmark::internal::Benchmark* b) {
  b->Iterations(1)->Repetitions(5)->ComputeStatistics("min", Least)->UseRealTime();
  b->Unit(benchmark::kMillisecond);
}
void Long(benchmark::internal::Benchmark* b) {
  b->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Read16F84)->Apply(Short);
BENCHMARK(BM_ProgramAll16F84)->Apply(Long);
BENCHMARK(BM_Verify16F84)->Apply(Short);
BENCHMARK(BM_Read16F877)->Apply(Short);
BENCHMARK(BM_ProgramAll16F877)->Apply(Long);
BENCHMARK(BM_Verify16F877)->Apply(Short);

}  // namespace
