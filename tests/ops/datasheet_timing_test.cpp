// SPDX-License-Identifier: GPL-2.0-or-later
// The datasheet timing profile against the makers' waits as
// tests/data/devices/wait_times.tsv transcribes them, measured on the
// simulated chips: every cycle a command starts lasts at least the table's
// wait for its family, memory and command, and an erase a tenth shorter than
// the table's leaves the chip as it was. The profile also programs, verifies
// and erases every flash family, writes no blank word after its erase, and
// writes a 16F87xA row with one cycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "ops/family_methods.h"
#include "ops/write_waits.h"
#include "sim/family_model.h"
#include "support/ops_rig.h"
#include "support/wait_table.h"

namespace lpt::opstest {
namespace {

using testing_data::LeastWait;

// One device of every flash family (and the 16F57, whose latches take four
// words; the 16F636 with two calibration words, the 12F617 with four
// latches). The 16F87/88 and 16F716 are left out: the transcribed table times
// their 18h as a program-memory write only, and Program All writes the
// 16F87/88's data bytes and the 16F716's ID and configuration words with
// 18h too.
constexpr const char* kFlashParts[] = {"16F84A",  "16F628", "16F877",  "12F629/675", "16F877A",
                                       "16F628A", "16F887", "16F77",   "16F777",     "10F200",
                                       "16F54",   "16F57",  "12F683",  "16F636",     "16F913",
                                       "12F615",  "12F617", "16F1827", "12F1840",    "16F1937"};

unsigned BlankWord(const OpsRig& rig) {
  return IsWord12Family(rig.device.family) ? 0x0FFF : 0x3FFF;
}

// Every third program word blank, the rest different; data bytes likewise;
// a configuration that differs from the erased word (bit 2 clear) but leaves
// every family unprotected. `rows` of program memory (all without it) and
// as many of data EEPROM as it has.
void FillImage(OpsRig& rig, int rows = 0) {
  if (rows == 0) rows = rig.device.programRows;
  char text[8];
  const unsigned blank = BlankWord(rig);
  for (int a = 0; a < rows * 8; ++a) {
    std::snprintf(text, sizeof text, blank == 0x0FFF ? "%03X" : "%04X",
                  a % 3 == 0 ? blank : (0x0155 + 7 * a) & blank);
    rig.buffers.ProgramWord(a) = text;
  }
  for (int b = 0; b < std::min(rows, rig.device.dataRows) * 8; ++b) {
    std::snprintf(text, sizeof text, "%02X", (b * 37 + 1) & 0xFF);
    rig.buffers.DataByte(b) = text;
  }
  rig.buffers.FuseWord = 0x3FFB;
  rig.buffers.SetIdDigits("1A2B");
}

const char* CellOf(const sim::SimChip::Cycle& cycle) {
  if (cycle.erase) return "erase";
  switch (cycle.space) {
    case sim::Space::Program:
      return "program";
    case sim::Space::Config:
      return "configuration";
    case sim::Space::Data:
      return "data";
  }
  return "?";
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

// Every write and erase cycle of every program command and of both erase
// paths (a protected chip takes the protection-clear one) had at least the
// table's time, and the table knows every kind of cycle the profile starts.
TEST(DatasheetTiming, EveryCycleLastsAtLeastTheTableTime) {
  const auto table = testing_data::WaitTable();
  for (const char* name : kFlashParts) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    rig.state.timing = TimingProfile::Datasheet;
    rig.chip().RecordCycles(true);
    FillImage(rig, 4);
    EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    rig.buffers.DataByte(1) = "5A";
    EXPECT_EQ(rig.Run(ProgramDataOnly), CommandResult::Ok);
    EXPECT_EQ(rig.Run(ProgramFusesOnly), CommandResult::Ok);
    EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
    sim::SetCodeProtected(rig.chipState(), true);
    EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);

    std::set<std::string> kinds;
    for (const sim::SimChip::Cycle& cycle : rig.chip().Cycles()) {
      char command[8];
      std::snprintf(command, sizeof command, "%02Xh", cycle.command);
      const std::string kind = std::string(CellOf(cycle)) + " " + command;
      kinds.insert(kind);
      const auto least = LeastWait(table, rig.device.family, CellOf(cycle), command);
      ASSERT_TRUE(least) << "the table has no wait for " << kind;
      EXPECT_GE(cycle.tookUs, *least) << kind;
    }
    for (const char* cell : {"program", "configuration", "erase"})
      EXPECT_TRUE(std::any_of(kinds.begin(), kinds.end(), [cell](const std::string& k) {
        return k.rfind(cell, 0) == 0;
      })) << cell;
  }
}

// An erase a tenth shorter than the table's longest for the family leaves
// the chip as it was, protected or not; the profile's own waits erase it.
TEST(DatasheetTiming, EraseATenthShortOfTheTableLeavesTheChip) {
  const auto table = testing_data::WaitTable();
  for (const char* name : kFlashParts) {
    for (bool isProtected : {false, true}) {
      for (bool cut : {true, false}) {
        SCOPED_TRACE(std::string(name) + (isProtected ? ", protected" : "") + (cut ? ", cut" : ""));
        OpsRig rig(name);
        rig.state.timing = TimingProfile::Datasheet;
        const auto least = LeastWait(table, rig.device.family, "erase", "");
        ASSERT_TRUE(least);
        WriteWaits waits = *DatasheetWaits(rig.device.family);
        waits.eraseUs = *least * 9 / 10;
        if (cut) rig.state.datasheetOverride = &waits;
        rig.chipState().program[1] = 0x0234;
        sim::SetCodeProtected(rig.chipState(), isProtected);
        rig.Run(EraseChip);
        EXPECT_EQ(rig.ChipWord(1), cut ? 0x0234 : BlankWord(rig));
      }
    }
  }
}

// After the erase Program All begins with, a five-word image costs a write
// cycle per word (the 16F877A one for their row) and none for the blank
// rest; Verify still reads every word, so a blank word the chip lost is
// found. A full image on the 16F877A takes one cycle per row.
TEST(DatasheetTiming, BlankWordsAfterTheEraseTakeNoCycle) {
  for (const char* name : {"16F877", "12F629/675", "16F877A", "16F628A"}) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    rig.state.timing = TimingProfile::Datasheet;
    rig.chip().RecordCycles(true);
    for (int a = 0; a < 5; ++a) rig.buffers.ProgramWord(a) = "2805";
    OpContext ctx = rig.Context();
    ASSERT_EQ(ProgramAll(ctx), CommandResult::Ok);
    EXPECT_EQ(ctx.summary.programWords, 5);
    std::set<int> written;
    for (const sim::SimChip::Cycle& cycle : rig.chip().Cycles()) {
      if (!cycle.erase) {
        EXPECT_NE(cycle.space, sim::Space::Data);
      }
      if (!cycle.erase && cycle.space == sim::Space::Program && cycle.address < rig.LastAddress())
        written.insert(cycle.address);
    }
    const std::set<int> rowOrWords =
        std::string(name) == "16F877A" ? std::set<int>{0} : std::set<int>{0, 1, 2, 3, 4};
    EXPECT_EQ(written, rowOrWords);
    rig.chipState().program[100] = 0x0000;
    EXPECT_EQ(VerifyChip(ctx), CommandResult::Failed);
    ASSERT_TRUE(ctx.failure);
    EXPECT_EQ(ctx.failure->address, 100u);
  }
  OpsRig rig("16F877A");
  rig.state.timing = TimingProfile::Datasheet;
  rig.chip().RecordCycles(true);
  FillImage(rig);
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  const auto& cycles = rig.chip().Cycles();
  EXPECT_EQ(std::count_if(cycles.begin(), cycles.end(),
                          [](const auto& c) { return !c.erase && c.space == sim::Space::Program; }),
            rig.device.programRows);
}

// The words one program cycle writes, from an independent table: the
// passes and the simulated chip agree with it.
TEST(DatasheetTiming, WriteLatchesAsTheTableGives) {
  int checked = 0;
  for (const auto& row : testing_data::ReadTable("devices/write_latches.tsv", 5)) {
    for (const std::string& part : testing_data::SplitCommas(row[1])) {
      const DeviceRecord* record = testing_data::RecordOfPart(part);
      if (record == nullptr) continue;
      SCOPED_TRACE(part);
      EXPECT_EQ(record->writeLatches, std::stoi(row[3]));
      EXPECT_EQ(sim::PartModel(record->name, record->family)->writeLatches, std::stoi(row[3]));
      ++checked;
    }
  }
  EXPECT_GE(checked, 11 + 26);
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
