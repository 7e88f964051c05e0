// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/cell_entry.h"

#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt {

CellFormat ProgramCellFormat(Family family) {
  return {ProgramDigits(family), BlankProgramValue(family)};
}

CellFormat DataCellFormat() { return {2, 0xFF}; }

std::string BlankCellText(CellFormat format) { return ToHex(format.blank, format.digits); }

std::optional<std::string> FilterCellEntry(std::string_view text, CellFormat format) {
  std::string upper = UpperCaseAscii(text);
  if (upper.empty()) return upper;
  if (upper.size() > static_cast<std::size_t>(format.digits)) return std::nullopt;
  // Padding on the left keeps the value, so a partial entry above the
  // blank value can never become acceptable: refuse it now.
  const std::optional<std::uint32_t> value = ParseHex(upper);
  if (!value || *value > format.blank) return std::nullopt;
  return upper;
}

std::optional<std::string> CommitCellEntry(std::string_view text, CellFormat format) {
  std::optional<std::string> accepted = FilterCellEntry(text, format);
  if (!accepted) return std::nullopt;
  if (accepted->empty()) return BlankCellText(format);
  return PadLeftZeros(*accepted, static_cast<std::size_t>(format.digits));
}

}  // namespace lpt
