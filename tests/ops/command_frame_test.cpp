// SPDX-License-Identifier: GPL-2.0-or-later
// The frame every device command shares: the presence test, the start and
// the end around the passes with the chip off at the end, a user's stop
// during the program pass, and a family code no pass knows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr Command kAllCommands[] = {ReadChip,   ProgramAll, ProgramDataOnly, ProgramFusesOnly,
                                    VerifyChip, BlankCheck, EraseChip};

TEST(CommandFrame, AMissingAdapterIsToldOnceAndTheCommandNeverStarts) {
  OpsRig rig("16F84");
  rig.port->SetOpened(false);
  for (Command command : kAllCommands) {
    rig.hooks.errors.clear();
    EXPECT_EQ(rig.Run(command), CommandResult::NoDevice);
    EXPECT_THAT(rig.hooks.errors, ElementsAre("Device is not found !"));
    EXPECT_THAT(rig.hooks.plains, IsEmpty());
  }
  EXPECT_EQ(rig.hooks.starts, 0) << "no bar, no caption, no pass";
  EXPECT_THAT(rig.hooks.results, Each(CommandResult::NoDevice));
  EXPECT_EQ(rig.hooks.results.size(), std::size(kAllCommands)) << "but every command ends";

  OpsRig noAdapter("16F628A");
  noAdapter.chipState().adapterMissing = true;
  EXPECT_EQ(noAdapter.Run(ProgramAll), CommandResult::NoDevice);
  EXPECT_THAT(noAdapter.hooks.errors, ElementsAre("Device is not found !"));
}

// A front end may show "Ok" or run the next command once the end is told:
// by then the chip is off.
TEST(CommandFrame, EveryCommandStartsWithAnEmptyBarAndEndsWithTheChipOff) {
  for (Command command : kAllCommands) {
    OpsRig rig("16F84");
    sim::SimChip::Mode modeAtEnd = sim::SimChip::Mode::Programming;
    rig.hooks.onEvent = [&](const std::string& event) {
      if (event == "ended") modeAtEnd = rig.chip().mode();
    };
    ASSERT_EQ(rig.Run(command), CommandResult::Ok);
    EXPECT_EQ(modeAtEnd, sim::SimChip::Mode::Off);
    EXPECT_EQ(rig.port->ReadPort(0x378), 0x08);
    ASSERT_GE(rig.hooks.events.size(), 3u);
    EXPECT_EQ(rig.hooks.events[0], "started");
    EXPECT_EQ(rig.hooks.events[1], "progress 0/127") << "128 rows of the 16F84's 1K words";
    EXPECT_EQ(rig.hooks.events.back(), "ended");
    EXPECT_THAT(rig.hooks.results, ElementsAre(CommandResult::Ok));
  }
}

TEST(CommandFrame, ReadMovesTheBarAfterEveryRowAndTellsOfNewBuffersLast) {
  OpsRig rig("16F84");
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  EXPECT_EQ(rig.hooks.progressMax, rig.device.programRows - 1);
  ASSERT_EQ(rig.hooks.progressHistory.size(), 1u + rig.device.programRows);
  for (int row = 0; row < rig.device.programRows; ++row)
    EXPECT_EQ(rig.hooks.progressHistory[1 + row], row);
  const std::vector<std::string>& events = rig.hooks.events;
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[events.size() - 2], "buffers changed");
}

// A stop asked after the first row of the program pass (a click, Ctrl+C)
// ends the command before the first word of the next row, whatever the
// family's way of programming.
TEST(CommandFrame, AStopDuringTheProgramPassEndsTheWholeCommand) {
  for (const char* device : {"16F877", "16F628A"}) {
    SCOPED_TRACE(device);
    OpsRig rig(device);
    rig.buffers.ProgramWord(0) = "2804";    // row 0: written before the stop
    rig.buffers.ProgramWord(800) = "3000";  // row 100: after it
    rig.buffers.DataByte(0) = "12";
    rig.buffers.SetIdDigits("1234");
    rig.buffers.FuseWord = 0x3F71;
    bool inPass = false;
    rig.hooks.onEvent = [&](const std::string& event) {
      if (event == "pass Program memory") inPass = true;
      if (inPass && event.rfind("progress 0/", 0) == 0) rig.state.stopRequested = true;
    };
    EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Stopped);
    EXPECT_THAT(rig.hooks.errors, IsEmpty()) << "stopping is no error";
    EXPECT_EQ(rig.state.StoppedAt, 8) << "before the first word of row 1";
    EXPECT_EQ(rig.ChipWord(0), 0x2804);
    EXPECT_EQ(rig.ChipWord(800), 0x3FFF) << "left unwritten";
    EXPECT_EQ(rig.chipState().data[0], 0xFF) << "no data pass after the stop";
    EXPECT_EQ(rig.ChipConfig() & rig.device.configMask, 0x3FFF & rig.device.configMask);
    EXPECT_EQ(rig.hooks.passes, std::vector<std::string>{"Program memory"});
    EXPECT_THAT(rig.hooks.results, ElementsAre(CommandResult::Stopped));

    // The front end clears the request for its next command.
    rig.hooks.onEvent = nullptr;
    rig.hooks.passes.clear();
    rig.state.stopRequested = false;
    EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_EQ(rig.ChipWord(800), 0x3000);
    EXPECT_EQ(rig.hooks.passes,
              (std::vector<std::string>{"Program memory", "Data memory", "ID", "Configuration"}));
  }
}

TEST(CommandFrame, AnUnknownFamilyRunsNoPassAndReportsSuccess) {
  OpsRig rig("16F84");
  rig.device.family = Family{99};
  rig.chipState().program[0] = 0;
  for (Command command : kAllCommands) {
    rig.clock.ClearRecord();
    rig.clock.SetRecording(true);
    EXPECT_EQ(rig.Run(command), CommandResult::Ok);
    // Only the presence test's power cycle: no wait for an "Ok" nobody
    // sees in the domain either.
    for (const VirtualClock::Wait& wait : rig.clock.Waits())
      EXPECT_TRUE(wait.unit == VirtualClock::Wait::Unit::Us || wait.amount == 10 ||
                  wait.amount == 1)
          << wait.amount;
  }
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_THAT(rig.hooks.plains, IsEmpty());
  EXPECT_EQ(rig.ChipWord(0), 0);
}

}  // namespace
}  // namespace lpt::opstest
