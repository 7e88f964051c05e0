// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's self-check: the real table passes it, and each kind of
// faulty record is reported with its name.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "devices/capabilities.h"
#include "devices/catalogue.h"
#include "devices/family.h"
#include "devices/fuse_layouts.h"

namespace lpt {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(CatalogueSelfCheck, TheCatalogueIsSound) {
  const std::vector<std::string> problems = CatalogueProblems(AllDevices());
  EXPECT_TRUE(problems.empty()) << Joined(problems);
}

// A sound 16F628 and a sound 16C62 record, each broken one way; the report
// must name the record and say what is wrong.
TEST(CatalogueSelfCheck, EachFaultNamesTheRecord) {
  const DeviceRecord flash = *FindDevice("16F628");
  const DeviceRecord eprom = *FindDevice("16C62");
  struct Case {
    const char* fault;
    const DeviceRecord& base;
    std::function<void(DeviceRecord&)> edit;
    const char* expected;
  };
  const Case cases[] = {
      {"partial row", flash, [](DeviceRecord& r) { r.programWords = 2044; }, "program words"},
      {"no program", eprom, [](DeviceRecord& r) { r.programWords = 0; }, "program words"},
      {"partial data row", flash, [](DeviceRecord& r) { r.dataBytes = 100; }, "data bytes"},
      {"EEPROM on EPROM", eprom, [](DeviceRecord& r) { r.dataBytes = 64; }, "family"},
      {"no EEPROM", flash, [](DeviceRecord& r) { r.dataBytes = 0; }, "family"},
      {"wide mask", flash, [](DeviceRecord& r) { r.configMasks[0] = 0x7DFF; }, "wider"},
      {"wide second mask", flash, [](DeviceRecord& r) { r.configMasks[1] = 0x4000; }, "wider"},
      {"12-bit wide mask", *FindDevice("12C508"),
       [](DeviceRecord& r) { r.configMasks[0] = 0x101F; }, "wider"},
      {"no family", flash, [](DeviceRecord& r) { r.family = Family::None; }, "unknown family"},
      {"no layout", flash, [](DeviceRecord& r) { r.fuseLayout = FuseLayout{99}; }, "fuse layout"},
      {"no page", flash, [](DeviceRecord& r) { r.infoPage = InfoPage{99}; }, "information page"},
      {"no package", flash, [](DeviceRecord& r) { r.package = Package{99}; }, "package"},
      {"no wiring", eprom, [](DeviceRecord& r) { r.wiring = Wiring{9}; }, "wiring"},
      {"unseated", eprom, [](DeviceRecord& r) { r.package = Package::Plcc68; }, "socket"},
      {"switch bits missing", flash, [](DeviceRecord& r) { r.configMasks[0] = 0x01FF; },
       "CP0: OFF"},
      {"oscillator bits missing", eprom, [](DeviceRecord& r) { r.configMasks[0] = 0x003E; },
       "oscillator"},
      {"Erase on EPROM", eprom, [](DeviceRecord& r) { r.fuseLayout = FuseLayout::Pic16F84; },
       "Erase"},
      {"page the layout hides", eprom, [](DeviceRecord& r) { r.infoPage = InfoPage::None; },
       "information page"},
      {"ID without mask", eprom, [](DeviceRecord& r) { r.deviceIds[0] = 0x0560; }, "ID mask"},
      {"mask without ID", flash, [](DeviceRecord& r) { r.deviceIds[0] = 0; }, "device ID"},
      {"ID outside mask", flash, [](DeviceRecord& r) { r.deviceIds[0] = 0x07C3; }, "outside"},
      {"second ID", flash, [](DeviceRecord& r) { r.deviceIds[1] = 0x07A0; }, "second device ID"},
      {"ID on 12-bit", *FindDevice("12C508"),
       [](DeviceRecord& r) {
         r.deviceIds[0] = 0x0800;
         r.deviceIdMask = 0x3FE0;
       },
       "12-bit"},
      {"half a group", flash, [](DeviceRecord& r) { r.partNames[0] = "16F628X"; }, "group"},
      {"no name", flash, [](DeviceRecord& r) { r.name = ""; }, "empty name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    DeviceRecord broken = c.base;
    c.edit(broken);
    const std::vector<DeviceRecord> table{broken};
    const std::string report = Joined(CatalogueProblems(table));
    EXPECT_NE(report.find(std::string(broken.name.empty() ? "without a name" : broken.name)),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(c.expected), std::string::npos) << report;
  }
  // Alone, each base record is sound, so every report above is its fault's.
  EXPECT_EQ(Joined(CatalogueProblems(std::vector<DeviceRecord>{flash, eprom})), "");
}

TEST(CatalogueSelfCheck, NamesAreUniqueAcrossRecordsAndGroups) {
  const DeviceRecord group = *FindDevice("12F629/675");
  DeviceRecord twin = *FindDevice("16F84");
  const std::vector<DeviceRecord> sameName{twin, twin};
  EXPECT_NE(Joined(CatalogueProblems(sameName)).find("\"16F84\" appears twice"), std::string::npos);
  twin.name = "12F675";  // a part of the group listed again on its own
  const std::string report = Joined(CatalogueProblems(std::vector<DeviceRecord>{group, twin}));
  EXPECT_NE(report.find("\"12F675\" appears twice"), std::string::npos) << report;
}

// Table-wide facts the per-record check cannot see: the layout table is in
// enumeration order and fits its switch slots (the last is never shown),
// and no layout, page or family is left without a part.
TEST(CatalogueSelfCheck, EveryLayoutPageAndFamilyIsInUse) {
  std::set<FuseLayout> layouts;
  std::set<InfoPage> pages;
  std::set<Family> families;
  for (const DeviceRecord& r : AllDevices()) {
    layouts.insert(r.fuseLayout);
    pages.insert(r.infoPage);
    families.insert(r.family);
  }
  for (std::size_t i = 0; i < AllFuseLayouts().size(); ++i) {
    const FuseLayoutSpec& spec = AllFuseLayouts()[i];
    SCOPED_TRACE("layout " + std::to_string(spec.number));
    EXPECT_EQ(static_cast<std::size_t>(spec.layout), i) << "layout table out of order";
    // Parts with more switches than two rows hold (two-word parts, the
    // 12F683 and 16F91x lines) use a third row.
    EXPECT_LE(spec.SlotCount(), 17) << "the last slot is never shown";
    EXPECT_TRUE(layouts.count(spec.layout)) << "a layout no device uses";
    for (const FuseSwitchSpec& sw : spec.switches) EXPECT_NE(sw.setCaption, sw.clearCaption);
  }
  EXPECT_EQ(layouts.size(), static_cast<std::size_t>(kFuseLayoutCount));
  for (int page = 0; IsKnownInfoPage(InfoPage(page)); ++page)
    EXPECT_TRUE(pages.count(InfoPage(page))) << "page " << InfoPageNumber(InfoPage(page));

  std::set<Family> traits;
  for (const FamilyTraits& f : AllFamilies()) traits.insert(f.family);
  EXPECT_EQ(families, traits) << "a family without devices or a device without a family";
  EXPECT_EQ(FindFamily(Family::None), nullptr);
  EXPECT_FALSE(IsWord12Family(Family::None));
  EXPECT_FALSE(HasDataEeprom(Family{99}));
  EXPECT_FALSE(IsErasable(Family::None)) << "an unknown family must not offer Erase";
}

}  // namespace
}  // namespace lpt
