// SPDX-License-Identifier: GPL-2.0-or-later
// What each timing profile costs: Program All on the simulated adapter with
// real waits, on a fresh chip of every flash family, for a full image and
// for a five-word program, in the standard and the datasheet profile, then
// Verify. Each run reports the waits it asked for ("waits_s") and the wall
// time it took ("wall_s"); the last benchmark prints, per family, the full
// image's datasheet / standard ratio of waits (targets: at most 0.5 on the
// 16F877, 0.6 on the 16F84A). Every run is real time: the standard full
// 16F877 alone takes about three minutes, all of them about eight; pick
// with --benchmark_filter (e.g. "five" or "16F877A").
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

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

// Real waits, and their sum. The simulated chip times its cycles on the
// same real clock.
class CountingDelay : public Delay {
 public:
  void WaitMs(std::uint32_t ms) override {
    askedUs_ += std::uint64_t{ms} * 1000;
    real_.WaitMs(ms);
  }
  void WaitUs(std::uint32_t us) override {
    askedUs_ += us;
    real_.WaitUs(us);
  }
  std::uint64_t NowUs() const override { return real_.NowUs(); }
  std::uint64_t AskedUs() const { return askedUs_; }

 private:
  RealDelay real_;
  std::uint64_t askedUs_ = 0;
};

struct Family {
  const char* device;
  std::uint16_t config;  // unprotected, with the oscillator and watchdog bits of a real program
};

constexpr Family kFamilies[] = {{"16F84A", 0x3FF1},     {"16F628", 0x3F70},  {"16F877", 0x3F71},
                                {"12F629/675", 0x31F4}, {"16F877A", 0x3F71}, {"16F628A", 0x3F70}};

enum class Image { Full, FiveWords };

// Full: every program word and data byte written. Five words: a loop at
// the reset vector (movlw 55h, movwf 0Ch, movlw 0A3h, movwf 0Dh, goto 0).
void FillImage(const ActiveDevice& device, EditBuffers& buffers, Image image,
               std::uint16_t config) {
  char text[8];
  if (image == Image::FiveWords) {
    const char* words[] = {"3055", "008C", "30A3", "008D", "2800"};
    for (int address = 0; address < 5; ++address) buffers.ProgramWord(address) = words[address];
  } else {
    for (int address = 0; address < device.programRows * 8; ++address) {
      std::snprintf(text, sizeof text, "%04X", (address * 7 + 1) & 0x1FFF);
      buffers.ProgramWord(address) = text;
    }
    for (int address = 0; address < device.dataRows * 8; ++address) {
      std::snprintf(text, sizeof text, "%02X", address & 0x7F);
      buffers.DataByte(address) = text;
    }
  }
  buffers.FuseWord = config;
}

struct Run {
  double waits = 0;  // seconds asked
  double wall = 0;
  bool programmed = false;
  bool verified = false;
};

Run ProgramAllOnce(const Family& family, Image image, TimingProfile profile) {
  ActiveDevice device;
  EditBuffers buffers;
  SetUpDevice(device, buffers, family.device);
  FillImage(device, buffers, image, family.config);
  CountingDelay delay;
  PortChoice sim;
  sim.kind = PortChoice::Kind::Simulator;
  std::string error;
  std::unique_ptr<Port> port = OpenPort(sim, delay, device, &error);
  Run run;
  if (!port) return run;
  Hooks hooks;
  WiredPins pins(*port, 0x378, DefaultAdapter());
  Protocol proto(pins, delay, hooks, device);
  OpState state;
  state.timing = profile;
  OpContext ctx{proto, delay, hooks, device, buffers, state};
  const auto start = std::chrono::steady_clock::now();
  run.programmed = ProgramAll(ctx) == CommandResult::Ok;
  run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.waits = static_cast<double>(delay.AskedUs()) / 1e6;
  run.verified = VerifyChip(ctx) == CommandResult::Ok;
  return run;
}

// Full-image waits per family and profile, for the ratios.
std::map<std::string, double> fullImageWaits;

void ProgramAllBench(benchmark::State& state, Family family, Image image, TimingProfile profile) {
  Run run;
  for (auto _ : state) run = ProgramAllOnce(family, image, profile);
  if (!run.programmed) state.SkipWithError("Program All failed");
  if (!run.verified) state.SkipWithError("Verify failed");
  state.counters["waits_s"] = run.waits;
  state.counters["wall_s"] = run.wall;
  if (image == Image::Full)
    fullImageWaits[std::string(family.device) + " " + std::string(TimingProfileName(profile))] =
        run.waits;
}

void Ratios(benchmark::State& state) {
  for (auto _ : state) {
  }
  for (const Family& family : kFamilies) {
    const std::string device = family.device;
    const auto standard = fullImageWaits.find(device + " Standard");
    const auto datasheet = fullImageWaits.find(device + " Datasheet");
    if (standard == fullImageWaits.end() || datasheet == fullImageWaits.end()) continue;
    const double ratio = datasheet->second / standard->second;
    const double target = device == "16F877" ? 0.5 : device == "16F84A" ? 0.6 : 0;
    std::printf("%s full image: standard %.2f s, datasheet %.2f s of waits, ratio %.3f%s\n",
                device.c_str(), standard->second, datasheet->second, ratio,
                target == 0 ? "" : (ratio <= target ? " (target met)" : " (target MISSED)"));
  }
}

void RegisterAll() {
  for (const Family& family : kFamilies) {
    for (Image image : {Image::FiveWords, Image::Full}) {
      for (TimingProfile profile : {TimingProfile::Standard, TimingProfile::Datasheet}) {
        const std::string name = std::string("ProgramAll/") + family.device +
                                 (image == Image::Full ? "/full/" : "/five/") +
                                 std::string(TimingProfileName(profile));
        benchmark::RegisterBenchmark(name.c_str(), ProgramAllBench, family, image, profile)
            ->Iterations(1)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
      }
    }
  }
  benchmark::RegisterBenchmark("FullImageRatios", Ratios)->Iterations(1);
}

const bool registered = (RegisterAll(), true);

}  // namespace
