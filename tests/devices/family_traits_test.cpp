#include <gtest/gtest.h>

#include <set>

#include "devices/family.h"

namespace lpt {
namespace {

std::set<int> CodesWhere(bool (*predicate)(Family)) {
  std::set<int> codes;
  for (const FamilyTraits& f : AllFamilies())
    if (predicate(f.family)) codes.insert(FamilyNumber(f.family));
  return codes;
}

// The sets of families the passes, the protocol and the file code branch
// on, written out once more from the chip makers' facts.
TEST(FamilyTraits, FamilySetsMatchTheChips) {
  EXPECT_EQ(CodesWhere(IsWord12Family), (std::set<int>{20, 21}));
  EXPECT_EQ(CodesWhere(HasDataEeprom), (std::set<int>{1, 25, 27, 28, 30, 40}));
  EXPECT_EQ(CodesWhere(VppBeforeVdd), (std::set<int>{22, 25, 28, 40}));
  EXPECT_EQ(CodesWhere(HasLastWordRule), (std::set<int>{20, 21, 22, 28}));
  EXPECT_EQ(CodesWhere(IsErasable), (std::set<int>{1, 25, 27, 28, 30, 40}));
  EXPECT_EQ(CodesWhere([](Family f) { return FindFamily(f)->fuseEraseReadBack; }),
            (std::set<int>{1, 25, 27}));
}

TEST(FamilyTraits, WordFormOfTheFamily) {
  struct Case {
    int code;
    const char* blank;
    int digits;
    std::uint16_t value;
  };
  for (const Case& c :
       {Case{20, "FFF", 3, 0x0FFF}, Case{21, "FFF", 3, 0x0FFF}, Case{1, "3FFF", 4, 0x3FFF},
        Case{30, "3FFF", 4, 0x3FFF}, Case{0, "3FFF", 4, 0x3FFF}}) {
    SCOPED_TRACE(c.code);
    EXPECT_STREQ(BlankProgramText(Family{c.code}), c.blank);
    EXPECT_EQ(ProgramDigits(Family{c.code}), c.digits);
    EXPECT_EQ(BlankProgramValue(Family{c.code}), c.value);
  }
}

}  // namespace
}  // namespace lpt
