// SPDX-License-Identifier: GPL-2.0-or-later
// The checksum against the makers' own figures, and against a sum this test
// makes itself from gpasm-built HEX files by the published rule, with the
// configuration masks and summed ranges transcribed from the programming
// specifications (not from the catalogue).
#include "buffers/checksum.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "hexfile/hex_file.h"
#include "support/hexfile_helpers.h"

namespace lpt {
namespace {

namespace fs = std::filesystem;

// Worked examples of the makers: DS41620C (PIC16(L)F145x) Examples 7-1 to
// 7-3, and DS41396A (PIC12F6xx/16F61x) Table 6-1, blank and with 25E6h at
// the first and the last address.
TEST(Checksum, MakersWorkedExamples) {
  struct Case {
    const char* source;
    int words;
    int wordAtEnds;  // -1: blank
    std::array<std::uint16_t, 2> config, masks;
    bool protect;
    std::array<std::uint8_t, 4> ids;
    std::uint16_t expected;
  } cases[] = {
      {"DS41620C 7-1", 0x2000, -1, {0x3FFF, 0x3FFF}, {0x3EFF, 0x3FF3}, false, {}, 0x5EF2},
      {"DS41620C 7-2", 0x2000, 0x00AA, {0x3FFF, 0x3FFF}, {0x3EFF, 0x3FF3}, false, {}, 0xE048},
      {"DS41620C 7-3", 0x2000, -1, {0x3F7F, 0x3FFF}, {0x3E7F, 0x3FF3}, true, {6, 7, 1, 2}, 0xE584},
      {"DS41396A 16F616", 0x800, -1, {0x3FFF, 0}, {0x03FF, 0}, false, {}, 0xFBFF},
      {"DS41396A 16F616 25E6", 0x800, 0x25E6, {0x3FFF, 0}, {0x03FF, 0}, false, {}, 0xC7CD},
      {"DS41396A 12F615", 0x400, 0x25E6, {0x3FFF, 0}, {0x03FF, 0}, false, {}, 0xCBCD},
      {"DS41396A 12F615 CP", 0x400, -1, {0x3FBF, 0}, {0x03FF, 0}, true, {15, 15, 15, 15}, 0x03BE},
  };
  for (const Case& c : cases) {
    std::vector<std::uint16_t> program(static_cast<std::size_t>(c.words), 0x3FFF);
    if (c.wordAtEnds >= 0) program.front() = program.back() = std::uint16_t(c.wordAtEnds);
    ChecksumImage image{program, 0x3FFF, c.config, c.masks, c.protect, c.ids};
    EXPECT_EQ(ChecksumOf(image), c.expected) << c.source;
  }
}

// Any code-protected range protects program memory: the 16F877's _CP_ALL,
// _CP_HALF and _CP_UPPER_256 (p16f877.inc), and a word whose two copies of
// CP1:CP0 disagree (DS30292 asks for equal pairs), read the safe way; _CPD_ON
// alone does not.
TEST(Checksum, AnyProtectedRangeCountsAsProtection) {
  const testing_hex::Chip chip("16F877");
  for (const auto& [config, protect] :
       {std::pair{0x3FFF, false}, std::pair{0x0FCF, true}, std::pair{0x1FDF, true},
        std::pair{0x2FEF, true}, std::pair{0x1FFF, true}, std::pair{0x3EFF, false}})
    EXPECT_EQ(ProgramCodeProtected(chip.device, std::uint16_t(config)), protect) << config;
}

// The words of an Intel HEX file by word address (data records, with
// extended linear addresses), as the Intel HEX format defines them.
std::map<int, int> HexWords(const std::string& text) {
  std::map<int, int> bytes, words;
  int upper = 0;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.size() < 11 || line[0] != ':') continue;
    auto byte = [&](std::size_t k) { return std::stoi(line.substr(1 + 2 * k, 2), nullptr, 16); };
    const int count = byte(0), address = byte(1) << 8 | byte(2), type = byte(3);
    if (type == 4) upper = (byte(4) << 8 | byte(5)) << 16;
    if (type != 0) continue;
    for (int k = 0; k < count; ++k) bytes[upper + address + k] = byte(4 + std::size_t(k));
  }
  for (const auto& [at, value] : bytes) words[at / 2] |= value << (at % 2 ? 8 : 0);
  return words;
}

TEST(Checksum, GpasmFilesByThePublishedRule) {
  ASSERT_EQ(std::system("command -v gpasm >/dev/null 2>&1"), 0) << "gpasm is needed";
  struct Case {
    const char* processor;
    const char* device;
    int config;
    int last;         // where program.asm puts its last word
    int summedWords;  // SUM[0 : summedWords - 1] of the makers' table
    int configAddress;
    int blank, configMask;  // the makers' CFGW mask
    bool protect;
  } cases[] = {
      // DS41190 (16F84A): SUM[000:3FF] + CFGW & 3FFF; CP on: CFGW & 3FFF + SUM_ID.
      {"16f84a", "16F84A", 0x3FF1, 0x3FF, 0x400, 0x2007, 0x3FFF, 0x3FFF, false},
      {"16f84a", "16F84A", 0x000D, 0x3FF, 0x400, 0x2007, 0x3FFF, 0x3FFF, true},
      // DS39589 (16F87xA): SUM[0000:1FFF] + CFGW & 2FCF.
      {"16f877a", "16F877A", 0x3F3A, 0x1FFF, 0x2000, 0x2007, 0x3FFF, 0x2FCF, false},
      // DS41196 (16F62xA): SUM[000:7FF] + CFGW & 21FF.
      {"16f628a", "16F628A", 0x3F18, 0x7FF, 0x800, 0x2007, 0x3FFF, 0x21FF, false},
      // DS40152 (12C5xx): SUM[000:1FE] + CFGW & 01F, the OSCCAL word left out.
      {"12c508", "12C508", 0x0FEA, 0x1FE, 0x1FF, 0xFFF, 0xFFF, 0x001F, false},
  };
  const testing_hex::ScratchDir scratch("lptpic_checksum_");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.device) + (c.protect ? " protected" : ""));
    const bool word12 = c.blank == 0xFFF;
    const fs::path hex = scratch.path / (std::string(c.processor) + ".hex");
    std::ostringstream command;
    command << "gpasm -p " << c.processor << " -D CONFIG=0x" << std::hex << c.config
            << " -D LAST=0x" << c.last << (word12 ? "" : " -D WORD14") << " -o '" << hex.string()
            << "' '" LPTPIC_TEST_DATA "/hex/program.asm' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.str().c_str()), 0) << command.str();

    const std::map<int, int> words = HexWords(testing_hex::ReadFile(hex));
    const auto word = [&](int at) { return words.count(at) ? words.at(at) & c.blank : c.blank; };
    unsigned sum = unsigned(word(c.configAddress) & c.configMask);
    if (c.protect)
      sum += 0x9876;  // the IDs given below, ID0 the most significant nibble
    else
      for (int a = 0; a < c.summedWords; ++a) sum += unsigned(word(a));

    testing_hex::Chip chip(c.device);
    chip.buffers.SetIdDigits("9876");
    ASSERT_EQ(LoadHexFile(hex.string(), chip.device, chip.buffers).status,
              HexLoadResult::Status::Ok);
    EXPECT_EQ(BuffersChecksum(chip.device, chip.buffers), sum & 0xFFFF);
  }
}

}  // namespace
}  // namespace lpt
