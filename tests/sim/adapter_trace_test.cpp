// SPDX-License-Identifier: GPL-2.0-or-later
// What each built-in adapter sees on its pins: the presence test and one
// Read Data of a blank 16F84 on the simulated adapter wired as that
// adapter, traced below the wiring. The register values of each state were
// worked out by hand from the published tables in their own convention (the
// register bit is the minus sign XOR the level; see
// tests/data/adapter_registers.tsv), not taken from the program's table.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "devices/active_device.h"
#include "hw/adapter.h"
#include "hw/protocol.h"
#include "hw/trace.h"
#include "hw/virtual_clock.h"
#include "hw/wired_pins.h"
#include "sim/chip_state.h"
#include "sim/sim_adapter.h"

namespace lpt {
namespace {

class NoHooks : public Hooks {
 public:
  void AdapterNotFound(const std::string& reason) override {
    errors += AdapterNotFoundMessage(reason);
  }
  std::string errors;
};

// One adapter's register for each state of the lines. Off: supply and Vpp
// off; Vdd: supply only; On: both, clock and data low; then data (D) and
// clock (C) high; CR/AR: clock high/low with the data line let go for the
// chip (the same as C/A on an adapter that does not let go).
struct Hand {
  const char* adapter;
  bool control;  // the lines are on the control register (37Ah)
  int off, vdd, on, onD, c, cD, cR, aR;
  int statusHigh, statusLow;  // data in at 1 / at 0
};

const Hand kHand[] = {
    {"lptpic", false, 0x08, 0x00, 0x04, 0x06, 0x05, 0x07, 0x05, 0x04, 0x07, 0x87},
    {"Tait classic", false, 0x0C, 0x08, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    {"Tait 7405/7406", false, 0x03, 0x07, 0x0F, 0x0E, 0x0D, 0x0C, 0x0C, 0x0E, 0x87, 0xC7},
    {"P16PRO40 classic", false, 0x03, 0x07, 0x0F, 0x0E, 0x0D, 0x0C, 0x0C, 0x0E, 0x87, 0xC7},
    {"P16PRO40 7407", false, 0x0C, 0x08, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    {"P16PRO40-VPP40 classic", false, 0x03, 0x07, 0x17, 0x16, 0x15, 0x14, 0x14, 0x16, 0x87, 0xC7},
    {"P16PRO40-VPP40 7407", false, 0x14, 0x10, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    {"EPIC+", false, 0x0C, 0x08, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    {"Propic2 Vpp-1", false, 0x0C, 0x08, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    {"Propic2 Vpp-2", false, 0x14, 0x10, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    {"Propic2 Vpp-3", false, 0x24, 0x20, 0x00, 0x01, 0x02, 0x03, 0x03, 0x01, 0xC7, 0x87},
    // Data R/W on pin 2 (bit 0) set while the PC drives, clear while the
    // chip answers or the chip is off.
    {"Asix Piccolo", false, 0x3A, 0x1B, 0x0B, 0x09, 0x03, 0x01, 0x00, 0x08, 0x87, 0xC7},
    {"Asix Piccolo Grande", false, 0x3A, 0x1B, 0x0B, 0x09, 0x03, 0x01, 0x00, 0x08, 0x87, 0xC7},
    // Control register: a minus on pins 1 and 17 (port-inverted) is a
    // clear bit while the signal is on; unused pin 14 stays 0.
    {"Myke's EL Cheapo", true, 0x09, 0x09, 0x0D, 0x05, 0x0C, 0x04, 0x04, 0x05, 0x97, 0x87},
    {"EL Cheapo classic", true, 0x00, 0x00, 0x04, 0x0C, 0x05, 0x0D, 0x0D, 0x0C, 0x87, 0x97},
    {"Monty-Robot programmer", false, 0x08, 0x0C, 0x04, 0x06, 0x05, 0x07, 0x07, 0x06, 0xC7, 0x87},
};

// The expected trace, from the states above: control-register adapters
// see a write only when the register changes.
class Expect {
 public:
  explicit Expect(const Hand& h) : h_(h) {}
  void Write(int value) {
    if (h_.control && value == last_) return;
    last_ = value;
    Line('W', h_.control ? 0x37A : 0x378, value);
  }
  void Read(bool level) { Line('R', 0x379, level ? h_.statusHigh : h_.statusLow); }
  void Us(int us) { text_ << "U " << us << '\n'; }
  void Ms(int ms) { text_ << "M " << ms << '\n'; }
  std::string Text() const { return text_.str(); }

 private:
  void Line(char kind, int address, int value) {
    char line[16];
    std::snprintf(line, sizeof line, "%c %04X %02X\n", kind, address, value);
    text_ << line;
  }
  const Hand& h_;
  int last_ = -1;
  std::ostringstream text_;
};

std::string ExpectedTrace(const Hand& h) {
  Expect e(h);
  // Power-up of a 16F84: supply before Vpp.
  e.Write(h.off);
  e.Ms(10);
  e.Write(h.vdd);
  e.Us(2);
  e.Write(h.on);
  e.Ms(1);
  // Presence: the adapter echoes the data line.
  e.Write(h.onD);
  e.Us(1);
  e.Read(true);
  e.Write(h.on);
  e.Us(1);
  e.Read(false);
  // Read Data from Program Memory: command 000100, LSB first.
  for (int bit : {0, 0, 1, 0, 0, 0}) {
    e.Write(bit ? h.cD : h.c);
    e.Write(bit ? h.onD : h.on);
  }
  e.Us(5);
  // Start bit, 14 data bits (a blank chip answers 1s), stop bit.
  e.Write(h.cR);
  e.Write(h.aR);
  for (int i = 0; i < 14; ++i) {
    e.Write(h.cR);
    e.Write(h.aR);
    e.Read(true);
  }
  e.Write(h.cR);
  e.Write(h.aR);
  e.Us(10);
  return e.Text();
}

TEST(AdapterTrace, PresenceAndReadDataOnEveryAdapter) {
  ASSERT_EQ(std::size(kHand), BuiltInAdapters().size());
  for (const Hand& h : kHand) {
    SCOPED_TRACE(h.adapter);
    std::string error;
    const std::optional<Adapter> adapter = FindAdapter(h.adapter, {}, &error);
    ASSERT_TRUE(adapter) << error;

    VirtualClock clock;
    ActiveDevice device;
    SelectDevice(device, "16F84");
    sim::SimAdapter sim(clock, 0x378, *sim::MakeBlankChip("16F84"));
    sim.SetWiring(*adapter);
    sim.SetOpened(true);
    std::ostringstream trace;
    TracePort traced(sim, trace);
    TraceDelay delay(clock, trace);
    WiredPins wired(traced, 0x378, *adapter);
    NoHooks hooks;
    Protocol protocol(wired, delay, hooks, device);

    EXPECT_TRUE(protocol.AdapterPresent()) << hooks.errors;
    EXPECT_EQ(protocol.ReadDataFromProgramMemory(), 0x3FFF);
    EXPECT_EQ(trace.str(), ExpectedTrace(h));
  }
}

}  // namespace
}  // namespace lpt
