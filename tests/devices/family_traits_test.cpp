// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "devices/family.h"

namespace lpt {
namespace {

using F = Family;

std::set<Family> FamiliesWhere(bool (*predicate)(Family)) {
  std::set<Family> families;
  for (const FamilyTraits& f : AllFamilies())
    if (predicate(f.family)) families.insert(f.family);
  return families;
}

// The sets of families the passes, the protocol and the file code branch
// on, written out once more from the chip makers' facts.
TEST(FamilyTraits, FamilySetsMatchTheChips) {
  // DS41390, DS41439, DS41397: configuration memory at 8000h, low-voltage entry.
  const std::set<Family> enhanced{F::Pic16F1827, F::Pic16F1847, F::Pic16F193x};
  std::set<Family> flashWithEeprom{F::Pic16F84,   F::Pic16F62x,  F::Pic16F87x, F::Pic12F6xx,
                                   F::Pic16F87xA, F::Pic16F62xA, F::Pic16F88,  F::Pic16F88x,
                                   F::Pic12F683,  F::Pic16F91x};
  flashWithEeprom.insert(enhanced.begin(), enhanced.end());
  const std::set<Family> flashWithoutEeprom{F::Pic16F7x, F::Pic16F716, F::Pic16F7x7, F::Pic12F61x};
  const std::set<Family> flash12{F::Pic12F5xx, F::Pic16F5x};
  std::set<Family> erasable = flashWithEeprom;
  erasable.insert(flashWithoutEeprom.begin(), flashWithoutEeprom.end());
  erasable.insert(flash12.begin(), flash12.end());
  EXPECT_EQ(FamiliesWhere(IsWord12Family),
            (std::set<Family>{F::Pic12C50x, F::Pic16C505, F::Pic12F5xx, F::Pic16F5x}));
  EXPECT_EQ(FamiliesWhere(HasDataEeprom), flashWithEeprom);
  EXPECT_EQ(FamiliesWhere(VppBeforeVdd),
            (std::set<Family>{F::Pic12C67x, F::Pic16F62x, F::Pic12F6xx, F::Pic16F62xA, F::Pic16F88x,
                              F::Pic12F683, F::Pic16F91x, F::Pic12F61x}));
  EXPECT_EQ(
      FamiliesWhere(HasLastWordRule),
      (std::set<Family>{F::Pic12C50x, F::Pic16C505, F::Pic12C67x, F::Pic12F6xx, F::Pic12F5xx}));
  EXPECT_EQ(FamiliesWhere(IsErasable), erasable);
  std::set<Family> checksId{F::Pic16F88,  F::Pic16F88x, F::Pic16F7x,  F::Pic16F716,
                            F::Pic16F7x7, F::Pic12F683, F::Pic16F91x, F::Pic12F61x};
  checksId.insert(enhanced.begin(), enhanced.end());
  EXPECT_EQ(FamiliesWhere(ChecksDeviceIdBeforeWriting), checksId);
  EXPECT_EQ(FamiliesWhere(HasLowVoltageEntry), enhanced);
  EXPECT_EQ(FamiliesWhere([](Family f) { return ConfigSpaceAddress(f) == 0x8000; }), enhanced);
  EXPECT_EQ(FamiliesWhere([](Family f) { return DataEepromFileAddress(f) == 0xF000; }), enhanced);
  // THLD0 of DS41228, DS41226 and DS41207: 5 us from Vdd to Vpp.
  EXPECT_EQ(FamiliesWhere([](Family f) { return VddToVppUs(f) == 5; }), flash12);
  EXPECT_EQ(FamiliesWhere([](Family f) { return FindFamily(f)->fuseEraseReadBack; }),
            (std::set<Family>{F::Pic16F84, F::Pic16F62x, F::Pic16F87x}));
}

TEST(FamilyTraits, WordFormOfTheFamily) {
  struct Case {
    Family family;
    const char* blank;
    int digits;
    std::uint16_t value;
  };
  for (const Case& c : {Case{F::Pic12C50x, "FFF", 3, 0x0FFF}, Case{F::Pic16C505, "FFF", 3, 0x0FFF},
                        Case{F::Pic16F84, "3FFF", 4, 0x3FFF},
                        Case{F::Pic16F87xA, "3FFF", 4, 0x3FFF}, Case{F::None, "3FFF", 4, 0x3FFF}}) {
    SCOPED_TRACE(FamilyNumber(c.family));
    EXPECT_STREQ(BlankProgramText(c.family), c.blank);
    EXPECT_EQ(ProgramDigits(c.family), c.digits);
    EXPECT_EQ(BlankProgramValue(c.family), c.value);
  }
}

}  // namespace
}  // namespace lpt
