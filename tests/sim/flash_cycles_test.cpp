// SPDX-License-Identifier: GPL-2.0-or-later
// Programming cycles of the flash models, driven through the protocol:
// erase/program, program-only, cut-short cycles, protection.
#include <gtest/gtest.h>

#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

struct FlashCase {
  const char* device;
  std::uint32_t programWaitMs;  // long enough for an erase/program cycle
};

class FlashFamilies : public ::testing::TestWithParam<FlashCase> {};

// Every flash family stores a word written with 08h at the counter position
// and a data byte at the data counter, and reads them back.
TEST_P(FlashFamilies, EraseProgramCycleStoresWordAndDataByte) {
  SimRig rig(GetParam().device);
  rig.proto->ResetPic();
  rig.Clk(5);
  rig.proto->LoadDataForProgramMemory(0x1234);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(GetParam().programWaitMs);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x1234);
  rig.proto->IncrementAddress();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);

  rig.proto->ResetPic();
  rig.Clk(3);
  rig.proto->LoadDataForDataMemory(0xA5);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), 0xA5);
  EXPECT_EQ(rig.state().data[3], 0xA5);
  EXPECT_EQ(rig.state().program[5], 0x1234);
  // Program memory was untouched by the data write and vice versa.
  EXPECT_EQ(rig.state().data[5], 0xFF);
}

// A cycle whose time has not passed when the next command starts leaves the
// word unchanged.
TEST_P(FlashFamilies, CycleCutShortLeavesWordUnchanged) {
  SimRig rig(GetParam().device);
  rig.proto->ResetPic();
  rig.proto->LoadDataForProgramMemory(0x0123);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitUs(500);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);
  rig.proto->ResetPic();
  rig.proto->LoadDataForProgramMemory(0x0123);
  rig.proto->BeginEraseProgrammingCycle();
  rig.proto->ResetPic();  // power removed mid-cycle
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);
}

INSTANTIATE_TEST_SUITE_P(All, FlashFamilies,
                         ::testing::Values(FlashCase{"16F84", 20}, FlashCase{"16F84A", 20},
                                           FlashCase{"16F627", 20}, FlashCase{"16F877", 20},
                                           FlashCase{"12F629/675", 20}, FlashCase{"16F877A", 10},
                                           FlashCase{"16F628A", 10}),
                         [](const auto& info) {
                           std::string n = info.param.device;
                           for (char& c : n)
                             if (c == '/') c = '_';
                           return n;
                         });

TEST(FlashProgramOnly, BeginProgrammingOnlyAndsTheLatchIntoTheWord) {
  SimRig rig("16F877");
  rig.state().program[0] = 0x3F0F;
  rig.proto->ResetPic();
  rig.proto->LoadDataForProgramMemory(0x30FF);
  rig.proto->BeginProgrammingOnlyCycle();
  rig.clock.WaitMs(20);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x300F);
}

TEST(FlashProgramOnly, ExternallyTimedCycleEndsWithEndProgramming) {
  SimRig rig("16F877A");
  rig.proto->ResetPic();
  rig.proto->LoadDataForProgramMemory(0x2AAA);
  rig.proto->BeginProgrammingOnlyCycle();
  rig.clock.WaitMs(2);
  rig.proto->EndProgramming16F87xA();  // 37h: the top bit is don't-care on this part
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x2AAA);
  // Ended too early: nothing is written.
  rig.proto->IncrementAddress();
  rig.proto->LoadDataForProgramMemory(0x1555);
  rig.proto->BeginProgrammingOnlyCycle();
  rig.clock.WaitUs(300);
  rig.proto->EndProgramming16F87xA();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);
}

TEST(FlashProtection, ProtectedProgramMemoryReadsZerosAndIgnoresWrites) {
  struct Case {
    const char* device;
    bool dataProtectedToo;
  };
  for (const Case& c : {Case{"16F84", true}, Case{"16F627", true}, Case{"16F877", true},
                        Case{"12F629/675", true}, Case{"16F877A", true}, Case{"16F628A", true}}) {
    SCOPED_TRACE(c.device);
    SimRig rig(c.device);
    rig.state().program[0] = 0x1111;
    rig.state().data[0] = 0x22;
    sim::SetCodeProtected(rig.state(), true);
    rig.proto->ResetPic();
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0000);
    EXPECT_EQ(rig.proto->ReadDataFromDataMemory(), c.dataProtectedToo ? 0x00 : 0x22);
    rig.proto->LoadDataForProgramMemory(0x0000);
    rig.proto->BeginEraseProgrammingCycle();
    rig.clock.WaitMs(20);
    EXPECT_EQ(rig.state().program[0], 0x1111);
    // The configuration word still reads, protection bits cleared.
    rig.GoToConfigWord();
    EXPECT_EQ(rig.ReadWord(), sim::ConfigWord(rig.state()));
  }
}

}  // namespace
}  // namespace lpt::simtest
