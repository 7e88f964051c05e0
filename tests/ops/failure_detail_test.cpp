// SPDX-License-Identifier: GPL-2.0-or-later
// The first failing location a failed Verify, Blank check or Program gives
// under its message, the warning after reading an empty socket, and Verify
// that reads the ID without comparing it. Addresses and words are written out
// by hand from the parts' memory maps (12C508: 512 program words, the IDs at
// 200h-203h, configuration bits 4..0).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ops_rig.h"

namespace lpt::opstest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using sim::Location;
using sim::Space;

struct DetailCase {
  const char* device;
  const char* message;
  const char* detail;
  void (*spoil)(OpsRig&);
};

void ExpectDetail(Command command, const DetailCase& c, bool plainBox) {
  SCOPED_TRACE(std::string(c.device) + ": " + c.detail);
  OpsRig rig(c.device);
  c.spoil(rig);
  EXPECT_EQ(rig.Run(command), CommandResult::Failed);
  EXPECT_THAT(plainBox ? rig.hooks.plains : rig.hooks.errors, ElementsAre(c.message));
  EXPECT_THAT(rig.hooks.details, ElementsAre(c.detail));
}

TEST(FailureDetail, VerifyNamesTheFirstDifferentWord) {
  const DetailCase cases[] = {
      {"16F84", "Error verify Program Memory!", "Program memory 01A3h: expected 2805, read 3FFF",
       [](OpsRig& r) { r.buffers.ProgramWord(0x1A3) = "2805"; }},
      {"16F84", "Error verify Program Memory!", "Program memory 0000h: expected 3FFF, read 0000",
       [](OpsRig& r) { r.chipState().program[0] = 0; }},
      {"16F84", "Error verify Data Memory!", "Data memory 3Fh: expected 05, read FF",
       [](OpsRig& r) { r.buffers.DataByte(0x3F) = "05"; }},
      {"16F84", "Error verify fuses!", "Configuration word 2007h: expected 3FF1, read 3FFF",
       [](OpsRig& r) { r.buffers.FuseWord = 0x3FF1; }},
      {"16F84", "Error verify ID!", "ID 2002h: expected 1, read F",
       [](OpsRig& r) { r.buffers.SetIdDigits("FF1F"); }},
      {"12C508", "Error verify Program Memory!", "Program memory 0010h: expected A25, read FFF",
       [](OpsRig& r) { r.buffers.ProgramWord(0x10) = "A25"; }},
      {"12C508", "Error verify ID!", "ID 0200h: expected 1, read F",
       [](OpsRig& r) {
         r.buffers.FuseWord = r.ChipConfig();
         r.buffers.SetIdDigits("1FFF");
       }},
  };
  for (const DetailCase& c : cases) ExpectDetail(VerifyChip, c, false);
}

TEST(FailureDetail, BlankCheckNamesTheFirstWrittenWord) {
  const DetailCase cases[] = {
      {"16F84", "Program Memory is not blank", "Program memory 01A3h: expected 3FFF, read 2805",
       [](OpsRig& r) { r.chipState().program[0x1A3] = 0x2805; }},
      {"16F84", "Data Memory is not blank", "Data memory 3Fh: expected FF, read 05",
       [](OpsRig& r) { r.chipState().data[0x3F] = 0x05; }},
      {"16F84", "Fuses is not blank", "Configuration word 2007h: expected 3FFF, read 3FF1",
       [](OpsRig& r) { sim::ConfigWord(r.chipState()) = 0x3FF1; }},
      {"16F84", "ID is not blank", "ID 2003h: expected F, read 7",
       [](OpsRig& r) { r.chipState().config[3] = 0x3FF7; }},
      {"12C508", "Program Memory is not blank", "Program memory 01A3h: expected FFF, read A25",
       [](OpsRig& r) { r.chipState().program[0x1A3] = 0x0A25; }},
      {"12C508", "Fuses is not blank", "Configuration word 0FFFh: expected 001F, read 000A",
       [](OpsRig& r) { sim::ConfigWord(r.chipState()) = 0x0FEA; }},
      {"12C508", "ID is not blank", "ID 0201h: expected F, read 7",
       [](OpsRig& r) { r.chipState().config[1] = 0x0007; }},
      {"16F877", "Data Memory is not blank", "Data memory FFh: expected FF, read 00",
       [](OpsRig& r) { r.chipState().data[0xFF] = 0x00; }},
  };
  for (const DetailCase& c : cases) ExpectDetail(BlankCheck, c, true);
}

// Each programming method of program memory, and the other memories, on a
// word that never takes its value.
TEST(FailureDetail, ProgramNamesTheWordThatDidNotTake) {
  const DetailCase cases[] = {
      {"16F84", "Error programming Program Memory!",
       "Program memory 01A3h: expected 2805, read 3FFF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Program, 0x1A3});
         r.buffers.ProgramWord(0x1A3) = "2805";
       }},
      // A cell wider than the word: its top bits never read back.
      {"16F84", "Error programming Program Memory!",
       "Program memory 0001h: expected FFFF, read 3FFF",
       [](OpsRig& r) { r.buffers.ProgramWord(1) = "FFFF"; }},
      {"16F877", "Error programming Program Memory!",
       "Program memory 01A3h: expected 2805, read 3FFF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Program, 0x1A3});
         r.buffers.ProgramWord(0x1A3) = "2805";
       }},
      {"16F877A", "Error programming Program Memory!",
       "Program memory 0008h: expected 0183, read 3FFF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Program, 0x8});
         r.buffers.ProgramWord(0x8) = "0183";
       }},
      {"16C74", "Error programming Program Memory!",
       "Program memory 0002h: expected 2805, read 3FFF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Program, 0x2});
         r.buffers.ProgramWord(0x2) = "2805";
       }},
      {"12C508", "Error programming Program Memory!",
       "Program memory 0003h: expected A25, read FFF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Program, 0x3});
         r.buffers.ProgramWord(0x3) = "A25";
       }},
      {"16F84", "Error programming Data Memory!", "Data memory 3Fh: expected 05, read FF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Data, 0x3F});
         r.buffers.DataByte(0x3F) = "05";
       }},
      {"16F628", "Error programming ID!", "ID 2002h: expected 3, read F",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Config, 0x2002});
         r.buffers.SetIdDigits("1234");
       }},
      {"16F628", "Error programming Fuses!", "Configuration word 2007h: expected 3D61, read 3DFF",
       [](OpsRig& r) {
         r.chipState().neverPrograms.push_back(Location{Space::Config, 0x2007});
         r.buffers.FuseWord = 0x3F61;
       }},
  };
  for (const DetailCase& c : cases) ExpectDetail(ProgramAll, c, false);
}

TEST(FailureDetail, ANewCommandForgetsTheLastFailure) {
  OpsRig rig("16F84");
  rig.buffers.ProgramWord(5) = "0000";
  OpContext ctx = rig.Context();
  EXPECT_EQ(VerifyChip(ctx), CommandResult::Failed);
  ASSERT_TRUE(ctx.failure.has_value());
  EXPECT_EQ(ctx.failure->address, 5u);
  rig.buffers.ProgramWord(5) = "3FFF";
  EXPECT_EQ(VerifyChip(ctx), CommandResult::Ok);
  EXPECT_FALSE(ctx.failure.has_value());
}

TEST(EmptySocketWarning, ReadOfNothingButZerosWarnsAfterTheRead) {
  constexpr const char* kWarning = "Every word read as 0000: is the chip in the socket?";
  struct Case {
    const char* device;
    bool warned;
    void (*chip)(sim::ChipState&);
    CommandResult result = CommandResult::Ok;
  };
  const auto allZero = [](sim::ChipState& s) {
    std::fill(s.program.begin(), s.program.end(), std::uint16_t{0});
    sim::ConfigWord(s) = 0;
  };
  const Case cases[] = {
      {"16F84", true, [](sim::ChipState& s) { s.socketEmpty = true; }},
      {"12C508", true, [](sim::ChipState& s) { s.socketEmpty = true; }},
      {"16F877", true, allZero},
      {"16F84", false, [](sim::ChipState&) {}},  // blank
      {"16F84", false,
       [](sim::ChipState& s) {
         std::fill(s.program.begin(), s.program.end(), std::uint16_t{0});
         sim::ConfigWord(s) = 0x3FF1;
       }},
      // Code protected: program memory reads as zeros, the configuration
      // word does not; the Read fails as protected, not as an empty socket.
      {"16F84", false,
       [](sim::ChipState& s) {
         s.program[0x3FF] = 0x0001;
         sim::ConfigWord(s) = 0x000F;
       },
       CommandResult::Failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.device) + (c.warned ? " warned" : " not warned"));
    sim::ChipState chip = *sim::MakeBlankChip(c.device);
    c.chip(chip);
    OpsRig rig(c.device, chip);
    EXPECT_EQ(rig.Run(ReadChip), c.result);
    if (c.warned) {
      EXPECT_THAT(rig.hooks.warnings, ElementsAre(kWarning));
      const std::vector<std::string>& events = rig.hooks.events;
      ASSERT_GE(events.size(), 2u);
      EXPECT_EQ(events[events.size() - 2], std::string("failed ") + kWarning)
          << "the warning comes after the read";
    } else {
      EXPECT_THAT(rig.hooks.warnings, IsEmpty());
    }
    if (c.result == CommandResult::Ok) {
      EXPECT_THAT(rig.hooks.errors, IsEmpty());
    }
  }
}

// Where the released data line floats high an empty socket reads blank:
// a part with a device ID is asked for it, any other is only remarked on.
TEST(EmptySocketWarning, AllBlankReadAsksForTheDeviceIdWhereThereIsOne) {
  struct Case {
    const char* device;
    std::uint16_t deviceId;  // 0: as the factory left it
    const char* warning;
    const char* notice;
  };
  constexpr const char* kBlank = "Every word read blank: a blank chip, or an empty socket?";
  const Case cases[] = {
      {"16F877", 0x3FFF, "No chip answers (device ID 3FFFh): is the chip in the socket?", ""},
      {"16F877", 0, "", ""},  // a blank chip that answers with its ID
      {"16F84", 0, "", kBlank},
      {"16C74", 0, "", kBlank},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.device);
    sim::ChipState chip = *sim::MakeBlankChip(c.device);
    if (c.deviceId != 0) chip.config[6] = c.deviceId;
    OpsRig rig(c.device, chip);
    EXPECT_EQ(rig.Run(ReadChip), CommandResult::Ok);
    EXPECT_EQ(rig.hooks.warnings, std::vector<std::string>(*c.warning ? 1 : 0, c.warning));
    EXPECT_EQ(rig.hooks.notices, std::vector<std::string>(*c.notice ? 1 : 0, c.notice));
  }
}

// That the ID words are read all the same is seen in the CLI's port trace.
TEST(VerifyIdCompare, WithoutCompareAnyIdPasses) {
  struct Case {
    const char* device;
    const char* bufferId;
    bool compareId;
    CommandResult result;
  };
  const Case cases[] = {
      {"16F84", "FFFF", true, CommandResult::Failed},  // chip holds 1234
      {"16F84", "FFFF", false, CommandResult::Ok},
      {"16F84", "1234", true, CommandResult::Ok},
      {"12C508", "FFFF", false, CommandResult::Ok},
      {"12C508", "FFFF", true, CommandResult::Failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.device) + " " + c.bufferId + (c.compareId ? " compared" : ""));
    OpsRig rig(c.device);
    const bool word12 = IsWord12Family(rig.device.family);
    for (int i = 0; i < 4; ++i)
      rig.chipState().config[i] = static_cast<std::uint16_t>((word12 ? 0x0FF1 : 0x3FF1) + i);
    rig.buffers.FuseWord = rig.ChipConfig();
    rig.buffers.SetIdDigits(c.bufferId);
    OpContext ctx = rig.Context();
    ctx.compareId = c.compareId;
    EXPECT_EQ(VerifyChip(ctx), c.result);
  }
}

}  // namespace
}  // namespace lpt::opstest
