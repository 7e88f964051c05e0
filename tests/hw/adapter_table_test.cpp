// SPDX-License-Identifier: GPL-2.0-or-later
// The wiring rules and finding an adapter by name. The presets' register
// values are checked in adapter_registers_test.cpp.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "devices/family.h"
#include "hw/adapter.h"
#include "hw/adapter_power_order.h"

namespace lpt {
namespace {

// A pin at the connector: a minus for one the board inverts, 0 for none.
AdapterPin P(int n) { return AdapterPin{n < 0 ? -n : n, n < 0}; }

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
      {&Adapter::clock, 19, "clock: pin 19 is a ground pin"},
      {&Adapter::dataIn, 25, "data-in: pin 25 is a ground pin"},
      {&Adapter::vpp, 26, "vpp: pin 26 is not a signal pin"},
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

// Every family entered Vpp first, one part each, on a board that cannot
// switch Vdd: the internal oscillator (3FFCh I/O, 3FFDh clock-out in every
// header) or an external one against MCLR on or off. Words from the part's
// gputils header: _FOSC_*, _MCLRE_OFF, and _LVP_OFF where LVP is bit 7. The
// 12F629/675 also warn for either on its own; the 16F88 (supply first)
// never warns.
TEST(AdapterTable, ABoardThatCannotSwitchVddWarnsForChipsThatNeedVppFirst) {
  struct Row {
    const char* device;
    std::uint16_t external, mclrOff, base;
    bool either = false;
  };
  const Row rows[] = {
      {"12C671", 0x3FFF, 0x3F7F, 0x3FFF},            // p12c671.inc
      {"16F627", 0x3FEE, 0x3FDF, 0x3F7F},            // p16f627.inc
      {"12F629/675", 0x3FFF, 0x3FDF, 0x3FFF, true},  // p12f629.inc
      {"16F628A", 0x3FEE, 0x3FDF, 0x3F7F},           // p16f628a.inc
      {"16F887", 0x3FFA, 0x3FDF, 0x3FFF},            // p16f887.inc
      {"12F683", 0x3FFF, 0x3FDF, 0x3FFF},            // p12f683.inc
      {"16F913", 0x3FFF, 0x3FDF, 0x3FFF},            // p16f913.inc
      {"12F615", 0x3FFA, 0x3FDF, 0x3FFF},            // p12f615.inc
      {"16F88", 0x3FEE, 0x3FDF, 0x3FFF},             // p16f88.inc
  };
  const Adapter board = *FindAdapter("Myke's EL Cheapo", {}, nullptr);
  std::set<Family> covered, vppFirst;
  for (const Row& r : rows) {
    ActiveDevice device;
    SelectDevice(device, r.device);
    if (VppBeforeVdd(device.family)) covered.insert(device.family);
    for (const int osc : {0x3FFC, 0x3FFD, int(r.external)}) {
      for (const bool mclrInput : {false, true}) {
        const auto config = std::uint16_t(osc & r.base & (mclrInput ? r.mclrOff : 0x3FFF));
        const bool internal = osc != r.external;
        const char* why = "";
        if (internal && mclrInput)
          why = "the internal oscillator and MCLR as an input must";
        else if (r.either && internal)
          why = "the internal oscillator must";
        else if (r.either && mclrInput)
          why = "MCLR as an input must";
        if (r.device == std::string("16F88")) why = "";
        const auto warning = PowerOrderWarning(board, device, config);
        SCOPED_TRACE(std::string(r.device) + " " + std::to_string(config));
        ASSERT_EQ(warning.has_value(), *why != '\0');
        if (warning) EXPECT_NE(warning->find(why), std::string::npos) << *warning;
      }
    }
  }
  for (const FamilyTraits& f : AllFamilies())
    if (VppBeforeVdd(f.family)) vppFirst.insert(f.family);
  EXPECT_EQ(covered, vppFirst);

  // Other boards, LVP on the 16F628A, and parts entered supply first.
  struct Case {
    const char* adapter;
    const char* device;
    std::uint16_t config;
    const char* why;  // empty: no warning
  };
  const Case cases[] = {
      {"EL Cheapo classic", "16F630/676", 0x3FFD, "with the internal oscillator must"},
      {"Tait classic", "12F629/675", 0x3FC4, ""},  // Vdd switched
      {"Myke's EL Cheapo", "16F628A", 0x3FFF, "with low-voltage programming on"},
      {"Myke's EL Cheapo", "16F84", 0x0000, ""},
      // DS41228 enters supply first, whatever the configuration (_MCLRE_OFF
      // of p10f200.inc).
      {"Myke's EL Cheapo", "10F200", 0x0FEF, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.adapter) + " " + c.device);
    ActiveDevice device;
    SelectDevice(device, c.device);
    const auto warning = PowerOrderWarning(*FindAdapter(c.adapter, {}, nullptr), device, c.config);
    ASSERT_EQ(warning.has_value(), *c.why != '\0');
    if (warning) EXPECT_NE(warning->find(c.why), std::string::npos) << *warning;
    if (warning) EXPECT_NE(warning->find("cannot switch Vdd"), std::string::npos) << *warning;
  }
}

}  // namespace
}  // namespace lpt
