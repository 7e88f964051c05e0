// One device of every programming family through the whole round: blank
// check of a fresh chip, Program All of a gpasm-made image, Verify, Read back
// and compare, blank check of the programmed chip, and Erase where the family
// offers it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "devices/family.h"
#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::IsEmpty;

struct FamilyCase {
  const char* device;
  const char* image;  // tests/data/hex/ops_<image>.asm
  int family;
};

void PrintTo(const FamilyCase& c, std::ostream* os) { *os << c.device; }

class EndToEnd : public ::testing::TestWithParam<FamilyCase> {};

std::string ChipText(const OpsRig& rig, std::uint16_t word) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", ProgramDigits(rig.device.FamilyCode), word);
  return text;
}

TEST_P(EndToEnd, ProgramVerifyReadBlankErase) {
  const FamilyCase& c = GetParam();
  OpsRig rig(c.device);
  ASSERT_EQ(rig.device.FamilyCode, c.family);
  const bool lastWordRule = HasLastWordRule(c.family);

  EXPECT_EQ(rig.Run(BlankClick), CommandResult::Ok) << "a fresh chip is blank";
  EXPECT_EQ(rig.hooks.okHistory, (std::vector<bool>{true, false}));

  const std::string image = AssembledImage(c.image);
  ASSERT_FALSE(image.empty()) << "gpasm could not assemble ops_" << c.image << ".asm";
  ASSERT_EQ(LoadHexFile(image, rig.device, rig.buffers).status, HexLoadResult::Status::Ok);
  rig.buffers.SetIdDigits("1A2B");

  EXPECT_EQ(rig.Run(ProgramAllClick), CommandResult::Ok);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_EQ(rig.port->ReadPort(0x378), 0x08) << "the chip is switched off afterwards";
  EXPECT_FALSE(rig.hooks.panelShown);
  EXPECT_TRUE(rig.state.IdleFlag);

  EXPECT_EQ(rig.Run(VerifyClick), CommandResult::Ok);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());

  // Read into blanked buffers and compare with what was programmed. The
  // calibration word of the last-word families is the chip's own.
  const EditBuffers programmed = rig.buffers;
  rig.buffers.Inic(rig.device);
  rig.buffers.FuseWord = 0;
  rig.buffers.SetIdDigits("0000");
  EXPECT_EQ(rig.Run(ReadClick), CommandResult::Ok);
  EXPECT_EQ(rig.hooks.caption, std::string("Pic") + c.device);
  EXPECT_EQ(rig.hooks.progress, rig.device.ProgramRows - 1) << "the gauge ends full";
  for (int a = 0; a <= rig.LastAddress(); ++a) {
    const std::string expected = lastWordRule && a == rig.LastAddress()
                                     ? ChipText(rig, rig.ChipWord(a))
                                     : programmed.ProgramWord(a);
    ASSERT_EQ(rig.buffers.ProgramWord(a), expected) << "program word " << a;
  }
  for (int a = 0; a < rig.device.DataRows * 8; ++a)
    ASSERT_EQ(rig.buffers.DataByte(a), programmed.DataByte(a)) << "data byte " << a;
  const std::uint16_t mask = rig.device.ConfigMask;
  EXPECT_EQ(rig.buffers.FuseWord & mask, programmed.FuseWord & mask);
  EXPECT_EQ(rig.buffers.IdCaption, "   ID:  1A2B");

  EXPECT_EQ(rig.Run(BlankClick), CommandResult::Failed);
  EXPECT_EQ(rig.hooks.plains, std::vector<std::string>{"Program Memory is not blank"});

  if (FindFamily(c.family)->eprom) return;
  const std::uint16_t calibration = rig.ChipWord(rig.LastAddress());
  EXPECT_EQ(rig.Run(EraseClick), CommandResult::Ok);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_EQ(rig.Run(BlankClick), CommandResult::Ok) << "erased chip is blank";
  if (lastWordRule) {
    EXPECT_EQ(rig.ChipWord(rig.LastAddress()), calibration) << "the calibration word is kept";
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, EndToEnd,
    ::testing::Values(FamilyCase{"16F84", "16f84", 1}, FamilyCase{"16C74", "16c74", 4},
                      FamilyCase{"16C554", "16c554", 17}, FamilyCase{"12C508", "12c508", 20},
                      FamilyCase{"16C505", "16c505", 21}, FamilyCase{"12C671", "12c671", 22},
                      FamilyCase{"14C000", "14c000", 24}, FamilyCase{"16F628", "16f628", 25},
                      FamilyCase{"16F877", "16f877", 27}, FamilyCase{"12F629/675", "12f675", 28},
                      FamilyCase{"16F877A", "16f877a", 30}, FamilyCase{"16F628A", "16f628a", 40}),
    [](const auto& info) {
      std::string name = info.param.device;
      for (char& ch : name)
        if (ch == '/') ch = '_';
      return name;
    });

}  // namespace
}  // namespace lpt::opstest
