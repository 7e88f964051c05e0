// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/cell_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lpt {
namespace {

constexpr Family kWord14Family = Family{1};
constexpr Family kWord12Family = Family{20};

struct EntryCase {
  const char* typed;
  std::optional<std::string> shown;      // FilterCellEntry
  std::optional<std::string> committed;  // CommitCellEntry
};

void Check(CellFormat format, std::initializer_list<EntryCase> cases) {
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    EXPECT_EQ(FilterCellEntry(c.typed, format), c.shown);
    EXPECT_EQ(CommitCellEntry(c.typed, format), c.committed);
  }
}

const auto kNone = std::nullopt;

TEST(CellEntry, FourteenBitWords) {
  const CellFormat f = ProgramCellFormat(kWord14Family);
  EXPECT_EQ(BlankCellText(f), "3FFF");
  Check(f, {
               {"2805", "2805", "2805"},
               {"3fff", "3FFF", "3FFF"},
               {"a", "A", "000A"},
               {"12", "12", "0012"},
               {"", "", "3FFF"},
               {"4000", kNone, kNone},  // above the blank value
               {"4", "4", "0004"},      // padding keeps the value
               {"FFFF", kNone, kNone},
               {"12345", kNone, kNone},  // wider than the word
               {"12G", kNone, kNone},
               {" 12", kNone, kNone},
               {"0x12", kNone, kNone},
           });
}

TEST(CellEntry, TwelveBitWords) {
  const CellFormat f = ProgramCellFormat(kWord12Family);
  EXPECT_EQ(BlankCellText(f), "FFF");
  Check(f, {
               {"fff", "FFF", "FFF"},
               {"a05", "A05", "A05"},
               {"5", "5", "005"},
               {"", "", "FFF"},
               {"0A05", kNone, kNone},  // four digits do not fit a 12-bit cell
           });
}

TEST(CellEntry, DataBytes) {
  const CellFormat f = DataCellFormat();
  EXPECT_EQ(BlankCellText(f), "FF");
  Check(f, {
               {"ff", "FF", "FF"},
               {"7", "7", "07"},
               {"", "", "FF"},
               {"100", kNone, kNone},
               {"g", kNone, kNone},
           });
}

}  // namespace
}  // namespace lpt
