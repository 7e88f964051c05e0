// The datasheet timing profile against the simulated chips, which model the
// makers' cycle times: every flash family programs, verifies and erases
// with it, and each kind of wait cut by a tenth leaves the chip unwritten or
// unerased, so no wait of the profile is shorter than the chip needs.
#include <gtest/gtest.h>

#include <cstdio>

#include "ops/write_waits.h"
#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

// One device of every flash family (and the 16F57, whose latches take four
// words).
constexpr const char* kFlashParts[] = {"16F84A",  "16F628", "16F877", "12F629/675", "16F877A",
                                       "16F628A", "10F200", "16F54",  "16F57"};

// Every third program word blank, the rest different; data bytes likewise;
// a configuration that differs from the erased word (bit 2 clear) but leaves
// every family unprotected.
void FillImage(OpsRig& rig) {
  char text[8];
  const bool word12 = IsWord12Family(rig.device.family);
  const unsigned blank = word12 ? 0x0FFF : 0x3FFF;
  for (int a = 0; a < rig.device.programRows * 8; ++a) {
    std::snprintf(text, sizeof text, word12 ? "%03X" : "%04X",
                  a % 3 == 0 ? blank : (0x0155 + 7 * a) & blank);
    rig.buffers.ProgramWord(a) = text;
  }
  for (int b = 0; b < rig.device.dataRows * 8; ++b) {
    std::snprintf(text, sizeof text, "%02X", (b * 37 + 1) & 0xFF);
    rig.buffers.DataByte(b) = text;
  }
  rig.buffers.FuseWord = 0x3FFB;
  rig.buffers.SetIdDigits("1A2B");
}

// With the slower clock of the Delay option as well: the two combine.
TEST(DatasheetTiming, EveryFlashFamilyProgramsVerifiesAndErases) {
  for (const char* name : kFlashParts) {
    for (const char* delayMode : {"false", "true"}) {
      SCOPED_TRACE(std::string(name) + ", Delay " + delayMode);
      OpsRig rig(name);
      ASSERT_NE(DatasheetWaits(rig.device.family), nullptr);
      rig.proto->SetDelayMode(delayMode);
      rig.state.timing = TimingProfile::Datasheet;
      FillImage(rig);
      EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
      EXPECT_EQ(rig.Run(VerifyChip), CommandResult::Ok);
      EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
      EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok);
      EXPECT_TRUE(rig.hooks.errors.empty());
    }
  }
}

// The profile really is shorter: the same Program All takes less virtual
// time than with the standard waits.
TEST(DatasheetTiming, ProgramAllTakesLessTimeThanStandard) {
  for (const char* name : kFlashParts) {
    SCOPED_TRACE(name);
    std::uint64_t took[2] = {};
    for (TimingProfile profile : {TimingProfile::Standard, TimingProfile::Datasheet}) {
      OpsRig rig(name);
      rig.state.timing = profile;
      FillImage(rig);
      const std::uint64_t start = rig.clock.NowUs();
      ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
      took[static_cast<int>(profile)] = rig.clock.NowUs() - start;
    }
    EXPECT_LT(took[1], took[0]);
  }
}

// A tenth off one kind of wait: the writes of that kind, or the erase, no
// longer complete on the simulated chip, and the command says so. A family
// that waits nothing of a kind (no data EEPROM) skips it. The 12-bit flash
// discharge wait is not cut here: the 10 us every transfer closes with
// already makes up a tenth of its 100 us (tests/sim/flash12_model_test.cpp
// cuts the chip's own time).
TEST(DatasheetTiming, EachWaitCutByATenthFails) {
  const WaitKind kinds[] = {WaitKind::ProgramWord, WaitKind::DataByte, WaitKind::IdWord,
                            WaitKind::ConfigWord, WaitKind::Erase};
  const char* kindNames[] = {"program word", "data byte", "ID word", "configuration", "erase"};
  for (const char* name : kFlashParts) {
    for (int k = 0; k < 5; ++k) {
      SCOPED_TRACE(std::string(name) + ", " + kindNames[k]);
      OpsRig rig(name);
      rig.state.timing = TimingProfile::Datasheet;
      WriteWaits cut = *DatasheetWaits(rig.device.family);
      std::uint32_t* field[] = {&cut.programWordUs, &cut.dataByteUs, &cut.idWordUs,
                                &cut.configWordUs, &cut.eraseUs};
      if (*field[k] == 0) continue;
      *field[k] = *field[k] * 9 / 10;
      ASSERT_EQ(cut.Of(kinds[k]), *field[k]);
      FillImage(rig);
      if (kinds[k] == WaitKind::Erase) {
        ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
        rig.state.datasheetOverride = &cut;
        rig.Run(EraseChip);
        EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Failed) << "the chip was not erased";
      } else {
        rig.state.datasheetOverride = &cut;
        EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Failed);
        EXPECT_FALSE(rig.hooks.errors.empty());
      }
    }
  }
}

// Outside the flash families nothing changes: the EPROM parts keep their
// pulses, and an unknown profile name is refused.
TEST(DatasheetTiming, EpromFamiliesAndProfileNames) {
  for (const char* name : {"16C74", "12C508", "16C554", "14C000"}) {
    OpsRig rig(name);
    EXPECT_EQ(DatasheetWaits(rig.device.family), nullptr) << name;
  }
  EXPECT_EQ(ParseTimingProfile("datasheet"), TimingProfile::Datasheet);
  EXPECT_EQ(ParseTimingProfile("Standard"), TimingProfile::Standard);
  EXPECT_EQ(ParseTimingProfile("fast"), std::nullopt);
  EXPECT_EQ(TimingProfileName(TimingProfile::Datasheet), "Datasheet");
}

}  // namespace
}  // namespace lpt::opstest
