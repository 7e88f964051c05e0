#include <gtest/gtest.h>

#include <set>
#include <string>

#include "devices/capabilities.h"
#include "devices/catalogue.h"
#include "devices/family.h"
#include "devices/fuse_layouts.h"

namespace lpt {
namespace {

TEST(CatalogueSelfCheck, EveryRowIsConsistent) {
  std::set<std::string_view> seen;
  for (const CatalogueRow& row : CatalogueRows()) {
    const FamilyTraits* family = FindFamily(row.family);
    for (std::string_view name : row.names) {
      SCOPED_TRACE(std::string(name));
      EXPECT_TRUE(seen.insert(name).second) << "name appears twice";
      ASSERT_NE(family, nullptr) << "unknown family " << row.family;
      const unsigned wordMask = family->word12 ? 0x0FFF : 0x3FFF;
      EXPECT_EQ(row.configMask & ~wordMask, 0u) << "mask wider than the word";
      EXPECT_GT(row.programRows, 0);
      EXPECT_EQ(row.dataRows > 0, family->dataEeprom) << "data rows disagree with the family";
      EXPECT_EQ(FindDevice(name), &row);
    }
  }
  EXPECT_EQ(seen.size(), 82u);
  EXPECT_EQ(CatalogueNames().size(), 82u);
}

// What the window offers must follow from what the chip is: data memory
// only where there is EEPROM, Erase only for electrically erasable parts,
// the "?" panel only where there is an information page.
TEST(CatalogueSelfCheck, CapabilitiesAgreeWithFamilyAndInfoPage) {
  for (const CatalogueRow& row : CatalogueRows()) {
    SCOPED_TRACE(std::string(row.names.front()));
    const FamilyTraits* family = FindFamily(row.family);
    ASSERT_NE(family, nullptr);
    const Capabilities window = CapabilitiesOf(row.layout);
    EXPECT_EQ(window.dataEeprom, family->dataEeprom);
    EXPECT_EQ(window.erase, IsErasable(row.family));
    EXPECT_EQ(window.fuseInfoPage, row.infoPage != 0);
    if (window.programDataOnly) {
      EXPECT_TRUE(window.dataEeprom);
    }
  }
}

// Each layout's switches must own bits the devices using it implement,
// and no bit may belong to two switches (a click on one would change what
// another shows without repainting it).
TEST(CatalogueSelfCheck, FuseLayoutsFitTheirDevices) {
  std::set<FuseLayout> used;
  for (const CatalogueRow& row : CatalogueRows()) {
    SCOPED_TRACE(std::string(row.names.front()) + " layout " +
                 std::to_string(FuseLayoutNumber(row.layout)));
    used.insert(row.layout);
    const FuseLayoutSpec& spec = FuseLayoutOf(row.layout);
    ASSERT_EQ(spec.layout, row.layout) << "layout table out of order";
    EXPECT_LE(spec.SlotCount(), 11) << "slot 12 is never shown";
    // A four-state oscillator switch walks bits 1..0, a toggle only bit 0.
    const bool toggle = spec.osc->step[1] == +1;
    std::uint16_t owned = toggle ? 0x0001 : 0x0003;
    EXPECT_EQ(owned & ~row.configMask, 0) << "oscillator bits not implemented";
    for (const FuseSwitchSpec& sw : spec.switches) {
      SCOPED_TRACE(std::string(sw.setCaption));
      EXPECT_NE(sw.mask, 0);
      EXPECT_EQ(sw.mask & ~row.configMask, 0) << "switch owns an unimplemented bit";
      EXPECT_EQ(sw.mask & owned, 0) << "bit owned twice";
      EXPECT_NE(sw.setCaption, sw.clearCaption);
      owned |= sw.mask;
    }
  }
  EXPECT_EQ(used.size(), static_cast<std::size_t>(kFuseLayoutCount)) << "a layout no device uses";
}

TEST(CatalogueSelfCheck, FamilyTraitsAreWhereTheCatalogueNeedsThem) {
  std::set<Family> codes;
  for (const CatalogueRow& row : CatalogueRows()) codes.insert(row.family);
  std::set<Family> families;
  for (const FamilyTraits& f : AllFamilies()) families.insert(f.family);
  EXPECT_EQ(codes, families) << "a family without devices or a device without a family";
  EXPECT_EQ(FindFamily(Family::None), nullptr);
  EXPECT_FALSE(IsWord12Family(Family::None));
  EXPECT_FALSE(HasDataEeprom(Family{99}));
  EXPECT_FALSE(IsErasable(Family::None)) << "an unknown family must not offer Erase";
}

}  // namespace
}  // namespace lpt
