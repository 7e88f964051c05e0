// SPDX-License-Identifier: GPL-2.0-or-later
// The user's stop (Ctrl+C in the CLI, a click in the GUI): asked before every
// word of every pass, it ends the command at the next word with the chip
// switched off, runs no later pass, reports no failure and says where it
// stopped.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "ops/stop_check.h"
#include "support/ops_rig.h"
#include "support/ops_sequence_log.h"

namespace lpt::opstest {
namespace {

using ::testing::Contains;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr const char* kNever = "-";

struct StopRig : OpsRig {
  explicit StopRig(const std::string& name) : OpsRig(name) {
    seqPort = std::make_unique<SequencePort>(*port, log);
    seqDelay = std::make_unique<SequenceDelay>(clock, log);
    pins = std::make_unique<WiredPins>(*seqPort, 0x378, DefaultAdapter());
    proto = std::make_unique<Protocol>(*pins, *seqDelay, hooks, device);
  }
  // Runs `command` with the user's stop asked at the event `when` (before
  // the command when empty; kNever: not at all).
  CommandResult RunStoppingAt(Command command, const std::string& when) {
    state.stopRequested = when.empty();
    hooks.onEvent = [this, when](const std::string& event) {
      if (event == when) state.stopRequested = true;
    };
    log.Clear();
    OpContext ctx{*proto, *seqDelay, hooks, device, buffers, state};
    return command(ctx);
  }
  // The operations logged after the last one named `name`.
  std::vector<std::string> After(const std::string& name) const {
    const std::vector<std::string> all = log.Folded();
    auto last = std::find_if(all.rbegin(), all.rend(),
                             [&](const std::string& entry) { return entry.rfind(name, 0) == 0; });
    return {last.base(), all.end()};
  }
  SequenceLog log;
  std::unique_ptr<SequencePort> seqPort;
  std::unique_ptr<SequenceDelay> seqDelay;
};

// Word counts from the makers' data: the 16F84 has 1K words of program
// memory (128 rows of eight, the bar's maximum 127) and 64 bytes of data
// EEPROM; the 12C508 has 512 words (64 rows). The ID words sit at 2000h,
// the configuration word at 2007h.
TEST(UserStop, EachCommandStopsBeforeTheNextWordAndSaysWhere) {
  struct Case {
    const char* device;
    Command command;
    const char* when;       // the event at which the user asks to stop
    int address;            // where it stops
    const char* laterPass;  // an operation only a later pass would use
    bool chipHoldsImage;    // Verify needs a chip equal to the buffers
  } cases[] = {
      // Read asks first at program word 0.
      {"16F84", ReadChip, "", 0x0000, "ReadDataFromDataMemory", true},
      {"16F84", ReadChip, "progress 2/127", 0x0018, "ReadDataFromDataMemory", true},
      // Program asks once before the erase some families start with.
      {"16F84", ProgramAll, "", 0x0000, "LoadDataForDataMemory", false},
      {"16F84", ProgramAll, "progress 2/127", 0x0018, "LoadDataForDataMemory", false},
      {"16F84", VerifyChip, "pass ID", 0x2000, "none", true},
      {"16F84", VerifyChip, "pass Data memory", 0x0000, "LoadConfiguration 3FFF", true},
      {"12C508", BlankCheck, "progress 1/63", 0x0010, "none", false},
      {"12C508", ProgramAll, "progress 1/63", 0x0010, "none", false},
      // Erase asks before the memory erase and before the fuse erase.
      {"16F84", EraseChip, "", 0x0000, "BulkEraseProgramMemory", true},
      {"16F84", EraseChip, "pass Erase", 0x2007, "none", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.device) + " stop at \"" + c.when + "\"");
    StopRig rig(c.device);
    const bool word12 = rig.device.programRows == 64;  // the 12C508's 512 words
    for (int a = 0; a < 8 * rig.device.programRows; ++a)
      rig.buffers.ProgramWord(a) = word12 ? "123" : "0123";
    if (rig.device.dataRows > 0) rig.buffers.DataByte(0) = "55";
    if (c.chipHoldsImage) {
      for (std::uint16_t& word : rig.chipState().program) word = 0x0123;
      if (!rig.chipState().data.empty()) rig.chipState().data[0] = 0x55;
    }
    EXPECT_EQ(rig.RunStoppingAt(c.command, c.when), CommandResult::Stopped);
    EXPECT_TRUE(rig.state.Stopped);
    EXPECT_EQ(rig.state.StoppedAt, c.address);
    char expected[64];
    std::snprintf(expected, sizeof expected, "Stopped by the user at address %04Xh.", c.address);
    EXPECT_EQ(StoppedMessage(rig.state), expected);
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
    EXPECT_THAT(rig.hooks.plains, IsEmpty());
    EXPECT_FALSE(rig.hooks.running);
    EXPECT_EQ(rig.hooks.results.back(), CommandResult::Stopped);
    EXPECT_EQ(rig.chip().mode(), sim::SimChip::Mode::Off);
    EXPECT_EQ(rig.log.Folded().back(), "Off") << "the idle write ends the command";
    EXPECT_THAT(rig.log.Folded(), Not(Contains(c.laterPass)));
  }
}

TEST(UserStop, AStoppedProgramLeavesLaterWordsAndPassesUndoneAndTheNextCommandRuns) {
  StopRig rig("16F84");
  for (int a = 0; a < 1024; ++a) rig.buffers.ProgramWord(a) = "0123";
  rig.buffers.DataByte(0) = "55";
  rig.buffers.FuseWord = 0x3FF1;
  ASSERT_EQ(rig.RunStoppingAt(ProgramAll, "progress 1/127"), CommandResult::Stopped);
  // Rows 0 and 1 written, row 2 (where it stopped) and on untouched.
  for (int a = 0; a < 16; ++a) EXPECT_EQ(rig.ChipWord(a), 0x0123) << a;
  for (int a = 16; a < 1024; ++a) ASSERT_EQ(rig.ChipWord(a), 0x3FFF) << a;
  EXPECT_EQ(rig.chipState().data[0], 0xFF);
  EXPECT_EQ(rig.ChipConfig(), 0x3FFF);

  // The stop was for that command only.
  EXPECT_EQ(rig.RunStoppingAt(ProgramAll, kNever), CommandResult::Ok);
  EXPECT_FALSE(rig.state.Stopped);
  EXPECT_EQ(rig.ChipWord(1023), 0x0123);
  EXPECT_EQ(rig.chipState().data[0], 0x55);
}

}  // namespace
}  // namespace lpt::opstest
