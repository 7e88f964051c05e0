// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/info_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "devices/catalogue.h"

namespace lpt {
namespace {

// Line count and printed number of every page, by a part that shows it: a
// block dropped or repeated changes the count.
TEST(InfoPages, EveryPageHasItsLineCount) {
  const struct {
    const char* device;
    int number;
    std::size_t lines;
  } expected[] = {
      {"16C62", 1, 4},        {"16C620", 2, 4},    {"16C621", 3, 4},    {"16C710", 4, 2},
      {"16C773", 5, 8},       {"16C745", 6, 8},    {"16C925", 7, 4},    {"16C926", 8, 4},
      {"12C508", 10, 2},      {"16C505", 11, 9},   {"16C554", 12, 4},   {"16C556", 13, 4},
      {"12C671", 14, 13},     {"14C000", 15, 6},   {"16F627", 16, 18},  {"16F628", 17, 18},
      {"16F870", 18, 8},      {"16F873", 19, 8},   {"16F876", 20, 8},   {"12F629/675", 28, 12},
      {"16F630/676", 28, 12}, {"16F877A", 30, 10}, {"16F873A", 31, 10}, {"16F627A", 40, 14},
      {"12F683", 46, 16},     {"12F635", 47, 18},  {"16F913", 48, 16},  {"12F609", 49, 17},
      {"12F617", 50, 18},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.device);
    const InfoPage page = FindDevice(e.device)->infoPage;
    EXPECT_EQ(InfoPageNumber(page), e.number);
    EXPECT_EQ(InfoPageLines(page).size(), e.lines);
    for (std::string_view line : InfoPageLines(page)) EXPECT_FALSE(line.empty());
  }
}

TEST(InfoPages, NoPageAndUnknownValuesAreEmpty) {
  EXPECT_TRUE(InfoPageLines(InfoPage::None).empty());
  EXPECT_EQ(InfoPageNumber(InfoPage::None), 0);
  EXPECT_EQ(FindDevice("16F84")->infoPage, InfoPage::None);
  for (int value : {99, 255}) {
    EXPECT_TRUE(InfoPageLines(InfoPage(value)).empty()) << value;
    EXPECT_FALSE(IsKnownInfoPage(InfoPage(value))) << value;
  }
}

TEST(InfoPages, SixteenF628FillsAllLabelsWithSeparatorsInNineAndTwelve) {
  const auto lines = InfoPageLines(FindDevice("16F628")->infoPage);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[8], kInfoSeparator);
  EXPECT_EQ(lines[11], kInfoSeparator);
  EXPECT_EQ(kInfoSeparator, std::string(39, '-'));
  EXPECT_EQ(lines[0],
            "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on RA6 pin");
  EXPECT_EQ(lines[9], "MCLR=Ex - MCLR pin enabled");
  EXPECT_EQ(lines[13], "CP0=OFF, CP1=ON - 0200h-07FFh code protected");
  EXPECT_EQ(lines[17], "LVP=OFF - RB3 is digital I/O, HV on MCLR must be used for programming");
  // 16F627 shares the frame but protects a smaller memory.
  EXPECT_EQ(InfoPageLines(InfoPage::Pic16F627)[13], "CP0=OFF, CP1=ON - 0200h-03FFh code protected");
}

// The 12F629/675 and 16F630/676 pages explain the same settings, each on
// its own chip's pins.
TEST(InfoPages, TwelveF629AndSixteenF630PagesSpeakOfTheirOwnPins) {
  const auto gp = InfoPageLines(FindDevice("12F629/675")->infoPage);
  const auto ra = InfoPageLines(FindDevice("16F630/676")->infoPage);
  ASSERT_EQ(gp.size(), 12u);
  ASSERT_EQ(ra.size(), 12u);
  EXPECT_EQ(gp[0], "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on GP4 pin");
  EXPECT_EQ(ra[0], "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on RA4 pin");
  EXPECT_EQ(gp[9], "MCLR=Ex - MCLR pin enabled");
  EXPECT_EQ(ra[9], "MCLR=ON  - MCLR pin is  MCLR function");
  EXPECT_EQ(ra[10],
            "MCLR=OFF - MCLR pin is alternate function, MCLR function is internally disabled");
  for (std::size_t i : {8u, 11u}) {
    EXPECT_EQ(gp[i], kInfoSeparator);
    EXPECT_EQ(ra[i], kInfoSeparator);
  }
}

// Spacing inside the lines is part of the text.
TEST(InfoPages, SharedBlocksKeepTheirInternalSpacing) {
  const auto quarters = InfoPageLines(FindDevice("16C62")->infoPage);
  EXPECT_EQ(quarters[1], "CP0=ON, CP1=OFF  - Upper 1/2 memory code protected");
  EXPECT_EQ(quarters[3], "CP0=ON, CP1=ON   - All memory is protected");
  const auto bor = InfoPageLines(FindDevice("16C773")->infoPage);
  EXPECT_EQ(bor[0], quarters[0]);
  EXPECT_EQ(bor[7], "BorV0=0,  BorV1=0 -  VBor set to 4,5V");
  const auto mclr = InfoPageLines(FindDevice("12C508")->infoPage);
  ASSERT_EQ(mclr.size(), 2u);
  EXPECT_EQ(mclr[1], "MCLR=In - MCLR internally connected to VDD");
  EXPECT_EQ(InfoPageLines(FindDevice("12C671")->infoPage)[8],
            "FOSC2=0 FOSC1=0 FOSC0=0 - LP oscillator");
  EXPECT_EQ(InfoPageLines(FindDevice("16F870")->infoPage)[7],
            "CP0=ON, CP1=ON - 0000h-7FFh - code protected");
  EXPECT_EQ(InfoPageLines(FindDevice("16F877A")->infoPage)[5],
            "WRT0=ON,  WRT1=OFF - 0000h to 00FFh write protected, 0100h to 1FFFh may be modified "
            "by EECON conrol");
  const auto page40 = InfoPageLines(FindDevice("16F628A")->infoPage);
  EXPECT_EQ(page40[3],
            "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/ I/O function on RA6 pin,  I/O "
            "function on RA7 pin");
  EXPECT_EQ(page40[12], "LVP=ON - RB3/PGM pin has PGM function, low voltage programming enabled");
}

}  // namespace
}  // namespace lpt
