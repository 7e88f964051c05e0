// The fuse information pages: fixed explanation lines for the settings of
// a device's configuration word that a switch caption cannot tell. Which
// page a device has is its catalogue InfoPage; page 28 also depends on the
// device name (12F629/675 speaks of GP pins, 16F630/676 of RA pins).
#pragma once

#include <string_view>
#include <vector>

namespace lpt {

// Lines of the information dialog (it has this many labels).
inline constexpr int kInfoLabelCount = 18;

// The separator line of the pages: 39 hyphen-minus characters.
inline constexpr std::string_view kInfoSeparator = "---------------------------------------";

// The lines of page `infoPage` for `deviceName`, in label order; empty for
// page 0 and for any number that has no page.
std::vector<std::string_view> InfoPageLines(int infoPage, std::string_view deviceName);

// Page numbers that have text (for checks over the whole table).
std::vector<int> InfoPageNumbers();

}  // namespace lpt
