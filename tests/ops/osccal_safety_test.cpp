// SPDX-License-Identifier: GPL-2.0-or-later
// OSCCAL safety of the 12-bit flash parts, on a simulated 10F200 (OSCCAL at
// 0FFh, its backup at 104h): what Program All and Erase leave in both words
// from what the chip and the file held, and what the user is told.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct Case {
  const char* name;
  Command command;
  std::uint16_t word, backup;  // on the chip before the command
  const char* fileWord;        // the buffers' last word ("FFF": the file has none)
  bool overwrite;              // --overwrite-osccal, the check box
  bool protectedChip;
  bool wordNeverTakes;  // the OSCCAL word ignores programming
  std::uint16_t wordAfter, backupAfter;
  const char* told;  // a part of the warning; nullptr: none
  CommandResult result = CommandResult::Ok;
};

const Case kCases[] = {
    {"factory chip, file without OSCCAL", ProgramAll, 0xC80, 0xC80, "FFF", false, false, false,
     0xC80, 0xC80, nullptr},
    {"the file's own value equals the chip's", ProgramAll, 0xC80, 0xC80, "C80", false, false, false,
     0xC80, 0xC80, nullptr},
    {"another value in the file is kept out", ProgramAll, 0xC80, 0xC80, "C12", false, false, false,
     0xC80, 0xC80, "OSCCAL kept: the chip's C80 stays at 0FFh; the file's C12 was not written."},
    {"overwriting asked for: the backup keeps the chip's", ProgramAll, 0xC80, 0xC80, "C12", true,
     false, false, 0xC12, 0xC80,
     "OSCCAL written from the file: C12 at 0FFh; the chip's C80 stays in the backup at 104h."},
    {"a lost OSCCAL comes back from the backup", ProgramAll, 0xFFF, 0xC7C, "FFF", false, false,
     false, 0xC7C, 0xC7C, "OSCCAL restored from its backup: C7C at 0FFh."},
    {"a lost backup comes back from the OSCCAL", EraseChip, 0xC7C, 0x000, "FFF", false, false,
     false, 0xC7C, 0xC7C, "OSCCAL backup restored: C7C at 104h."},
    {"a backup that is no MOVLW is rewritten from the OSCCAL", ProgramAll, 0xC80, 0x5A5, "FFF",
     false, false, false, 0xC80, 0xC80, "OSCCAL backup restored: C80 at 104h."},
    {"Erase restores from the backup too", EraseChip, 0xFFF, 0xC90, "C12", false, false, false,
     0xC90, 0xC90, "OSCCAL restored from its backup: C90 at 0FFh."},
    {"nothing to keep", ProgramAll, 0xFFF, 0xFFF, "C12", false, false, false, 0xFFF, 0xFFF,
     "The chip holds no OSCCAL value"},
    {"a protected chip: OSCCAL reads through protection", ProgramAll, 0xC80, 0xC80, "FFF", false,
     true, false, 0xC80, 0xC80, nullptr},
    {"a write-back that does not take fails the command", EraseChip, 0xC80, 0xC80, "FFF", false,
     false, true, 0xFFF, 0xC80, nullptr, CommandResult::Failed},
};

class OsccalSafety : public ::testing::TestWithParam<Case> {};

TEST_P(OsccalSafety, KeepsRestoresAndTells) {
  const Case& c = GetParam();
  sim::ChipState chip = *sim::MakeBlankChip("10F200");
  chip.program.back() = c.word;
  chip.config[sim::kBackupCalibrationSlot] = c.backup;
  chip.program[0x50] = 0x123;  // above the part that protection leaves readable
  if (c.protectedChip) sim::SetCodeProtected(chip, true);
  if (c.wordNeverTakes) chip.neverPrograms.push_back({sim::Space::Program, 0xFF});
  OpsRig rig("10F200", chip);
  rig.state.overwriteOsccal = c.overwrite;
  rig.buffers.ProgramWord(0) = "A05";
  rig.buffers.ProgramWord(rig.LastAddress()) = c.fileWord;

  EXPECT_EQ(rig.Run(c.command), c.result);
  EXPECT_EQ(rig.ChipWord(rig.LastAddress()), c.wordAfter);
  EXPECT_EQ(rig.chipState().config[sim::kBackupCalibrationSlot], c.backupAfter);
  EXPECT_EQ(rig.ChipWord(0x50), 0xFFF) << "the chip was erased";
  if (c.command == ProgramAll) {
    EXPECT_EQ(rig.ChipWord(0), 0xA05);
  }
  if (c.told) {
    ASSERT_EQ(rig.hooks.warnings.size(), 1u);
    EXPECT_THAT(rig.hooks.warnings[0], HasSubstr(c.told));
  } else {
    EXPECT_THAT(rig.hooks.warnings, IsEmpty());
  }
  if (c.result == CommandResult::Failed) {
    EXPECT_THAT(rig.hooks.errors, ::testing::Contains("Error OscCal!"));
  } else {
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
  }
}

INSTANTIATE_TEST_SUITE_P(TenF200, OsccalSafety, ::testing::ValuesIn(kCases), [](const auto& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p)
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name;
});

}  // namespace
}  // namespace lpt::opstest
