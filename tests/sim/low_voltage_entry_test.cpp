// SPDX-License-Identifier: GPL-2.0-or-later
// The enhanced parts' way in: the key at the supply voltage, the LVP bit
// that gates it, and the Vpp that destroys them.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/chip_file.h"
#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

constexpr std::uint8_t kIdle = 0x08;  // supply off
constexpr std::uint8_t kClock = 0x01;
constexpr std::uint8_t kData = 0x02;

// Supply on with MCLR low, `key` clocked in from bit 0, one more clock,
// then the device ID at 8006h read without Vpp.
std::uint16_t IdAfterKey(SimRig& rig, std::uint32_t key) {
  rig.proto->ResetPic();  // the protocol's own entry: no Vpp from here on
  rig.port->WritePort(0x378, kIdle);
  rig.port->WritePort(0x378, 0x00);
  for (int i = 0; i <= 32; ++i) {
    const std::uint8_t bit = i < 32 && ((key >> i) & 1) ? kData : 0;
    rig.port->WritePort(0x378, bit | kClock);
    rig.port->WritePort(0x378, bit);
  }
  rig.proto->LoadConfiguration(0x3FFF);
  rig.Clk(6);
  return rig.ReadWord();
}

TEST(LowVoltageEntry, OnlyTheKeyInItsBitOrderWithLvpOnAnswers) {
  struct Case {
    std::uint32_t key;
    bool lvp;
    std::uint16_t id;  // 0: nothing answers
  };
  const Case cases[] = {
      {0x4D434850, true, 0x27A4},  // "MCHP", least significant bit first
      {0x4D434850, false, 0},      // LVP off: only high-voltage entry remains
      {0x0A12C2B2, true, 0},       // the same key sent most significant bit first
      {0x4D434851, true, 0},       // one bit wrong
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    SimRig rig("16F1827");
    if (!c.lvp) rig.state().config[8] &= 0x1FFF;
    EXPECT_EQ(IdAfterKey(rig, c.key), c.id);
    EXPECT_FALSE(rig.state().destroyed);
  }
}

// A 13 V Vpp on a 9 V part destroys it for good (the chip file keeps it);
// a board that gives 9 V enters it at high voltage unharmed.
TEST(LowVoltageEntry, VppAboveNineVoltsDestroysTheChip) {
  SimRig hot("16F1827");
  hot.port->WritePort(0x378, 0x04);  // Vpp and supply on, a 13 V board
  EXPECT_TRUE(hot.state().destroyed);
  EXPECT_EQ(IdAfterKey(hot, 0x4D434850), 0);
  std::string error;
  std::istringstream text(sim::ChipText(hot.state()));
  const auto reloaded = sim::ParseChipText(text, &error);
  ASSERT_TRUE(reloaded) << error;
  EXPECT_TRUE(reloaded->destroyed);

  SimRig board("16F1827");
  Adapter nineVolts = DefaultAdapter();
  nineVolts.vppMillivolts = 9000;
  board.port->SetWiring(nineVolts);
  board.proto->SetAdapterVppMillivolts(9000);
  EXPECT_EQ(board.proto->EntryInUse().entry, Entry::HighVoltage);
  board.proto->ResetPic();
  board.proto->LoadConfiguration(0x3FFF);
  board.Clk(6);
  EXPECT_EQ(board.ReadWord(), 0x27A4);
  EXPECT_FALSE(board.state().destroyed);
}

}  // namespace
}  // namespace lpt::simtest

namespace lpt::simtest {
namespace {

// An LF part takes at most 4.0 V on Vdd (its data sheet's absolute maximum
// rating): a 5 V board destroys it as soon as the supply comes, a 3.3 V one
// lets it answer the key with its own ID (DS41390: 16LF1827 28A0h).
TEST(LowVoltageEntry, AnLfPartDiesOnAFiveVoltSupply) {
  for (const std::uint32_t vdd : {5000u, 3300u}) {
    SimRig rig("16LF1827");
    Adapter board = DefaultAdapter();
    board.vddMillivolts = vdd;
    rig.port->SetWiring(board);
    rig.proto->SetAdapterVddMillivolts(1800);  // lets the protocol switch it on
    EXPECT_EQ(IdAfterKey(rig, 0x4D434850), vdd == 5000 ? 0 : 0x28A4) << vdd;
    EXPECT_EQ(rig.state().destroyed, vdd == 5000) << vdd;
  }
}

}  // namespace
}  // namespace lpt::simtest
