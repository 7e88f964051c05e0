#include <gtest/gtest.h>

#include <set>
#include <string>

#include "devices/catalogue.h"
#include "devices/family.h"

namespace lpt {
namespace {

TEST(CatalogueSelfCheck, EveryRowIsConsistent) {
  std::set<std::string_view> seen;
  for (const CatalogueRow& row : CatalogueRows()) {
    const FamilyTraits* family = FindFamily(row.familyCode);
    for (std::string_view name : row.names) {
      SCOPED_TRACE(std::string(name));
      EXPECT_TRUE(seen.insert(name).second) << "name appears twice";
      ASSERT_NE(family, nullptr) << "unknown family " << row.familyCode;
      const unsigned wordMask = family->word12 ? 0x0FFF : 0x3FFF;
      EXPECT_EQ(row.configMask & ~wordMask, 0u) << "mask wider than the word";
      EXPECT_GT(row.programRows, 0);
      EXPECT_EQ(row.dataRows > 0, family->dataEeprom) << "data rows disagree with the family";
      EXPECT_EQ(FindDevice(name), &row);
    }
  }
  EXPECT_EQ(seen.size(), 78u);
}

}  // namespace
}  // namespace lpt
