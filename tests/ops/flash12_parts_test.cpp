// SPDX-License-Identifier: GPL-2.0-or-later
// The 12-bit flash parts' records and the addresses the passes use, against
// two sources the code did not write: the facts transcribed by hand from the
// makers' documents (tests/data/devices/flash_baseline.tsv) and gputils'
// own header and linker script of each part, read here directly. gputils
// is a test dependency (scripts/install-deps.sh): a missing file fails.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "buffers/edit_buffers.h"
#include "ops/flash12.h"
#include "ops/id_and_config_words.h"
#include "support/data_table.h"

namespace lpt {
namespace {

using testing_data::Fields;
using testing_data::Hex;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string ReadGputils(const std::string& file) {
  std::ifstream in("/usr/share/gputils/" + file);
  EXPECT_TRUE(in) << "gputils' " << file << " is missing: run scripts/install-deps.sh";
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// What a processor header says: the configuration word's address, and the
// bits its options can clear (every option of the "CONFIG Options" section).
struct Header {
  int configAddress = -1;
  int mask = 0;
};

Header ReadHeader(const std::string& part) {
  Header header;
  std::istringstream lines(ReadGputils("header/p" + part + ".inc"));
  const std::regex equ(R"(^(_\w+)\s+EQU\s+H'([0-9A-Fa-f]+)')");
  bool options = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.find("CONFIG Options") != std::string::npos) options = true;
    if (line.find("IDLOC Equates") != std::string::npos) options = false;
    std::smatch m;
    if (!std::regex_search(line, m, equ)) continue;
    const int value = Hex(m[2].str());
    if (m[1] == "_CONFIG") header.configAddress = value;
    if (options) header.mask |= ~value & 0x0FFF;
  }
  return header;
}

// What a linker script says: program words (every code page from 0 up,
// without gaps), the ID words and the configuration word.
struct Script {
  int programWords = 0;
  int idStart = -1, idEnd = -1;
  int config = -1;
};

Script ReadScript(const std::string& part) {
  Script script;
  std::istringstream lines(ReadGputils("lkr/" + part + "_g.lkr"));
  const std::regex page(R"(CODEPAGE\s+NAME=(\S+)\s+START=0x([0-9A-Fa-f]+)\s+END=0x([0-9A-Fa-f]+))");
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (!std::regex_search(line, m, page)) continue;
    const int start = Hex(m[2].str()), end = Hex(m[3].str());
    if (m[1] == ".idlocs") {
      script.idStart = start;
      script.idEnd = end;
    } else if (m[1] == ".config") {
      script.config = start;
    } else {
      EXPECT_EQ(start, script.programWords) << part << ": code pages in order, without gaps";
      script.programWords = end + 1;
    }
  }
  return script;
}

TEST(Flash12Parts, RecordsAgreeWithTheDocumentsAndGputils) {
  const std::vector<Fields> rows = testing_data::ReadTable("devices/flash_baseline.tsv", 12);
  ASSERT_EQ(rows.size(), 14u);
  for (const Fields& f : rows) {
    const std::string& name = f[0];
    SCOPED_TRACE(name);
    const DeviceRecord* record = FindDevice(name);
    ASSERT_NE(record, nullptr);
    ActiveDevice device;
    EditBuffers buffers;
    SetUpDevice(device, buffers, name);
    const Header header = ReadHeader(Lower(name));
    const Script script = ReadScript(Lower(name));
    const int words = record->programWords;

    EXPECT_EQ(words, std::stoi(f[2]));
    EXPECT_EQ(words, script.programWords);
    EXPECT_EQ(record->ConfigMask(), Hex(f[5]));
    EXPECT_EQ(record->ConfigMask(), header.mask);
    EXPECT_EQ(ConfigWordAddress(record->family), Hex(f[4]));
    EXPECT_EQ(ConfigWordAddress(record->family), header.configAddress);
    EXPECT_EQ(ConfigWordAddress(record->family), script.config);
    EXPECT_EQ(IdWordAddress(device, 0), Hex(f[6].substr(0, 4)));
    EXPECT_EQ(IdWordAddress(device, 3), Hex(f[6].substr(5, 4)));
    EXPECT_EQ(IdWordAddress(device, 0), script.idStart);
    EXPECT_EQ(IdWordAddress(device, 3), script.idEnd);

    const bool osccal = f[7] != "-";
    EXPECT_EQ(HasLastWordRule(record->family), osccal) << "OSCCAL in the last program word";
    if (osccal) {
      EXPECT_EQ(words - 1, Hex(f[7]));
      EXPECT_EQ(BackupOsccalAddress(device), Hex(f[8]));
    }
    EXPECT_EQ(f[11], "vdd-first");
    EXPECT_FALSE(VppBeforeVdd(record->family));
  }
}

}  // namespace
}  // namespace lpt
