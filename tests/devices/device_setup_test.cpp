#include <gtest/gtest.h>

#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "devices/window_layout.h"
#include "support/device_buffers.h"

namespace lpt {
namespace {

using SetUpDevice = testing_buffers::DeviceBuffers;

// Every cell of both grids, for "nothing else changed" comparisons.
bool EveryProgramCellIs(const EditBuffers& b, const std::string& text) {
  for (int a = 0; a < b.ProgramRows() * 8; ++a)
    if (b.ProgramWord(a) != text) return false;
  return true;
}

TEST(DeviceSetup, UnknownOrWrongCaseNamesFallBackTo16F84) {
  for (std::string_view name : {"16f84", "", "PIC16F84", "16F84 ", "18F452"}) {
    SCOPED_TRACE(std::string(name));
    SetUpDevice s(name);
    EXPECT_EQ(s.device.DeviceName, "16F84");
    EXPECT_EQ(s.device.FamilyCode, 1);
    EXPECT_EQ(s.device.ProgramRows, 128);
    EXPECT_EQ(s.device.DataRows, 8);
    EXPECT_EQ(s.device.ConfigMask, 0x3FFF);
    EXPECT_EQ(s.device.FuseLayout, Layout::Plocha_1);
    EXPECT_EQ(s.device.InfoPage, 0);
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
    SetUpDevice s(c.name);
    EXPECT_EQ(s.device.DeviceName, c.name);
    EXPECT_EQ(s.device.FamilyCode, c.family);
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
  SetUpDevice a("12F629/675");
  SetUpDevice b("16F630/676");
  EXPECT_EQ(a.device.DeviceName, "12F629/675");
  EXPECT_EQ(b.device.DeviceName, "16F630/676");
  EXPECT_EQ(a.device.FamilyCode, b.device.FamilyCode);
  EXPECT_EQ(a.device.ProgramRows, b.device.ProgramRows);
  EXPECT_EQ(a.device.DataRows, b.device.DataRows);
  EXPECT_EQ(a.device.ConfigMask, 0x01FF);
  EXPECT_EQ(a.device.ConfigMask, b.device.ConfigMask);
  EXPECT_EQ(a.device.FuseLayout, b.device.FuseLayout);
  EXPECT_EQ(a.device.InfoPage, b.device.InfoPage);
}

TEST(DeviceSetup, DeviceChangeKeepsIdAndBlanksEverythingElse) {
  SetUpDevice s("16F84");
  s.buffers.SetIdDigits("12AB");
  s.buffers.FuseWord = 0x0005;
  s.buffers.ProgramWord(3) = "2805";
  s.buffers.DataByte(0) = "05";
  InicChip(s.device, s.buffers, "16F628");
  EXPECT_EQ(s.buffers.IdCaption, "   ID:  12AB");
  EXPECT_EQ(s.buffers.FuseWord, 0x3FFF);
  EXPECT_EQ(s.buffers.ProgramWord(3), "3FFF");
  EXPECT_EQ(s.buffers.DataByte(0), "FF");
  EXPECT_EQ(s.buffers.ProgramRows(), 256);
  EXPECT_EQ(s.buffers.DataGridRows(), 16);
  EXPECT_EQ(s.device.ConfigMask, 0x3DFF);
  EXPECT_EQ(s.device.InfoPage, 17);
}

// The mask and page are reset before the row is applied: a device without
// its own page must not inherit the previous one.
TEST(DeviceSetup, MaskAndPageDoNotLeakFromThePreviousDevice) {
  SetUpDevice s("16F877A");
  InicChip(s.device, s.buffers, "16F84");
  EXPECT_EQ(s.device.ConfigMask, 0x3FFF);
  EXPECT_EQ(s.device.InfoPage, 0);
}

TEST(DeviceSetup, WindowControlsFollowTheLayout) {
  struct Case {
    const char* name;
    WindowLayout expected;
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
           Case{"12F629/675", {true, false, true, false, true}},
           Case{"16F628A", {true, false, true, false, true}},
       }) {
    SCOPED_TRACE(c.name);
    SetUpDevice s(c.name);
    const WindowLayout w = WindowLayoutOf(s.device.FuseLayout);
    EXPECT_EQ(w.dataGroupShown, c.expected.dataGroupShown);
    EXPECT_EQ(w.programDataEnabled, c.expected.programDataEnabled);
    EXPECT_EQ(w.eraseShown, c.expected.eraseShown);
    EXPECT_EQ(w.fusesShown, c.expected.fusesShown);
    EXPECT_EQ(w.infoPanelShown, c.expected.infoPanelShown);
  }
}

}  // namespace
}  // namespace lpt
