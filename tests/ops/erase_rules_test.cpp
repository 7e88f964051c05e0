// SPDX-License-Identifier: GPL-2.0-or-later
// Erase: protection-aware paths, the calibration-keeping erase of the
// 12F629/675 and its warnings, the fuse read-back, and the EPROM families
// that have no erase.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "devices/family.h"
#include "ops/erase_passes.h"
#include "support/ops_sequence_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A chip with something in every memory, then protected.
void FillChip(OpsRig& rig) {
  for (std::size_t a = 0; a < rig.chipState().program.size(); a += 7)
    rig.chipState().program[a] = 0x1555;
  for (auto& byte : rig.chipState().data) byte = 0x42;
  for (int i = 0; i < 4; ++i) rig.chipState().config[i] = 0x0001;
}

TEST(EraseRules, CodeProtectedPartsEndUpBlank) {
  for (const char* name : {"16F84", "16F628", "16F877"}) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    FillChip(rig);
    sim::SetCodeProtected(rig.chipState(), true);
    ASSERT_EQ(rig.Run(BlankCheck), CommandResult::Failed);
    EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok) << "protection cleared, every memory blank";
  }
}

// Every single protection bit cleared sends the chip down the
// protection-clear path, which must leave it blank as well. The bits are the
// ones the erase tests by (bits 4 and 7; 8, 10 and 11; 4, 5 and 8); the chip
// model protects on every CP and CPD bit the makers' headers give.
struct ProtectionBits {
  const char* name;
  std::initializer_list<int> bits;
};
const ProtectionBits kProtectionBits[] = {
    {"16F84", {4, 7}}, {"16F628", {8, 10, 11}}, {"16F877", {4, 5, 8}}};

TEST(EraseRules, AnyClearedProtectionBitErases) {
  for (const ProtectionBits& part : kProtectionBits) {
    for (int bit : part.bits) {
      SCOPED_TRACE(std::string(part.name) + " bit " + std::to_string(bit));
      SequenceRig rig(part.name);
      FillChip(rig);
      sim::ConfigWord(rig.chipState()) &= static_cast<std::uint16_t>(~(1u << bit));
      EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
      // The setup cycle aimed at 2007h: the protection-clear path.
      const Seq sent = rig.log.Folded();
      const Seq aimed = {"IncrementAddress*7", "BulkEraseSetup1"};
      EXPECT_NE(std::search(sent.begin(), sent.end(), aimed.begin(), aimed.end()), sent.end());
      EXPECT_THAT(rig.hooks.errors, IsEmpty());
      EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok);
    }
  }
}

// The 16F87x erases before it programs: a chip left protected by any of its
// bits must still take the new image, data EEPROM included.
TEST(EraseRules, AProtected16F87xTakesANewImage) {
  for (int bit : {4, 5, 8}) {
    SCOPED_TRACE("bit " + std::to_string(bit));
    OpsRig rig("16F877");
    FillChip(rig);
    sim::ConfigWord(rig.chipState()) &= static_cast<std::uint16_t>(~(1u << bit));
    rig.buffers.ProgramWord(0) = "1234";
    rig.buffers.DataByte(0) = "5A";
    EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
    EXPECT_EQ(rig.ChipWord(0), 0x1234);
    EXPECT_EQ(rig.chipState().data[0], 0x5A);
  }
}

TEST(EraseRules, The16F87xEraseClearsIdWordsButTheProgrammingEraseKeepsThem) {
  OpsRig rig("16F877");
  FillChip(rig);
  OpContext ctx = rig.Context();
  EraseChip16F87x(ctx);
  EXPECT_EQ(rig.chipState().config[0], 0x0001) << "left for the ID pass";
  EXPECT_EQ(rig.ChipWord(0), 0x3FFF);
  EXPECT_EQ(rig.chipState().data[0], 0xFF);
  EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
  EXPECT_EQ(rig.chipState().config[0], 0x3FFF);
}

TEST(EraseRules, The12F6xxFamilyKeepsCalibrationAndBandgapThroughEraseAndProgramAll) {
  OpsRig rig("12F629/675");
  const std::uint16_t calibration = rig.ChipWord(rig.LastAddress());
  const std::uint16_t bandgap = rig.ChipConfig() & 0x3000;
  ASSERT_NE(calibration, 0x3FFF);
  FillChip(rig);
  sim::ConfigWord(rig.chipState()) = static_cast<std::uint16_t>(bandgap | 0x0084);

  EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_EQ(rig.ChipWord(rig.LastAddress()), calibration);
  EXPECT_EQ(rig.ChipConfig(), bandgap | 0x01FF) << "old first digit, then 1FF";
  EXPECT_EQ(rig.ChipWord(0), 0x3FFF);

  rig.buffers.ProgramWord(0) = "2805";
  rig.buffers.FuseWord = 0x3184;  // other bandgap bits in the buffer are not written
  EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_EQ(rig.ChipWord(rig.LastAddress()), calibration);
  EXPECT_EQ(rig.ChipConfig(), bandgap | 0x0184);
  EXPECT_EQ(rig.ChipWord(0), 0x2805);
}

TEST(EraseRules, The12F6xxFamilyFailsTheCommandOnlyWhenTheWriteBackFails) {
  // An erased calibration word is written back as 3FFFh without a warning.
  OpsRig erased("12F629/675");
  erased.chipState().program.back() = 0x3FFF;
  EXPECT_EQ(erased.Run(EraseChip), CommandResult::Ok);
  EXPECT_THAT(erased.hooks.errors, IsEmpty());
  EXPECT_EQ(erased.ChipWord(erased.LastAddress()), 0x3FFF);

  // A calibration word or a bandgap bit that does not take its write-back:
  // the message, the routine and the command's other passes go on, and the
  // command then ends as failed.
  struct Case {
    Command command;
    sim::Location fault;
    bool stuck;  // a bit that reads 0, else a word that never programs
    const char* message;
    std::vector<std::string> passes;
  };
  const sim::Location calibration{sim::Space::Program, 0x03FF};
  const sim::Location config{sim::Space::Config, 0x2007};
  const std::vector<std::string> programAll = {"Program memory", "Data memory", "ID",
                                               "Configuration"};
  const std::vector<std::string> erase = {"Erase", "Configuration"};
  const Case cases[] = {{ProgramAll, calibration, false, "Error OscCal!", programAll},
                        {EraseChip, calibration, false, "Error OscCal!", erase},
                        {EraseChip, config, true, "Error BG!", erase}};
  for (const Case& c : cases) {
    OpsRig rig("12F629/675");
    ASSERT_EQ(rig.LastAddress(), calibration.address);
    SCOPED_TRACE(c.message);
    if (c.stuck) {
      rig.chipState().stuckBits.push_back({c.fault, 0, false});
    } else {
      rig.chipState().neverPrograms.push_back(c.fault);
    }
    rig.chipState().program[0] = 0x0123;
    rig.buffers.ProgramWord(1) = "2805";
    rig.buffers.DataByte(0) = "5A";
    EXPECT_EQ(rig.Run(c.command), CommandResult::Failed);
    EXPECT_THAT(rig.hooks.results, ElementsAre(CommandResult::Failed)) << "the end says so too";
    EXPECT_THAT(rig.hooks.errors, ElementsAre(c.message));
    EXPECT_EQ(rig.hooks.passes, c.passes);
    EXPECT_EQ(rig.ChipWord(0), 0x3FFF) << "the erase went on";
    if (c.command == ProgramAll) {
      EXPECT_EQ(rig.ChipWord(1), 0x2805) << "the program went on";
      EXPECT_EQ(rig.chipState().data[0], 0x5A);
    }
  }
}

// The calibration words of configuration memory (2008h, 2009h): one that
// reads 3FFFh before the erase was lost before it, one that does not take
// its write-back is lost now; either is named, the erase goes on and the
// command ends as failed. The other words keep their values.
TEST(EraseRules, CalibrationWordLostBeforeOrNotWrittenBackIsReported) {
  struct Case {
    const char* part;
    std::uint16_t lost;  // the word that fails
    std::uint16_t kept;  // another calibration word, 0 for none
    bool blankBefore;    // else it never programs
    const char* message;
  };
  const Case cases[] = {
      {"16F887", 0x2009, 0, true,
       "Error calibration word 2009h! It reads 3FFF: lost before this erase."},
      {"12F683", 0x2008, 0, true,
       "Error calibration word 2008h! It reads 3FFF: lost before this erase."},
      {"12F615", 0x2008, 0, false, "Error calibration word 2008h! Written back 2E8B, read 3FFF."},
      {"16F636", 0x2009, 0x2008, false,
       "Error calibration word 2009h! Written back 2E8B, read 3FFF."},
      {"16F913", 0x2008, 0x2009, true,
       "Error calibration word 2008h! It reads 3FFF: lost before this erase."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.part);
    OpsRig rig(c.part);
    auto& config = rig.chipState().config;
    if (c.kept != 0) config.at(c.kept - 0x2000) = 0x0123;
    if (c.blankBefore) {
      config.at(c.lost - 0x2000) = 0x3FFF;
    } else {
      config.at(c.lost - 0x2000) = 0x2E8B;
      rig.chipState().neverPrograms.push_back({sim::Space::Config, c.lost});
    }
    rig.chipState().program[0] = 0x0123;
    EXPECT_EQ(rig.Run(EraseChip), CommandResult::Failed);
    EXPECT_THAT(rig.hooks.errors, ElementsAre(c.message));
    EXPECT_EQ(rig.ChipWord(0), 0x3FFF) << "the erase went on";
    if (c.kept != 0) {
      EXPECT_EQ(config.at(c.kept - 0x2000), 0x0123);
    }
  }
}

TEST(EraseRules, FuseReadBackFailsOnlyForTheFamiliesThatCheckIt) {
  for (const char* name : {"16F84", "16F628", "16F877", "16F628A", "16F877A"}) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    rig.chipState().stuckBits.push_back({sim::Location{sim::Space::Config, 0x2007}, 0, false});
    const bool checks = FindFamily(rig.device.family)->fuseEraseReadBack;
    EXPECT_EQ(rig.Run(EraseChip), checks ? CommandResult::Failed : CommandResult::Ok);
    if (checks) {
      EXPECT_THAT(rig.hooks.errors, ElementsAre("Error erasing Fuses!"));
    } else {
      EXPECT_THAT(rig.hooks.errors, IsEmpty());
    }
  }
}

TEST(EraseRules, EpromFamiliesAreNotTouched) {
  for (const char* name : {"16C74", "16C554", "12C508", "16C505", "12C671", "14C000"}) {
    SCOPED_TRACE(name);
    OpsRig rig(name);
    rig.chipState().program[0] = 0x0123;
    const sim::ChipState before = rig.chipState();
    rig.clock.SetRecording(true);
    OpContext ctx = rig.Context();
    EraseProgramAndData(ctx, rig.device.family);
    EXPECT_TRUE(EraseFuses(ctx, rig.device.family));
    EXPECT_THAT(rig.clock.Waits(), IsEmpty()) << "no protocol operation at all";
    EXPECT_EQ(rig.chipState(), before);
  }
}

TEST(EraseRules, EraseCommandShowsAFullBar) {
  OpsRig rig("16F628A");
  FillChip(rig);
  ASSERT_EQ(rig.Run(EraseChip), CommandResult::Ok);
  EXPECT_EQ(rig.hooks.progressMax, 3);
  EXPECT_EQ(rig.hooks.progressHistory, (std::vector<int>{0, 3}));
  EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok);
}

}  // namespace
}  // namespace lpt::opstest
