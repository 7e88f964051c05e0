// SPDX-License-Identifier: GPL-2.0-or-later
// The load and save flows: line handling, what survives an error, round
// trips for every family, and saving that never loses the old file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "buffers/hex_text.h"
#include "devices/catalogue.h"
#include "devices/family.h"
#include "hexfile/hex_file.h"
#include "support/hexfile_helpers.h"

namespace lpt {
namespace {

namespace fs = std::filesystem;
using testing_hex::Chip;
using testing_hex::GridText;
using testing_hex::ReadFile;
using Status = HexLoadResult::Status;

constexpr const char* kProgram = ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11";
constexpr const char* kFuses = ":02400E00F13F80";

TEST(HexLoad, LinesAndErrors) {
  struct Case {
    std::string text;
    Status status;
    int line;
    const char* word0;  // program word 0 afterwards
  } cases[] = {
      {std::string(kProgram) + "\r\n" + kFuses + "\r\n:00000001FF\r\n", Status::Ok, 0, "2805"},
      {std::string(kProgram) + "\n\n" + kFuses + "\n:00000001FF", Status::Ok, 0, "2805"},
      {std::string(kProgram) + "\n:00000001FF\nnot a record\n", Status::Ok, 0, "2805"},
      {std::string(kProgram) + "\n", Status::Ok, 0, "2805"},  // no end record
      // What came before an error stays; the line numbers count empty lines.
      {std::string(kProgram) + "\n\n:10000000\n", Status::ChecksumError, 3, "2805"},
      {":\n", Status::ChecksumError, 1, "3FFF"},
      {":0000", Status::ChecksumError, 1, "3FFF"},        // sums to 0 but too short
      {":FF000000FF", Status::ChecksumError, 1, "3FFF"},  // count far past the line end
      {":10000000" + std::string(32, '0') + "F", Status::ChecksumError, 1, "3FFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Chip chip("16F84");
    chip.buffers.ProgramWord(1) = "1111";  // the load starts from blank grids
    chip.buffers.FuseWord = 0x0123;
    chip.buffers.SetIdDigits("ABCD");
    const HexLoadResult r = LoadHexText(c.text, chip.device, chip.buffers);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.line, c.line);
    if (c.status == Status::ChecksumError) {
      EXPECT_EQ(r.message, "Error CheckSum on line " + std::to_string(c.line) + " !");
    }
    EXPECT_EQ(chip.buffers.ProgramWord(0), c.word0);
    EXPECT_EQ(chip.buffers.ProgramWord(1), "3FFF");
    const bool fuses = c.text.find(kFuses) != std::string::npos;
    EXPECT_EQ(chip.buffers.FuseWord, fuses ? 0x3FF1 : 0x0123);
    EXPECT_EQ(r.fuseWordLoaded, fuses);
    EXPECT_EQ(chip.buffers.IdDigits(), "ABCD");  // never from a file
  }
}

TEST(HexLoad, UnreadableFileLeavesBuffers) {
  Chip chip("16F84");
  chip.buffers.ProgramWord(0) = "1234";
  for (const std::string path : {"/nonexistent/x.hex", "/tmp"}) {
    const HexLoadResult r = LoadHexFile(path, chip.device, chip.buffers);
    EXPECT_EQ(r.status, Status::FileError) << path;
    EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
  }
  EXPECT_EQ(chip.buffers.ProgramWord(0), "1234");
}

// Every family: words of every digit value, a blank row in between, data
// bytes, FuseWord, and short typed cells that are written padded.
TEST(HexRoundTrip, EveryFamily) {
  for (const FamilyTraits& family : AllFamilies()) {
    const DeviceRecord* record = nullptr;
    for (const DeviceRecord& r : AllDevices())
      if (r.family == family.family && !record) record = &r;
    ASSERT_NE(record, nullptr) << family.family;
    SCOPED_TRACE(std::string(record->name));
    Chip chip(record->name);
    const int digits = family.word12 ? 3 : 4;
    const std::uint32_t mask = family.word12 ? 0xFFF : 0x3FFF;
    for (int a = 0; a < 8 * chip.device.programRows; ++a)
      if (a / 8 != 1) chip.buffers.ProgramWord(a) = ToHex((a * 2654435761u >> 7) & mask, digits);
    for (int a = 0; a < 8 * chip.device.dataRows; ++a)
      chip.buffers.DataByte(a) = ToHex((a * 37u + 11) & 0xFF, 2);
    chip.buffers.ProgramWord(3) = "5";
    if (chip.device.dataRows > 0) chip.buffers.DataByte(2) = "";
    chip.buffers.FuseWord = static_cast<std::uint16_t>(0x2A5C & mask);
    const std::string text = FormatHex(chip.device, chip.buffers);
    chip.buffers.ProgramWord(3) = digits == 3 ? "005" : "0005";
    if (chip.device.dataRows > 0) chip.buffers.DataByte(2) = "00";

    Chip back(record->name);
    back.buffers.FuseWord = 0;
    EXPECT_EQ(LoadHexText(text, back.device, back.buffers).status, Status::Ok);
    EXPECT_EQ(GridText(back), GridText(chip));
    EXPECT_EQ(back.buffers.FuseWord, chip.buffers.FuseWord);
  }
}

class HexSave : public ::testing::Test {
 protected:
  int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }
  testing_hex::ScratchDir scratch_{"lptpic_hexsave_"};
  const fs::path& dir_ = scratch_.path;
  Chip chip_{"16F84"};
};

TEST_F(HexSave, ReplacesWholeFile) {
  const fs::path target = dir_ / "out.hex";
  std::ofstream(target) << std::string(5000, 'x');
  chip_.buffers.ProgramWord(0) = "2805";
  std::string error;
  ASSERT_TRUE(SaveHexFile(target.string(), chip_.device, chip_.buffers, &error)) << error;
  EXPECT_EQ(ReadFile(target), FormatHex(chip_.device, chip_.buffers));
  EXPECT_EQ(Entries(), 1);
  Chip back("16F84");
  EXPECT_EQ(LoadHexFile(target.string(), back.device, back.buffers).status, Status::Ok);
  EXPECT_EQ(GridText(back), GridText(chip_));
}

TEST_F(HexSave, FailureKeepsTargetAndLeavesNoTempFile) {
  // The target is a folder with a file in it: the replace step fails.
  const fs::path target = dir_ / "busy.hex";
  fs::create_directories(target);
  std::ofstream(target / "keep") << "old";
  std::string error;
  EXPECT_FALSE(SaveHexFile(target.string(), chip_.device, chip_.buffers, &error));
  EXPECT_NE(error.find(target.string()), std::string::npos) << error;
  EXPECT_EQ(ReadFile(target / "keep"), "old");
  EXPECT_EQ(Entries(), 1);
  // A missing folder: nothing is created anywhere.
  error.clear();
  EXPECT_FALSE(SaveHexFile((dir_ / "no" / "x.hex").string(), chip_.device, chip_.buffers, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Entries(), 1);
}

}  // namespace
}  // namespace lpt
