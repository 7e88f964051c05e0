// SPDX-License-Identifier: GPL-2.0-or-later
// What the user may type into a word or byte cell of the grids. Every
// consumer reads a cell by character position and expects upper-case hex
// digits of the word width, so typing is held to exactly that: hex digits
// only (letters upper-cased as typed), at most the width, and no value
// above the blank value (a 14-bit word cannot hold 4000h). A short entry
// is padded on the left with '0' when it is committed and an empty one
// becomes the blank value, so no cell is ever left short or empty.
// Text placed by a HEX file or a chip read never passes through here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "devices/family.h"

namespace lpt {

struct CellFormat {
  int digits;           // 3 (12-bit word), 4 (14-bit word) or 2 (data byte)
  std::uint16_t blank;  // FFFh, 3FFFh or FFh: also the largest value
};

// Program-word cells of the family: 3 digits / FFFh or 4 digits / 3FFFh.
CellFormat ProgramCellFormat(Family family);
// Data-EEPROM cells: 2 digits / FFh.
CellFormat DataCellFormat();

// Blank text of the format: "FFF", "3FFF" or "FF".
std::string BlankCellText(CellFormat format);

// Per keystroke: the text the editor should show (upper-cased) when the
// partial entry is acceptable, nullopt when the keystroke must be refused.
// The empty text is acceptable (it commits as blank).
std::optional<std::string> FilterCellEntry(std::string_view text, CellFormat format);

// On leaving the editor: the text to store in the cell, padded on the left
// with '0' to the width ("5" -> "0005"), "" -> blank; nullopt when the
// text is not acceptable (the editor then keeps the old cell text).
std::optional<std::string> CommitCellEntry(std::string_view text, CellFormat format);

}  // namespace lpt
