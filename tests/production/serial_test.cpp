// SPDX-License-Identifier: GPL-2.0-or-later
// Serial numbers: what the options accept, where a number lands in the
// buffers (RETLW is 34kkh on the 14-bit parts and 8kkh on the 12-bit ones,
// DS30605 and DS41213 instruction tables), and a counter file that hands
// out each number once, across runs and while another run holds it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "production/batch.h"
#include "production/serial_counter.h"
#include "production/serial_number.h"
#include "support/device_buffers.h"
#include "support/ops_rig.h"
#include "support/temp_dir.h"

namespace lpt {
namespace {

TEST(SerialNumbers, OptionsParseOrSayWhy) {
  struct Case {
    const char* range;
    const char* place;
    int bytes;
    bool ok;
    std::uint32_t start, step;
  } cases[] = {
      {"0x1000", "id", 2, true, 0x1000, 1},
      {"4096:16", "0x7F0", 2, true, 0x1000, 16},
      {"1000h:2", "raw:3F0h", 4, true, 0x1000, 2},
      {"12G", "id", 2, false, 0, 0},
      {"1:0", "id", 2, false, 0, 0},
      {"1", "table", 2, false, 0, 0},
      {"1", "0x10", 5, false, 0, 0},
      {"0x100000000", "id", 2, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.range) + " " + c.place);
    std::string error;
    const auto range = ParseSerialRange(c.range, &error);
    const auto place = range ? ParseSerialPlace(c.place, c.bytes, &error) : std::nullopt;
    EXPECT_EQ(range && place, c.ok);
    EXPECT_EQ(error.empty(), c.ok);
    if (!range || !c.ok) continue;
    EXPECT_EQ(range->start, c.start);
    EXPECT_EQ(range->step, c.step);
  }
}

TEST(SerialNumbers, LandInTheBuffersOrDoNotFit) {
  struct Case {
    const char* device;
    const char* place;
    int bytes;
    std::uint32_t number;
    bool fits;
    const char* id;
    std::vector<std::string> words;  // from the place's address
  } cases[] = {
      {"16F628A", "id", 2, 0x1013, true, "1013", {}},
      {"16F628A", "id", 2, 0x10000, false, "FFFF", {}},
      {"16F628A", "0x7F0", 3, 0x12345, true, "FFFF", {"3445", "3423", "3401", "3FFF"}},
      {"12F508", "0x1F0", 2, 0xA5C3, true, "FFFF", {"8C3", "8A5", "FFF"}},
      {"16F628A", "raw:0x10", 2, 0x0102, true, "FFFF", {"0002", "0001"}},
      {"16F628A", "0x7F0", 1, 0x100, false, "FFFF", {"3FFF"}},
      {"16F628A", "0x7FE", 2, 0x1234, true, "FFFF", {"3434", "3412"}},  // the last two words
      {"16F628A", "0x7FF", 2, 1, false, "FFFF", {}},  // past the end of program memory
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.device) + " " + c.place);
    testing_buffers::DeviceBuffers chip(c.device);
    std::string error;
    const auto place = ParseSerialPlace(c.place, c.bytes, &error);
    ASSERT_TRUE(place) << error;
    EXPECT_EQ(SerialFits(*place, c.number, chip.device, &error), c.fits);
    if (c.fits) StampSerial(*place, c.number, chip.device, chip.buffers);
    EXPECT_EQ(chip.buffers.IdDigits(), c.id);
    for (std::size_t k = 0; k < c.words.size(); ++k)
      EXPECT_EQ(chip.buffers.ProgramWord(place->address + int(k)), c.words[k]) << k;
  }
}

TEST(SerialCounter, HandsOutEachNumberOnce) {
  const testing_files::ScratchDir dir("lptpic_serial_");
  const std::string file = (dir.path / "counter.json").string();
  std::string error;
  {
    auto counter = SerialCounter::Open(file, {0x1000, 2}, &error);
    ASSERT_TRUE(counter) << error;
    EXPECT_EQ(counter->Take(&error), 0x1000u);
    EXPECT_EQ(ParseCounterFile(testing_files::ReadFile(dir.path / "counter.json")), 0x1002u)
        << "taken before its chip is written";
    const auto unused = counter->Take(&error);
    EXPECT_TRUE(counter->GiveBack(*unused, &error));  // nothing was written with it
    EXPECT_EQ(counter->Next(), 0x1002u);
    // A second run on the same file waits, then gives up.
    EXPECT_FALSE(SerialCounter::Open(file, {0, 1}, &error, nullptr, [] { return true; }));
  }
  // The file's number wins over the start of the next run.
  auto again = SerialCounter::Open(file, {0x1000, 2}, &error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(again->Take(&error), 0x1002u);
  again.reset();
  std::ofstream(dir.path / "counter.json", std::ios::trunc) << "next 12\n";
  EXPECT_FALSE(SerialCounter::Open(file, {0, 1}, &error));
  EXPECT_NE(error.find("nothing was programmed"), std::string::npos) << error;
}

// A chip that was written and then failed keeps its number; only a chip on
// which nothing was written gives it back. The 16F84 has no device ID, so the
// operator's answer brings the next chip, here the same one mended.
TEST(SerialCounter, AChipWrittenButFailedKeepsItsNumber) {
  const testing_files::ScratchDir dir("lptpic_serial_");
  std::string error;
  auto counter = SerialCounter::Open((dir.path / "counter.json").string(), {0x10, 1}, &error);
  ASSERT_TRUE(counter) << error;
  opstest::OpsRig rig("16F84");
  rig.chipState().neverPrograms.push_back({sim::Space::Program, 0});
  rig.buffers.ProgramWord(0) = "1234";
  BatchSetup setup{.serialPlace = ParseSerialPlace("id", 2, &error),
                   .serials = &*counter,
                   .repeat = true,
                   .count = 2,
                   .askForNextChip = [&] { return rig.chipState().neverPrograms.clear(), true; }};
  OpContext ctx = rig.Context();
  const BatchSummary summary = RunBatch(ctx, setup);
  EXPECT_EQ(summary.failed, 1);
  EXPECT_EQ(summary.passed, 1);
  EXPECT_EQ(summary.serials, (std::vector<std::string>{"0x10", "0x11"}));
  EXPECT_EQ(counter->Next(), 0x12u);
}

}  // namespace
}  // namespace lpt
