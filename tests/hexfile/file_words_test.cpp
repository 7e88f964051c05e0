// SPDX-License-Identifier: GPL-2.0-or-later
// What of a HEX file the selected part cannot take is counted and named,
// and the file's user ID is found, at the addresses gputils' linker scripts
// give (<part>_g.lkr: page, .idlocs, .config, eedata).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hexfile/hex_file.h"
#include "support/hexfile_helpers.h"

namespace lpt {
namespace {

using testing_hex::Chip;

// A data record (or, with type 4, an extended address) holding `bytes` at
// byte address `address`, its checksum worked out.
std::string Rec(unsigned address, const std::vector<unsigned>& bytes, unsigned type = 0) {
  unsigned sum = static_cast<unsigned>(bytes.size()) + (address >> 8) + (address & 0xFF) + type;
  char text[16];
  std::snprintf(text, sizeof text, ":%02X%04X%02X", static_cast<unsigned>(bytes.size()), address,
                type);
  std::string line = text;
  for (unsigned b : bytes) {
    std::snprintf(text, sizeof text, "%02X", b);
    line += text;
    sum += b;
  }
  std::snprintf(text, sizeof text, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
  return line + text;
}

// The ID words 1, 2, 3, 4 (__idlocs 0x1234) at word address `word` (of
// the 64 KB the last extended address record chose).
std::string IdWords(unsigned word) { return Rec(2 * word, {1, 0, 2, 0, 3, 0, 4, 0}); }

constexpr const char* kEnd = ":00000001FF\n";

TEST(FileWords, WordsThePartCannotHoldAreCountedAndNamed) {
  struct Case {
    const char* device;
    std::string text;
    unsigned count;
    const char* warning;  // after "f.hex holds "
    const char* id;       // the file's ID, "" for none
  } cases[] = {
      // 16F882: page 0000h-07FFh; a 16F886 file runs on to 0FFFh.
      {"16F882", Rec(0x0FFE, {0x11, 0x11, 0x22, 0x22, 0x33, 0x33}) + IdWords(0x2000) + kEnd, 2,
       "2 words the 16F882 cannot hold: program memory 0800h-0801h", "1234"},
      // 16F628A: one configuration word (.config 2007h); 2008h is lost.
      {"16F628A", Rec(0x400E, {0xFF, 0x3F, 0xFF, 0x3F}) + kEnd, 1,
       "1 word the 16F628A cannot hold: configuration word 2008h", ""},
      // 12F508: page 0000h-01FFh, .idlocs 0200h-0203h, .config 0FFFh.
      {"12F508", IdWords(0x200) + Rec(0x600, {0x25, 0x0A}) + Rec(0x1FFE, {0xEA, 0x0F}) + kEnd, 1,
       "1 word the 12F508 cannot hold: program memory 0300h", "1234"},
      // 16F1936: pages up to 1FFFh, .idlocs 8000h; a 16F1938 file goes on.
      {"16F1936", Rec(0x3FFE, {0, 0, 1, 0, 2, 0}) + Rec(0, {0x00, 0x01}, 4) + IdWords(0) + kEnd, 2,
       "2 words the 16F1936 cannot hold: program memory 2000h-2001h", "1234"},
      // 16F84: eedata 2100h-213Fh; a 65th byte is lost.
      {"16F84", Rec(0x427E, {0x05, 0x00, 0x06, 0x00}) + kEnd, 1,
       "1 word the 16F84 cannot hold: data EEPROM 2140h", ""},
      // An enhanced part's configuration (1000Eh) on a 16F628A.
      {"16F628A",
       Rec(0, {0x00, 0x00}) + Rec(0, {0x00, 0x01}, 4) + Rec(0x000E, {0xE4, 0x3F, 0xFF, 0x3F}) +
           kEnd,
       2, "2 words the 16F628A cannot hold: 8007h-8008h", ""},
      // Everything in place: nothing to tell.
      {"16F84", Rec(0, {0x00, 0x00}) + Rec(0x400E, {0xF1, 0x3F}) + IdWords(0x2000) + kEnd, 0, "",
       "1234"},
  };
  for (const Case& c : cases) {
    Chip chip(c.device);
    const HexLoadResult result = LoadHexText(c.text, chip.device, chip.buffers);
    ASSERT_EQ(result.status, HexLoadResult::Status::Ok) << c.device << ": " << result.message;
    EXPECT_EQ(result.fileWords.unheldCount, c.count) << c.device << " " << c.warning;
    const std::string warning = UnheldWordsWarning("f.hex", chip.device, result.fileWords);
    EXPECT_EQ(warning, *c.warning ? "f.hex holds " + std::string(c.warning) : "") << c.device;
    EXPECT_EQ(FileIdDigits(result.fileWords).value_or(""), c.id) << c.device << " " << c.warning;
  }
}

TEST(FileWords, ManyRangesAreCutShortAndWordsCountedOnce) {
  Chip chip("16F84");
  std::string text;
  // Ten separate words past the 16F84's 1024 (0400h, 0402h, ...), the
  // first twice.
  for (unsigned k = 0; k < 10; ++k) text += Rec(2 * (0x400 + 2 * k), {0, 0});
  text += Rec(0x800, {0, 0}) + kEnd;
  const HexLoadResult result = LoadHexText(text, chip.device, chip.buffers);
  EXPECT_EQ(result.fileWords.unheldCount, 10u);
  EXPECT_EQ(UnheldWordsWarning("f.hex", chip.device, result.fileWords),
            "f.hex holds 10 words the 16F84 cannot hold: program memory 0400h, program memory "
            "0402h, program memory 0404h, program memory 0406h, program memory 0408h, program "
            "memory 040Ah, program memory 040Ch, program memory 040Eh and 2 more ranges");
}

}  // namespace
}  // namespace lpt
