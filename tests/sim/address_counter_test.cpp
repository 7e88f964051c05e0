// SPDX-License-Identifier: GPL-2.0-or-later
// The address counter as the makers describe it: where entry puts it, the
// jump of Load Configuration, wrapping, and the 12-bit layout.
#include <gtest/gtest.h>

#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

TEST(Counter14, EntryStartsAtZeroAndLoadConfigJumpsTo2000h) {
  SimRig rig("16F84");
  rig.state().program[0] = 0x0AAA;
  rig.state().program[1] = 0x0BBB;
  rig.state().config[0] = 0x3FF1;
  rig.state().config[3] = 0x3FF4;
  rig.proto->ResetPic();
  EXPECT_EQ(rig.chip().counter(), 0);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0AAA);
  rig.proto->IncrementAddress();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0BBB);
  rig.proto->LoadConfiguration(0x3FFF);
  EXPECT_EQ(rig.chip().counter(), 0x2000);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FF1);
  rig.Clk(3);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FF4);
}

TEST(Counter14, OnlyReentryLeavesTheConfigurationArea) {
  SimRig rig("16F84");
  rig.state().program[0] = 0x0123;
  rig.proto->ResetPic();
  rig.proto->LoadConfiguration(0x3FFF);
  // However far it counts, the counter stays in the configuration area.
  rig.Clk(0x2000 + 5);
  EXPECT_GE(rig.chip().counter(), 0x2000);
  EXPECT_EQ(rig.chip().counter(), 0x2005);
  rig.proto->LoadDataForProgramMemory(0x0000);  // a load does not move it either
  EXPECT_EQ(rig.chip().counter(), 0x2005);
  rig.proto->ResetPic();
  EXPECT_EQ(rig.chip().counter(), 0);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0123);
}

TEST(Counter14, ProgramMemoryAliasesAboveItsSizeAndTheCounterWrapsAt13Bits) {
  SimRig rig("16F83");  // 512 words
  rig.state().program[2] = 0x1002;
  rig.proto->ResetPic();
  rig.Clk(512 + 2);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x1002);
  rig.Clk(0x2000 - 514);  // 1FFFh -> 0
  EXPECT_EQ(rig.chip().counter(), 0);
}

TEST(Counter14, ConfigurationWordDeviceIdAndIds) {
  SimRig rig("16F877");
  sim::ConfigWord(rig.state()) = 0x3F7A;
  rig.proto->ResetPic();
  rig.proto->LoadConfiguration(0x3FFF);
  rig.Clk(6);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x09A0);  // device ID at 2006h
  rig.proto->IncrementAddress();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3F7A);
  // The device ID cannot be written.
  rig.proto->ResetPic();
  rig.proto->LoadConfiguration(0x0000);
  rig.Clk(6);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x09A0);
}

// The 16F87xA and 16F62xA siblings: the device ID their programming
// specifications give (revision 0), and program memory and data EEPROM of
// the sizes their data sheets give, seen where the counter wraps.
TEST(Counter14, NewerFlashPartsHaveTheirIdAndSizes) {
  const struct {
    const char* name;
    std::uint16_t id;
    int words;
    int bytes;
  } parts[] = {{"16F873A", 0x0E40, 4096, 128}, {"16F874A", 0x0E60, 4096, 128},
               {"16F876A", 0x0E00, 8192, 256}, {"16F877A", 0x0E20, 8192, 256},
               {"16F648A", 0x1100, 4096, 256}, {"16F628A", 0x1060, 2048, 128}};
  for (const auto& p : parts) {
    SCOPED_TRACE(p.name);
    SimRig rig(p.name);
    ASSERT_EQ(rig.state().program.size(), static_cast<std::size_t>(p.words));
    ASSERT_EQ(rig.state().data.size(), static_cast<std::size_t>(p.bytes));
    rig.state().program[0] = 0x1234;
    rig.state().data[0] = 0x5A;
    rig.proto->ResetPic();
    rig.Clk(p.words - 1);
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);
    EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), 0xFF);
    rig.Clk(1);
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x1234);
    rig.proto->ResetPic();
    rig.Clk(p.bytes);
    EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), 0x5A);
    rig.proto->ResetPic();
    rig.proto->LoadConfiguration(0x3FFF);
    rig.Clk(6);
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), p.id);
  }
}

TEST(Counter14, DataEepromHasItsOwnPositionFromZero) {
  SimRig rig("16F84");
  rig.state().data[0] = 0x11;
  rig.state().data[2] = 0x33;
  rig.state().program[0] = 0x2000;
  rig.proto->ResetPic();
  EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), 0x11);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x2000);
  rig.Clk(2);
  EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), 0x33);
  rig.Clk(64 - 2);  // 64 bytes: the position wraps
  EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), 0x11);
}

TEST(Counter12, StartsOnConfigurationWordThenProgramMemoryThenIds) {
  SimRig rig("12C508");  // 512 words, IDs at 200h-203h
  sim::ConfigWord(rig.state()) = 0x0FEA;
  rig.state().program[0] = 0x0A01;
  rig.state().program[511] = 0x0C42;
  rig.state().config[0] = 0x0001;
  rig.state().config[3] = 0x0004;
  rig.proto->ResetPic();
  EXPECT_EQ(rig.chip().counter(), 0x0FFF);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0FEA);
  rig.proto->IncrementAddress();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0A01);
  rig.Clk(511);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0C42);
  rig.proto->IncrementAddress();
  EXPECT_EQ(rig.chip().counter(), 0x200);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0001);
  rig.Clk(3);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0004);
  // It never wraps back onto the configuration word.
  rig.Clk(0x1000);
  EXPECT_NE(rig.chip().counter(), 0x0FFF);
  EXPECT_NE(rig.proto->ReadDataFromProgramMemory(), 0x0FEA);
}

TEST(Counter12, TopBitsOfTheFieldAreIgnoredOnLoadAndReadAsZero) {
  SimRig rig("16C505");
  rig.proto->ResetPic();
  rig.proto->IncrementAddress();
  rig.proto->LoadDataForProgramMemory(0x3ABC);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitUs(200);
  rig.proto->EndProgrammingEprom();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0ABC);
  // There is no Load Configuration: 00h leaves the counter alone.
  rig.proto->LoadConfiguration(0x3FFF);
  EXPECT_EQ(rig.chip().counter(), 0);
}

}  // namespace
}  // namespace lpt::simtest
