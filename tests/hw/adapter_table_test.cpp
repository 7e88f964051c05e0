// The built-in adapters against the published preset tables, the wiring
// rules, and the register values a wiring gives for the signal levels.
#include <gtest/gtest.h>

#include <string>

#include "hw/adapter.h"

namespace lpt {
namespace {

// A pin in the notation of the published tables: a minus for an inverted
// line, 0 for none.
AdapterPin P(int n) { return AdapterPin{n < 0 ? -n : n, n < 0}; }

TEST(AdapterTable, BuiltInsMatchThePublishedPresets) {
  // Vpp, Vdd, clock, data out, data in, data-out enable: copied by hand from
  // the preset tables named in docs/adapters.md.
  struct Row {
    const char* name;
    int vpp, vdd, clock, dataOut, dataIn, enable;
  };
  const Row rows[] = {
      {"lptpic", 4, -5, 2, 3, 11, 0},
      {"Tait classic", -5, -4, 3, 2, 10, 0},
      {"Tait 7405/7406", 5, 4, -3, -2, -10, 0},
      {"P16PRO40 classic", 5, 4, -3, -2, -10, 0},
      {"P16PRO40 7407", -5, -4, 3, 2, 10, 0},
      {"P16PRO40-VPP40 classic", 6, 4, -3, -2, -10, 0},
      {"P16PRO40-VPP40 7407", -6, -4, 3, 2, 10, 0},
      {"EPIC+", -5, -4, 3, 2, 10, 0},
      {"Propic2 Vpp-1", -5, -4, 3, 2, 10, 0},
      {"Propic2 Vpp-2", -6, -4, 3, 2, 10, 0},
      {"Propic2 Vpp-3", -7, -4, 3, 2, 10, 0},
      {"Asix Piccolo", -6, -7, -5, -3, -10, -2},
      {"Asix Piccolo Grande", -6, -7, -5, -3, -10, -2},
      {"Myke's EL Cheapo", 16, 0, -1, -17, 13, 0},
      {"EL Cheapo classic", 16, 0, 1, 17, -13, 0},
      {"Monty-Robot programmer", -5, 4, 2, 3, 10, 0},
  };
  ASSERT_EQ(BuiltInAdapters().size(), std::size(rows));
  EXPECT_EQ(BuiltInAdapters().front(), DefaultAdapter());
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const Adapter& a = BuiltInAdapters()[i];
    SCOPED_TRACE(r.name);
    EXPECT_EQ(a.name, r.name);
    EXPECT_EQ(a.vpp, P(r.vpp));
    EXPECT_EQ(a.vdd, P(r.vdd));
    EXPECT_EQ(a.clock, P(r.clock));
    EXPECT_EQ(a.dataOut, P(r.dataOut));
    EXPECT_EQ(a.dataIn, P(r.dataIn));
    EXPECT_EQ(a.dataOutEnable, P(r.enable));
    EXPECT_EQ(CheckAdapter(a), "");
  }
}

TEST(AdapterTable, WiringsThatCannotWorkAreRefused) {
  const Adapter ok{
      .name = "x", .vpp = P(4), .vdd = P(5), .clock = P(2), .dataOut = P(3), .dataIn = P(10)};
  ASSERT_EQ(CheckAdapter(ok), "");
  struct Case {
    AdapterPin Adapter::*signal;
    int pin;
    const char* reason;
  };
  const Case cases[] = {
      {&Adapter::clock, 3, "clock and data-out both use pin 3"},
      {&Adapter::vpp, 11, "vpp: pin 11 is a status input and cannot drive the adapter"},
      {&Adapter::dataOut, 15, "data-out: pin 15 is a status input"},
      {&Adapter::dataIn, 6, "data-in: pin 6 is not a status input"},
      {&Adapter::clock, 0, "clock has no pin"},
      {&Adapter::dataIn, 0, "data-in has no pin"},
      {&Adapter::clock, 19, "clock: pin 19 is not a signal pin"},
      {&Adapter::dataOutEnable, 14, ""},
      {&Adapter::dataOutEnable, 2, "clock and data-out-enable both use pin 2"},
      {&Adapter::vdd, 0, ""},
  };
  for (const Case& c : cases) {
    Adapter a = ok;
    (a.*c.signal).pin = c.pin;
    const std::string why = CheckAdapter(a);
    SCOPED_TRACE(c.reason);
    if (*c.reason == '\0')
      EXPECT_EQ(why, "");
    else
      EXPECT_EQ(why.rfind(c.reason, 0), 0u) << why;
  }
}

TEST(AdapterTable, FindingByNameIgnoresCaseAndListsTheKnownOnes) {
  std::string error;
  EXPECT_EQ(FindAdapter("tait CLASSIC", {}, &error)->name, "Tait classic");
  const Adapter mine{
      .name = "bench", .vpp = P(4), .vdd = P(5), .clock = P(2), .dataOut = P(3), .dataIn = P(10)};
  EXPECT_EQ(FindAdapter("Bench", {mine}, &error)->name, "bench");
  EXPECT_FALSE(FindAdapter("Tait", {mine}, &error));
  EXPECT_EQ(error.rfind("Unknown adapter \"Tait\". Known adapters:", 0), 0u);
  for (const char* name : {"\n  lptpic", "\n  Tait 7405/7406", "\n  Asix Piccolo", "\n  bench"})
    EXPECT_NE(error.find(name), std::string::npos) << name;
}

// Register values for signal levels, worked out from the pin tables and
// the port's register map (pins 1, 14, 17 and BUSY inverted by the port).
TEST(AdapterTable, RegistersFollowPinsAndPortInversions) {
  struct Case {
    const char* adapter;
    AdapterOutputs out;
    std::uint8_t data, control;
  };
  const AdapterOutputs off{};
  const AdapterOutputs on{.vpp = true, .vdd = true, .clock = false, .dataOut = false};
  const AdapterOutputs clockData{.vpp = true, .vdd = true, .clock = true, .dataOut = true};
  const AdapterOutputs released{.vpp = true, .vdd = true, .dataOut = true, .dataOutEnable = false};
  const Case cases[] = {
      {"lptpic", off, 0x08, 0x0B},
      {"lptpic", clockData, 0x07, 0x0B},
      {"Tait classic", off, 0x0C, 0x0B},
      {"Tait classic", on, 0x00, 0x0B},
      {"Tait 7405/7406", off, 0x03, 0x0B},
      {"Tait 7405/7406", clockData, 0x0C, 0x0B},
      {"P16PRO40-VPP40 classic", on, 0x17, 0x0B},
      {"Propic2 Vpp-3", off, 0x24, 0x0B},
      {"Asix Piccolo", off, 0x3A, 0x0B},
      {"Asix Piccolo", released, 0x09, 0x0B},
      // Control pins: unused pin 14 low (bit 1 set); pin 1 and 17 inverted
      // by the port, pin 16 not.
      {"Myke's EL Cheapo", off, 0x00, 0x02},
      {"Myke's EL Cheapo", clockData, 0x00, 0x0F},
      {"EL Cheapo classic", off, 0x00, 0x0B},
      {"EL Cheapo classic", clockData, 0x00, 0x06},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.adapter);
    const Adapter a = *FindAdapter(c.adapter, {}, nullptr);
    const AdapterRegisters regs = EncodeOutputs(a, c.out);
    EXPECT_EQ(regs.data, c.data);
    EXPECT_EQ(regs.control, c.control);
    // The simulated adapter reads back what was meant.
    AdapterOutputs back = DecodeOutputs(a, regs.data, regs.control);
    if (a.vdd.pin == 0) back.vdd = c.out.vdd;
    if (a.dataOutEnable.pin == 0) back.dataOutEnable = c.out.dataOutEnable;
    EXPECT_EQ(back, c.out);
  }
}

TEST(AdapterTable, DataInIsReadFromItsStatusPin) {
  struct Case {
    const char* adapter;
    std::uint8_t statusHigh, statusLow;  // status byte with the line at 1 and at 0
  };
  const Case cases[] = {
      {"lptpic", 0x07, 0x87},            // BUSY: the port inverts it
      {"Tait classic", 0xC7, 0x87},      // pin 10, bit 6
      {"Tait 7405/7406", 0x87, 0xC7},    // pin 10 behind an inverter
      {"Myke's EL Cheapo", 0x97, 0x87},  // pin 13, bit 4
      {"EL Cheapo classic", 0x87, 0x97},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.adapter);
    const Adapter a = *FindAdapter(c.adapter, {}, nullptr);
    EXPECT_EQ(EncodeStatus(a, true), c.statusHigh);
    EXPECT_EQ(EncodeStatus(a, false), c.statusLow);
    EXPECT_TRUE(DecodeDataIn(a, c.statusHigh));
    EXPECT_FALSE(DecodeDataIn(a, c.statusLow));
  }
}

}  // namespace
}  // namespace lpt
