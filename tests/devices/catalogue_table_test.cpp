// The whole catalogue and every fuse layout, field by field, against tables
// transcribed by hand into tests/data/devices. A typo in any row of the
// compiled-in tables names the device or the layout and the field that
// differs. New devices are added by appending a row to catalogue.tsv.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "devices/catalogue.h"
#include "devices/fuse_layouts.h"

namespace lpt {
namespace {

using Fields = std::vector<std::string>;

// Tab-separated rows of a data file; "#" lines are comments. A field in
// double quotes keeps its spaces and loses the quotes.
std::vector<Fields> ReadTable(const std::string& file, std::size_t columns) {
  std::ifstream in(std::string(LPTPIC_TEST_DATA) + "/devices/" + file);
  EXPECT_TRUE(in) << file;
  std::vector<Fields> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    Fields fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) {
      if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
      fields.push_back(field);
    }
    EXPECT_EQ(fields.size(), columns) << file << ": " << line;
    if (fields.size() == columns) rows.push_back(fields);
  }
  return rows;
}

int Hex(const std::string& text) { return static_cast<int>(std::stoul(text, nullptr, 16)); }

std::string LayoutName(FuseLayout layout) { return "L" + std::to_string(FuseLayoutNumber(layout)); }

TEST(CatalogueTable, EveryDeviceFieldByField) {
  const std::vector<Fields> rows = ReadTable("catalogue.tsv", 7);
  std::set<std::string> inFile;
  for (const Fields& f : rows) {
    const std::string& name = f[0];
    EXPECT_TRUE(inFile.insert(name).second) << name << " is listed twice";
    ASSERT_NE(FindDevice(name), nullptr) << name << " is missing from the catalogue";
    ActiveDevice device;
    EditBuffers buffers;
    SetUpDevice(device, buffers, name);
    EXPECT_EQ(device.name, name);
    EXPECT_EQ(FamilyNumber(device.family), std::stoi(f[1])) << name << ": family";
    EXPECT_EQ(device.programRows, std::stoi(f[2])) << name << ": program rows";
    EXPECT_EQ(device.dataRows, std::stoi(f[3])) << name << ": data rows";
    EXPECT_EQ(device.configMask, Hex(f[4])) << name << ": configuration mask";
    EXPECT_EQ(LayoutName(device.fuseLayout), f[5]) << name << ": fuse layout";
    EXPECT_EQ(device.infoPage, std::stoi(f[6])) << name << ": info page";
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
  std::map<std::string, std::vector<Fields>> byLayout;
  for (const Fields& f : ReadTable("fuse_switches.tsv", 6)) byLayout[f[0]].push_back(f);
  for (const FuseLayoutSpec& spec : AllFuseLayouts()) {
    const std::string name = LayoutName(spec.layout);
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
