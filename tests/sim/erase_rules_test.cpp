// SPDX-License-Identifier: GPL-2.0-or-later
// What each erase clears on each flash family: bulk erases aimed at program
// memory or the configuration area, the 01h/07h setup sequence aimed at
// program memory, data memory or the configuration word, chip erase, and the
// factory words a bare bulk erase destroys.
#include <gtest/gtest.h>

#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

// Fills every erasable word with a non-blank value.
void Dirty(SimRig& rig) {
  for (auto& w : rig.state().program) w = 0x0123;
  for (auto& b : rig.state().data) b = 0x45;
  for (int i = 0; i < 4; ++i) rig.state().config[i] = 0x3FF0 + i;
  sim::ConfigWord(rig.state()) &= 0x3FF0;  // oscillator bits 0, still unprotected
}

struct Cleared {
  bool program, data, ids, config;
};

void ExpectCleared(SimRig& rig, Cleared want) {
  const sim::ChipState& s = rig.state();
  const std::uint16_t blank = 0x3FFF;
  EXPECT_EQ(s.program.front() == blank && s.program.back() == blank, want.program) << "program";
  EXPECT_EQ(!s.data.empty() && s.data.front() == 0xFF && s.data.back() == 0xFF, want.data)
      << "data";
  EXPECT_EQ(s.config[0] == blank && s.config[3] == blank, want.ids) << "IDs";
  EXPECT_EQ((sim::ConfigWord(s) & 0x000F) == 0x000F, want.config) << "configuration";
}

struct SetupCase {
  const char* device;
  const char* aim;  // "program", "data" or "config"
  Cleared cleared;
};

class SetupSequence : public ::testing::TestWithParam<SetupCase> {};

// 01h, 07h, 08h, wait, 01h, 07h erases according to where it is aimed.
TEST_P(SetupSequence, ClearsWhatItIsAimedAt) {
  const SetupCase& c = GetParam();
  SimRig rig(c.device);
  Dirty(rig);
  const std::string aim = c.aim;
  rig.proto->ResetPic();
  if (aim == "program") rig.proto->LoadDataForProgramMemory(0x3FFF);
  if (aim == "data") rig.proto->LoadDataForDataMemory(0xFF);
  if (aim == "config") {
    rig.proto->LoadConfiguration(0x3FFF);
    rig.Clk(7);
  }
  rig.proto->BulkEraseSetup1();
  rig.proto->BulkEraseSetup2();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->BulkEraseSetup1();
  rig.proto->BulkEraseSetup2();
  ExpectCleared(rig, c.cleared);
}

INSTANTIATE_TEST_SUITE_P(
    Families, SetupSequence,
    ::testing::Values(SetupCase{"16F84", "program", {true, false, false, false}},
                      SetupCase{"16F84", "data", {false, true, false, false}},
                      SetupCase{"16F84", "config", {true, true, true, true}},
                      SetupCase{"16C84", "config", {true, true, true, true}},
                      SetupCase{"16F627", "program", {true, false, false, false}},
                      SetupCase{"16F627", "config", {true, true, true, true}},
                      SetupCase{"16F873", "program", {true, false, false, false}},
                      SetupCase{"16F873", "data", {false, true, false, false}},
                      SetupCase{"16F873", "config", {true, true, true, true}},
                      // Parts without the sequence ignore 01h/07h: the 08h
                      // between them is a plain write of the latch (3FFFh)
                      // into the configuration word, which erases it on the
                      // 16F628A and cannot set bits on the 12F629.
                      SetupCase{"16F628A", "config", {false, false, false, true}},
                      SetupCase{"12F629/675", "config", {false, false, false, false}}),
    [](const auto& info) {
      std::string n = std::string(info.param.device) + "_" + info.param.aim;
      for (char& c : n)
        if (c == '/') c = '_';
      return n;
    });

TEST(SetupSequenceTiming, ShortWaitOrBrokenSequenceErasesNothing) {
  SimRig rig("16F84");
  Dirty(rig);
  rig.GoToConfigWord();
  rig.proto->BulkEraseSetup1();
  rig.proto->BulkEraseSetup2();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(5);  // less than the 10 ms the erase takes
  rig.proto->BulkEraseSetup1();
  ExpectCleared(rig, {false, false, false, false});
  // 07h without 01h before it does not arm the erase: 08h writes the latch.
  rig.GoToConfigWord();
  rig.proto->BulkEraseSetup2();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->BulkEraseSetup1();
  ExpectCleared(rig, {false, false, false, true});
}

struct BulkCase {
  const char* device;
  bool aimAtConfig;  // Load Configuration before the bulk erase
  Cleared cleared;
};

class BulkErase : public ::testing::TestWithParam<BulkCase> {};

// Bulk Erase Program (and Data), started the way each family starts it.
TEST_P(BulkErase, ProgramEraseClearsConfigAreaOnlyWhenAimedThere) {
  const BulkCase& c = GetParam();
  SimRig rig(c.device);
  Dirty(rig);
  const bool needsBegin = rig.chip().family().erase.bulkNeedsBegin;
  rig.proto->ResetPic();
  if (c.aimAtConfig) rig.proto->LoadConfiguration(0x3FFF);
  rig.proto->LoadDataForProgramMemory(0x3FFF);
  rig.proto->BulkEraseProgramMemory();
  if (needsBegin) rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->ResetPic();
  ExpectCleared(rig, c.cleared);
}

INSTANTIATE_TEST_SUITE_P(Families, BulkErase,
                         ::testing::Values(BulkCase{"16F84", false, {true, false, false, false}},
                                           BulkCase{"16F84", true, {true, false, true, true}},
                                           BulkCase{"16F627", true, {true, false, true, true}},
                                           BulkCase{"16F628A", false, {true, false, false, false}},
                                           BulkCase{"16F628A", true, {true, false, true, true}},
                                           BulkCase{"16F877A", true, {true, false, true, true}},
                                           // 16F87x has no bulk erase command.
                                           BulkCase{"16F873", true, {false, false, false, false}}));

TEST(BulkErase, DataEraseAndChipErase) {
  SimRig rig("16F628A");
  Dirty(rig);
  rig.proto->ResetPic();
  rig.proto->LoadDataForDataMemory(0xFF);
  rig.proto
      ->BulkEraseDataMemoryReleasingData();  // data line falling with the clock still sends 0Bh
  rig.clock.WaitMs(10);
  rig.proto->ResetPic();
  ExpectCleared(rig, {false, true, false, false});

  SimRig a("16F877A");
  Dirty(a);
  a.proto->ResetPic();
  a.proto->LoadConfiguration(0x3FFF);
  a.proto->ChipErase();  // 3Fh: the top bit is don't-care on this part
  a.clock.WaitMs(10);
  a.proto->ResetPic();
  ExpectCleared(a, {true, true, true, true});
}

TEST(BulkErase, ProtectedOlderPartsNeedTheSetupSequence) {
  SimRig rig("16F84");
  Dirty(rig);
  sim::SetCodeProtected(rig.state(), true);
  rig.proto->ResetPic();
  rig.proto->LoadConfiguration(0x3FFF);
  rig.proto->BulkEraseProgramMemory();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->ResetPic();
  EXPECT_EQ(rig.state().program[0], 0x0123);
  // Nor does writing 3FFFh over the configuration word: a protected part
  // cannot set its own protection bits back to 1.
  const std::uint16_t protectedWord = sim::ConfigWord(rig.state());
  rig.GoToConfigWord();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->ResetPic();
  EXPECT_EQ(sim::ConfigWord(rig.state()), protectedWord);
  // The configuration-word aimed sequence lifts protection and clears all.
  rig.GoToConfigWord();
  rig.proto->BulkEraseSetup1();
  rig.proto->BulkEraseSetup2();
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(20);
  rig.proto->BulkEraseSetup1();
  rig.proto->BulkEraseSetup2();
  ExpectCleared(rig, {true, true, true, true});
  rig.proto->ResetPic();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x3FFF);
}

// 12F629/675 and 16F630/676: a bare bulk erase destroys the oscillator
// calibration word and the bandgap bits; the program must restore them.
TEST(FactoryWords, BareBulkEraseDestroysCalibrationAndBandgap) {
  for (const char* device : {"12F629/675", "16F630/676"}) {
    SCOPED_TRACE(device);
    SimRig rig(device);
    const sim::ChipState& s = rig.state();
    ASSERT_TRUE(s.factoryCalibration && s.factoryBandgap);
    EXPECT_EQ(s.program.back(), *s.factoryCalibration);
    EXPECT_EQ(*s.factoryCalibration & 0x3F00, 0x3400);  // RETLW
    EXPECT_EQ(sim::ConfigWord(s) >> 12, *s.factoryBandgap);
    rig.GoToConfigWord();
    rig.proto->BulkEraseProgramMemory();
    rig.clock.WaitMs(20);
    rig.proto->BulkEraseDataMemory();
    rig.clock.WaitMs(20);
    rig.proto->ResetPic();
    EXPECT_EQ(s.program.back(), 0x3FFF);
    EXPECT_EQ(sim::ConfigWord(s) >> 12, 0x3);
    // Programming can clear bits but never set the erased ones back.
    rig.GoToConfigWord();
    EXPECT_EQ(rig.ReadWord(), 0x31FF);  // bits 9-11 do not exist
  }
}

TEST(FactoryWords, EpromPartsCarryCalibrationInTheLastWord) {
  struct Case {
    const char* device;
    std::uint16_t opcodeBits;
  };
  for (const Case& c : {Case{"12C508", 0x0C00}, Case{"12C509A", 0x0C00}, Case{"16C505", 0x0C00},
                        Case{"12C671", 0x3400}, Case{"12CE674", 0x3400}}) {
    SCOPED_TRACE(c.device);
    SimRig rig(c.device);
    ASSERT_TRUE(rig.state().factoryCalibration);
    EXPECT_EQ(rig.state().program.back(), *rig.state().factoryCalibration);
    EXPECT_EQ(rig.state().program.back() & 0xFF00, c.opcodeBits);
  }
  SimRig none("16F84");
  EXPECT_FALSE(none.state().factoryCalibration);
  EXPECT_EQ(none.state().program.back(), 0x3FFF);
}

}  // namespace
}  // namespace lpt::simtest
