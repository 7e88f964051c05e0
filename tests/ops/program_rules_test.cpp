// SPDX-License-Identifier: GPL-2.0-or-later
// Programming rules per family that a wrong table row or a wrong pass would
// break: which words are written, how many pulses, the last word, the
// FuseWord adjustments, and where a failing pass stops the command.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "devices/family.h"
#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using sim::Location;
using sim::Space;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Waits of `ms` milliseconds the command asked for: one per write cycle of
// that length.
std::size_t CountMsWaits(const VirtualClock& clock, std::uint32_t ms) {
  return static_cast<std::size_t>(std::count(clock.Waits().begin(), clock.Waits().end(),
                                             VirtualClock::Wait{VirtualClock::Wait::Unit::Ms, ms}));
}

void StartRecording(OpsRig& rig) {
  rig.clock.ClearRecord();
  rig.clock.SetRecording(true);
}

TEST(ProgramRules, The16F84FamilyWritesOnlyChangedWordsButAlwaysIdAndConfig) {
  OpsRig rig("16F84");
  rig.buffers.ProgramWord(0) = "2804";
  rig.buffers.DataByte(1) = "5A";
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);

  StartRecording(rig);
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  EXPECT_EQ(CountMsWaits(rig.clock, 20), 4u + 1u) << "only the 4 ID words and the fuses";

  rig.buffers.ProgramWord(100) = "0000";
  rig.buffers.DataByte(2) = "00";
  StartRecording(rig);
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  EXPECT_EQ(CountMsWaits(rig.clock, 20), 2u + 4u + 1u);
  EXPECT_EQ(rig.ChipWord(100), 0);
  EXPECT_EQ(rig.chipState().data[2], 0);
}

TEST(ProgramRules, The16F84FamilyWritesABlankCellOverAProgrammedWord) {
  OpsRig rig("16F84");
  rig.chipState().program[5] = 0x1234;
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  EXPECT_EQ(rig.ChipWord(5), 0x3FFF);
}

TEST(ProgramRules, EpromFamiliesNeverWriteABlankCell) {
  for (const char* name : {"16C74", "16C554", "12C671", "14C000"}) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    rig.chipState().program[5] = 0x1234;
    rig.buffers.ProgramWord(6) = "0123";
    EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_EQ(rig.Pulses(5), 0);
    EXPECT_EQ(rig.ChipWord(5), 0x1234) << "left as the chip holds it";
    EXPECT_EQ(rig.Pulses(6), 1 + 3) << "one pulse to take, three more";
  }
}

// Flash families that skip blank cells: the program-memory pass makes no
// write cycle at all for an all-blank buffer.
TEST(ProgramRules, The16F87xAnd12F6xxFamiliesSkipBlankCells) {
  struct Case {
    const char* name;
    std::size_t cyclesWithoutProgramWords;  // erase, ID words, configuration word
  };
  // 16F877: two setup erase cycles, 4 ID words, fuses. 12F675: bulk erases of
  // program and data memory, calibration and configuration write-back, 4 ID
  // words, fuses.
  for (const Case& c : {Case{"16F877", 2 + 4 + 1}, Case{"12F629/675", 4 + 4 + 1}}) {
    SCOPED_TRACE(c.name);
    OpsRig rig(c.name);
    StartRecording(rig);
    ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_EQ(CountMsWaits(rig.clock, 20), c.cyclesWithoutProgramWords);

    rig.buffers.ProgramWord(9) = "0000";
    rig.buffers.DataByte(0) = "00";
    StartRecording(rig);
    ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_EQ(CountMsWaits(rig.clock, 20), c.cyclesWithoutProgramWords + 2);
  }
}

TEST(ProgramRules, The16F87xAFamilyWritesEveryWordAndByte) {
  OpsRig rig("16F877A");
  rig.chipState().program[3] = 0x0000;
  StartRecording(rig);
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  const std::size_t words = 8u * static_cast<std::size_t>(rig.device.programRows);
  const std::size_t bytes = 8u * static_cast<std::size_t>(rig.device.dataRows);
  EXPECT_EQ(CountMsWaits(rig.clock, 2), words + bytes) << "one cycle each, blank ones included";
  EXPECT_EQ(rig.ChipWord(3), 0x3FFF) << "chip erase first";
}

TEST(ProgramRules, Word12SkipsBlankCellsIdDigitFAndTheLastWord) {
  OpsRig rig("12C508");
  const std::uint16_t calibration = rig.ChipWord(rig.LastAddress());
  rig.buffers.ProgramWord(3) = "ABC";
  rig.buffers.ProgramWord(rig.LastAddress()) = "123";
  rig.buffers.SetIdDigits("F1F2");
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);

  EXPECT_EQ(rig.ChipWord(3), 0xABC);
  EXPECT_EQ(rig.Pulses(3), 1 + 11);
  for (int a : {0, 1, 2, 4, rig.LastAddress() - 1}) EXPECT_EQ(rig.Pulses(a), 0) << a;
  EXPECT_EQ(rig.Pulses(rig.LastAddress()), 0) << "the calibration word is never written";
  EXPECT_EQ(rig.ChipWord(rig.LastAddress()), calibration);

  const sim::FamilyModel& family = rig.chip().family();
  std::vector<int> idPulses;
  for (int slot = 0; slot < 4; ++slot)
    idPulses.push_back(rig.chip().PulseCount(
        Location{Space::Config, sim::ConfigAddress(rig.chipState(), family, slot)}));
  EXPECT_THAT(idPulses, ElementsAre(0, 12, 0, 12));
}

TEST(ProgramRules, LastWordRuleKeepsTheCalibrationWord) {
  for (const char* name : {"12C671", "16C505", "12F629/675"}) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    const std::uint16_t calibration = rig.ChipWord(rig.LastAddress());
    rig.buffers.ProgramWord(rig.LastAddress()) = IsWord12Family(rig.device.family) ? "000" : "0000";
    ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_EQ(rig.ChipWord(rig.LastAddress()), calibration);
    EXPECT_EQ(rig.Run(VerifyChip), CommandResult::Ok) << "and verify does not compare it";
  }
}

struct PulseCase {
  const char* name;
  const char* cell;
  int needed;
  bool ok;
  int pulses;
};

TEST(ProgramRules, EpromPulseCounts) {
  for (const PulseCase& c :
       {PulseCase{"16C74", "1234", 25, true, 28}, PulseCase{"16C74", "1234", 26, false, 25},
        PulseCase{"12C508", "234", 8, true, 19}, PulseCase{"12C508", "234", 9, false, 8}}) {
    SCOPED_TRACE(std::string(c.name) + " needing " + std::to_string(c.needed));
    OpsRig rig(c.name);
    rig.chipState().pulsesNeeded[Location{Space::Program, 7}] = c.needed;
    rig.buffers.ProgramWord(7) = c.cell;
    rig.buffers.FuseWord = 0;
    const std::uint16_t blankConfig = rig.ChipConfig();
    EXPECT_EQ(rig.Run(ProgramAll), c.ok ? CommandResult::Ok : CommandResult::Failed);
    EXPECT_EQ(rig.Pulses(7), c.pulses);
    if (c.ok) continue;
    EXPECT_THAT(rig.hooks.errors, ElementsAre("Error programming Program Memory!"));
    EXPECT_EQ(rig.ChipConfig(), blankConfig) << "the later passes did not run";
    EXPECT_EQ(rig.Pulses(8), 0);
  }
}

struct FuseCase {
  const char* name;
  std::uint16_t before, after;
};

TEST(ProgramRules, FuseWordAdjustmentsStayInTheBuffer) {
  for (const FuseCase& c : {FuseCase{"16C554", 0x3FFF, 0x3F3F}, FuseCase{"14C000", 0x0000, 0x0042},
                            FuseCase{"12C508", 0x0FEA, 0x000A}, FuseCase{"16C505", 0x3FFF, 0x0FFF},
                            FuseCase{"16C74", 0x3FB1, 0x3FB1}, FuseCase{"16F84", 0x3FF1, 0x3FF1}}) {
    SCOPED_TRACE(c.name);
    OpsRig rig(c.name);
    rig.buffers.FuseWord = c.before;
    EXPECT_EQ(rig.Run(ProgramFusesOnly), CommandResult::Ok);
    EXPECT_EQ(rig.buffers.FuseWord, c.after);
    const std::uint16_t mask = rig.device.configMask;
    EXPECT_EQ(rig.ChipConfig() & mask, c.after & mask);
    EXPECT_THAT(rig.hooks.shownFuses, IsEmpty()) << "programming does not redraw the switches";
  }
}

TEST(ProgramRules, FailingDataPassSkipsIdAndFuses) {
  OpsRig rig("16F84");
  rig.chipState().stuckBits.push_back({Location{Space::Data, 3}, 0, true});
  rig.buffers.DataByte(3) = "00";
  rig.buffers.SetIdDigits("1234");
  rig.buffers.FuseWord = 0x3FF1;
  EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Failed);
  EXPECT_THAT(rig.hooks.errors, ElementsAre("Error programming Data Memory!"));
  EXPECT_EQ(rig.chipState().config[0], 0x3FFF) << "ID not written";
  EXPECT_EQ(rig.ChipConfig(), 0x3FFF) << "configuration word not written";
  EXPECT_FALSE(rig.hooks.running);
  EXPECT_EQ(rig.port->ReadPort(0x378), 0x08);
}

TEST(ProgramRules, FailingIdAndFusePassesNameThemselves) {
  OpsRig rig("16F628");
  rig.chipState().neverPrograms.push_back(Location{Space::Config, 0x2002});
  rig.buffers.SetIdDigits("1234");
  EXPECT_EQ(rig.Run(ProgramFusesOnly), CommandResult::Failed);
  EXPECT_THAT(rig.hooks.errors, ElementsAre("Error programming ID!"));

  OpsRig fuses("16F628");
  fuses.chipState().neverPrograms.push_back(Location{Space::Config, 0x2007});
  fuses.buffers.FuseWord = 0x3F61;
  EXPECT_EQ(fuses.Run(ProgramAll), CommandResult::Failed);
  EXPECT_THAT(fuses.hooks.errors, ElementsAre("Error programming Fuses!"));
}

TEST(ProgramRules, OnlyCommandsFillTheBarAndRunTheirPasses) {
  OpsRig rig("16F877");
  rig.buffers.ProgramWord(0) = "0000";
  rig.buffers.DataByte(0) = "12";
  rig.buffers.SetIdDigits("4321");
  ASSERT_EQ(rig.Run(ProgramDataOnly), CommandResult::Ok);
  // The bar stands full, then the data pass runs its own.
  std::vector<int> gauge{0, rig.device.programRows - 1, 0};
  for (int row = 0; row < rig.device.dataRows; ++row) gauge.push_back(row);
  EXPECT_EQ(rig.hooks.progressHistory, gauge);
  EXPECT_EQ(rig.chipState().data[0], 0x12);
  EXPECT_EQ(rig.ChipWord(0), 0x3FFF) << "program memory untouched";
  EXPECT_EQ(rig.chipState().config[0], 0x3FFF) << "ID untouched";

  rig.hooks.progressHistory.clear();
  ASSERT_EQ(rig.Run(ProgramFusesOnly), CommandResult::Ok);
  EXPECT_EQ(rig.hooks.progressHistory, (std::vector<int>{0, rig.device.programRows - 1}));
  EXPECT_EQ(rig.chipState().config[0] & 0xF, 0x4);
  EXPECT_EQ(rig.chipState().config[3] & 0xF, 0x1);
  EXPECT_EQ(rig.ChipWord(0), 0x3FFF);
}

// CONFIG2 with LVP clear (_LVP_OFF, p16f1827.inc) stops exactly the commands
// that write the configuration in a low-voltage session (a 13 V board); a
// 9 V board enters at high voltage and may switch LVP off.
TEST(ProgramRules, TheLvpOffGuardStopsConfigurationWritesOnlyInLowVoltageSessions) {
  struct Case {
    Command command;
    std::uint32_t boardMv;
    bool refused;
  } cases[] = {{ProgramAll, 13000, true},
               {ProgramFusesOnly, 13000, true},
               {ProgramDataOnly, 13000, false},
               {ProgramAll, 9000, false},
               {ProgramFusesOnly, 9000, false}};
  for (const Case& c : cases) {
    OpsRig rig("16F1827");
    Adapter board = DefaultAdapter();
    board.vppMillivolts = c.boardMv;
    rig.port->SetWiring(board);
    rig.proto->SetAdapterVppMillivolts(c.boardMv);
    rig.buffers.SecondFuseWord = 0x1FFF;
    EXPECT_EQ(rig.Run(c.command), c.refused ? CommandResult::Failed : CommandResult::Ok)
        << c.boardMv << " " << ::testing::PrintToString(rig.hooks.errors);
    EXPECT_EQ(rig.chipState().config[8] == 0x1FFF, !c.refused && c.command != ProgramDataOnly);
  }
}

// A chip whose configuration runs its program at power-up (3FDCh: internal
// oscillator, MCLR an input, p12f683.inc) answers its device ID only when
// Vpp comes before Vdd, as DS41204 asks.
TEST(ProgramRules, TheDeviceIdOfAChipRunningItsOwnProgramIsReadVppFirst) {
  sim::ChipState chip = *sim::MakeBlankChip("12F683");
  sim::ConfigWord(chip) = 0x3FDC;
  OpsRig rig("12F683", chip);
  rig.buffers.ProgramWord(0) = "2805";
  EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok) << ::testing::PrintToString(rig.hooks.errors);
  EXPECT_EQ(rig.ChipWord(0), 0x2805);
}

}  // namespace
}  // namespace lpt::opstest
