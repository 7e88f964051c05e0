// SPDX-License-Identifier: GPL-2.0-or-later
// Exact operation sequences of the erase routines and of the configuration
// and ID passes, decoded back from the port writes: the order of commands,
// the waits, the repeat and pulse counts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ops_sequence_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const Seq kConfigRead = {"ResetPic", "LoadConfiguration 3FFF", "IncrementAddress*7",
                         "ReadDataFromProgramMemory"};
const Seq kFuseErase = {"ResetPic",           "LoadConfiguration 3FFF",
                        "IncrementAddress*7", "BeginEraseProgrammingCycle",
                        "Wait 20ms",          "ReadDataFromProgramMemory"};
const Seq kSetupCycle = {"BulkEraseSetup1", "BulkEraseSetup2", "BeginEraseProgrammingCycle",
                         "Wait 20ms",       "BulkEraseSetup1", "BulkEraseSetup2"};

TEST(Sequences, EraseOfEachFlashFamily) {
  // The presence test's power-up comes first, the idle write last.
  SequenceRig f84("16F84");
  EXPECT_THAT(
      f84.Logged(EraseChip),
      ElementsAreArray(Join({{"ResetPic*2", "LoadConfiguration 3FFF", "IncrementAddress*7",
                              "ReadDataFromProgramMemory"},
                             {"ResetPic", "LoadConfiguration 3FFF", "LoadDataForProgramMemory 3FFF",
                              "BulkEraseProgramMemory", "BeginEraseProgrammingCycle", "Wait 20ms",
                              "ResetPic", "LoadDataForDataMemory FF", "BulkEraseDataMemory",
                              "BeginEraseProgrammingCycle", "Wait 20ms"},
                             kFuseErase,
                             {"Off"}})));

  SequenceRig protectedF84("16F84");
  sim::SetCodeProtected(protectedF84.chipState(), true);
  EXPECT_THAT(protectedF84.Logged(EraseChip),
              ElementsAreArray(Join({{"ResetPic*2", "LoadConfiguration 3FFF", "IncrementAddress*7",
                                      "ReadDataFromProgramMemory"},
                                     {"ResetPic", "LoadConfiguration 3FFF", "IncrementAddress*7"},
                                     kSetupCycle,
                                     kFuseErase,
                                     {"Off"}})));

  SequenceRig f877("16F877");
  EXPECT_THAT(f877.Logged(EraseChip),
              ElementsAreArray(
                  Join({{"ResetPic*2", "LoadConfiguration 3FFF", "IncrementAddress*7",
                         "ReadDataFromProgramMemory"},
                        {"ResetPic", "LoadDataForProgramMemory 3FFF"},
                        kSetupCycle,
                        {"ResetPic", "LoadDataForDataMemory FF"},
                        kSetupCycle,
                        {"ResetPic", "LoadConfiguration 3FFF"},
                        Repeat(4, {"LoadDataForProgramMemory 3FFF", "BeginEraseProgrammingCycle",
                                   "Wait 20ms", "IncrementAddress"}),
                        kFuseErase,
                        {"Off"}})));

  SequenceRig f877a("16F877A");
  EXPECT_THAT(f877a.Logged(EraseChip),
              ElementsAre("ResetPic*2", "LoadConfiguration 3FFF", "ChipErase", "Wait 10ms", "Off"));

  SequenceRig f628a("16F628A");
  EXPECT_THAT(f628a.Logged(EraseChip),
              ElementsAre("ResetPic*2", "LoadConfiguration 3FFF", "LoadDataForProgramMemory 3FFF",
                          "BulkEraseProgramMemoryReleasingData", "Wait 10ms", "ResetPic",
                          "LoadDataForDataMemory FF", "BulkEraseDataMemoryReleasingData",
                          "Wait 10ms", "Off"));

  SequenceRig f675("12F629/675");
  sim::ConfigWord(f675.chipState()) = 0x2084;
  EXPECT_THAT(
      f675.Logged(EraseChip),
      ElementsAre("ResetPic*2", "IncrementAddress*1023", "ReadDataFromProgramMemory", "ResetPic",
                  "LoadConfiguration 3FFF", "IncrementAddress*7", "ReadDataFromProgramMemory",
                  "BulkEraseProgramMemory", "Wait 20ms", "BulkEraseDataMemory", "Wait 20ms",
                  "ResetPic", "IncrementAddress*1023", "LoadDataForProgramMemory 3480",
                  "BeginEraseProgrammingCycle", "Wait 20ms", "ReadDataFromProgramMemory",
                  "ResetPic", "LoadConfiguration 21FF", "IncrementAddress*7",
                  "BeginEraseProgrammingCycle", "Wait 20ms", "ReadDataFromProgramMemory", "Off"));
}

TEST(Sequences, EpromIdAndConfigurationPasses) {
  SequenceRig rig("16C74");
  rig.buffers.SetIdDigits("FFFF");
  rig.buffers.FuseWord = 0x3FB1;
  const Seq pulse = {"BeginEraseProgrammingCycle", "Wait 200us", "EndProgrammingEprom"};
  const Seq idPulse = Join({{"LoadDataForProgramMemory 3FFF"}, pulse});
  // A blank ID word reads back right after its first pulse: then 3 more.
  EXPECT_THAT(rig.Logged(ProgramFusesOnly),
              ElementsAreArray(Join({{"ResetPic*2", "LoadConfiguration 3FFF"},
                                     Repeat(4, Join({idPulse,
                                                     {"ReadDataFromProgramMemory"},
                                                     Repeat(3, idPulse),
                                                     {"IncrementAddress"}})),
                                     {"ResetPic", "LoadConfiguration 3FB1", "IncrementAddress*7"},
                                     Repeat(101, pulse),
                                     {"ReadDataFromProgramMemory", "Off"}})));
}

TEST(Sequences, TwelveBitConfigurationWord) {
  SequenceRig rig("12C508");
  rig.buffers.FuseWord = 0x0FEA;  // kept to its low five bits: 000A
  rig.buffers.SetIdDigits("FFFF");
  const Seq pulse = {"LoadDataForProgramMemory 000A", "BeginEraseProgrammingCycle", "Wait 200us",
                     "EndProgrammingEprom"};
  EXPECT_THAT(rig.Logged(ProgramFusesOnly),
              // To address 0, past 512 program words, and past the four ID words whose
              // digit F is not written.
              ElementsAreArray(
                  Join({{"ResetPic*2", "IncrementAddress*517"},
                        {"ResetPic", "ReadDataFromProgramMemory", "LoadDataForProgramMemory 000A",
                         "BeginEraseProgrammingCycle", "Wait 20ms", "EndProgrammingEprom"},
                        Repeat(11, pulse),
                        {"ReadDataFromProgramMemory", "Off"}})));
  // The chip now holds the word: it is checked and not written again.
  EXPECT_THAT(rig.Logged(ProgramFusesOnly),
              ElementsAre("ResetPic*2", "IncrementAddress*517", "ResetPic",
                          "ReadDataFromProgramMemory", "Off"));
}

TEST(Sequences, FlashRetriesOfThe16F877A) {
  SequenceRig rig("16F877A");
  rig.chipState().stuckBits.push_back({sim::Location{sim::Space::Config, 0x2007}, 0, false});
  rig.buffers.FuseWord = 0x3FFF;
  rig.buffers.SetIdDigits("1234");
  Seq id;
  for (char d : std::string("1234"))
    id = Join({id,
               {std::string("LoadDataForProgramMemory 3FF") + d, "BeginEraseProgrammingCycle",
                "Wait 10ms", "ReadDataFromProgramMemory", "IncrementAddress"}});
  EXPECT_THAT(
      rig.Logged(ProgramFusesOnly),
      ElementsAreArray(
          Join({{"ResetPic*2", "LoadConfiguration 3FFF"},
                id,
                {"ResetPic", "LoadConfiguration 3FFF", "IncrementAddress*7"},
                Repeat(5, {"BeginEraseProgrammingCycle", "Wait 10ms", "ReadDataFromProgramMemory"}),
                {"Off"}})));
  EXPECT_THAT(rig.hooks.errors, ElementsAre("Error programming Fuses!"));
}

}  // namespace
}  // namespace lpt::opstest
