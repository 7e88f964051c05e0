// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated PIC18F2XXX/4XXX against DS39622: the write buffer reaches
// the flash only by a start-programming hold of P9, the bulk erase codes
// erase what the document says, code protection reads 0 until the chip
// erase, configuration bytes keep only their implemented bits, a part with
// LVP set and PGM floating high never enters, and a write checks the
// device ID first.
#include <gtest/gtest.h>

#include "hw/pic18_command.h"
#include "support/pic18_rig.h"

namespace lpt::pic18test {
namespace {

Pic18Image Filled(const Pic18Part& part) {
  Pic18Image image = BlankPic18Image(part);
  std::fill(image.program.begin(), image.program.end(), std::uint8_t{0x00});
  std::fill(image.eeprom.begin(), image.eeprom.end(), std::uint8_t{0x00});
  image.ids.fill(0x00);
  image.config[1] = 0x0C;
  return image;
}

TEST(Pic18Model, AHoldShorterThanP9LosesTheWrite) {
  for (std::uint32_t p9 : {999u, 1000u}) {
    Pic18Rig rig("18F4550", TimingProfile::Datasheet);
    rig.link.Enter(100);
    rig.link.Core(pic18::Bsf(pic18::kEecon1, pic18::kEepgd));
    rig.link.Core(pic18::Bcf(pic18::kEecon1, pic18::kCfgs));
    rig.link.SetTablePointer(0x40);
    rig.link.Send(pic18::TableWritePostIncrement2, 0x1234);
    rig.link.StartProgramming(pic18::TableWriteStart, 0xABCD, p9, 100);
    rig.link.Exit();
    const bool written = p9 >= 1000;
    EXPECT_EQ(rig.chip().memory().ProgramWord(0x20), written ? 0x1234 : 0xFFFF) << p9;
    EXPECT_EQ(rig.chip().memory().ProgramWord(0x21), written ? 0xABCD : 0xFFFF) << p9;
    EXPECT_EQ(rig.chip().Lost(), written ? 0 : 1);
  }
}

// What each of DS39622's erase codes leaves erased on a chip of zeros
// (18F4550: boot block 0-7FFh, blocks of 8 KB).
TEST(Pic18Model, EachEraseCodeErasesWhatTheDocumentSays) {
  struct Row {
    std::uint16_t code;
    int erasedFrom, erasedTo;  // program bytes
    bool eeprom, config;
  };
  const Row rows[] = {
      {pic18::kChipErase, 0, 0x8000, true, true},
      {pic18::kEraseDataEeprom, 0, 0, true, false},
      {pic18::kEraseBootBlock, 0, 0x800, false, false},
      {pic18::kEraseConfiguration, 0, 0, false, true},
      {pic18::EraseBlock(0), 0x800, 0x2000, false, false},
      {pic18::EraseBlock(3), 0x6000, 0x8000, false, false},
      {0x1234, 0, 0, false, false},
  };
  for (const Row& row : rows) {
    Pic18Rig rig("18F4550");
    rig.chip().memory() = Filled(rig.part);
    rig.link.Enter(100);
    BulkErasePic18(rig.session, row.code);
    rig.link.Exit();
    const Pic18Image& m = rig.chip().memory();
    for (int a : {0, 0x7FF, 0x800, 0x1FFF, 0x2000, 0x5FFF, 0x6000, 0x7FFF})
      EXPECT_EQ(m.program[static_cast<std::size_t>(a)],
                a >= row.erasedFrom && a < row.erasedTo ? 0xFF : 0x00)
          << std::hex << row.code << " at " << a;
    EXPECT_EQ(m.eeprom[0], row.eeprom ? 0xFF : 0x00) << std::hex << row.code;
    EXPECT_EQ(m.config[1], row.config ? 0x05 : 0x0C) << std::hex << row.code;
  }
}

TEST(Pic18Model, CodeProtectionReadsZeroUntilTheChipErase) {
  Pic18Rig rig("18F2520");
  Pic18Image stored = Filled(rig.part);
  std::fill(stored.program.begin(), stored.program.end(), std::uint8_t{0x5A});
  stored.eeprom[0] = 0x77;
  stored.config[8] = 0x00;  // CP0-CP3
  stored.config[9] = 0x00;  // CPB, CPD
  rig.chip().memory() = stored;
  Pic18Image read;
  ASSERT_TRUE(ReadPic18(rig.session, read).ok);
  EXPECT_EQ(read.program[0], 0x00);
  EXPECT_EQ(read.program[0x7FFF], 0x00);
  EXPECT_EQ(read.eeprom[0], 0x00);
  EXPECT_FALSE(BlankCheckPic18(rig.session).ok);
  EXPECT_TRUE(ErasePic18(rig.session).ok);
  const Pic18Outcome blank = BlankCheckPic18(rig.session);
  EXPECT_TRUE(blank.ok) << blank.message;
}

// CONFIG5L of the 18F2455 has three CP bits (mask 07h): a file asking for
// 0Fh programs and verifies, the chip keeping 07h.
TEST(Pic18Model, AConfigurationByteVerifiesUnderItsMask) {
  Pic18Rig rig("18F2455");
  Pic18Image image = BlankPic18Image(rig.part);
  image.config[8] = 0x0F;
  image.config[6] = 0x81;  // LVP off
  const Pic18Outcome outcome = ProgramAllPic18(rig.session, image);
  EXPECT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(rig.chip().memory().config[8], 0x07);
  EXPECT_EQ(rig.chip().memory().config[6], 0x81);
}

TEST(Pic18Model, PgmFloatingHighWithLvpSetKeepsThePartOut) {
  for (bool lvp : {true, false}) {
    Pic18Rig rig("18F4550");
    if (!lvp) rig.chip().memory().config[kPic18LvpByte] &= static_cast<std::uint8_t>(~kPic18LvpBit);
    rig.chip().SetPgmFloatingHigh(true);
    const Pic18Outcome outcome = DetectPic18(rig.session);
    EXPECT_EQ(outcome.ok, !lvp);
    if (lvp) EXPECT_NE(outcome.message.find("PGM pin 38"), std::string::npos) << outcome.message;
  }
}

TEST(Pic18Model, AWriteChecksTheDeviceIdFirst) {
  Pic18Rig rig("18F4550", TimingProfile::Standard, "18F2550");
  rig.chip().memory().program[0] = 0x12;
  const Pic18Outcome outcome = ProgramAllPic18(rig.session, BlankPic18Image(rig.part));
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, "The chip is not a 18F4550: its device ID 1240h names 18F2550.");
  EXPECT_EQ(rig.chip().memory().program[0], 0x12);  // nothing erased
}

TEST(Pic18Model, DataAndConfigurationAloneLeaveTheRestAsItWas) {
  Pic18Rig rig("18F4520");
  rig.chip().memory().program[0] = 0x12;
  Pic18Image image = BlankPic18Image(rig.part);
  image.eeprom[3] = 0x33;
  image.config[1] = 0x02;
  EXPECT_TRUE(ProgramDataPic18(rig.session, image).ok);
  EXPECT_TRUE(ProgramConfigPic18(rig.session, image).ok);
  EXPECT_EQ(rig.chip().memory().eeprom[3], 0x33);
  EXPECT_EQ(rig.chip().memory().config[1], 0x02);
  EXPECT_EQ(rig.chip().memory().program[0], 0x12);
}

}  // namespace
}  // namespace lpt::pic18test
