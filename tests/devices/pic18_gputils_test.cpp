// SPDX-License-Identifier: GPL-2.0-or-later
// The PIC18 records against gputils' installed files (program and EEPROM
// sizes from <part>_g.lkr, each configuration byte's mask as every bit
// some CONFIG option of p<part>.inc clears) and against the transcription
// of DS39622 in tests/data/devices/pic18_parts.tsv. A missing gputils file
// fails; it never skips.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "devices/pic18_parts.h"
#include "support/data_table.h"

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << path << " is missing: install gputils";
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Lower(std::string_view name) {
  std::string text(name);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(Pic18Gputils, SizesAndMasksMatchGputilsFiles) {
  const std::regex page(
      R"(CODEPAGE\s+NAME=(page|eedata)\s+START=0x([0-9A-Fa-f]+)\s+END=0x([0-9A-Fa-f]+))");
  const std::regex option(R"(^_\w+_(\d)([LH])\s+EQU\s+H'([0-9A-Fa-f]{2})')");
  for (const lpt::Pic18Part& part : lpt::AllPic18Parts()) {
    SCOPED_TRACE(std::string(part.name));
    const std::string lkr = ReadText("/usr/share/gputils/lkr/" + Lower(part.name) + "_g.lkr");
    int program = 0, eeprom = 0;
    for (std::sregex_iterator it(lkr.begin(), lkr.end(), page), end; it != end; ++it) {
      const int size =
          std::stoi((*it)[3].str(), nullptr, 16) - std::stoi((*it)[2].str(), nullptr, 16) + 1;
      ((*it)[1] == "page" ? program : eeprom) = size;
    }
    EXPECT_EQ(part.programBytes, program);
    EXPECT_EQ(part.dataBytes, eeprom);

    std::istringstream header(ReadText("/usr/share/gputils/header/p" + Lower(part.name) + ".inc"));
    lpt::Pic18ConfigBytes masks{};
    for (std::string line; std::getline(header, line);) {
      std::smatch m;
      if (!std::regex_search(line, m, option)) continue;
      const auto index =
          static_cast<std::size_t>(2 * (std::stoi(m[1]) - 1) + (m[2] == "H" ? 1 : 0));
      masks.at(index) |= static_cast<std::uint8_t>(~std::stoi(m[3].str(), nullptr, 16) & 0xFF);
    }
    EXPECT_EQ(part.configMasks, masks);
    for (std::size_t i = 0; i < masks.size(); ++i)
      EXPECT_EQ(part.configErased[i] & ~masks[i], 0) << "erased value outside the mask, byte " << i;
  }
}

TEST(Pic18Gputils, IdsBuffersAndPinsMatchTheDocument) {
  const auto rows = lpt::testing_data::ReadTable("devices/pic18_parts.tsv", 6);
  ASSERT_EQ(rows.size(), lpt::AllPic18Parts().size());
  for (const auto& f : rows) {
    const lpt::Pic18Part* part = lpt::FindPic18Part(f[0]);
    ASSERT_NE(part, nullptr) << f[0];
    EXPECT_EQ(part->deviceId, lpt::testing_data::Hex(f[1])) << f[0];
    EXPECT_EQ(part->deviceIdMask, lpt::testing_data::Hex(f[2])) << f[0];
    EXPECT_EQ(part->writeBufferBytes, std::stoi(f[3])) << f[0];
    EXPECT_EQ(part->dipPins, std::stoi(f[4])) << f[0];
    EXPECT_EQ(part->pgmPin, std::stoi(f[5])) << f[0];
    // A revision never makes a part answer as another.
    EXPECT_EQ(lpt::IdentifyPic18(
                  static_cast<std::uint16_t>(part->deviceId | (~part->deviceIdMask & 0xFFFF))),
              part);
  }
  EXPECT_EQ(lpt::FindPic18Part("pic18f4550"), lpt::FindPic18Part("18F4550"));
}

}  // namespace
