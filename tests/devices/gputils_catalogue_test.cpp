// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's flash mid-range parts against gputils' own files, read
// where gputils installs them: program words and data EEPROM from the
// linker script (<part>_g.lkr), the configuration words' addresses and
// masks from the header (p<part>.inc; a word's mask is every bit some
// documented setting clears). gputils is a dependency of the tests: a
// missing file fails, it never skips.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "devices/catalogue.h"
#include "support/data_table.h"
#include "support/hex_print.h"
#include "support/wait_table.h"

namespace {

using lpt::testing::Hex4;

constexpr const char* kGputils = "/usr/share/gputils";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << path << " is missing: install gputils";
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Memory {
  int programWords = 0;
  int dataBytes = 0;
};

// CODEPAGE lines: unprotected pages are program memory; "eedata" the data EEPROM.
Memory FromLinkerScript(const std::string& text) {
  Memory memory;
  const std::regex page(
      R"(CODEPAGE\s+NAME=(\S+)\s+START=0x([0-9A-Fa-f]+)\s+END=0x([0-9A-Fa-f]+)(\s+PROTECTED)?)");
  for (std::sregex_iterator it(text.begin(), text.end(), page), end; it != end; ++it) {
    const int size =
        std::stoi((*it)[3].str(), nullptr, 16) - std::stoi((*it)[2].str(), nullptr, 16) + 1;
    if ((*it)[1] == "eedata") memory.dataBytes = size;
    if (!(*it)[4].matched) memory.programWords += size;
  }
  return memory;
}

// The masks of the words in the order of their "CONFIGn Options" sections
// (one "CONFIG Options" section for a part of one word).
std::vector<std::uint16_t> MasksFromHeader(const std::string& text) {
  std::vector<std::uint16_t> masks;
  const std::regex section(R"(^;----- CONFIG\d? Options)");
  const std::regex other(R"(^;----- )");
  const std::regex value(R"(^_\w+\s+EQU\s+H'([0-9A-Fa-f]{4})')");
  std::istringstream lines(text);
  bool inside = false;
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_search(line, section)) {
      masks.push_back(0);
      inside = true;
    } else if (std::regex_search(line, other)) {
      inside = false;
    } else if (inside && std::regex_search(line, m, value)) {
      masks.back() |= static_cast<std::uint16_t>(~std::stoi(m[1].str(), nullptr, 16) & 0x3FFF);
    }
  }
  return masks;
}

// The transcription's calibration words ("2008,2009", "-") as the record
// keeps them.
std::array<std::uint16_t, 2> CalibrationWords(const std::string& text) {
  std::array<std::uint16_t, 2> words{};
  if (text == "-") return words;
  std::size_t i = 0;
  for (const std::string& item : lpt::testing_data::SplitCommas(text))
    if (i < words.size()) words[i++] = static_cast<std::uint16_t>(std::stoi(item, nullptr, 16));
  return words;
}

// The transcriptions (flash_midrange.tsv, flash_midrange_calibrated.tsv)
// also give each part's device ID, write latches and calibration words,
// from the programming specifications as the peers transcribe them.
TEST(GputilsCatalogue, FlashMidRangePartsAgreeWithHeadersAndLinkerScripts) {
  std::set<const lpt::DeviceRecord*> checked;
  auto rows = lpt::testing_data::ReadTable("devices/flash_midrange.tsv", 14);
  for (const char* more :
       {"devices/flash_midrange_calibrated.tsv", "devices/enhanced_midrange.tsv"})
    for (auto& row : lpt::testing_data::ReadTable(more, 14)) rows.push_back(std::move(row));
  for (const auto& row : rows) {
    const std::string& part = row[0];
    SCOPED_TRACE(part);
    const lpt::DeviceRecord* record = lpt::FindDevice(part);
    ASSERT_NE(record, nullptr);
    const std::string name = Lower(part);
    const Memory memory =
        FromLinkerScript(ReadText(std::string(kGputils) + "/lkr/" + name + "_g.lkr"));
    EXPECT_EQ(record->programWords, memory.programWords);
    EXPECT_EQ(record->dataBytes, memory.dataBytes);
    const std::vector<std::uint16_t> masks =
        MasksFromHeader(ReadText(std::string(kGputils) + "/header/p" + name + ".inc"));
    ASSERT_GE(masks.size(), 1u);
    ASSERT_LE(masks.size(), 2u);
    EXPECT_EQ(Hex4(record->configMasks[0]), Hex4(masks[0]));
    EXPECT_EQ(Hex4(record->configMasks[1]), Hex4(masks.size() == 2 ? masks[1] : 0));
    EXPECT_EQ(Hex4(record->deviceIds[0]), Hex4(std::stoul(row[8], nullptr, 16)));
    EXPECT_EQ(Hex4(record->deviceIdMask), Hex4(0x3FFF & ~((1u << std::stoi(row[9])) - 1)));
    EXPECT_EQ(record->writeLatches, std::stoi(row[10]));
    EXPECT_EQ(record->calibrationWords, CalibrationWords(row[7]));
    // The enhanced parts' volts column is the data sheet's MCLR limit the
    // record keeps; the older parts' is the programming specification's VIHH.
    if (row[4].rfind("8007", 0) == 0) {
      EXPECT_EQ(record->maxMclrMillivolts, static_cast<std::uint32_t>(std::stod(row[12]) * 1000));
    }
    checked.insert(record);
  }
  // A part of these families without its transcription row would skip
  // every check above.
  std::set<lpt::Family> families;
  for (const lpt::DeviceRecord* record : checked) families.insert(record->family);
  for (const lpt::DeviceRecord& record : lpt::AllDevices()) {
    if (families.count(record.family)) {
      EXPECT_TRUE(checked.count(&record)) << record.name << " has no transcription row";
    }
  }
}

}  // namespace
