// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated chips' cycle times against the makers' waits as
// tests/data/devices/wait_times.tsv transcribes them: for every write the
// table times on a family the datasheet profile knows, a cycle a tenth
// shorter than the table's wait leaves the word unwritten (the same cycle
// with time to spare writes it). And the 16F87xA's write latches: one
// program-only cycle writes the aligned row of eight words loaded.
#include <gtest/gtest.h>

#include "ops/write_waits.h"
#include "support/sim_rig.h"
#include "support/wait_table.h"

namespace lpt::simtest {
namespace {

constexpr std::uint16_t kWord = 0x1234;
constexpr std::uint8_t kByte = 0x5A;
constexpr std::uint32_t kTimeToSpareUs = 25000;

// One write of `cell` with `command` and `waitUs`, read back.
std::uint16_t WriteAndRead(const std::string& part, const std::string& cell,
                           const std::string& command, std::uint32_t waitUs) {
  SimRig rig(part);
  rig.proto->ResetPic();
  if (cell == "data") {
    rig.proto->LoadDataForDataMemory(kByte);
  } else if (cell == "configuration") {
    rig.proto->LoadConfiguration(kWord);  // the first ID word
  } else {
    rig.proto->LoadDataForProgramMemory(kWord);
  }
  if (command == "08h") {
    rig.proto->BeginEraseProgrammingCycle();
  } else {
    rig.proto->BeginProgrammingOnlyCycle();
  }
  rig.clock.WaitUs(waitUs);  // the next command ends the cycle
  return cell == "data" ? rig.proto->ReadDataFromDataMemory()
                        : rig.proto->ReadDataFromProgramMemory();
}

TEST(CycleTimesTable, AWriteATenthShortOfTheTableIsLost) {
  int checked = 0;
  for (const testing_data::TableWait& row : testing_data::WaitTable()) {
    if (row.command != "08h" && row.command != "18h") continue;
    for (const std::string& part : row.parts) {
      const DeviceRecord* record = testing_data::RecordOfPart(part);
      // The 12-bit flash writes end with End Programming and its discharge
      // time: flash12_model_test.cpp cuts each of their waits.
      if (record == nullptr || DatasheetWaits(record->family) == nullptr ||
          IsWord12Family(record->family))
        continue;
      for (const std::string& cell : row.cells) {
        SCOPED_TRACE(part + " " + cell + " " + row.command);
        const std::string name(record->name);
        const std::uint16_t written = cell == "data" ? kByte : kWord;
        EXPECT_NE(WriteAndRead(name, cell, row.command, row.leastUs * 9 / 10), written);
        EXPECT_EQ(WriteAndRead(name, cell, row.command, kTimeToSpareUs), written);
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 20);
}

TEST(CycleTimesTable, OneProgramOnlyCycleWritesTheLoadedRow) {
  for (std::uint32_t waitUs : {1000u, 900u}) {
    SimRig rig("16F877A");
    rig.state().program[17] = 0x0F0F;  // a loaded latch programs over it; program-only ANDs
    rig.proto->ResetPic();
    rig.Clk(16);
    for (int i = 0; i < 8; ++i) {
      if (i != 3) rig.proto->LoadDataForProgramMemory(static_cast<std::uint16_t>(0x0100 + i));
      if (i < 7) rig.proto->IncrementAddress();
    }
    rig.proto->BeginProgrammingOnlyCycle();
    rig.clock.WaitUs(waitUs);
    rig.proto->EndProgramming16F87xA();
    for (int i = 0; i < 8; ++i) {
      std::uint16_t expected = i == 1 ? 0x0F0F : 0x3FFF;
      if (waitUs == 1000 && i != 3) expected &= static_cast<std::uint16_t>(0x0100 + i);
      EXPECT_EQ(rig.state().program[16 + i], expected) << waitUs << " us, word " << i;
    }
    EXPECT_EQ(rig.state().program[15], 0x3FFF);
    EXPECT_EQ(rig.state().program[24], 0x3FFF);
  }
}

}  // namespace
}  // namespace lpt::simtest
