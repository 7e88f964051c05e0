// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/clear_area.h"

#include <algorithm>

#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt {
namespace {

// Steps 1 and 2 of "Ok" for one field: every character a hex digit, then
// padded on the left to four characters (an empty field becomes "0000").
bool CheckAndPad(std::string& field) {
  if (field.size() > kClearAreaFieldLength) return false;
  for (char c : field)
    if (!IsHexDigit(c)) return false;
  field = PadLeftZeros(field, kClearAreaFieldLength);
  return true;
}

}  // namespace

ClearAreaFields InitialClearAreaFields(const ActiveDevice& device) {
  const int lastAddress = std::max(device.programRows * 8 - 1, 0);
  return {"0", ToHex(static_cast<std::uint32_t>(lastAddress), 4)};
}

ClearAreaResult ApplyClearArea(ClearAreaFields& fields, const ActiveDevice& device,
                               EditBuffers& buffers) {
  ClearAreaResult result;
  if (!CheckAndPad(fields.start) || !CheckAndPad(fields.end)) {
    result.message = kHexOnlyMessage;
    return result;
  }
  const int start = HexWordValue(fields.start);
  const int end = HexWordValue(fields.end);
  const int last = std::max(device.programRows * 8 - 1, 0);
  // A range the user did not mean is refused with its reason: a typo
  // that cleared nothing, or only part of what was typed, went unnoticed.
  const auto hex = [](int value) { return ToHex(static_cast<std::uint32_t>(value), 4) + "h"; };
  if (end > last) {
    result.message = "End address " + hex(end) + " is past the last address " + hex(last) + ".";
    return result;
  }
  if (start > end) {
    result.message = "Start address " + hex(start) + " is after end address " + hex(end) + ".";
    return result;
  }
  const std::string zero(static_cast<std::size_t>(ProgramDigits(device.family)), '0');
  const int words = buffers.ProgramRows() * 8;
  for (int a = start; a <= end && a < words; ++a) {
    buffers.ProgramWord(a) = zero;
    ++result.cleared;
  }
  result.ok = true;
  return result;
}

}  // namespace lpt
