// SPDX-License-Identifier: GPL-2.0-or-later
// EPROM models: bits only go from 1 to 0, words need a settable number of
// pulses, every pulse is counted, and the program's pulse limits and
// over-programming counts are visible through them.
#include <gtest/gtest.h>

#include "buffers/edit_buffers.h"
#include "ops/device_commands.h"
#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

using sim::Location;
using sim::Space;

void Pulse(SimRig& rig, std::uint16_t word, std::uint32_t us = 200) {
  rig.proto->LoadDataForProgramMemory(word);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitUs(us);
  rig.proto->EndProgrammingEprom();
}

TEST(EpromCells, BitsOnlyGoFromOneToZeroAndNothingErases) {
  SimRig rig("16C61");
  rig.proto->ResetPic();
  Pulse(rig, 0x0F0F);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0F0F);
  Pulse(rig, 0x00FF);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x000F);
  Pulse(rig, 0x3FFF);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x000F);
  // Bulk erase and the setup sequence do nothing on an EPROM part.
  rig.proto->BulkEraseProgramMemory();
  rig.proto->BulkEraseSetup1();
  rig.proto->BulkEraseSetup2();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->BulkEraseSetup1();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x000F);
}

TEST(EpromCells, ShortPulseCountsButDoesNotProgram) {
  SimRig rig("12C671");
  rig.proto->ResetPic();
  Pulse(rig, 0x1111, 50);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);
  EXPECT_EQ(rig.chip().PulseCount({Space::Program, 0}), 1);
  Pulse(rig, 0x1111, 100);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x1111);
  EXPECT_EQ(rig.chip().PulseCount({Space::Program, 0}), 2);
}

TEST(EpromCells, WordTakesItsValueAfterThePulsesItNeeds) {
  SimRig rig("16C558");
  rig.state().pulsesNeeded[{Space::Program, 3}] = 4;
  rig.proto->ResetPic();
  rig.Clk(3);
  for (int i = 1; i <= 3; ++i) {
    Pulse(rig, 0x0001);
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF) << "after pulse " << i;
  }
  Pulse(rig, 0x0001);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0001);
  EXPECT_EQ(rig.chip().PulseCount({Space::Program, 3}), 4);
  // Other words keep the default of one pulse.
  rig.proto->IncrementAddress();
  Pulse(rig, 0x0002);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0002);
}

// The program's EPROM algorithm against words that need n pulses: the
// 14-bit families allow 25 and add 3, the 12-bit ones allow 8 and add 11.
struct LimitCase {
  const char* device;
  int needed;
  bool programs;
  int totalPulses;  // on the word, when it programs
};

class PulseLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(PulseLimits, ProgramAllPassesWithinTheLimitAndFailsBeyondIt) {
  const LimitCase& c = GetParam();
  SimBench b(c.device);
  SimRig& rig = b.rig;
  EditBuffers& buffers = b.buffers;
  OpContext ctx = b.ctx();
  const bool w12 = rig.chip().family().word12;
  buffers.ProgramWord(5) = w12 ? "0A5" : "00A5";
  buffers.FuseWord = rig.device.configMask;
  rig.state().pulsesNeeded[{Space::Program, 5}] = c.needed;

  const CommandResult result = ProgramAll(ctx);
  if (c.programs) {
    EXPECT_EQ(result, CommandResult::Ok);
    EXPECT_EQ(rig.chip().PulseCount({Space::Program, 5}), c.totalPulses);
    EXPECT_EQ(rig.state().program[5], w12 ? 0x0A5 : 0x00A5);
  } else {
    EXPECT_EQ(result, CommandResult::Failed);
    ASSERT_FALSE(rig.hooks.errors.empty());
    EXPECT_EQ(rig.hooks.errors.back(), "Error programming Program Memory!");
    EXPECT_EQ(rig.chip().PulseCount({Space::Program, 5}), w12 ? 8 : 25);
  }
  // Blank words are never pulsed.
  EXPECT_EQ(rig.chip().PulseCount({Space::Program, 4}), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Families, PulseLimits,
    ::testing::Values(LimitCase{"16C61", 1, true, 4}, LimitCase{"16C61", 25, true, 28},
                      LimitCase{"16C61", 26, false, 0}, LimitCase{"14C000", 25, true, 28},
                      LimitCase{"12C508", 1, true, 12}, LimitCase{"12C508", 8, true, 19},
                      LimitCase{"12C508", 9, false, 0}, LimitCase{"16C505", 8, true, 19}));

TEST(EpromConfig, ConfigurationWordGetsItsPulsesFromTheLatch) {
  SimBench b("16C62A");
  b.buffers.FuseWord = 0x3F75;
  b.rig.state().pulsesNeeded[{Space::Config, 0x2007}] = 100;
  OpContext ctx = b.ctx();
  EXPECT_EQ(ProgramFusesOnly(ctx), CommandResult::Ok);
  EXPECT_EQ(b.rig.chip().PulseCount({Space::Config, 0x2007}), 101);
  EXPECT_EQ(sim::ConfigWord(b.rig.state()), 0x3F75);
}

}  // namespace
}  // namespace lpt::simtest
