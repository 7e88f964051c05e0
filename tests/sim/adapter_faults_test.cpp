// SPDX-License-Identifier: GPL-2.0-or-later
// The adapter's registers, the presence test with and without adapter and
// chip, the entry-order rule, and the injected faults seen by the program.
#include <gtest/gtest.h>

#include "buffers/edit_buffers.h"
#include "ops/device_commands.h"
#include "support/sim_rig.h"

namespace lpt::simtest {
namespace {

using sim::SimAdapter;

TEST(AdapterRegisters, StatusBit7IsTheInvertedDataLineAndOtherRegistersAreFixed) {
  SimRig rig("16F84");
  SimAdapter& port = *rig.port;
  port.WritePort(0x378, 0x06);
  EXPECT_EQ(port.ReadPort(0x379), SimAdapter::kStatusLineHigh);
  EXPECT_LT(port.ReadPort(0x379), 0x80);
  port.WritePort(0x378, 0x04);
  EXPECT_EQ(port.ReadPort(0x379), SimAdapter::kStatusLineLow);
  EXPECT_GE(port.ReadPort(0x379), 0x80);
  port.WritePort(0x378, 0xF6);  // bits 4-7 are not wired
  EXPECT_EQ(port.ReadPort(0x378), 0x06);
  EXPECT_EQ(port.ReadPort(0x37A), 0xFF);
  EXPECT_TRUE(port.LastIoOk());
  EXPECT_EQ(port.LastError(), 0u);
  // A write to another register does not reach the lines.
  port.WritePort(0x278, 0x04);
  EXPECT_EQ(port.ReadPort(0x379), SimAdapter::kStatusLineHigh);
}

TEST(AdapterRegisters, ClosedPortReadsZeroAndRecordsTheError) {
  SimRig rig("16F84");
  rig.port->SetOpened(false);
  EXPECT_FALSE(rig.port->Opened());
  EXPECT_EQ(rig.port->ReadPort(0x379), 0);
  EXPECT_FALSE(rig.port->LastIoOk());
  EXPECT_EQ(rig.port->LastError(), 6u);
  EXPECT_FALSE(rig.proto->AdapterPresent());
  rig.port->SetOpened(true);
  rig.port->SetOpened(true);  // opening an open port changes nothing
  EXPECT_TRUE(rig.port->Opened());
  EXPECT_TRUE(rig.proto->AdapterPresent());
}

TEST(PresenceTest, PassesWithAChipAndWithAnEmptySocketFailsWithoutAdapter) {
  struct Case {
    bool socketEmpty, adapterMissing, found;
  };
  for (const Case& c :
       {Case{false, false, true}, Case{true, false, true}, Case{false, true, false}}) {
    SCOPED_TRACE(::testing::Message()
                 << "empty " << c.socketEmpty << " missing " << c.adapterMissing);
    sim::ChipState chip = *sim::MakeBlankChip("16F877");
    chip.socketEmpty = c.socketEmpty;
    chip.adapterMissing = c.adapterMissing;
    SimRig rig("16F877", chip);
    EXPECT_EQ(rig.proto->AdapterPresent(), c.found);
    EXPECT_EQ(rig.hooks.errors.size(), c.found ? 0u : 1u);
    if (!c.found) {
      EXPECT_EQ(rig.hooks.errors[0], "Device is not found !");
    }
  }
}

TEST(PresenceTest, EmptySocketReadsWhatThePcDrives) {
  sim::ChipState chip = *sim::MakeBlankChip("16F84");
  chip.socketEmpty = true;
  chip.program[0] = 0x1234;
  SimRig rig("16F84", chip);
  rig.proto->ResetPic();
  // Nothing drives the line during a read frame, so every bit reads as the
  // PC's data bit: 0.
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0000);
}

// Raw supply-first entry: supply on, then Vpp.
void SupplyFirstEntry(SimRig& rig) {
  rig.port->WritePort(0x378, 0x08);
  rig.clock.WaitMs(10);
  rig.port->WritePort(0x378, 0x00);
  rig.clock.WaitUs(2);
  rig.port->WritePort(0x378, 0x04);
  rig.clock.WaitMs(1);
}

TEST(EntryOrder, InternalOscillatorWithMclrOffNeedsVppBeforeSupply) {
  struct Case {
    const char* device;
    std::uint16_t config;
    bool supplyFirstWorks;
  };
  for (const Case& c : {
           Case{"12F629/675", 0x21D4, false},  // INTOSC, MCLRE 0
           Case{"12F629/675", 0x21F4, true},   // INTOSC, MCLRE 1
           Case{"12F629/675", 0x21D2, true},   // HS oscillator, MCLRE 0
           Case{"16F628A", 0x3FD0, false},     // INTOSC (FOSC2 bit 4), MCLRE 0
           Case{"16F627", 0x3FD1, false}, Case{"12C671", 0x3F74, false},  // INTRC, MCLRE (bit 7) 0
           Case{"16F84", 0x3FF0, true},  // no such rule on this part (bits 13-4 are CP)
       }) {
    SCOPED_TRACE(::testing::Message() << c.device << " " << std::hex << c.config);
    SimRig rig(c.device);
    rig.state().program[0] = 0x0155;
    sim::ConfigWord(rig.state()) = c.config;
    SupplyFirstEntry(rig);
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory() == 0x0155, c.supplyFirstWorks);
    rig.proto->ResetPic();  // the program's own entry for the family
    EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0155);
  }
}

TEST(EntryOrder, RemovingVppLeavesProgrammingMode) {
  SimRig rig("16F84");
  rig.proto->ResetPic();
  EXPECT_EQ(rig.chip().mode(), sim::SimChip::Mode::Programming);
  rig.port->WritePort(0x378, 0x00);
  EXPECT_EQ(rig.chip().mode(), sim::SimChip::Mode::Reset);
  rig.port->WritePort(0x378, 0x04);
  EXPECT_EQ(rig.chip().mode(), sim::SimChip::Mode::Programming);
  rig.port->WritePort(0x378, 0x08);
  EXPECT_EQ(rig.chip().mode(), sim::SimChip::Mode::Off);
}

TEST(Faults, StuckBitAndNeverProgrammingWordFailProgramAndVerify) {
  struct Case {
    const char* device;
    bool stuck;  // else never-programs
  };
  for (const Case& c : {Case{"16F84", true}, Case{"16F84", false}, Case{"16F877A", true},
                        Case{"16C61", false}, Case{"12C508", true}}) {
    SCOPED_TRACE(::testing::Message() << c.device << (c.stuck ? " stuck" : " never"));
    sim::ChipState chip = *sim::MakeBlankChip(c.device);
    const sim::Location at{sim::Space::Program, 9};
    if (c.stuck)
      chip.stuckBits.push_back({at, 2, true});
    else
      chip.neverPrograms.push_back(at);
    SimBench b(c.device, chip);
    const bool w12 = b.rig.chip().family().word12;
    b.buffers.ProgramWord(8) = w12 ? "123" : "0123";
    b.buffers.ProgramWord(9) = w12 ? "020" : "0020";  // bit 2 must read 0
    b.buffers.FuseWord = b.rig.device.configMask;
    OpContext ctx = b.ctx();
    EXPECT_EQ(ProgramAll(ctx), CommandResult::Failed);
    ASSERT_FALSE(b.rig.hooks.errors.empty());
    EXPECT_EQ(b.rig.hooks.errors.back(), "Error programming Program Memory!");
    // The word before the fault was written; the faulty one is not right.
    EXPECT_EQ(b.rig.state().program[8], w12 ? 0x123 : 0x0123);
    EXPECT_NE(b.rig.chip().Peek(at), w12 ? 0x020 : 0x0020);
    EXPECT_EQ(VerifyChip(ctx), CommandResult::Failed);
    EXPECT_EQ(b.rig.hooks.errors.back(), "Error verify Program Memory!");
  }
}

TEST(Faults, CodeProtectedChipReadsZerosThroughTheProgram) {
  sim::ChipState chip = *sim::MakeBlankChip("16F877");
  chip.program[0] = 0x2805;
  chip.data[0] = 0x12;
  sim::SetCodeProtected(chip, true);
  SimBench b("16F877", chip);
  OpContext ctx = b.ctx();
  EXPECT_EQ(ReadChip(ctx), CommandResult::Failed) << "its zeros are no image of the program";
  ctx.allowProtected = true;
  ASSERT_EQ(ReadChip(ctx), CommandResult::Ok);
  EXPECT_EQ(b.buffers.ProgramWord(0), "0000");
  EXPECT_EQ(b.buffers.ProgramWord(100), "0000");
  EXPECT_EQ(b.buffers.DataByte(0), "00");
  EXPECT_EQ(b.buffers.FuseWord & 0x0130, 0);
  // Erase takes the protection-clear path and leaves a blank chip.
  EXPECT_EQ(EraseChip(ctx), CommandResult::Ok);
  EXPECT_EQ(BlankCheck(ctx), CommandResult::Ok);
}

TEST(Faults, TwelveBitProtectionKeepsTheFirst40hWordsReadable) {
  sim::ChipState chip = *sim::MakeBlankChip("12C509");
  chip.program[0x3F] = 0x0AB;
  chip.program[0x40] = 0x0CD;
  sim::SetCodeProtected(chip, true);
  SimRig rig("12C509", chip);
  rig.proto->ResetPic();
  EXPECT_EQ(rig.ReadWord() & 0x0008, 0);  // CP bit
  rig.Clk(0x40);
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x00AB);
  rig.proto->IncrementAddress();
  EXPECT_EQ(rig.proto->ReadDataFromProgramMemory(), 0x0000);
}

}  // namespace
}  // namespace lpt::simtest
