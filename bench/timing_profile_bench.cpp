// SPDX-License-Identifier: GPL-2.0-or-later
// What the datasheet profile saves: Program All of a full image on the
// simulated adapter with real waits, once in each profile on a fresh chip,
// then Verify. Prints both times and the ratio datasheet / standard; the
// targets are at most 0.5 for the 16F877 (8192 words) and 0.6 for the
// 16F84A, whose 16F83/84-compatible data EEPROM keeps its 20 ms writes.
// The standard 16F877 run alone takes about three minutes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "hw/real_delay.h"
#include "ops/device_commands.h"
#include "sim/open_port.h"

namespace {

using namespace lpt;

// Every program word and data byte non-blank, an unprotected configuration.
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

struct Run {
  double seconds = 0;
  bool programmed = false;
  bool verified = false;
};

// Program All on a fresh simulated chip whose cycles run on the real clock,
// timed; Verify afterwards.
Run ProgramInProfile(const char* name, TimingProfile profile) {
  ActiveDevice device;
  EditBuffers buffers;
  SetUpDevice(device, buffers, name);
  FillImage(device, buffers);
  RealDelay delay;
  PortChoice sim;
  sim.kind = PortChoice::Kind::Simulator;
  std::string error;
  std::unique_ptr<Port> port = OpenPort(sim, delay, device, &error);
  Run run;
  if (!port) return run;
  Hooks hooks;
  Protocol proto(*port, delay, hooks, device);
  OpState state;
  state.timing = profile;
  OpContext ctx{proto, delay, hooks, device, buffers, state};
  const auto start = std::chrono::steady_clock::now();
  run.programmed = ProgramAll(ctx) == CommandResult::Ok;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.verified = VerifyChip(ctx) == CommandResult::Ok;
  return run;
}

void CompareProfiles(benchmark::State& state, const char* name, double target) {
  Run standard, datasheet;
  for (auto _ : state) {
    standard = ProgramInProfile(name, TimingProfile::Standard);
    datasheet = ProgramInProfile(name, TimingProfile::Datasheet);
  }
  if (!standard.programmed || !datasheet.programmed) state.SkipWithError("Program All failed");
  if (!standard.verified || !datasheet.verified) state.SkipWithError("Verify failed");
  const double ratio = datasheet.seconds / standard.seconds;
  state.counters["standard_s"] = standard.seconds;
  state.counters["datasheet_s"] = datasheet.seconds;
  state.counters["ratio"] = ratio;
  std::printf("%s: standard %.1f s, datasheet %.1f s, ratio %.3f (target <= %.1f): %s\n", name,
              standard.seconds, datasheet.seconds, ratio, target,
              ratio <= target ? "met" : "MISSED");
}

void BM_ProgramAll16F877(benchmark::State& s) { CompareProfiles(s, "16F877", 0.5); }
void BM_ProgramAll16F84A(benchmark::State& s) { CompareProfiles(s, "16F84A", 0.6); }

BENCHMARK(BM_ProgramAll16F84A)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProgramAll16F877)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
