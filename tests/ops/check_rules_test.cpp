// SPDX-License-Identifier: GPL-2.0-or-later
// Read, Verify and Blank check: what each pass reads, what it leaves out, and
// which message a difference gives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

TEST(ReadRules, IdDigitsFuseWordAndCellWidths) {
  OpsRig rig("16F84");
  for (int i = 0; i < 4; ++i) rig.chipState().config[i] = static_cast<std::uint16_t>(0x3FF1 + i);
  sim::ConfigWord(rig.chipState()) = 0x3FF1;
  rig.chipState().program[9] = 0x0ABC;
  rig.chipState().data[63] = 0x7E;
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  EXPECT_EQ(rig.buffers.IdDigits(), "1234");
  EXPECT_EQ(rig.buffers.FuseWord, 0x3FF1);
  EXPECT_THAT(rig.hooks.shownFuses, ElementsAre(0x3FF1));
  EXPECT_EQ(rig.buffers.ProgramWord(9), "0ABC");
  EXPECT_EQ(rig.buffers.DataByte(63), "7E");
  EXPECT_EQ(rig.hooks.buffersChanged, 1);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
}

TEST(ReadRules, TwelveBitPartsReadThreeDigitsAndTheIdAboveProgramMemory) {
  OpsRig rig("12C508");
  rig.chipState().program[0] = 0x0A25;
  sim::ConfigWord(rig.chipState()) = 0x000A;
  rig.chipState().config[2] = 0x0007;
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  EXPECT_EQ(rig.buffers.ProgramWord(0), "A25");
  EXPECT_EQ(rig.buffers.ProgramWord(1), "FFF");
  EXPECT_EQ(rig.buffers.ProgramWord(rig.LastAddress()), "C80") << "the factory calibration";
  EXPECT_EQ(rig.buffers.FuseWord, 0x000A);
  EXPECT_EQ(rig.buffers.IdDigits(), "FF7F");
}

TEST(ReadRules, NoDataEepromKeepsTheDataGridAndFuseWordIsUnmasked) {
  OpsRig rig("16C74");
  rig.buffers.DataCell(0, 1) = "00";
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  EXPECT_EQ(rig.buffers.DataCell(0, 1), "00");

  OpsRig withBandgap("12F629/675");
  ASSERT_EQ(withBandgap.Run(ReadChip), CommandResult::Ok);
  EXPECT_EQ(withBandgap.buffers.FuseWord, withBandgap.ChipConfig()) << "bits 12, 13 included";
  EXPECT_NE(withBandgap.buffers.FuseWord & 0x3000, 0x3000);
}

TEST(VerifyRules, EachPassNamesItsDifference) {
  struct Case {
    const char* message;
    void (*spoil)(OpsRig&);
  };
  const Case cases[] = {
      {"Error verify Program Memory!", [](OpsRig& r) { r.chipState().program[1000] = 0; }},
      {"Error verify Data Memory!", [](OpsRig& r) { r.chipState().data[63] = 0; }},
      {"Error verify fuses!", [](OpsRig& r) { sim::ConfigWord(r.chipState()) = 0x3FF0; }},
      {"Error verify ID!", [](OpsRig& r) { r.chipState().config[3] = 0x3FF0; }},
      // Configuration word before ID, unlike programming.
      {"Error verify fuses!",
       [](OpsRig& r) {
         r.chipState().config[0] = 0x3FF0;
         sim::ConfigWord(r.chipState()) = 0x3FF0;
       }},
  };
  for (const Case& c : cases) {
    OpsRig rig("16F84");
    c.spoil(rig);
    EXPECT_EQ(rig.Run(VerifyChip), CommandResult::Failed);
    EXPECT_THAT(rig.hooks.errors, ElementsAre(c.message));
    EXPECT_THAT(rig.hooks.plains, IsEmpty());
  }
}

TEST(VerifyRules, WhatVerifyLeavesOut) {
  // The 14C000's top 64 words.
  OpsRig top("14C000");
  top.chipState().program[0xFC0] = 0;
  top.chipState().program[0xFFF] = 0;
  top.buffers.FuseWord = top.ChipConfig();
  EXPECT_EQ(top.Run(VerifyChip), CommandResult::Ok);
  top.chipState().program[0xFBF] = 0;
  EXPECT_EQ(top.Run(VerifyChip), CommandResult::Failed);

  // Upper three digits of ID words, and configuration bits outside ConfigMask.
  OpsRig id("16F628");
  id.chipState().config[0] = 0x0001;
  id.buffers.SetIdDigits("1FFF");
  sim::ConfigWord(id.chipState()) = 0x3DFF & ~0x0200;  // bit 9 is not implemented
  id.buffers.FuseWord = 0x3FFF;
  EXPECT_EQ(id.Run(VerifyChip), CommandResult::Ok);
  id.buffers.SetIdDigits("2FFF");
  EXPECT_EQ(id.Run(VerifyChip), CommandResult::Failed);

  // No data EEPROM: the data grid does not count.
  OpsRig eprom("16C74");
  eprom.buffers.DataCell(0, 1) = "00";
  eprom.buffers.FuseWord = eprom.ChipConfig();
  EXPECT_EQ(eprom.Run(VerifyChip), CommandResult::Ok);
}

// The "Ok" a window shows after a success is its own: the command does not
// hold the chip powered for it.
TEST(VerifyRules, SuccessEndsWithoutWaitingForAnOkMark) {
  OpsRig rig("16F84");
  rig.clock.SetRecording(true);
  ASSERT_EQ(rig.Run(VerifyChip), CommandResult::Ok);
  EXPECT_THAT(rig.clock.Waits(),
              Not(Contains(VirtualClock::Wait{VirtualClock::Wait::Unit::Ms, 300})));
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
}

TEST(BlankRules, EachPassNamesItselfInAPlainBox) {
  struct Case {
    const char* name;
    const char* message;
    void (*spoil)(OpsRig&);
  };
  const Case cases[] = {
      {"16F84", "Program Memory is not blank", [](OpsRig& r) { r.chipState().program[0] = 0; }},
      {"16F84", "Program Memory is not blank",
       [](OpsRig& r) { r.chipState().program.back() = 0; }},  // no last-word rule here
      {"16F84", "Data Memory is not blank", [](OpsRig& r) { r.chipState().data[5] = 0xFE; }},
      {"16F84", "Fuses is not blank", [](OpsRig& r) { sim::ConfigWord(r.chipState()) = 0x3FFE; }},
      {"16F84", "ID is not blank", [](OpsRig& r) { r.chipState().config[2] = 0x3FFE; }},
      {"12C508", "Program Memory is not blank", [](OpsRig& r) { r.chipState().program[0] = 0; }},
      {"12C508", "Fuses is not blank", [](OpsRig& r) { sim::ConfigWord(r.chipState()) = 0x0FEF; }},
      {"12C508", "ID is not blank", [](OpsRig& r) { r.chipState().config[3] = 0x0FF0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.message);
    OpsRig rig(c.name);
    c.spoil(rig);
    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Failed);
    EXPECT_THAT(rig.hooks.plains, ElementsAre(c.message));
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
  }
}

TEST(BlankRules, WhatBlankCheckLeavesOut) {
  struct Case {
    const char* name;
    void (*spoil)(OpsRig&);
  };
  const Case cases[] = {
      {"12C671", [](OpsRig& r) { r.chipState().program.back() = 0; }},  // last-word rule
      {"16C505", [](OpsRig& r) { r.chipState().program.back() = 0; }},
      {"12F629/675", [](OpsRig& r) { r.chipState().program.back() = 0; }},
      {"14C000", [](OpsRig& r) { r.chipState().program[0xFC0] = 0; }},  // top 64 words
      {"16F84", [](OpsRig& r) { r.chipState().config[1] = 0x000F; }},   // only the last digit
      {"12F629/675", [](OpsRig& r) { sim::ConfigWord(r.chipState()) &= 0x0FFF; }},  // bandgap
      {"16C74", [](OpsRig& r) { r.buffers.DataCell(0, 1) = "00"; }},  // no data EEPROM
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpsRig rig(c.name);
    c.spoil(rig);
    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok);
    EXPECT_THAT(rig.hooks.plains, IsEmpty());
  }
}

}  // namespace
}  // namespace lpt::opstest
