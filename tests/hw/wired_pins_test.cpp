// SPDX-License-Identifier: GPL-2.0-or-later
// The wiring as pins: the default adapter writes the bytes its register
// layout gives; another adapter gets its registers written in an order that
// keeps data steady around the clock edges, and the data line released for
// exactly the clocks the chip drives it.
#include "hw/wired_pins.h"

#include <gtest/gtest.h>

#include "devices/active_device.h"
#include "hw/adapter.h"
#include "hw/protocol.h"
#include "support/recording_port.h"

namespace lpt {
namespace {

using testing::EventLog;
using testing::LoggingClock;
using testing::R;
using testing::RecordingHooks;
using testing::RecordingPort;
using testing::Us;
using testing::W;

AdapterPin P(int n) { return AdapterPin{n < 0 ? -n : n, n < 0}; }

// The lines written as the default adapter's data register byte (01h clock,
// 02h data, 04h Vpp, 08h supply off), which the tables below read best in.
LineLevels L(std::uint8_t v) {
  return LineLevels{.vpp = (v & 0x04) != 0,
                    .vdd = (v & 0x08) == 0,
                    .clock = (v & 0x01) != 0,
                    .data = (v & 0x02) != 0};
}

TEST(WiredPins, DefaultAdapterWritesItsOwnRegisterBytes) {
  EventLog log;
  RecordingPort port(log);
  port.answer = [](std::uint16_t) { return std::uint8_t{0x5A}; };
  WiredPins pins(port, 0x378, DefaultAdapter());
  for (std::uint8_t v : {0x08, 0x0C, 0x04, 0x07}) pins.Drive(L(v));
  EXPECT_TRUE(pins.ReadData());  // BUSY bit clear: the line is 1
  EXPECT_EQ(log, (EventLog{W(0x378, 0x08), W(0x378, 0x0C), W(0x378, 0x04), W(0x378, 0x07),
                           R(0x379, 0x5A)}));
}

TEST(WiredPins, ClockRegisterLastWhenRisingFirstWhenFalling) {
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
  RecordingPort port(log);
  WiredPins pins(port, 0x278, mixed);
  pins.Drive(L(0x04));  // powered, clock low: control written once
  pins.Drive(L(0x07));  // clock and data rise: data first
  pins.Drive(L(0x04));  // both fall: clock first
  pins.Drive(L(0x06));  // data only: control unchanged, not written
  // Unused control pins keep their bit clear; pin 16 is not port-inverted.
  EXPECT_EQ(log, (EventLog{W(0x27A, 0x00), W(0x278, 0x04),  //
                           W(0x278, 0x05), W(0x27A, 0x04),  //
                           W(0x27A, 0x00), W(0x278, 0x04),  //
                           W(0x278, 0x05)}));
}

TEST(WiredPins, DataInIsReadFromTheAdaptersPin) {
  const Adapter tait = *FindAdapter("Tait 7405/7406", {}, nullptr);  // data in ~10
  EventLog log;
  RecordingPort port(log);
  std::uint8_t status = 0;
  port.answer = [&](std::uint16_t) { return status; };
  WiredPins pins(port, 0x378, tait);
  for (const auto& [read, level] : {std::pair{0x87, true}, {0xC7, false}, {0x40, false}}) {
    status = static_cast<std::uint8_t>(read);
    EXPECT_EQ(pins.ReadData(), level) << read;
  }
}

TEST(WiredPins, PgmPinHeldLowWhereTheWiringNamesOne) {
  Adapter withPgm = DefaultAdapter();
  withPgm.pgm = P(-9);  // through an inverting buffer: pin 9 high holds PGM low
  ASSERT_EQ(CheckAdapter(withPgm), "");
  EventLog log;
  RecordingPort port(log);
  WiredPins pins(port, 0x378, withPgm);
  pins.Drive(L(0x08));
  pins.Drive(L(0x05));
  EXPECT_EQ(log, (EventLog{W(0x378, 0x88), W(0x378, 0x85)}));
}

TEST(WiredPins, ClockDelayFollowsEveryClockEdgeOnly) {
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
    RecordingPort port(log);
    LoggingClock clock(log);
    WiredPins pins(port, 0x378, c.adapter, &clock);
    for (std::uint8_t v : {0x04, 0x05, 0x07, 0x06}) pins.Drive(L(v));
    EXPECT_EQ(log, c.expected);
  }
}

TEST(WiredPins, DataLineReleasedForExactlyTheClocksOfAReadFrame) {
  // Tait classic: data out on pin 2, register bit 0.
  const Adapter tait = *FindAdapter("Tait classic", {}, nullptr);
  EventLog log;
  RecordingPort port(log);
  LoggingClock clock(log);
  RecordingHooks hooks;
  ActiveDevice device;
  WiredPins pins(port, 0x378, tait);
  Protocol proto(pins, clock, hooks, device);
  proto.ResetPic();
  log.clear();
  // A read (12 command writes, 32 frame writes), then a load of 0: its
  // frame drives the line low again.
  proto.ReadDataFromProgramMemory();
  proto.LoadDataForProgramMemory(0);
  std::vector<std::uint8_t> writes;
  for (const auto& e : log)
    if (e.kind == testing::PortEvent::Kind::Write) writes.push_back(e.value);
  ASSERT_EQ(writes.size(), 88u);
  for (std::size_t i = 12; i < 44; ++i) EXPECT_EQ(writes[i] & 0x01, 1) << "read frame write " << i;
  for (std::size_t i = 56; i < 88; ++i) EXPECT_EQ(writes[i] & 0x01, 0) << "load frame write " << i;
}

}  // namespace
}  // namespace lpt
