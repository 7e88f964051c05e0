// SPDX-License-Identifier: GPL-2.0-or-later
// Real files: tests/data/hex/program.asm assembled by gpasm for a device of
// every family with data EEPROM, a 12-bit part and an EPROM part, in both
// formats, and compared with srec_cat's reading of the same file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "buffers/hex_text.h"
#include "devices/family.h"
#include "hexfile/hex_file.h"
#include "support/hexfile_helpers.h"

namespace lpt {
namespace {

namespace fs = std::filesystem;
using testing_hex::Chip;
using testing_hex::GridText;
using testing_hex::ReadFile;

bool OnPath(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// srec_cat -hex_dump: "AAAAAAAA: XX XX ...  #text", absent bytes as blanks.
std::map<int, int> SrecBytes(const fs::path& hex, const fs::path& dump) {
  const std::string command =
      "srec_cat '" + hex.string() + "' -intel -o - -hex_dump > '" + dump.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::map<int, int> bytes;
  std::istringstream lines(ReadFile(dump));
  for (std::string line; std::getline(lines, line);) {
    const auto base = ParseHex(line.substr(0, 8));
    if (!base || line.size() < 10 || line[8] != ':') continue;
    for (int k = 0; k < 16 && 10 + 3 * std::size_t(k) + 2 <= line.size(); ++k)
      if (auto v = ParseHex(line.substr(10 + 3 * std::size_t(k), 2)))
        bytes[int(*base) + k] = int(*v);
  }
  return bytes;
}

// What the grids should hold by srec_cat's bytes and the address mapping.
Chip Expected(const char* device, const std::map<int, int>& bytes) {
  Chip chip(device);
  const bool word12 = IsWord12Family(chip.device.family);
  auto word = [&](int w) {
    return bytes.count(2 * w) ? bytes.at(2 * w) + 256 * bytes.at(2 * w + 1) : -1;
  };
  for (int w = 0; w < 8 * chip.device.programRows; ++w)
    if (word(w) >= 0)
      chip.buffers.ProgramWord(w) = ToHex(word(w) & (word12 ? 0xFFF : 0xFFFF), word12 ? 3 : 4);
  for (int a = 0; a < 8 * chip.device.dataRows; ++a)
    if (word(0x2100 + a) >= 0) chip.buffers.DataByte(a) = ToHex(word(0x2100 + a) & 0xFF, 2);
  const int fuse = word(word12 ? 0xFFF : 0x2007);
  if (fuse >= 0) chip.buffers.FuseWord = static_cast<std::uint16_t>(fuse);
  return chip;
}

TEST(GpasmFiles, EveryFamilyBothFormats) {
  ASSERT_TRUE(OnPath("gpasm")) << "gpasm (gputils) is needed: run scripts/install-deps.sh";
  ASSERT_TRUE(OnPath("srec_cat")) << "srec_cat (srecord) is needed: run scripts/install-deps.sh";
  struct Case {
    const char* processor;
    const char* device;
    int config;
    int last;
  } cases[] = {
      {"16f84a", "16F84A", 0x3FF1, 0x3FF},    {"16f628", "16F628", 0x3F62, 0x7FF},
      {"16f877", "16F877", 0x3F71, 0x1FFF},   {"12f629", "12F629/675", 0x31C4, 0x3FE},
      {"16f877a", "16F877A", 0x3F3A, 0x1FFF}, {"16f628a", "16F628A", 0x3F18, 0x7FF},
      {"12c508", "12C508", 0x0FEA, 0x1FF},    {"16c74", "16C74", 0x3FB1, 0xFFF},
  };
  const testing_hex::ScratchDir scratch("lptpic_gpasm_");
  const fs::path& dir = scratch.path;
  for (const Case& c : cases) {
    for (const char* format : {"inhx8m", "inhx32"}) {
      SCOPED_TRACE(std::string(c.device) + " " + format);
      Chip chip(c.device);
      const bool word12 = IsWord12Family(chip.device.family);
      const bool eeprom = chip.device.dataRows > 0;
      const fs::path hex = dir / (std::string(c.processor) + "_" + format + ".hex");
      std::ostringstream command;
      command << "gpasm -p " << c.processor << " -a " << format << " -D CONFIG=0x" << std::hex
              << c.config << " -D LAST=0x" << c.last << (eeprom ? " -D EEPROM" : "")
              << (word12 ? "" : " -D WORD14") << " -o '" << hex.string() << "' '"
              << LPTPIC_TEST_DATA "/hex/program.asm' > '" << (dir / "gpasm.log").string()
              << "' 2>&1";
      ASSERT_EQ(std::system(command.str().c_str()), 0) << command.str() << "\n"
                                                       << ReadFile(dir / "gpasm.log");
      chip.buffers.SetIdDigits("9876");
      ASSERT_EQ(LoadHexFile(hex.string(), chip.device, chip.buffers).status,
                HexLoadResult::Status::Ok);

      // Hand-checked: the dw words, the last word, the fuses, the EEPROM bytes.
      const std::string w = word12 ? "" : "0";
      EXPECT_EQ(chip.buffers.ProgramWord(0), word12 ? "A25" : "0A25");
      EXPECT_EQ(chip.buffers.ProgramWord(2), w + "123");
      EXPECT_EQ(chip.buffers.ProgramCell(1, 7), w + "456");
      EXPECT_EQ(chip.buffers.ProgramCell(2, 1), w + "ABC");
      EXPECT_EQ(chip.buffers.ProgramWord(17), word12 ? "FFF" : "3ABC");
      EXPECT_EQ(chip.buffers.ProgramWord(c.last), w + "FED");
      EXPECT_EQ(chip.buffers.FuseWord, c.config);
      EXPECT_EQ(chip.buffers.IdDigits(), "9876");
      if (eeprom) {
        EXPECT_EQ(chip.buffers.DataCell(0, 1) + chip.buffers.DataCell(0, 3) +
                      chip.buffers.DataCell(0, 6) + chip.buffers.DataCell(0, 7),
                  "05A75AFF");
      }
      // Every cell against srec_cat's independent reading.
      const Chip expected = Expected(c.device, SrecBytes(hex, dir / "dump.txt"));
      EXPECT_EQ(GridText(chip), GridText(expected));
      EXPECT_EQ(chip.buffers.FuseWord, expected.buffers.FuseWord);
      // Saved and read again, the file gives the same buffers.
      Chip again(c.device);
      ASSERT_EQ(
          LoadHexText(FormatHex(chip.device, chip.buffers), again.device, again.buffers).status,
          HexLoadResult::Status::Ok);
      EXPECT_EQ(GridText(again), GridText(chip));
      EXPECT_EQ(again.buffers.FuseWord, chip.buffers.FuseWord);
    }
  }
}

}  // namespace
}  // namespace lpt
