// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/clear_area.h"

#include <gtest/gtest.h>

#include <string>

#include "buffers/edit_buffers.h"
#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt {
namespace {

class ClearArea : public ::testing::Test {
 protected:
  void Select(std::string_view name) {
    SetUpDevice(device_, buffers_, name);
    // Distinct, non-blank words, so a wrongly cleared or skipped cell shows.
    for (int a = 0; a < buffers_.ProgramRows() * 8; ++a) buffers_.ProgramWord(a) = Marker(a);
  }
  std::string Marker(int a) const {
    if (IsWord12Family(device_.family))
      return ToHex(static_cast<std::uint32_t>(a % 0xFFE) + 1, 3);  // never "000"
    return "1" + ToHex(static_cast<std::uint32_t>(a % 0x1000), 3);
  }
  // Addresses that hold the zero word; every other cell must keep its marker.
  void ExpectCleared(int first, int last, const std::string& zero) {
    for (int a = 0; a < buffers_.ProgramRows() * 8; ++a) {
      const bool inside = a >= first && a <= last;
      ASSERT_EQ(buffers_.ProgramWord(a), inside ? zero : Marker(a)) << "address " << a;
    }
  }
  ActiveDevice device_;
  EditBuffers buffers_;
};

TEST_F(ClearArea, InitialFieldsShowZeroAndTheLastAddress) {
  struct Case {
    const char* name;
    const char* end;
  };
  for (const Case& c : {Case{"16F84", "03FF"}, Case{"16F83", "01FF"}, Case{"12C508", "01FF"},
                        Case{"16F877", "1FFF"}}) {
    SCOPED_TRACE(c.name);
    SetUpDevice(device_, buffers_, c.name);
    const ClearAreaFields f = InitialClearAreaFields(device_);
    EXPECT_EQ(f.start, "0");
    EXPECT_EQ(f.end, c.end);
  }
}

TEST_F(ClearArea, ClearsRowsTwoAndThreeOf16F84AndPadsTheFields) {
  Select("16F84");
  ClearAreaFields f{"10", "1F"};
  const ClearAreaResult r = ApplyClearArea(f, device_, buffers_);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.cleared, 16);
  EXPECT_EQ(f.start, "0010");
  EXPECT_EQ(f.end, "001F");
  ExpectCleared(0x10, 0x1F, "0000");
}

TEST_F(ClearArea, RangesAtTheEdges) {
  struct Case {
    const char* start;
    const char* end;
    int first, last;  // cleared addresses (last < first: none)
  };
  for (const Case& c : {
           Case{"A", "A", 0xA, 0xA},          // typed "a", upper-cased by the dialog
           Case{"", "", 0, 0},                // empty fields mean 0000
           Case{"3F0", "3FF", 0x3F0, 0x3FF},  // up to the last word
           Case{"0", "03FF", 0, 0x3FF},       // the dialog's initial range
       }) {
    SCOPED_TRACE(std::string(c.start) + ".." + c.end);
    Select("16F84");
    ClearAreaFields f{c.start, c.end};
    const ClearAreaResult r = ApplyClearArea(f, device_, buffers_);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.cleared, c.last >= c.first ? c.last - c.first + 1 : 0);
    EXPECT_EQ(f.start.size(), 4u);
    ExpectCleared(c.first, c.last, "0000");
  }
}

// A 16F84 has 1024 words, 0000h to 03FFh (datasheet memory map).
TEST_F(ClearArea, RangesOutsideTheDeviceAreRefusedWithTheReason) {
  struct Case {
    const char* start;
    const char* end;
    const char* message;
  };
  for (const Case& c : {
           Case{"20", "10", "Start address 0020h is after end address 0010h."},
           Case{"3F0", "FFFF", "End address FFFFh is past the last address 03FFh."},
           Case{"0", "400", "End address 0400h is past the last address 03FFh."},
           Case{"400", "400", "End address 0400h is past the last address 03FFh."},
       }) {
    SCOPED_TRACE(std::string(c.start) + ".." + c.end);
    Select("16F84");
    ClearAreaFields f{c.start, c.end};
    const ClearAreaResult r = ApplyClearArea(f, device_, buffers_);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.cleared, 0);
    ExpectCleared(1, 0, "0000");
  }
}

TEST_F(ClearArea, TwelveBitWordsBecomeThreeZeros) {
  Select("12C508");
  ClearAreaFields f{"0", "7"};
  ASSERT_TRUE(ApplyClearArea(f, device_, buffers_).ok);
  ExpectCleared(0, 7, "000");
}

TEST_F(ClearArea, BadCharacterClearsNothingAndKeepsTheFields) {
  struct Case {
    const char* start;
    const char* end;
    const char* startAfter;  // a valid start is already padded
  };
  for (const Case& c :
       {Case{"1G", "20", "1G"}, Case{"a", "20", "a"}, Case{"10", "2 0", "0010"},
        Case{"10", "-1", "0010"}, Case{"10", "12345", "0010"}, Case{"0 ", "1", "0 "}}) {
    SCOPED_TRACE(std::string(c.start) + ".." + c.end);
    Select("16F84");
    ClearAreaFields f{c.start, c.end};
    const ClearAreaResult r = ApplyClearArea(f, device_, buffers_);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "You can write only A..F, 0..9");
    EXPECT_EQ(r.cleared, 0);
    EXPECT_EQ(f.start, c.startAfter);
    EXPECT_EQ(f.end, c.end);
    ExpectCleared(1, 0, "0000");
  }
}

TEST_F(ClearArea, NeverTouchesDataFusesOrId) {
  Select("16F84");
  buffers_.DataByte(0) = "12";
  buffers_.FuseWord = 0x0005;
  buffers_.SetIdDigits("ABCD");
  ClearAreaFields f{"0", "3FF"};
  ASSERT_TRUE(ApplyClearArea(f, device_, buffers_).ok);
  EXPECT_EQ(buffers_.DataByte(0), "12");
  EXPECT_EQ(buffers_.FuseWord, 0x0005);
  EXPECT_EQ(buffers_.IdDigits(), "ABCD");
}

}  // namespace
}  // namespace lpt
