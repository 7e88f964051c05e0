// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "devices/capabilities.h"
#include "support/device_buffers.h"

namespace lpt {
namespace {

using Rig = testing_buffers::DeviceBuffers;

// Every cell of both grids, for "nothing else changed" comparisons.
bool EveryProgramCellIs(const EditBuffers& b, const std::string& text) {
  for (int a = 0; a < b.ProgramRows() * 8; ++a)
    if (b.ProgramWord(a) != text) return false;
  return true;
}

TEST(DeviceSetup, UnknownOrWrongCaseNamesFallBackTo16F84) {
  for (std::string_view name : {"16f84", "", "PIC16F84", "16F84 ", "18F452"}) {
    SCOPED_TRACE(std::string(name));
    Rig s(name);
    EXPECT_EQ(s.device.name, "16F84");
    EXPECT_EQ(FamilyNumber(s.device.family), 1);
    EXPECT_EQ(s.device.programRows, 128);
    EXPECT_EQ(s.device.dataRows, 8);
    EXPECT_EQ(s.device.configMask, 0x3FFF);
    EXPECT_EQ(s.device.fuseLayout, FuseLayout::Pic16F84);
    EXPECT_EQ(s.device.infoPage, InfoPage::None);
    EXPECT_EQ(s.device.record, FindDevice("16F84"));
  }
}

TEST(DeviceSetup, RowsAndBlankCellsFollowTheDevice) {
  struct Case {
    const char* name;
    int family, programRows, dataRows;
    const char* blank;
    const char* lastLabel;
  };
  for (const Case& c :
       {Case{"16F877A", 30, 1024, 32, "3FFF", "1FF8"}, Case{"16C505", 21, 128, 0, "FFF", "3F8"},
        Case{"16F877", 27, 1024, 32, "3FFF", "1FF8"}, Case{"12C508", 20, 64, 0, "FFF", "1F8"},
        Case{"16F83", 1, 64, 8, "3FFF", "1F8"}}) {
    SCOPED_TRACE(c.name);
    Rig s(c.name);
    EXPECT_EQ(s.device.name, c.name);
    EXPECT_EQ(FamilyNumber(s.device.family), c.family);
    EXPECT_EQ(s.buffers.ProgramRows(), c.programRows);
    EXPECT_TRUE(EveryProgramCellIs(s.buffers, c.blank));
    EXPECT_EQ(EditBuffers::ProgramAddressLabel(c.programRows - 1), c.lastLabel);
    // A device without EEPROM keeps one data row that belongs to no memory.
    EXPECT_EQ(s.buffers.DataGridRows(), c.dataRows > 0 ? c.dataRows : 1);
    if (c.dataRows > 0) {
      for (int a = 0; a < c.dataRows * 8; ++a) ASSERT_EQ(s.buffers.DataByte(a), "FF") << a;
    }
  }
}

TEST(DeviceSetup, ProgramAndDataAddressLabels) {
  EXPECT_EQ(EditBuffers::ProgramAddressLabel(0), "000");
  EXPECT_EQ(EditBuffers::ProgramAddressLabel(1), "008");
  EXPECT_EQ(EditBuffers::ProgramAddressLabel(511), "FF8");
  EXPECT_EQ(EditBuffers::ProgramAddressLabel(512), "1000");
  EXPECT_EQ(EditBuffers::DataAddressLabel(0), "00");
  EXPECT_EQ(EditBuffers::DataAddressLabel(31), "F8");
}

TEST(DeviceSetup, SharedRowNamesGiveIdenticalSetups) {
  Rig a("12F629/675");
  Rig b("16F630/676");
  EXPECT_EQ(a.device.name, "12F629/675");
  EXPECT_EQ(b.device.name, "16F630/676");
  EXPECT_EQ(a.device.family, b.device.family);
  EXPECT_EQ(a.device.programRows, b.device.programRows);
  EXPECT_EQ(a.device.dataRows, b.device.dataRows);
  EXPECT_EQ(a.device.configMask, 0x01FF);
  EXPECT_EQ(a.device.configMask, b.device.configMask);
  EXPECT_EQ(a.device.fuseLayout, b.device.fuseLayout);
  EXPECT_EQ(InfoPageNumber(a.device.infoPage), InfoPageNumber(b.device.infoPage));
}

TEST(DeviceSetup, DeviceChangeKeepsIdAndBlanksEverythingElse) {
  Rig s("16F84");
  s.buffers.SetIdDigits("12AB");
  s.buffers.FuseWord = 0x0005;
  s.buffers.ProgramWord(3) = "2805";
  s.buffers.DataByte(0) = "05";
  SetUpDevice(s.device, s.buffers, "16F628");
  EXPECT_EQ(s.buffers.IdDigits(), "12AB");
  EXPECT_EQ(s.buffers.FuseWord, 0x3FFF);
  EXPECT_EQ(s.buffers.ProgramWord(3), "3FFF");
  EXPECT_EQ(s.buffers.DataByte(0), "FF");
  EXPECT_EQ(s.buffers.ProgramRows(), 256);
  EXPECT_EQ(s.buffers.DataGridRows(), 16);
  EXPECT_EQ(s.device.configMask, 0x3DFF);
  EXPECT_EQ(InfoPageNumber(s.device.infoPage), 17);
}

// The mask and page are reset before the row is applied: a device without
// its own page must not inherit the previous one.
TEST(DeviceSetup, MaskAndPageDoNotLeakFromThePreviousDevice) {
  Rig s("16F877A");
  SetUpDevice(s.device, s.buffers, "16F84");
  EXPECT_EQ(s.device.configMask, 0x3FFF);
  EXPECT_EQ(s.device.infoPage, InfoPage::None);
}

TEST(DeviceSetup, CapabilitiesFollowTheLayout) {
  struct Case {
    const char* name;
    Capabilities expected;
  };
  for (const Case& c : {
           Case{"16F84", {true, true, true, true, false}},
           Case{"16C84", {true, true, true, true, false}},
           Case{"16C61", {false, false, false, true, false}},
           Case{"16C62", {false, false, false, true, true}},
           Case{"12C508", {false, false, false, true, true}},
           Case{"14C000", {false, false, false, true, true}},
           Case{"16F628", {true, true, true, true, true}},
           Case{"16F877", {true, true, true, true, true}},
           Case{"16F877A", {true, true, true, true, true}},
           Case{"12F629/675", {true, true, false, false, true}},
           Case{"16F628A", {true, true, false, false, true}},
       }) {
    SCOPED_TRACE(c.name);
    Rig s(c.name);
    const Capabilities w = CapabilitiesOf(s.device.fuseLayout);
    EXPECT_EQ(w.dataEeprom, c.expected.dataEeprom);
    EXPECT_EQ(w.programDataOnly, c.expected.programDataOnly);
    EXPECT_EQ(w.erase, c.expected.erase);
    EXPECT_EQ(w.programFusesOnly, c.expected.programFusesOnly);
    EXPECT_EQ(w.fuseInfoPage, c.expected.fuseInfoPage);
  }
}

}  // namespace
}  // namespace lpt
