// SPDX-License-Identifier: GPL-2.0-or-later
// The frame every device command shares: the idle test, the presence test,
// the progress panel, re-entry through message handling, the user's stop in
// the 16F87x program pass, and a family code no pass knows.
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

TEST(CommandFrame, ABusyProgrammerIgnoresEveryCommand) {
  OpsRig rig("16F84");
  rig.state.IdleFlag = false;
  rig.clock.SetRecording(true);
  for (Command command : kAllCommands) EXPECT_EQ(rig.Run(command), CommandResult::Ignored);
  EXPECT_THAT(rig.clock.Waits(), IsEmpty()) << "the chip is not touched";
  EXPECT_EQ(rig.hooks.panelShows, 0);
  EXPECT_FALSE(rig.state.IdleFlag);
}

TEST(CommandFrame, ASecondCommandDuringMessageHandlingIsIgnored) {
  for (Command outer : kAllCommands) {
    OpsRig rig("16F877");
    rig.buffers.ProgramWord(0) = "2804";
    std::vector<CommandResult> inner;
    rig.hooks.onEvents = [&] {
      if (rig.state.IdleFlag) return;  // the panel is already down
      OpContext ctx = rig.Context();
      for (Command command : kAllCommands) inner.push_back(command(ctx));
    };
    rig.Run(outer);
    EXPECT_THAT(inner, Each(CommandResult::Ignored));
    EXPECT_FALSE(inner.empty()) << "the command let the window handle messages";
    EXPECT_TRUE(rig.state.IdleFlag);
    EXPECT_EQ(rig.hooks.panelShows, 1);
  }
}

TEST(CommandFrame, AMissingAdapterShowsItsMessageOnceForEachCommand) {
  OpsRig rig("16F84");
  rig.port->SetOpened(false);
  for (Command command : kAllCommands) {
    rig.hooks.errors.clear();
    EXPECT_EQ(rig.Run(command), CommandResult::NoDevice);
    EXPECT_THAT(rig.hooks.errors, ElementsAre("Device is not found !"));
    EXPECT_THAT(rig.hooks.plains, IsEmpty());
    EXPECT_TRUE(rig.state.IdleFlag) << "the next command may run";
  }
  EXPECT_EQ(rig.hooks.panelShows, 0);
  EXPECT_EQ(rig.hooks.caption, "") << "Read changes the caption only after the test";

  OpsRig noAdapter("16F628A");
  noAdapter.chipState().adapterMissing = true;
  EXPECT_EQ(noAdapter.Run(ProgramAll), CommandResult::NoDevice);
  EXPECT_THAT(noAdapter.hooks.errors, ElementsAre("Device is not found !"));
}

TEST(CommandFrame, PanelGaugeAndPowerAroundACommand) {
  OpsRig rig("16F84");
  std::vector<bool> panelDuringEvents, idleDuringEvents;
  rig.hooks.onEvents = [&] {
    panelDuringEvents.push_back(rig.hooks.panelShown);
    idleDuringEvents.push_back(rig.state.IdleFlag);
  };
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  // Once after raising the panel and once after lowering it, nothing in
  // between: Read lets no message through. Input queued during the command
  // is handled as if the programmer were idle.
  EXPECT_THAT(panelDuringEvents, ElementsAre(true, false));
  EXPECT_THAT(idleDuringEvents, ElementsAre(false, true));
  EXPECT_EQ(rig.hooks.progressMax, rig.device.programRows - 1);
  ASSERT_EQ(rig.hooks.progressHistory.size(), 1u + rig.device.programRows);
  for (int row = 0; row < rig.device.programRows; ++row)
    EXPECT_EQ(rig.hooks.progressHistory[1 + row], row);
  EXPECT_EQ(rig.port->ReadPort(0x378), 0x08);
  EXPECT_EQ(rig.chip().mode(), sim::SimChip::Mode::Off);
}

// The one stop: asked before every word, also by the 16F87x program pass,
// which once had a stop of its own.
TEST(CommandFrame, AStopInThe16F87xProgramPassStopsTheWholeCommand) {
  OpsRig rig("16F877");
  rig.buffers.ProgramWord(0) = "2804";    // row 0: written before the stop
  rig.buffers.ProgramWord(800) = "3000";  // row 100: after it
  rig.buffers.DataByte(0) = "12";
  rig.buffers.SetIdDigits("1234");
  rig.buffers.FuseWord = 0x3F71;
  // Asked once before the pass's erase, then before every word: no to the
  // erase and the eight words of row 0.
  rig.hooks.stopAfter = 1 + 8;
  EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Stopped);
  EXPECT_THAT(rig.hooks.errors, IsEmpty()) << "stopping is no error";
  EXPECT_EQ(rig.state.StoppedAt, 8) << "before the first word of row 1";
  EXPECT_EQ(rig.ChipWord(0), 0x2804);
  EXPECT_EQ(rig.ChipWord(800), 0x3FFF) << "left unwritten";
  EXPECT_EQ(rig.chipState().data[0], 0xFF) << "no data pass after the stop";
  EXPECT_EQ(rig.ChipConfig() & rig.device.configMask, 0x3FFF & rig.device.configMask);
  EXPECT_EQ(rig.hooks.passes, std::vector<std::string>{"Program memory"});

  rig.hooks.stopAfter = -1;
  rig.hooks.passes.clear();
  EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  EXPECT_EQ(rig.ChipWord(800), 0x3000);
  EXPECT_EQ(rig.hooks.passes,
            (std::vector<std::string>{"Program memory", "Data memory", "ID", "Configuration"}));
}

// The window may select another device while a pass lets it handle
// messages; the pass must not reach past the resized buffers.
TEST(CommandFrame, BuffersShrunkDuringAPassAreNotReadPastTheirEnd) {
  for (Command command : {ProgramAll, VerifyChip, ReadChip}) {
    OpsRig rig("16F84");
    bool switched = false;
    rig.hooks.onEvents = [&] {
      if (rig.state.IdleFlag || switched) return;
      switched = true;
      EditBuffers smaller;
      ActiveDevice device83;
      SetUpDevice(device83, smaller, "16F83");  // 64 rows instead of 128
      rig.buffers = smaller;
    };
    const CommandResult result = rig.Run(command);
    EXPECT_TRUE(switched);
    if (command != ReadChip) {
      EXPECT_EQ(result, CommandResult::Failed) << "the vanished words do not match";
    }
    EXPECT_EQ(rig.buffers.ProgramRows(), 64);
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
    // Only the presence test's power cycle, plus the "Ok" flash of the checks.
    for (const VirtualClock::Wait& wait : rig.clock.Waits())
      EXPECT_TRUE(wait.unit == VirtualClock::Wait::Unit::Us || wait.amount == 10 ||
                  wait.amount == 1 || wait.amount == 300)
          << wait.amount;
  }
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_THAT(rig.hooks.plains, IsEmpty());
  EXPECT_EQ(rig.ChipWord(0), 0);
}

}  // namespace
}  // namespace lpt::opstest
