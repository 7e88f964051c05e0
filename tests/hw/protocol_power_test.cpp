// SPDX-License-Identifier: GPL-2.0-or-later
// Power-up and mode entry, and the adapter presence test.
#include <gtest/gtest.h>

#include "devices/family.h"
#include "hw/protocol.h"
#include "support/protocol_rig.h"

namespace lpt {
namespace {

using testing::EventLog;
using testing::Ms;
using testing::ProtocolRig;
using testing::R;
using testing::Us;
using testing::W;

// `holdUs`: the wait between the first and the second line switched on.
EventLog ResetEvents(bool vppFirst, std::uint32_t holdUs = 2) {
  if (vppFirst) return {W(0x378, 0x08), Ms(10), W(0x378, 0x0C), Us(6), W(0x378, 0x04), Ms(1)};
  return {W(0x378, 0x08), Ms(10), W(0x378, 0x00), Us(holdUs), W(0x378, 0x04), Ms(1)};
}

// The 12-bit flash families (41, 42) enter supply first and hold 5 us
// before Vpp (THLD0 of DS41228, DS41226, DS41207).
TEST(ProtocolPower, ResetPicEntersWithVppFirstOnlyForThoseFamilies) {
  struct Case {
    int family;
    bool vppFirst;
    std::uint32_t holdUs;
  };
  const Case cases[] = {{1, false, 2},  {4, false, 2},  {17, false, 2}, {20, false, 2},
                        {21, false, 2}, {22, true, 6},  {24, false, 2}, {25, true, 6},
                        {27, false, 2}, {28, true, 6},  {30, false, 2}, {40, true, 6},
                        {41, false, 5}, {42, false, 5}, {43, false, 2}, {44, true, 6},
                        {45, false, 2}, {46, false, 2}, {47, false, 2}, {48, true, 6},
                        {49, true, 6},  {50, true, 6}};
  for (const Case& c : cases) {
    for (const char* mode : {"false", "true"}) {  // the timing mode does not matter
      SCOPED_TRACE(c.family);
      ProtocolRig rig;
      rig.device.family = static_cast<Family>(c.family);
      rig.proto.SetDelayMode(mode);
      rig.proto.ResetPic();
      EXPECT_EQ(rig.log, ResetEvents(c.vppFirst, c.holdUs));
    }
  }
  // Every catalogue family is covered above.
  EXPECT_EQ(AllFamilies().size(), std::size(cases));
}

TEST(ProtocolPower, PresenceTestPassesWhenTheAdapterEchoesTheDataLine) {
  ProtocolRig rig;
  rig.device.family = Family::Pic16F84;
  EXPECT_TRUE(rig.proto.AdapterPresent());
  EventLog expected = ResetEvents(false);
  for (auto e : {W(0x378, 0x06), Us(1), R(0x379, 0x00), W(0x378, 0x04), Us(1), R(0x379, 0x80)})
    expected.push_back(e);
  EXPECT_EQ(rig.log, expected);
  EXPECT_TRUE(rig.hooks.errorBoxes.empty());
}

TEST(ProtocolPower, PresenceTestFailsOnceWithItsMessageWhateverReadGoesWrong) {
  struct Case {
    const char* name;
    std::uint8_t whenHigh, whenLow;
  };
  const Case cases[] = {{"line stuck low", 0x80, 0x80},
                        {"line stuck high", 0x00, 0x00},
                        {"inverted", 0x80, 0x00},
                        {"7Fh is not 80h or more", 0x00, 0x7F}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProtocolRig rig;
    rig.device.family = Family::Pic16F84;
    // The status answers the last value written to the data register.
    testing::EventLog& log = rig.log;
    rig.port.answer = [&](std::uint16_t) {
      for (auto it = log.rbegin(); it != log.rend(); ++it)
        if (it->kind == testing::PortEvent::Kind::Write)
          return it->value == 0x06 ? c.whenHigh : c.whenLow;
      return std::uint8_t{0};
    };
    EXPECT_FALSE(rig.proto.AdapterPresent());
    ASSERT_EQ(rig.hooks.errorBoxes.size(), 1u);
    EXPECT_EQ(rig.hooks.errorBoxes[0], "Device is not found !");
    // Both reads are made even when the first already failed.
    int reads = 0;
    for (const auto& e : rig.log) reads += e.kind == testing::PortEvent::Kind::Read;
    EXPECT_EQ(reads, 2);
  }
}

TEST(ProtocolPower, PresenceTestOnAClosedPortGivesTheReasonUnderTheMessage) {
  ProtocolRig rig;
  rig.port.opened = false;
  EXPECT_FALSE(rig.proto.AdapterPresent());
  ASSERT_EQ(rig.hooks.errorBoxes.size(), 1u);
  EXPECT_EQ(rig.hooks.errorBoxes[0], "Device is not found !");

  ProtocolRig why;
  why.port.opened = false;
  why.port.failureReason = "No parallel port at 0x378 (no /dev/parportN has that base address).";
  EXPECT_FALSE(why.proto.AdapterPresent());
  ASSERT_EQ(why.hooks.errorBoxes.size(), 1u);
  EXPECT_EQ(why.hooks.errorBoxes[0],
            "Device is not found !\n\nNo parallel port at 0x378 (no /dev/parportN has that base "
            "address).");
}

}  // namespace
}  // namespace lpt
