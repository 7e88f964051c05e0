// SPDX-License-Identifier: GPL-2.0-or-later
// The whole catalogue and every fuse layout, field by field, against tables
// transcribed by hand into tests/data/devices. A typo in any record or
// layout names the device or the layout and the field that differs. New
// devices are added by appending a row to catalogue.tsv.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "devices/catalogue.h"
#include "devices/fuse_layouts.h"
#include "support/data_table.h"

namespace lpt {
namespace {

using testing_data::Fields;
using testing_data::Hex;

std::vector<Fields> ReadTable(const std::string& file, std::size_t columns) {
  return testing_data::ReadTable("devices/" + file, columns);
}

std::string LayoutName(FuseLayout layout) { return "L" + std::to_string(FuseLayoutNumber(layout)); }

// "DIP18", "DIP28 wired 14C000": the package and, for a wired chip, its wiring.
std::string PackageText(const DeviceRecord& r) {
  static const std::map<Package, std::string> kNames{
      {Package::Dip8, "DIP8"},       {Package::Dip14, "DIP14"}, {Package::Dip18, "DIP18"},
      {Package::Dip28, "DIP28"},     {Package::Dip40, "DIP40"}, {Package::Plcc68, "PLCC68"},
      {Package::Sot23_6, "SOT23-6"}, {Package::Dip20, "DIP20"}};
  static const std::map<Wiring, std::string> kWirings{{Wiring::Pic14C000, " wired 14C000"},
                                                      {Wiring::Pic16C92x, " wired 16C92x"},
                                                      {Wiring::IcspCable, " ICSP cable"}};
  std::string text = kNames.count(r.package) ? kNames.at(r.package) : "?";
  if (kWirings.count(r.wiring)) text += kWirings.at(r.wiring);
  return text;
}

// "-", "0E20", or "12F629=0F80 12F675=0FC0" for a group name; "/MASK"
// follows when the revision is not the low five bits.
std::string DeviceIdText(const DeviceRecord& r) {
  if (r.deviceIdMask == 0) return "-";
  std::ostringstream text;
  text << std::hex << std::uppercase;
  for (std::size_t i = 0; i < r.deviceIds.size(); ++i) {
    if (r.deviceIds[i] == 0) continue;
    if (i > 0) text << ' ';
    if (!r.partNames[i].empty()) text << r.partNames[i] << '=';
    text.width(4);
    text.fill('0');
    text << r.deviceIds[i];
  }
  if (r.deviceIdMask != 0x3FE0) text << '/' << r.deviceIdMask;
  return text.str();
}

TEST(CatalogueTable, EveryDeviceFieldByField) {
  const std::vector<Fields> rows = ReadTable("catalogue.tsv", 9);
  std::set<std::string> inFile;
  for (const Fields& f : rows) {
    const std::string& name = f[0];
    EXPECT_TRUE(inFile.insert(name).second) << name << " is listed twice";
    const DeviceRecord* record = FindDevice(name);
    ASSERT_NE(record, nullptr) << name << " is missing from the catalogue";
    ActiveDevice device;
    EditBuffers buffers;
    SetUpDevice(device, buffers, name);
    EXPECT_EQ(device.name, name);
    EXPECT_EQ(device.record, record);
    EXPECT_EQ(FamilyNumber(device.family), std::stoi(f[1])) << name << ": family";
    EXPECT_EQ(device.programRows, std::stoi(f[2])) << name << ": program rows";
    EXPECT_EQ(device.dataRows, std::stoi(f[3])) << name << ": data rows";
    const std::size_t slash = f[4].find('/');
    EXPECT_EQ(device.configMask, Hex(f[4].substr(0, slash))) << name << ": configuration mask";
    EXPECT_EQ(device.secondConfigMask, slash == std::string::npos ? 0 : Hex(f[4].substr(slash + 1)))
        << name << ": second configuration word's mask";
    EXPECT_EQ(LayoutName(device.fuseLayout), f[5]) << name << ": fuse layout";
    EXPECT_EQ(InfoPageNumber(device.infoPage), std::stoi(f[6])) << name << ": info page";
    EXPECT_EQ(PackageText(*record), f[7]) << name << ": package";
    EXPECT_EQ(DeviceIdText(*record), f[8]) << name << ": device ID";
  }
  for (std::string_view name : CatalogueNames())
    EXPECT_TRUE(inFile.count(std::string(name))) << name << " is in the catalogue but not the file";
}

TEST(CatalogueTable, EveryOscillatorSwitch) {
  std::map<std::string, Fields> byLayout;
  for (const Fields& f : ReadTable("fuse_oscillators.tsv", 6)) byLayout[f[0]] = f;
  for (const FuseLayoutSpec& spec : AllFuseLayouts()) {
    const std::string name = LayoutName(spec.layout);
    ASSERT_TRUE(byLayout.count(name)) << name << " has no oscillator row";
    const Fields& f = byLayout[name];
    for (int value = 3; value >= 0; --value)
      EXPECT_EQ(spec.osc->caption[value], f[4 - value]) << name << ": oscillator caption " << value;
    std::stringstream steps(f[5]);
    std::string step;
    for (int i = 0; i < 4 && std::getline(steps, step, ','); ++i)
      EXPECT_EQ(spec.osc->step[i], std::stoi(step)) << name << ": oscillator step " << i;
  }
  EXPECT_EQ(byLayout.size(), AllFuseLayouts().size());
}

TEST(CatalogueTable, EveryTwoStateSwitch) {
  // The second word's switches ("2:n") apart from the first word's.
  std::map<std::string, std::vector<Fields>> byLayout, secondByLayout;
  for (const Fields& f : ReadTable("fuse_switches.tsv", 6))
    (f[1].rfind("2:", 0) == 0 ? secondByLayout : byLayout)[f[0]].push_back(f);
  for (const FuseLayoutSpec& spec : AllFuseLayouts()) {
    const std::string name = LayoutName(spec.layout);
    const std::vector<Fields>& second = secondByLayout[name];
    ASSERT_EQ(spec.secondWord.size(), second.size()) << name << ": second word's switches";
    for (std::size_t i = 0; i < second.size(); ++i) {
      const std::string where = name + " slot " + second[i][1];
      EXPECT_EQ(second[i][1], "2:" + std::to_string(i + 1)) << where << ": slot order";
      EXPECT_EQ(spec.secondWord[i].setCaption, second[i][2]) << where;
      EXPECT_EQ(spec.secondWord[i].clearCaption, second[i][3]) << where;
      EXPECT_EQ(spec.secondWord[i].mask, Hex(second[i][4])) << where << ": mask";
      EXPECT_EQ(spec.secondWord[i].hint, second[i][5]) << where;
    }
    const std::vector<Fields>& rows = byLayout[name];
    ASSERT_EQ(spec.switches.size(), rows.size()) << name << ": number of switches";
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Fields& f = rows[i];
      const FuseSwitchSpec& s = spec.switches[i];
      const std::string where = name + " slot " + f[1];
      EXPECT_EQ(std::stoi(f[1]), static_cast<int>(i) + 2) << where << ": slot order";
      EXPECT_EQ(s.setCaption, f[2]) << where << ": set caption";
      EXPECT_EQ(s.clearCaption, f[3]) << where << ": clear caption";
      EXPECT_EQ(s.mask, Hex(f[4])) << where << ": mask";
      EXPECT_EQ(s.hint, f[5]) << where << ": hint";
    }
  }
  EXPECT_EQ(byLayout.size(), AllFuseLayouts().size());
}

}  // namespace
}  // namespace lpt
