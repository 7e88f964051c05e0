// SPDX-License-Identifier: GPL-2.0-or-later
// The 12-bit flash parts through the whole round on their simulated chips,
// in both timing profiles: a gpasm-made program programs, verifies, reads
// back identically and blank-checks after an erase, and after every command
// the chip's OSCCAL word and its backup still hold what the factory wrote.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::IsEmpty;
using ::testing::PrintToString;

struct Part {
  const char* device;
  const char* processor;  // gpasm's name
  const char* config;     // unprotected, watchdog off (the parts' headers)
};

const Part kParts[] = {
    {"10F200", "10f200", "0x0FFB"}, {"10F202", "10f202", "0x0FFB"}, {"10F204", "10f204", "0x0FFB"},
    {"10F206", "10f206", "0x0FFB"}, {"10F220", "10f220", "0x0FFB"}, {"10F222", "10f222", "0x0FFB"},
    {"12F508", "12f508", "0x0FEA"}, {"12F509", "12f509", "0x0FEA"}, {"16F505", "16f505", "0x0FF4"},
    {"12F510", "12f510", "0x0FEA"}, {"16F506", "16f506", "0x0FF4"}, {"16F54", "16f54", "0x0FFB"},
    {"16F57", "16f57", "0x0FFA"},   {"16F59", "16f59", "0x0FF9"},
};

// tests/data/hex/flash12.asm for the part, as a HEX file path (once per run).
std::string Image(const Part& part, int top) {
  static std::map<std::string, std::string> done;
  if (auto it = done.find(part.device); it != done.end()) return it->second;
  static const testing_files::ScratchDir scratch("lptpic_flash12_");
  const std::string hex = (scratch.path / (std::string(part.processor) + ".hex")).string();
  char topText[16];
  std::snprintf(topText, sizeof topText, "0x%X", top);
  const std::string command = std::string("gpasm -p ") + part.processor +
                              " -D CONFIG=" + part.config + " -D TOP=" + topText +
                              " -a inhx8m -o '" + hex +
                              "' '" LPTPIC_TEST_DATA "/hex/flash12.asm' > /dev/null 2>&1";
  return done[part.device] = std::system(command.c_str()) == 0 ? hex : std::string();
}

class Flash12Round : public ::testing::TestWithParam<Part> {};

TEST_P(Flash12Round, ProgramVerifyReadEraseInBothProfiles) {
  const Part& part = GetParam();
  for (TimingProfile profile : {TimingProfile::Standard, TimingProfile::Datasheet}) {
    SCOPED_TRACE(TimingProfileName(profile));
    OpsRig rig(part.device);
    rig.state.timing = profile;
    const sim::ChipState factory = rig.chipState();
    const auto calibrationKept = [&](const char* after) {
      EXPECT_EQ(rig.chipState().program.back(), factory.program.back()) << "OSCCAL, " << after;
      EXPECT_EQ(rig.chipState().config[sim::kBackupCalibrationSlot],
                factory.config[sim::kBackupCalibrationSlot])
          << "backup OSCCAL, " << after;
    };

    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok) << "a fresh chip is blank";
    calibrationKept("blank check");
    const std::string image = Image(part, rig.LastAddress());
    ASSERT_FALSE(image.empty()) << "gpasm could not assemble flash12.asm for " << part.processor;
    ASSERT_EQ(LoadHexFile(image, rig.device, rig.buffers).status, HexLoadResult::Status::Ok);
    rig.buffers.SetIdDigits("1A2B");

    ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok) << PrintToString(rig.hooks.errors);
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
    EXPECT_THAT(rig.hooks.warnings, IsEmpty()) << "the file holds no OSCCAL: nothing to tell";
    calibrationKept("Program All");
    EXPECT_EQ(rig.Run(VerifyChip), CommandResult::Ok) << PrintToString(rig.hooks.errors);
    calibrationKept("Verify");

    const EditBuffers programmed = rig.buffers;
    rig.buffers.SetUpBuffers(rig.device);
    rig.buffers.FuseWord = 0;
    rig.buffers.SetIdDigits("0000");
    ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
    calibrationKept("Read");
    for (int a = 0; a < rig.LastAddress(); ++a)
      ASSERT_EQ(rig.buffers.ProgramWord(a), programmed.ProgramWord(a)) << "program word " << a;
    EXPECT_EQ(rig.buffers.FuseWord & rig.device.configMask,
              programmed.FuseWord & rig.device.configMask);
    EXPECT_EQ(rig.buffers.IdDigits(), "1A2B");

    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Failed);
    EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
    EXPECT_THAT(rig.hooks.errors, IsEmpty());
    calibrationKept("Erase");
    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok) << "erased chip is blank";
    calibrationKept("the last blank check");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPart, Flash12Round, ::testing::ValuesIn(kParts),
                         [](const auto& info) { return std::string(info.param.device); });

}  // namespace
}  // namespace lpt::opstest
