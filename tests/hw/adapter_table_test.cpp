// SPDX-License-Identifier: GPL-2.0-or-later
// The wiring rules and finding an adapter by name. The presets' register
// values are checked in adapter_registers_test.cpp.
#include <gtest/gtest.h>

#include <string>

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

// Configuration words from gputils' p12f629.inc, p16f628a.inc,
// p12f683.inc, p16f913.inc and p12f615.inc.
TEST(AdapterTable, ABoardThatCannotSwitchVddWarnsForChipsThatNeedVppFirst) {
  struct Case {
    const char* adapter;
    const char* device;
    std::uint16_t config;
    const char* why;  // empty: no warning
  };
  const Case cases[] = {
      {"Myke's EL Cheapo", "12F629/675", 0x3FC4,
       "with the internal oscillator and MCLR as an input"},
      {"EL Cheapo classic", "16F630/676", 0x3FFD, "with the internal oscillator must"},
      {"Myke's EL Cheapo", "12F629/675", 0x3FDF, "with MCLR as an input"},
      {"Myke's EL Cheapo", "12F629/675", 0x3FFF, ""},  // external RC, MCLR on
      {"Tait classic", "12F629/675", 0x3FC4, ""},      // Vdd switched
      {"Myke's EL Cheapo", "16F628A", 0x3FFF, "with low-voltage programming on"},
      {"Myke's EL Cheapo", "16F628A", 0x3F7F, ""},  // LVP off
      {"Myke's EL Cheapo", "16F84", 0x0000, ""},
      // The calibrated parts: only the internal oscillator with MCLR as an
      // input (_FOSC_INTOSCIO & _MCLRE_OFF, _FOSC_INTOSCCLK & _MCLRE_OFF).
      {"Myke's EL Cheapo", "12F683", 0x3FDC, "with the internal oscillator and MCLR as an input"},
      {"Myke's EL Cheapo", "16F913", 0x3FDD, "with the internal oscillator and MCLR as an input"},
      {"Myke's EL Cheapo", "12F615", 0x3FFC, ""},  // MCLR on
      {"Myke's EL Cheapo", "16F690", 0x3FDF, ""},  // external RC
      // DS41228 enters supply first, whatever the configuration (here MCLR
      // off: _MCLRE_OFF of p10f200.inc).
      {"Myke's EL Cheapo", "10F200", 0x0FEF, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.adapter) + " " + c.device);
    ActiveDevice device;
    SelectDevice(device, c.device);
    const auto warning = PowerOrderWarning(*FindAdapter(c.adapter, {}, nullptr), device, c.config);
    if (*c.why == '\0') {
      EXPECT_FALSE(warning) << *warning;
      continue;
    }
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find(c.why), std::string::npos) << *warning;
    EXPECT_NE(warning->find("cannot switch Vdd"), std::string::npos) << *warning;
  }
}

}  // namespace
}  // namespace lpt
