// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated 12-bit flash parts against the facts transcribed from the
// makers' documents (tests/data/devices/flash_baseline.tsv): where the
// counter starts and wraps, where the IDs, OSCCAL and its backup sit, how
// many words a cycle latches, what the bulk erase reaches, and every wait
// of the programming specifications failing when a tenth short.
#include <gtest/gtest.h>

#include <functional>

#include "support/data_table.h"
#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

using testing_data::Fields;
using testing_data::Hex;

// The closing wait of every transfer (hw/protocol.cpp), which the chip
// counts as part of the time after a command.
constexpr std::uint32_t kTransferCloseUs = 10;

std::vector<Fields> Parts() { return testing_data::ReadTable("devices/flash_baseline.tsv", 12); }

TEST(Flash12Model, EveryPartWhereItsDocumentPutsThings) {
  const std::vector<Fields> parts = Parts();
  ASSERT_EQ(parts.size(), 14u);
  for (const Fields& f : parts) {
    SCOPED_TRACE(f[0]);
    SimRig rig(f[0]);
    const int words = std::stoi(f[2]);
    ASSERT_EQ(rig.state().program.size(), static_cast<std::size_t>(words));
    EXPECT_EQ(rig.chip().family().writeLatches, std::stoi(f[9]));

    rig.proto->ResetPic();
    EXPECT_EQ(rig.chip().counter(), Hex(f[3])) << "the counter starts on the configuration word";
    rig.Clk(1);
    EXPECT_EQ(rig.chip().counter(), 0) << "and wraps to 0";
    rig.Clk(2 * words - 1);
    EXPECT_EQ(rig.chip().counter(), Hex(f[3])) << "and round again";

    const sim::FamilyModel& model = rig.chip().family();
    const int firstId = Hex(f[6].substr(0, 4));
    ASSERT_EQ(firstId, words);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(sim::ConfigSlot(rig.state(), model, static_cast<std::uint16_t>(firstId + i)), i);
    const bool osccal = f[7] != "-";
    if (osccal) {
      EXPECT_EQ(Hex(f[7]), words - 1);
      EXPECT_EQ(sim::ConfigSlot(rig.state(), model, static_cast<std::uint16_t>(Hex(f[8]))),
                sim::kBackupCalibrationSlot);
      EXPECT_EQ(rig.state().program.back() & 0xF00, 0xC00) << "a MOVLW from the factory";
      EXPECT_EQ(rig.state().config[sim::kBackupCalibrationSlot], rig.state().program.back());
    } else {
      EXPECT_EQ(sim::ConfigSlot(rig.state(), model, static_cast<std::uint16_t>(words + 4)), -1);
      EXPECT_EQ(rig.state().program.back(), 0xFFF);
    }
  }
}

// From where the counter stands, Bulk Erase Program Memory (09h) takes
// program memory and the configuration word; from the first ID on it takes
// the IDs and the backup OSCCAL too.
TEST(Flash12Model, BulkEraseReachesTheIdsOnlyFromTheIdArea) {
  const struct {
    const char* where;
    int clocks;  // from entry
    bool idsToo;
  } cases[] = {{"configuration word", 0, false},
               {"program memory", 1 + 0x10, false},
               {"first ID", 1 + 0x200, true},
               {"backup OSCCAL", 1 + 0x204, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    sim::ChipState chip = *sim::MakeBlankChip("12F508");
    chip.program[0x10] = 0x123;
    chip.config = {0x001, 0x002, 0x003, 0x004, 0xC80, 0xFFF, 0xFFF, 0xFE2};
    SimRig rig("12F508", chip);
    rig.proto->ResetPic();
    rig.Clk(c.clocks);
    rig.proto->BulkEraseProgramMemory();
    rig.clock.WaitMs(10);
    rig.proto->ResetPic();  // the erase is done
    EXPECT_EQ(rig.state().program[0x10], 0xFFF);
    EXPECT_EQ(rig.state().program.back(), 0xFFF) << "OSCCAL goes with program memory";
    EXPECT_EQ(sim::ConfigWord(rig.state()), 0xFFF);
    EXPECT_EQ(rig.state().config[0], c.idsToo ? 0xFFF : 0x001);
    EXPECT_EQ(rig.state().config[sim::kBackupCalibrationSlot], c.idsToo ? 0xFFF : 0xC80);
  }
}

// Each wait of DS41227 in turn at its least time and a tenth short: the
// chip programs, erases or enters programming mode only with the first.
TEST(Flash12Model, EachWaitShortByATenthFails) {
  using Step = std::function<bool(SimRig&, std::uint32_t)>;  // true: the chip did it
  const auto write = [](SimRig& rig, std::uint32_t tprog, std::uint32_t tdis) {
    rig.proto->ResetPic();
    rig.Clk(1);
    rig.proto->LoadDataForProgramMemory(0x123);
    rig.proto->BeginEraseProgrammingCycle();
    rig.clock.WaitUs(tprog - kTransferCloseUs);
    rig.proto->EndProgrammingEprom();
    rig.clock.WaitUs(tdis - kTransferCloseUs);
    return rig.ReadWord() == 0x123;
  };
  // Supply, then Vpp `hold` later, then a command `settle` after Vpp.
  const auto enter = [](SimRig& rig, std::uint32_t hold, std::uint32_t settle) {
    rig.port->WritePort(0x378, 0x08);
    rig.clock.WaitMs(10);
    rig.port->WritePort(0x378, 0x00);
    rig.clock.WaitUs(hold);
    rig.port->WritePort(0x378, 0x04);
    rig.clock.WaitUs(settle);
    rig.proto->IncrementAddress();  // from the configuration word to 0
    return rig.chip().mode() == sim::SimChip::Mode::Programming && rig.chip().counter() == 0;
  };
  const struct {
    const char* wait;
    std::uint32_t us;
    Step step;
  } cases[] = {
      {"TPROG", 2000, [&](SimRig& rig, std::uint32_t us) { return write(rig, us, 100); }},
      {"TDIS", 100, [&](SimRig& rig, std::uint32_t us) { return write(rig, 2000, us); }},
      {"TERA", 10000,
       [](SimRig& rig, std::uint32_t us) {
         rig.state().program[0] = 0x123;
         rig.proto->ResetPic();
         rig.proto->BulkEraseProgramMemory();
         rig.clock.WaitUs(us - kTransferCloseUs);
         rig.proto->ResetPic();
         return rig.state().program[0] == 0xFFF;
       }},
      {"THLD0", 5, [&](SimRig& rig, std::uint32_t us) { return enter(rig, us, 1000); }},
      {"TPPDP", 5, [&](SimRig& rig, std::uint32_t us) { return enter(rig, 5, us); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wait);
    SimRig exact("12F508");
    EXPECT_TRUE(c.step(exact, c.us));
    SimRig shorter("12F508");
    EXPECT_FALSE(c.step(shorter, c.us * 9 / 10));
  }
}

// The 16F57 latches four words: one cycle at the last of an aligned group
// writes all four, and a cycle of one loaded word leaves its neighbours
// alone (the latches are blank again after every cycle).
TEST(Flash12Model, FourLatchesWriteAnAlignedGroup) {
  SimRig rig("16F57");
  rig.proto->ResetPic();
  rig.Clk(1);
  for (std::uint16_t i = 0; i < 4; ++i) {
    if (i > 0) rig.Clk(1);
    rig.proto->LoadDataForProgramMemory(0x100 + i);
  }
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(2);
  rig.proto->EndProgrammingEprom();
  rig.clock.WaitUs(100);
  rig.Clk(2);
  rig.proto->LoadDataForProgramMemory(0x0AB);
  rig.proto->BeginEraseProgrammingCycle();
  rig.clock.WaitMs(2);
  rig.proto->EndProgrammingEprom();
  rig.clock.WaitUs(100);
  rig.proto->ResetPic();
  const std::vector<std::uint16_t> first(rig.state().program.begin(),
                                         rig.state().program.begin() + 8);
  EXPECT_EQ(first,
            (std::vector<std::uint16_t>{0x100, 0x101, 0x102, 0x103, 0xFFF, 0x0AB, 0xFFF, 0xFFF}));
}

}  // namespace
}  // namespace lpt::simtest
