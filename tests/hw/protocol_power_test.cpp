// SPDX-License-Identifier: GPL-2.0-or-later
// Power-up and mode entry, and the adapter presence test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  const Case cases[] = {
      {1, false, 2},  {4, false, 2},  {17, false, 2}, {20, false, 2}, {21, false, 2},
      {22, true, 6},  {24, false, 2}, {25, true, 6},  {27, false, 2}, {28, true, 6},
      {30, false, 2}, {40, true, 6},  {41, false, 5}, {42, false, 5}, {43, false, 2},
      {44, true, 6},  {45, false, 2}, {46, false, 2}, {47, false, 2}, {48, true, 6},
      {49, true, 6},  {50, true, 6},  {51, false, 2}, {52, false, 2}, {53, false, 2}};
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

// The adapter's Vpp against the most the part takes on MCLR, with the
// messages the user reads.
TEST(ProtocolPower, EntryFollowsTheAdapterVoltageAndThePartLimit) {
  struct Case {
    std::uint32_t partMv;
    bool lowVoltage;
    std::uint32_t adapterMv;
    Entry entry;
    const char* reason;
    bool switchesVdd = true;
  };
  const Case cases[] = {
      {13500, false, 13000, Entry::HighVoltage, ""},
      {9000, true, 9000, Entry::HighVoltage, ""},
      {9000, true, 13000, Entry::LowVoltage,
       "The 16F1827 takes at most 9 V on MCLR; this adapter gives 13 V. Low-voltage entry is "
       "used instead."},
      {13500, false, 14250, Entry::Refused,
       "The 16F1827 takes at most 13.5 V on MCLR; this adapter gives 14.25 V. It cannot be "
       "programmed with this adapter."},
      {9000, true, 13000, Entry::Refused,
       "The 16F1827 takes at most 9 V on MCLR; this adapter gives 13 V. Low-voltage entry needs "
       "the supply switched, which this adapter cannot do. It cannot be programmed with this "
       "adapter.",
       false},
  };
  for (const Case& c : cases) {
    const EntryChoice choice =
        ChooseEntry("16F1827", c.partMv, c.lowVoltage, c.adapterMv, c.switchesVdd);
    EXPECT_EQ(choice.entry, c.entry) << c.adapterMv;
    EXPECT_EQ(choice.reason, c.reason);
  }
}

// A part without low-voltage entry on an adapter above its limit gets its
// supply and no Vpp, not even on the commands clocked after.
TEST(ProtocolPower, VppAboveThePartsLimitIsNeverSwitchedOn) {
  const DeviceRecord part{.name = "16F84", .family = Family::Pic16F84, .maxMclrMillivolts = 12000};
  for (const std::uint32_t adapterMv : {12000u, 13000u}) {
    ProtocolRig rig;
    rig.device.family = part.family;
    rig.device.record = &part;
    rig.proto.SetAdapterVppMillivolts(adapterMv);
    rig.proto.ResetPic();
    rig.proto.IncrementAddress();
    bool vppSeen = false;
    for (const auto& e : rig.log)
      vppSeen = vppSeen || (e.kind == testing::PortEvent::Kind::Write && (e.value & 0x04) != 0);
    EXPECT_EQ(vppSeen, adapterMv == 12000u);
  }
}

// Low-voltage entry as the peers that follow DS41390 send it: supply on
// with MCLR low, "P", "H", "C", "M" each least significant bit first, one
// more clock; Vpp stays off for everything after it.
TEST(ProtocolPower, LowVoltageEntryClocksTheKeyWithoutVpp) {
  const DeviceRecord part{
      .name = "16F1827", .family = Family::Pic16F1827, .maxMclrMillivolts = 9000};
  ProtocolRig rig;
  rig.device.family = part.family;
  rig.device.record = &part;
  rig.proto.ResetPic();
  EventLog expected{W(0x378, 0x08), Ms(10), W(0x378, 0x00), Ms(1)};
  std::vector<int> bits;
  for (const char c : std::string("PHCM"))
    for (int i = 0; i < 8; ++i) bits.push_back((c >> i) & 1);
  bits.push_back(0);
  for (const int bit : bits) {
    expected.push_back(W(0x378, static_cast<std::uint8_t>(0x01 | (bit ? 0x02 : 0))));
    expected.push_back(W(0x378, static_cast<std::uint8_t>(bit ? 0x02 : 0)));
  }
  expected.push_back(W(0x378, 0x00));
  expected.push_back(Ms(1));
  EXPECT_EQ(rig.log, expected);
  rig.proto.IncrementAddress();
  for (const auto& e : rig.log)
    EXPECT_FALSE(e.kind == testing::PortEvent::Kind::Write && (e.value & 0x04) != 0);
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
