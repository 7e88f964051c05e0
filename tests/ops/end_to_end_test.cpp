// SPDX-License-Identifier: GPL-2.0-or-later
// Devices of every programming family through the whole round: blank check
// of a fresh chip, Program All, Verify, Read back and compare, blank check of
// the programmed chip, and Erase where the family offers it. Each family runs
// once with a gpasm-made image; several devices also run with a pattern over
// every word, which writes the whole memory with words of every width.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "devices/family.h"
#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::IsEmpty;
using ::testing::PrintToString;

struct Round {
  const char* device;
  int family;
  const char* image;    // tests/data/hex/ops_<image>.asm; nullptr: the pattern
  std::uint16_t fuses;  // pattern rounds: a configuration that leaves the part unprotected
};

void PrintTo(const Round& r, std::ostream* os) {
  *os << r.device << (r.image ? " image" : " pattern");
}

class EndToEnd : public ::testing::TestWithParam<Round> {};

std::string ChipText(const OpsRig& rig, std::uint16_t word) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", ProgramDigits(rig.device.family), word);
  return text;
}

// Program words that fit the word width, every third one blank; data bytes
// that differ from their neighbours.
void FillPattern(OpsRig& rig) {
  const bool w12 = IsWord12Family(rig.device.family);
  const int words = rig.device.programRows * 8;
  for (int a = 0; a < words; ++a) {
    const unsigned v =
        a % 3 == 0 ? (w12 ? 0xFFF : 0x3FFF) : (0x0155 + 7 * a) & (w12 ? 0xFFF : 0x3FFF);
    char buf[8];
    std::snprintf(buf, sizeof buf, w12 ? "%03X" : "%04X", v);
    rig.buffers.ProgramWord(a) = buf;
  }
  for (int b = 0; b < rig.device.dataRows * 8; ++b) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", (b * 37 + 1) & 0xFF);
    rig.buffers.DataByte(b) = buf;
  }
}

TEST_P(EndToEnd, ProgramVerifyReadBlankErase) {
  const Round& c = GetParam();
  OpsRig rig(c.device);
  ASSERT_EQ(FamilyNumber(rig.device.family), c.family);
  const bool lastWordRule = HasLastWordRule(rig.device.family);

  EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok) << "a fresh chip is blank";

  const std::string id = c.image ? "1A2B" : "1234";
  if (c.image) {
    const std::string image = AssembledImage(c.image);
    ASSERT_FALSE(image.empty()) << "gpasm could not assemble ops_" << c.image << ".asm";
    ASSERT_EQ(LoadHexFile(image, rig.device, rig.buffers).status, HexLoadResult::Status::Ok);
  } else {
    FillPattern(rig);
    rig.buffers.FuseWord = c.fuses;
  }
  rig.buffers.SetIdDigits(id);

  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok) << PrintToString(rig.hooks.errors);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_EQ(rig.port->ReadPort(0x378), 0x08) << "the chip is switched off afterwards";
  EXPECT_FALSE(rig.hooks.running);

  EXPECT_EQ(rig.Run(VerifyChip), CommandResult::Ok) << PrintToString(rig.hooks.errors);
  // No warnings either: the calibration-keeping erase found its words.
  EXPECT_THAT(rig.hooks.errors, IsEmpty());

  // Read into blanked buffers and compare with what was programmed. The
  // calibration word of the last-word families is the chip's own.
  const EditBuffers programmed = rig.buffers;
  rig.buffers.SetUpBuffers(rig.device);
  rig.buffers.FuseWord = 0;
  rig.buffers.SetIdDigits("0000");
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  EXPECT_EQ(rig.hooks.progress, rig.device.programRows - 1) << "the gauge ends full";
  for (int a = 0; a <= rig.LastAddress(); ++a) {
    const std::string expected = lastWordRule && a == rig.LastAddress()
                                     ? ChipText(rig, rig.ChipWord(a))
                                     : programmed.ProgramWord(a);
    ASSERT_EQ(rig.buffers.ProgramWord(a), expected) << "program word " << a;
  }
  for (int a = 0; a < rig.device.dataRows * 8; ++a)
    ASSERT_EQ(rig.buffers.DataByte(a), programmed.DataByte(a)) << "data byte " << a;
  const std::uint16_t mask = rig.device.configMask;
  EXPECT_EQ(rig.buffers.FuseWord & mask, programmed.FuseWord & mask);
  EXPECT_EQ(rig.buffers.IdDigits(), id);
  EXPECT_EQ(rig.buffers.IdDigits(), id);
  // The factory calibration word and bandgap bits survive the program's own
  // algorithm.
  const sim::ChipState& chip = rig.chipState();
  if (chip.factoryCalibration) {
    EXPECT_EQ(chip.program.back(), *chip.factoryCalibration);
  }
  if (chip.factoryBandgap) {
    EXPECT_EQ(sim::ConfigWord(chip) >> 12, *chip.factoryBandgap);
  }

  EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Failed);
  EXPECT_EQ(rig.hooks.plains, std::vector<std::string>{"Program Memory is not blank"});

  if (FindFamily(rig.device.family)->eprom) return;
  const std::uint16_t calibration = rig.ChipWord(rig.LastAddress());
  EXPECT_EQ(rig.Run(EraseChip), CommandResult::Ok);
  EXPECT_THAT(rig.hooks.errors, IsEmpty());
  EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok) << "erased chip is blank";
  if (lastWordRule) {
    EXPECT_EQ(rig.ChipWord(rig.LastAddress()), calibration) << "the calibration word is kept";
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, EndToEnd,
    ::testing::Values(Round{"16F84", 1, "16f84", 0}, Round{"16C74", 4, "16c74", 0},
                      Round{"16C554", 17, "16c554", 0}, Round{"12C508", 20, "12c508", 0},
                      Round{"16C505", 21, "16c505", 0}, Round{"12C671", 22, "12c671", 0},
                      Round{"14C000", 24, "14c000", 0}, Round{"16F628", 25, "16f628", 0},
                      Round{"16F877", 27, "16f877", 0}, Round{"12F629/675", 28, "12f675", 0},
                      Round{"16F877A", 30, "16f877a", 0}, Round{"16F628A", 40, "16f628a", 0},
                      Round{"16F873A", 30, "16f873a", 0}, Round{"16F874A", 30, "16f874a", 0},
                      Round{"16F876A", 30, "16f876a", 0}, Round{"16F648A", 40, "16f648a", 0},
                      Round{"16F84", 1, nullptr, 0x3FF1}, Round{"16C84", 1, nullptr, 0x3FF1},
                      Round{"16C61", 4, nullptr, 0x3FF1}, Round{"16C62A", 4, nullptr, 0x3F7D},
                      Round{"16C558", 17, nullptr, 0x3F3D}, Round{"12C508", 20, nullptr, 0x001A},
                      Round{"16C505", 21, nullptr, 0x0FF9}, Round{"12C671", 22, nullptr, 0x3FFC},
                      Round{"14C000", 24, nullptr, 0x3FBD}, Round{"16F627", 25, nullptr, 0x3FF9},
                      Round{"16F870", 27, nullptr, 0x3FF9},
                      Round{"12F629/675", 28, nullptr, 0x01F4},
                      Round{"16F877A", 30, nullptr, 0x3FF9}, Round{"16F628A", 40, nullptr, 0x3FF9},
                      Round{"16F873A", 30, nullptr, 0x3FF9}, Round{"16F876A", 30, nullptr, 0x3FF9},
                      Round{"16F648A", 40, nullptr, 0x3FF9}),
    [](const auto& info) {
      std::string name = std::string(info.param.device) + (info.param.image ? "" : "_pattern");
      for (char& ch : name)
        if (ch == '/') ch = '_';
      return name;
    });

// The slower timing mode only adds waits: every cycle still completes.
TEST(EndToEndDelayMode, ProgramAllAndVerifyStillAgree) {
  for (const char* device : {"16F84", "16F628A", "12C508"}) {
    SCOPED_TRACE(device);
    OpsRig rig(device);
    rig.proto->SetDelayMode("true");
    FillPattern(rig);
    rig.buffers.SetIdDigits("1234");
    rig.buffers.FuseWord = rig.device.configMask;
    EXPECT_EQ(rig.Run(ProgramAll), CommandResult::Ok);
    EXPECT_EQ(rig.Run(VerifyChip), CommandResult::Ok);
    EXPECT_TRUE(rig.hooks.errors.empty());
  }
}

}  // namespace
}  // namespace lpt::opstest
