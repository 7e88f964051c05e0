// SPDX-License-Identifier: GPL-2.0-or-later
// The fuse information pages: fixed explanation lines for the settings of
// a part's configuration word that a switch caption cannot tell. Each part's
// record names its page.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lpt {

// An information page, named after the parts it explains.
enum class InfoPage : std::uint8_t {
  None,                 // no page: the window hides its "?" panel
  CodeProtectQuarters,  // the 16C6x/7x CP0/CP1 pair protecting quarters of memory
  Pic16C620,            // 16C620, 16CE623
  Pic16C621,            // 16C621, 16CE624
  Pic16C71x,            // 16C710/711
  Pic16C77x,            // 16C773/774: brown-out voltages
  Pic16C7x5,            // 16C745/765: USB oscillator modes
  Pic16C925,
  Pic16C926,
  Pic12C50x,
  Pic16C505,
  Pic16C554,
  Pic16C556,
  Pic12C67x,
  Pic14C000,
  Pic16F627,
  Pic16F628,
  Pic16F87x2K,   // 16F870/871/872
  Pic16F87x4K,   // 16F873/874
  Pic16F87x8K,   // 16F876/877
  Pic12F629,     // 12F629/675: GP pins
  Pic16F630,     // 16F630/676: the same settings on RA pins
  Pic16F87xA8K,  // 16F876A/877A
  Pic16F87xA4K,  // 16F873A/874A
  Pic16F62xA,    // 16F627A/628A/648A
  Pic16F88,      // 16F87/88
  Pic16F88x,     // 16F882 to 16F887
  Pic16F7x7,     // 16F737 to 16F777
  Pic12F683,     // 12F683, 16F684 to 16F690, 16F631/677
  Pic12F635,     // 12F635, 16F636/639
  Pic16F91x,     // 16F913 to 16F946
  Pic12F609,     // 12F609/615, 16F610/616 and the HV twins
  Pic12F617,     // 12F617
};

// The page's number as `lptpic-cli devices` prints it (the 12F629 and
// 16F630 pages share 28); 0 for None.
int InfoPageNumber(InfoPage page);

// The separator line of the pages: 39 hyphen-minus characters.
inline constexpr std::string_view kInfoSeparator = "---------------------------------------";

// The lines of a page in order; empty for None and for a value outside the
// enumeration.
std::vector<std::string_view> InfoPageLines(InfoPage page);

// Whether the value names a page of the table (for the catalogue's self-check).
bool IsKnownInfoPage(InfoPage page);

}  // namespace lpt
