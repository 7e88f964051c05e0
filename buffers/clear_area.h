// SPDX-License-Identifier: GPL-2.0-or-later
// Edit > "Clear &Area" without the widgets: the two address fields of the
// dialog ClearAreaDialog, their check and padding, and the clearing of a range of
// program words to zero (not to blank). The dialog upper-cases typing and
// limits each field to four characters; everything else is decided here.
#pragma once

#include <cstddef>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt {

inline constexpr const char* kHexOnlyMessage = "You can write only A..F, 0..9";
inline constexpr std::size_t kClearAreaFieldLength = 4;

// The texts of the two entry fields, as the dialog shows them.
struct ClearAreaFields {
  std::string start;
  std::string end;
};

// On opening: start "0", end the last program address, 8 * ProgramRows - 1,
// as four upper-case hex digits ("03FF" for 1024 words).
ClearAreaFields InitialClearAreaFields(const ActiveDevice& device);

struct ClearAreaResult {
  bool ok = false;      // false: show `message`, keep the dialog open
  std::string message;  // kHexOnlyMessage when a field holds a non-digit
  int cleared = 0;      // cells set to zero
};

// "Ok": checks the start field and pads it to four digits (shown in the
// field), then the same for the end field, then sets every program word
// with start <= address <= end to "0000" ("000" for 12-bit words). An
// end past the last program address or a start above the end is refused
// with a message naming both addresses, and nothing is cleared. On a bad
// character the fields keep what has been done to them so
// far (a valid start is already padded) and no cell changes. A field
// longer than four characters, which the dialog cannot produce, is
// refused with the same message rather than read as its first four
// digits, which would clear a range the user never typed.
ClearAreaResult ApplyClearArea(ClearAreaFields& fields, const ActiveDevice& device,
                               EditBuffers& buffers);

}  // namespace lpt
