// The whole device commands against every family's model: what Program All
// writes, Verify and Read see again, and Erase / Blank check agree with.
#include <gtest/gtest.h>

#include "buffers/edit_buffers.h"
#include "devices/family.h"
#include "ops/device_commands.h"
#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

struct Bench {
  explicit Bench(const std::string& name) : rig(name) {
    InicChip(rig.device, buffers, name);
    ctx = std::make_unique<OpContext>(
        OpContext{*rig.proto, rig.clock, rig.hooks, rig.device, buffers, state});
  }
  // A pattern of program words that fits the word width, with blanks.
  void FillPattern() {
    const bool w12 = IsWord12Family(rig.device.FamilyCode);
    const int words = rig.device.ProgramRows * 8;
    for (int a = 0; a < words; ++a) {
      const unsigned v =
          a % 3 == 0 ? (w12 ? 0xFFF : 0x3FFF) : (0x0155 + 7 * a) & (w12 ? 0xFFF : 0x3FFF);
      char buf[8];
      std::snprintf(buf, sizeof buf, w12 ? "%03X" : "%04X", v);
      buffers.ProgramWord(a) = buf;
    }
    for (int b = 0; b < rig.device.DataRows * 8; ++b) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%02X", (b * 37 + 1) & 0xFF);
      buffers.DataByte(b) = buf;
    }
    buffers.SetIdDigits("1234");
  }

  SimRig rig;
  EditBuffers buffers;
  OpState state;
  std::unique_ptr<OpContext> ctx;
};

struct Case {
  const char* device;
  std::uint16_t fuses;  // a configuration that leaves the part unprotected
};

class EveryFamily : public ::testing::TestWithParam<Case> {};

TEST_P(EveryFamily, ProgramAllThenVerifyAndReadBack) {
  Bench b(GetParam().device);
  b.FillPattern();
  b.buffers.FuseWord = GetParam().fuses;
  ASSERT_EQ(ProgramAllClick(*b.ctx), CommandResult::Ok)
      << ::testing::PrintToString(b.rig.hooks.errors);
  EXPECT_EQ(VerifyClick(*b.ctx), CommandResult::Ok) << ::testing::PrintToString(b.rig.hooks.errors);
  // No warnings either: the calibration-keeping erase found its words.
  EXPECT_TRUE(b.rig.hooks.errors.empty()) << ::testing::PrintToString(b.rig.hooks.errors);

  EditBuffers expected = b.buffers;
  b.buffers.Inic(b.rig.device);
  b.buffers.SetIdDigits("FFFF");
  ASSERT_EQ(ReadClick(*b.ctx), CommandResult::Ok);
  const int words = b.rig.device.ProgramRows * 8;
  // Parts with a calibration word keep it: the program never writes the last word.
  const bool lastKept = b.rig.state().factoryCalibration.has_value();
  for (int a = 0; a < words - (lastKept ? 1 : 0); ++a)
    ASSERT_EQ(b.buffers.ProgramWord(a), expected.ProgramWord(a)) << "address " << a;
  for (int d = 0; d < b.rig.device.DataRows * 8; ++d)
    ASSERT_EQ(b.buffers.DataByte(d), expected.DataByte(d)) << "data " << d;
  EXPECT_EQ(b.buffers.IdDigits(), "1234");
  EXPECT_EQ(b.buffers.FuseWord & b.rig.device.ConfigMask,
            expected.FuseWord & b.rig.device.ConfigMask);
  // The factory calibration word survives the program's own algorithm.
  if (b.rig.state().factoryCalibration) {
    EXPECT_EQ(b.rig.state().program.back(), *b.rig.state().factoryCalibration);
  }
  if (b.rig.state().factoryBandgap) {
    EXPECT_EQ(sim::ConfigWord(b.rig.state()) >> 12, *b.rig.state().factoryBandgap);
  }
}

TEST_P(EveryFamily, BlankChipIsBlankAndErasableOnesEraseBackToBlank) {
  Bench b(GetParam().device);
  EXPECT_EQ(BlankClick(*b.ctx), CommandResult::Ok);
  const FamilyTraits* traits = FindFamily(b.rig.device.FamilyCode);
  if (traits->eprom) return;
  b.FillPattern();
  b.buffers.FuseWord = GetParam().fuses;
  ASSERT_EQ(ProgramAllClick(*b.ctx), CommandResult::Ok);
  EXPECT_EQ(BlankClick(*b.ctx), CommandResult::Failed);
  EXPECT_EQ(EraseClick(*b.ctx), CommandResult::Ok);
  EXPECT_EQ(BlankClick(*b.ctx), CommandResult::Ok);
}

// The slower timing mode only adds waits: every cycle still completes.
TEST(DelayMode, ProgramAllAndVerifyStillAgree) {
  for (const char* device : {"16F84", "16F628A", "12C508"}) {
    SCOPED_TRACE(device);
    Bench b(device);
    b.rig.proto->SetDelayMode("true");
    b.FillPattern();
    b.buffers.FuseWord = b.rig.device.ConfigMask;
    EXPECT_EQ(ProgramAllClick(*b.ctx), CommandResult::Ok);
    EXPECT_EQ(VerifyClick(*b.ctx), CommandResult::Ok);
    EXPECT_TRUE(b.rig.hooks.errors.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(All, EveryFamily,
                         ::testing::Values(Case{"16F84", 0x3FF1}, Case{"16C84", 0x3FF1},
                                           Case{"16C61", 0x3FF1}, Case{"16C62A", 0x3F7D},
                                           Case{"16C558", 0x3F3D}, Case{"12C508", 0x001A},
                                           Case{"16C505", 0x0FF9}, Case{"12C671", 0x3FFC},
                                           Case{"14C000", 0x3FBD}, Case{"16F627", 0x3FF9},
                                           Case{"16F870", 0x3FF9}, Case{"12F629/675", 0x01F4},
                                           Case{"16F877A", 0x3FF9}, Case{"16F628A", 0x3FF9}),
                         [](const auto& info) {
                           std::string n = info.param.device;
                           for (char& c : n)
                             if (c == '/') c = '_';
                           return n;
                         });

}  // namespace
}  // namespace lpt::simtest
