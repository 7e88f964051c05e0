// SPDX-License-Identifier: GPL-2.0-or-later
// What the datasheet profile costs, as waits summed from the port trace of
// lptpic-cli programming a simulated chip (the virtual clock makes the sums
// exact): full 16F877A program memory in at most 2.5 s, its data EEPROM
// adding one settled wait per byte, a five-word program on a 16F877A in at
// most 0.15 s and on the other flash families in no more than before blank
// writes were skipped, full 16F877 and 16F84A images in at most half and
// 0.6 of the standard profile's waits. Each programmed chip verifies, and
// the summary line names what was written and how long it took.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hexfile/hex_file.h"
#include "support/cli_run.h"
#include "support/wait_table.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::ReadFile;

struct Waits {
  std::uint64_t us = 0;
  int twelveMs = 0;  // "M 12" lines: the 16F877A's data byte, ID and configuration waits
  double Seconds() const { return static_cast<double>(us) / 1e6; }
};

Waits SumWaits(const std::string& trace) {
  Waits sum;
  std::istringstream in(trace);
  std::string kind;
  unsigned long amount = 0;
  while (in >> kind) {
    if (kind == "W" || kind == "R") {
      std::string address, value;
      in >> address >> value;
      continue;
    }
    in >> amount;
    sum.us += kind == "M" ? amount * 1000 : amount;
    if (kind == "M" && amount == 12) ++sum.twelveMs;
  }
  return sum;
}

class DatasheetBudgetCli : public ::testing::Test {
 protected:
  // Program All of `hex` on a fresh simulated chip, then Verify; the
  // waits of the program command.
  Waits Program(const std::string& device, const std::string& hex, const std::string& timing) {
    fs::remove(dir_ / "chip.txt");
    fs::remove(dir_ / "t.txt");
    const std::string chip = " --port sim:chip.txt --device " + device;
    const auto run = lpt::testing_files::RunCliIn(
        // The budget is the writes' own: the low-voltage probe in front of
        // every command is left out.
        dir_, "-q --no-probe" + chip + " --timing " + timing + " --trace t.txt program " + hex);
    EXPECT_EQ(run.code, 0) << device << " " << timing << ": " << run.err;
    lastOut_ = run.out;
    const Waits waits = SumWaits(ReadFile(dir_ / "t.txt"));
    EXPECT_EQ(lpt::testing_files::RunCliIn(dir_, "-q" + chip + " verify " + hex).code, 0)
        << device << " " << timing;
    std::printf("%s %s %s: %.6f s of waits\n", device.c_str(), hex.c_str(), timing.c_str(),
                waits.Seconds());
    return waits;
  }

  // tests/data/hex/five_words.asm assembled for `part`.
  std::string FiveWords(const std::string& part, const std::string& config) {
    const std::string hex = "five_" + part + ".hex";
    const std::string command = "gpasm -p " + part + " -D CONFIG=0x" + config + " -a inhx8m -o '" +
                                (dir_ / hex).string() +
                                "' '" LPTPIC_TEST_DATA "/hex/five_words.asm' > /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "gpasm -p " << part;
    return hex;
  }

  // Every program word different from the erased one, `dataBytes` data
  // bytes, an unprotected configuration.
  std::string FullImage(const std::string& device, int dataBytes, std::uint16_t config) {
    lpt::ActiveDevice active;
    lpt::EditBuffers buffers;
    lpt::SetUpDevice(active, buffers, device);
    char text[8];
    for (int a = 0; a < active.programRows * 8; ++a) {
      std::snprintf(text, sizeof text, "%04X", (a * 7 + 1) & 0x1FFF);
      buffers.ProgramWord(a) = text;
    }
    for (int b = 0; b < dataBytes; ++b) {
      std::snprintf(text, sizeof text, "%02X", b & 0x7F);
      buffers.DataByte(b) = text;
    }
    buffers.FuseWord = config;
    const std::string hex = "full_" + device + "_" + std::to_string(dataBytes) + ".hex";
    std::string error;
    EXPECT_TRUE(lpt::SaveHexFile((dir_ / hex).string(), active, buffers, &error)) << error;
    return hex;
  }

  void ExpectRatio(const std::string& device, int dataBytes, std::uint16_t config, double most) {
    const std::string hex = FullImage(device, dataBytes, config);
    const double ratio =
        Program(device, hex, "datasheet").Seconds() / Program(device, hex, "standard").Seconds();
    std::printf("%s full image: datasheet / standard = %.3f\n", device.c_str(), ratio);
    EXPECT_LE(ratio, most) << device;
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_budget_"};
  const fs::path& dir_ = scratch_.path;
  std::string lastOut_;
};

TEST_F(DatasheetBudgetCli, FullProgramMemoryOf16F877A) {
  const Waits program = Program("16F877A", FullImage("16F877A", 0, 0x3F71), "datasheet");
  EXPECT_LE(program.us, 2'500'000u);
  // Its data EEPROM too: 256 writes of the settled 12 ms; beyond them only
  // the serial transfers of the bytes (well under 0.1 ms each) and the data
  // pass's one power-up (11 ms).
  const Waits withData = Program("16F877A", FullImage("16F877A", 256, 0x3F71), "datasheet");
  EXPECT_EQ(withData.twelveMs - program.twelveMs, 256);
  const std::uint64_t settled = program.us + 256 * 12'000;
  EXPECT_GE(withData.us, settled);
  EXPECT_LE(withData.us - settled, 256 * 100 + 11'000u);
}

TEST_F(DatasheetBudgetCli, FiveWordProgram) {
  const struct {
    const char* device;
    const char* part;  // for gpasm
    const char* config;
    std::uint64_t mostUs;  // 16F877A: the target; the others: the waits before blank writes
                           // were skipped
  } kCases[] = {{"16F877A", "16f877a", "3F71", 150'000},
                {"16F877", "16f877", "3F71", 253'253},
                {"16F84A", "16f84a", "3FF1", 182'737},
                {"16F628A", "16f628a", "3F70", 212'034},
                {"12F629/675", "12f675", "31F4", 190'942}};
  for (const auto& c : kCases) {
    const Waits waits = Program(c.device, FiveWords(c.part, c.config), "datasheet");
    EXPECT_LE(waits.us, c.mostUs) << c.device;
    if (std::string(c.device) != "16F877A") continue;
    char line[160];
    std::snprintf(line, sizeof line,
                  "Programmed 16F877A: 5 program words, 0 data bytes, configuration 3F71, ID FFFF; "
                  "verified; %.2f s\n",
                  waits.Seconds());
    EXPECT_EQ(lastOut_, line);
  }
}

TEST_F(DatasheetBudgetCli, FullImageOf16F877InHalfTheStandardWaits) {
  ExpectRatio("16F877", 256, 0x3F71, 0.5);
}

TEST_F(DatasheetBudgetCli, FullImageOf16F84AInSixTenthsOfTheStandardWaits) {
  ExpectRatio("16F84A", 64, 0x3FF1, 0.6);
}

// Full 16F88 and 16F887 images: never under the floor the makers' waits
// and row size give (a row write per row of latches, a write per data byte
// and configuration word, one erase), and within two fifths above it (the
// waits after End Programming, the serial command delays, the power-ups).
TEST_F(DatasheetBudgetCli, FullImagesOfTheTwoWordFamiliesAboveTheMakersFloor) {
  using lpt::testing_data::LeastWait;
  const auto table = lpt::testing_data::WaitTable();
  const struct {
    const char* device;
    const char* dataCell;  // what the table calls the data byte's and the configuration
    const char* dataCommand;
    const char* wordCell;  // word's writes, and their commands
    const char* wordCommand;
  } kCases[] = {{"16F88", "program", "18h", "program", "08h"},
                {"16F887", "data", "08h", "configuration", "08h"}};
  for (const auto& c : kCases) {
    const lpt::DeviceRecord* r = lpt::FindDevice(c.device);
    ASSERT_NE(r, nullptr);
    const auto row = LeastWait(table, r->family, "program", "18h");
    const auto data = LeastWait(table, r->family, c.dataCell, c.dataCommand);
    const auto word = LeastWait(table, r->family, c.wordCell, c.wordCommand);
    const auto erase = LeastWait(table, r->family, "erase", "");
    ASSERT_TRUE(row && data && word && erase) << c.device;
    const std::uint64_t floor = std::uint64_t{*row} * (r->programWords / r->writeLatches) +
                                std::uint64_t{*data} * r->dataBytes + 2 * *word + *erase;
    const Waits waits = Program(c.device, FullImage(c.device, r->dataBytes, 0x3FFE), "datasheet");
    std::printf("%s full image, datasheet: %.6f s of waits, floor %.6f s; %s", c.device,
                waits.Seconds(), static_cast<double>(floor) / 1e6, lastOut_.c_str());
    EXPECT_GE(waits.us, floor) << c.device;
    EXPECT_LE(waits.us, floor * 7 / 5) << c.device;
  }
}

}  // namespace
