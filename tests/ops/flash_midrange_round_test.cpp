// SPDX-License-Identifier: GPL-2.0-or-later
// Every part of tests/data/devices/flash_midrange.tsv and
// Every part of tests/data/devices/flash_midrange.tsv,
// flash_midrange_calibrated.tsv and enhanced_midrange.tsv through the whole
// round in both timing profiles, on its simulated chip (which a Vpp on an
// enhanced part would destroy): a gpasm-assembled program with its
// configuration words and data EEPROM is programmed, verifies, reads back
// as it was, and the chip is blank after an erase; its calibration words
// hold the values the chip started with throughout.
// The HEX file lptpic writes of it holds gpasm's words and erased words
// elsewhere (srec_cat, srec_cmp), and gpdasm reads it.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>

#include "hexfile/hex_file.h"
#include "support/ops_rig.h"
#include "support/wait_table.h"

namespace lpt::opstest {
namespace {

namespace fs = std::filesystem;

struct Part {
  std::string name;
  int programWords = 0;
  int eepromBytes = 0;
  std::vector<int> configAddresses;
  std::vector<std::uint16_t> configMasks;
  std::vector<int> calibrationAddresses;
  // Data EEPROM's word address in the file: 2100h, F000h on the enhanced
  // parts, whose configuration and EEPROM lie above 64 KB.
  int eepromAddress = 0x2100;
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<int> HexList(const std::string& text) {
  std::vector<int> values;
  for (const std::string& item : testing_data::SplitCommas(text))
    values.push_back(testing_data::Hex(item));
  return values;
}

std::vector<Part> Parts() {
  std::vector<Part> parts;
  for (const char* table : {"devices/flash_midrange.tsv", "devices/flash_midrange_calibrated.tsv",
                            "devices/enhanced_midrange.tsv"})
    for (const auto& f : testing_data::ReadTable(table, 14)) {
      std::vector<std::uint16_t> masks;
      for (int m : HexList(f[5])) masks.push_back(static_cast<std::uint16_t>(m));
      const std::vector<int> config = HexList(f[4]);
      parts.push_back({f[0], std::stoi(f[2]), std::stoi(f[3]), config, masks,
                       f[7] == "-" ? std::vector<int>{} : HexList(f[7]),
                       config.front() >= 0x8000 ? 0xF000 : 0x2100});
    }
  return parts;
}

// Where a configuration-memory word sits in the simulated chip's list.
std::size_t ConfigIndex(int address) {
  return static_cast<std::size_t>(address - (address >= 0x8000 ? 0x8000 : 0x2000));
}

// A calibration value of the test's own for each calibration word.
std::uint16_t Calibration(std::size_t index) {
  return static_cast<std::uint16_t>(0x1A5C + 0x111 * index);
}

// Each word's lowest implemented bit cleared (an oscillator or option bit,
// never code protection); words at both ends of program memory, data
// EEPROM at 2100h.
std::string Program(const Part& p) {
  char line[96];
  std::string text = "\tlist p=" + Lower(p.name) + "\n\torg 0\n\tgoto 4\n\torg 4\n\tretlw 0x12\n";
  std::snprintf(line, sizeof line, "\torg 0x%X\n\tretlw 0x34\n\tretlw 0x56\n", p.programWords - 2);
  text += line;
  for (std::size_t i = 0; i < p.configAddresses.size(); ++i) {
    const std::uint16_t mask = p.configMasks[i];
    std::snprintf(line, sizeof line, "\t__config 0x%X, 0x%X\n", p.configAddresses[i],
                  0x3FFF & ~(mask & -mask));
    text += line;
  }
  std::snprintf(line, sizeof line, "\torg 0x%X\n\tde 1, 2, 0xA5\n", p.eepromAddress);
  if (p.eepromBytes > 0) text += line;
  return text + "\tend\n";
}

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

class FlashMidrangeRound : public ::testing::TestWithParam<Part> {
 protected:
  testing_files::ScratchDir scratch_{"lptpic_midrange_"};
  std::string In(const std::string& name) { return (scratch_.path / name).string(); }
};

TEST_P(FlashMidrangeRound, ProgramVerifyReadEraseBlankAndTheFileWritten) {
  const Part& part = GetParam();
  const std::string processor = Lower(part.name);
  const std::string source = In("p.asm"), image = In("p.hex"), written = In("w.hex");
  std::ofstream(source) << Program(part);
  ASSERT_TRUE(Shell("gpasm -p " + processor + " -a inhx32 -o '" + image + "' '" + source +
                    "' > /dev/null 2>&1"));

  for (const TimingProfile profile : {TimingProfile::Standard, TimingProfile::Datasheet}) {
    SCOPED_TRACE(TimingProfileName(profile));
    OpsRig rig(part.name);
    rig.state.timing = profile;
    for (std::size_t i = 0; i < part.calibrationAddresses.size(); ++i)
      rig.chipState().config.at(ConfigIndex(part.calibrationAddresses[i])) = Calibration(i);
    ASSERT_EQ(LoadHexFile(image, rig.device, rig.buffers).status, HexLoadResult::Status::Ok);
    const EditBuffers programmed = rig.buffers;
    ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok) << ::testing::PrintToString(rig.hooks.errors);
    ASSERT_EQ(rig.Run(VerifyChip), CommandResult::Ok) << ::testing::PrintToString(rig.hooks.errors);

    rig.buffers.SetUpBuffers(rig.device);
    rig.buffers.FuseWord = rig.buffers.SecondFuseWord = 0;
    ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
    for (int a = 0; a <= rig.LastAddress(); ++a)
      ASSERT_EQ(rig.buffers.ProgramWord(a), programmed.ProgramWord(a)) << "word " << a;
    for (int b = 0; b < rig.device.dataRows * 8; ++b)
      ASSERT_EQ(rig.buffers.DataByte(b), programmed.DataByte(b)) << "byte " << b;
    EXPECT_EQ(rig.buffers.FuseWord & part.configMasks[0],
              programmed.FuseWord & part.configMasks[0]);
    if (part.configMasks.size() == 2) {
      EXPECT_EQ(rig.buffers.SecondFuseWord & part.configMasks[1],
                programmed.SecondFuseWord & part.configMasks[1]);
      EXPECT_NE(programmed.SecondFuseWord & part.configMasks[1], part.configMasks[1]);
    }

    ASSERT_EQ(rig.Run(EraseChip), CommandResult::Ok);
    EXPECT_EQ(rig.Run(BlankCheck), CommandResult::Ok);
    EXPECT_TRUE(rig.hooks.errors.empty()) << ::testing::PrintToString(rig.hooks.errors);
    for (std::size_t i = 0; i < part.calibrationAddresses.size(); ++i)
      EXPECT_EQ(rig.chipState().config.at(ConfigIndex(part.calibrationAddresses[i])),
                Calibration(i))
          << "calibration word " << std::hex << part.calibrationAddresses[i];
  }

  // lptpic's file: gpasm's words, every other word of its rows erased
  // (3FFFh, data bytes FFh); and gpdasm reads it to the same instructions.
  OpsRig rig(part.name);
  ASSERT_EQ(LoadHexFile(image, rig.device, rig.buffers).status, HexLoadResult::Status::Ok);
  std::string error;
  ASSERT_TRUE(SaveHexFile(written, rig.device, rig.buffers, &error)) << error;
  const std::string erased = " -generate '(' '(' -within '" + written +
                             "' -intel -exclude -within '" + image + "' -intel ')' -intersect '(' ";
  const std::string data = std::to_string(2 * part.eepromAddress);
  const std::string end = part.eepromAddress >= 0xF000 ? "0x20000" : "0x10000";
  EXPECT_TRUE(Shell("srec_cat '" + image + "' -intel" + erased + "0 " + data +
                    " ')' ')' -repeat-data 0xFF 0x3F" + erased + data + " " + end +
                    " ')' ')' -repeat-data 0xFF 0x00 -o '" + In("e.hex") +
                    "' -intel && srec_cmp '" + In("e.hex") + "' -intel '" + written +
                    "' -intel > /dev/null 2>&1"));
  EXPECT_TRUE(Shell("gpdasm -p" + processor + " '" + image + "' > '" + In("a.txt") +
                    "' && gpdasm -p" + processor + " '" + written + "' > '" + In("b.txt") +
                    "' && ! diff '" + In("a.txt") + "' '" + In("b.txt") + "' | grep -q '^<'"));
}

INSTANTIATE_TEST_SUITE_P(EveryPart, FlashMidrangeRound, ::testing::ValuesIn(Parts()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lpt::opstest
