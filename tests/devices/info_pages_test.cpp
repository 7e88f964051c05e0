#include "devices/info_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "devices/catalogue.h"

namespace lpt {
namespace {

// Line count of every page: a block dropped or repeated changes it.
TEST(InfoPages, EveryPageHasItsLineCount) {
  const struct {
    int page;
    std::size_t lines;
  } expected[] = {{1, 4},  {2, 4},  {3, 4},  {4, 2},   {5, 8},   {6, 8},   {7, 4},   {8, 4},
                  {10, 2}, {11, 9}, {12, 4}, {13, 4},  {14, 13}, {15, 6},  {16, 18}, {17, 18},
                  {18, 8}, {19, 8}, {20, 8}, {28, 12}, {30, 10}, {31, 10}, {40, 14}};
  for (const auto& e : expected) {
    EXPECT_EQ(InfoPageLines(e.page, "").size(), e.lines) << "page " << e.page;
  }
  EXPECT_EQ(InfoPageNumbers().size(), std::size(expected));
}

TEST(InfoPages, PagesWithoutTextAreEmpty) {
  for (int page : {0, 9, 21, 29, 32, 41, -1, 1000}) {
    EXPECT_TRUE(InfoPageLines(page, "16F84").empty()) << "page " << page;
  }
}

// Every device the catalogue gives a page shows something that fits the
// dialog's eighteen labels; the pages without a device stay unused.
TEST(InfoPages, EveryCataloguePageExistsAndFits) {
  for (const CatalogueRow& row : CatalogueRows()) {
    for (std::string_view name : row.names) {
      SCOPED_TRACE(std::string(name));
      const auto lines = InfoPageLines(row.infoPage, name);
      EXPECT_EQ(lines.empty(), row.infoPage == 0);
      EXPECT_LE(lines.size(), static_cast<std::size_t>(kInfoLabelCount));
      for (std::string_view line : lines) EXPECT_FALSE(line.empty());
    }
  }
}

TEST(InfoPages, SixteenF628FillsAllLabelsWithSeparatorsInNineAndTwelve) {
  const auto lines = InfoPageLines(FindDevice("16F628")->infoPage, "16F628");
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
  EXPECT_EQ(InfoPageLines(16, "16F627")[13], "CP0=OFF, CP1=ON - 0200h-03FFh code protected");
}

// Page 28 is the only page that depends on the name.
TEST(InfoPages, PageTwentyEightSpeaksOfThePinsOfTheNamedChip) {
  const auto gp = InfoPageLines(28, "12F629/675");
  const auto ra = InfoPageLines(28, "16F630/676");
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
  // Only the exact name selects the RA text.
  EXPECT_EQ(InfoPageLines(28, "16f630/676")[0], gp[0]);
}

// Spacing inside the lines is part of the text.
TEST(InfoPages, SharedBlocksKeepTheirInternalSpacing) {
  const auto quarters = InfoPageLines(1, "16C62");
  EXPECT_EQ(quarters[1], "CP0=ON, CP1=OFF  - Upper 1/2 memory code protected");
  EXPECT_EQ(quarters[3], "CP0=ON, CP1=ON   - All memory is protected");
  const auto bor = InfoPageLines(5, "16C773");
  EXPECT_EQ(bor[0], quarters[0]);
  EXPECT_EQ(bor[7], "BorV0=0,  BorV1=0 -  VBor set to 4,5V");
  const auto mclr = InfoPageLines(10, "12C508");
  ASSERT_EQ(mclr.size(), 2u);
  EXPECT_EQ(mclr[1], "MCLR=In - MCLR internally connected to VDD");
  EXPECT_EQ(InfoPageLines(14, "12C671")[8], "FOSC2=0 FOSC1=0 FOSC0=0 - LP oscillator");
  EXPECT_EQ(InfoPageLines(18, "16F870")[7], "CP0=ON, CP1=ON - 0000h-7FFh - code protected");
  EXPECT_EQ(InfoPageLines(30, "16F877A")[5],
            "WRT0=ON,  WRT1=OFF - 0000h to 00FFh write protected, 0100h to 1FFFh may be modified "
            "by EECON conrol");
  const auto page40 = InfoPageLines(40, "16F628A");
  EXPECT_EQ(page40[3],
            "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/ I/O function on RA6 pin,  I/O "
            "function on RA7 pin");
  EXPECT_EQ(page40[12], "LVP=ON - RB3/PGM pin has PGM function, low voltage programming enabled");
}

}  // namespace
}  // namespace lpt
