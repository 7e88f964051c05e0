// SPDX-License-Identifier: GPL-2.0-or-later
// The wiring decorator: the default adapter passes everything through
// untouched; another adapter gets its registers written in an order that
// keeps data steady around the clock edges, and the data line released for
// exactly the frames the chip answers.
#include "hw/wired_port.h"

#include <gtest/gtest.h>

#include "hw/adapter.h"
#include "support/recording_port.h"

namespace lpt {
namespace {

using testing::EventLog;
using testing::LoggingClock;
using testing::R;
using testing::RecordingPort;
using testing::Us;
using testing::W;

AdapterPin P(int n) { return AdapterPin{n < 0 ? -n : n, n < 0}; }

TEST(WiredPort, DefaultAdapterChangesNothing) {
  EventLog log;
  RecordingPort inner(log);
  inner.answer = [](std::uint16_t) { return std::uint8_t{0x5A}; };
  WiredPort port(inner, 0x378, DefaultAdapter());
  for (std::uint8_t v : {0x08, 0x0C, 0x04, 0x07, 0xF3}) port.WritePort(0x378, v);
  port.WritePort(0x37A, 0x21);
  EXPECT_EQ(port.ReadPort(0x379), 0x5A);
  EXPECT_EQ(port.ReadPort(0x378), 0x5A);
  EXPECT_EQ(log, (EventLog{W(0x378, 0x08), W(0x378, 0x0C), W(0x378, 0x04), W(0x378, 0x07),
                           W(0x378, 0xF3), W(0x37A, 0x21), R(0x379, 0x5A), R(0x378, 0x5A)}));
}

TEST(WiredPort, ClockRegisterLastWhenRisingFirstWhenFalling) {
  // Clock on control pin 16, everything else on the data register.
  const Adapter mixed{.name = "mixed",
                      .vpp = P(4),
                      .vdd = P(-5),
                      .clock = P(16),
                      .dataOut = P(2),
                      .dataIn = P(10),
                      .releaseToRead = false};
  ASSERT_EQ(CheckAdapter(mixed), "");
  EventLog log;
  RecordingPort inner(log);
  WiredPort port(inner, 0x278, mixed);
  port.WritePort(0x278, 0x04);  // powered, clock low: control written once
  port.WritePort(0x278, 0x07);  // clock and data rise: data first
  port.WritePort(0x278, 0x04);  // both fall: clock first
  port.WritePort(0x278, 0x06);  // data only: control unchanged, not written
  // Unused control pins keep their bit clear; pin 16 is not port-inverted.
  EXPECT_EQ(log, (EventLog{W(0x27A, 0x00), W(0x278, 0x04),  //
                           W(0x278, 0x05), W(0x27A, 0x04),  //
                           W(0x27A, 0x00), W(0x278, 0x04),  //
                           W(0x278, 0x05)}));
}

TEST(WiredPort, StatusBitSevenCarriesTheAdaptersDataIn) {
  const Adapter tait = *FindAdapter("Tait 7405/7406", {}, nullptr);  // data in ~10
  EventLog log;
  RecordingPort inner(log);
  std::uint8_t status = 0;
  inner.answer = [&](std::uint16_t) { return status; };
  WiredPort port(inner, 0x378, tait);
  status = 0x87;  // pin 10 low: the line, inverted, is 1
  EXPECT_EQ(port.ReadPort(0x379), 0x07);
  status = 0xC7;  // pin 10 high: the line is 0; the other bits stay as read
  EXPECT_EQ(port.ReadPort(0x379), 0xC7);
  status = 0x40;
  EXPECT_EQ(port.ReadPort(0x379), 0xC0);
}

// Writes of one command and frame, as the protocol clocks them: six
// command bits (each high then low), then 16 frame clocks.
std::vector<std::uint8_t> Transfer(unsigned code) {
  std::vector<std::uint8_t> writes;
  for (int i = 0; i < 6; ++i) {
    const std::uint8_t d = ((code >> i) & 1) ? 0x02 : 0;
    writes.push_back(0x05 | d);
    writes.push_back(0x04 | d);
  }
  for (int i = 0; i < 16; ++i) {
    writes.push_back(0x05);
    writes.push_back(0x04);
  }
  return writes;
}

TEST(WiredPort, DataLineReleasedOnlyDuringReadFrames) {
  const Adapter tait = *FindAdapter("Tait classic", {}, nullptr);  // data out pin 2 = bit 0
  struct Case {
    unsigned code;
    bool released;
  };
  for (const Case c : {Case{0x04, true}, Case{0x05, true}, Case{0x02, false}, Case{0x03, false},
                       Case{0x00, false}}) {
    SCOPED_TRACE(c.code);
    EventLog log;
    RecordingPort inner(log);
    WiredPort port(inner, 0x378, tait);
    port.WritePort(0x378, 0x08);
    port.WritePort(0x378, 0x04);
    std::vector<std::uint8_t> asked = Transfer(c.code);
    // After the frame the next command drives the line again.
    const std::vector<std::uint8_t> next = Transfer(0x06);
    asked.insert(asked.end(), next.begin(), next.end());
    for (std::uint8_t v : asked) port.WritePort(0x378, v);
    ASSERT_EQ(log.size(), 2u + asked.size());
    for (std::size_t i = 0; i < asked.size(); ++i) {
      const bool inFrame = i >= 12 && i < 44;
      const int expected = inFrame && c.released ? 1 : (asked[i] & 0x02) >> 1;
      EXPECT_EQ(log[2 + i].value & 0x01, expected) << "write " << i;
    }
  }
}

TEST(WiredPort, ClockDelayFollowsEveryClockEdgeOnly) {
  Adapter slowDefault = DefaultAdapter();
  slowDefault.clockDelayUs = 7;
  Adapter slowTait = *FindAdapter("Tait classic", {}, nullptr);  // clock pin 3 = bit 1
  slowTait.clockDelayUs = 3;
  struct Case {
    Adapter adapter;
    EventLog expected;
  };
  const Case cases[] = {
      // Without a delay nothing but the writes, as the protocol asked.
      {DefaultAdapter(), {W(0x378, 0x04), W(0x378, 0x05), W(0x378, 0x07), W(0x378, 0x06)}},
      {slowDefault, {W(0x378, 0x04), W(0x378, 0x05), Us(7), W(0x378, 0x07), W(0x378, 0x06), Us(7)}},
      {slowTait, {W(0x378, 0x00), W(0x378, 0x02), Us(3), W(0x378, 0x03), W(0x378, 0x01), Us(3)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.adapter.clockDelayUs);
    EventLog log;
    RecordingPort inner(log);
    LoggingClock clock(log);
    WiredPort port(inner, 0x378, c.adapter, &clock);
    for (std::uint8_t v : {0x04, 0x05, 0x07, 0x06}) port.WritePort(0x378, v);
    EXPECT_EQ(log, c.expected);
  }
}

TEST(WiredPort, PowerOffForgetsAHalfClockedCommand) {
  const Adapter tait = *FindAdapter("Tait classic", {}, nullptr);
  EventLog log;
  RecordingPort inner(log);
  WiredPort port(inner, 0x378, tait);
  port.WritePort(0x378, 0x04);
  // Three bits of a read command, then a power cycle.
  const std::vector<std::uint8_t> half = {0x05, 0x04, 0x05, 0x04, 0x07, 0x06};
  for (std::uint8_t v : half) port.WritePort(0x378, v);
  port.WritePort(0x378, 0x08);
  port.WritePort(0x378, 0x04);
  // Load Configuration (00h) with a zero frame: had the three old bits been
  // kept, its first bits would finish a Read Data (04h) and the rest would
  // be released (data high).
  log.clear();
  for (std::uint8_t v : Transfer(0x00)) port.WritePort(0x378, v);
  ASSERT_EQ(log.size(), 44u);
  for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].value & 0x01, 0x00) << i;
}

}  // namespace
}  // namespace lpt
