// SPDX-License-Identifier: GPL-2.0-or-later
// Speed of the simulated adapter: reading a whole 16F877 (8192 words, per
// word ReadDataFromProgramMemory + IncrementAddress through the protocol) on the virtual clock.
// Target: under 50 ms per read, so end-to-end tests and --port sim stay quick.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "devices/active_device.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "hw/virtual_clock.h"
#include "hw/wired_pins.h"
#include "sim/open_port.h"

namespace {

using namespace lpt;

void BM_Read16F877ProgramMemory(benchmark::State& state) {
  VirtualClock clock;
  Hooks hooks;
  ActiveDevice device;
  SelectDevice(device, "16F877");
  std::string error;
  PortChoice choice;
  choice.kind = PortChoice::Kind::Simulator;
  std::unique_ptr<Port> port = OpenPort(choice, clock, device, &error);
  if (!port) {
    state.SkipWithError(error.c_str());
    return;
  }
  WiredPins pins(*port, 0x378, DefaultAdapter());
  Protocol proto(pins, clock, hooks, device);
  const int words = device.programRows * 8;
  std::size_t checksum = 0;
  for (auto _ : state) {
    proto.ResetPic();
    for (int a = 0; a < words; ++a) {
      checksum += proto.ReadDataFromProgramMemory();
      proto.IncrementAddress();
    }
  }
  benchmark::DoNotOptimize(checksum);
  state.counters["words"] = words;
}
BENCHMARK(BM_Read16F877ProgramMemory)->Unit(benchmark::kMillisecond);

}  // namespace
