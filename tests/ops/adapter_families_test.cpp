// SPDX-License-Identifier: GPL-2.0-or-later
// Every built-in adapter with a device of every programming family, on the
// simulated adapter wired as that adapter: Program All, Verify and Read all
// succeed, so the wiring carries every command, frame and power sequence.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <tuple>
#include <vector>

#include "devices/family.h"
#include "hw/adapter.h"
#include "hw/adapter_file.h"
#include "hw/wired_pins.h"
#include "sim/sim_board.h"
#include "support/ops_rig.h"

namespace lpt {
// Test names and failure messages show the adapter by its name.
void PrintTo(const Adapter& adapter, std::ostream* os) { *os << adapter.name; }
}  // namespace lpt

namespace lpt::opstest {
namespace {

struct Part {
  const char* device;
  std::uint16_t fuses;  // a configuration that leaves the part unprotected
};

void PrintTo(const Part& part, std::ostream* os) { *os << part.device; }

// One device per family, with the fuses the end-to-end rounds use.
constexpr Part kParts[] = {
    {"16F84", 0x3FF1},
    {"16C61", 0x3FF1},
    {"16C558", 0x3F3D},
    {"12C508", 0x001A},
    {"16C505", 0x0FF9},
    {"12C671", 0x3FFC},
    {"14C000", 0x3FBD},
    {"16F627", 0x3FF9},
    {"16F870", 0x3FF9},
    {"12F629/675", 0x01F4},
    {"16F877A", 0x3FF9},
    {"16F628A", 0x3FF9},
    // Entered at low voltage; a Vpp on it would destroy the simulated chip.
    {"12F1822", 0x3FFF},
};

// The ops rig with the protocol moved onto the chosen adapter's pins.
struct WiredRig : OpsRig {
  WiredRig(const std::string& name, const Adapter& adapter) : OpsRig(name) {
    port->SetWiring(adapter);
    pins = std::make_unique<WiredPins>(*port, 0x378, adapter);
    proto = std::make_unique<Protocol>(*pins, clock, hooks, device);
    proto->SetAdapterSwitchesVdd(adapter.vdd.pin != 0);
  }
};

void Fill(OpsRig& rig, std::uint16_t fuses) {
  const bool w12 = IsWord12Family(rig.device.family);
  for (int a = 0; a < rig.device.programRows * 8; ++a) {
    const unsigned v =
        a % 3 == 0 ? (w12 ? 0xFFF : 0x3FFF) : (0x0A5 + 11 * a) & (w12 ? 0xFFF : 0x3FFF);
    char text[8];
    std::snprintf(text, sizeof text, w12 ? "%03X" : "%04X", v);
    rig.buffers.ProgramWord(a) = text;
  }
  for (int b = 0; b < rig.device.dataRows * 8; ++b) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", (b * 29 + 3) & 0xFF);
    rig.buffers.DataByte(b) = text;
  }
  rig.buffers.FuseWord = fuses;
  rig.buffers.SetIdDigits("4321");
}

// The built-in adapters with different pins: several boards share one
// wiring (Tait classic, P16PRO40 7407, EPIC+ and Propic2 Vpp-1, for one),
// and an adapter's name and notes play no part in how the port is driven,
// so one of each wiring carries them all.
std::vector<Adapter> DistinctWirings() {
  std::vector<Adapter> distinct;
  for (const Adapter& a : BuiltInAdapters()) {
    bool seen = false;
    for (const Adapter& d : distinct) seen = seen || SameWiring(a, d);
    if (!seen) distinct.push_back(a);
  }
  return distinct;
}

// Every preset against the simulator's own transcription of its published
// row: a preset without one, or driving a pin the other way, fails here.
TEST(AdapterFamilies, EveryBuiltInAdapterMatchesItsSimulatedBoard) {
  const auto line = [](const AdapterPin& p) { return sim::BoardLine{p.pin, p.inverted}; };
  for (const Adapter& a : BuiltInAdapters()) {
    SCOPED_TRACE(a.name);
    const std::optional<sim::Board> board = sim::BuiltInBoard(a.name);
    ASSERT_TRUE(board) << "no simulated board";
    EXPECT_EQ(*board, (sim::Board{line(a.vpp), line(a.vdd), line(a.clock), line(a.dataOut),
                                  line(a.dataIn), line(a.dataOutEnable), line(a.pgm)}));
  }
}

// The program driving a preset that differs from the board in one line, or
// a preset the simulator has no board for, cannot program the chip.
TEST(AdapterFamilies, AWrongPresetFailsOnTheSimulator) {
  const Adapter tait = *FindAdapter("Tait classic", {}, nullptr);
  std::vector<Adapter> wrong;
  for (AdapterPin Adapter::*pin :
       {&Adapter::vpp, &Adapter::vdd, &Adapter::clock, &Adapter::dataOut, &Adapter::dataIn}) {
    wrong.push_back(tait);
    (wrong.back().*pin).inverted = !(tait.*pin).inverted;
  }
  wrong.push_back(tait);
  wrong.back().name = "Tait unknown";
  for (const Adapter& a : wrong) {
    SCOPED_TRACE(a.name + ": " + AdapterLine(a));
    WiredRig rig("16F84", a);
    Fill(rig, 0x3FF1);
    const bool programmed =
        rig.Run(ProgramAll) == CommandResult::Ok && rig.Run(VerifyChip) == CommandResult::Ok;
    EXPECT_FALSE(programmed);
  }
}

class AdapterFamilies : public ::testing::TestWithParam<std::tuple<Adapter, Part>> {};

TEST_P(AdapterFamilies, ProgramVerifyRead) {
  const auto& [adapter, part] = GetParam();
  WiredRig rig(part.device, adapter);
  if (rig.proto->EntryInUse().entry == Entry::Refused) {
    // A board that cannot switch the supply cannot restart a low-voltage
    // session: the part is refused before anything reaches it.
    EXPECT_EQ(adapter.vdd.pin, 0);
    EXPECT_EQ(rig.Run(ReadChip), CommandResult::Failed);
    EXPECT_NE(rig.chip().mode(), sim::SimChip::Mode::Programming);
    return;
  }
  Fill(rig, part.fuses);
  ASSERT_EQ(rig.Run(ProgramAll), CommandResult::Ok) << ::testing::PrintToString(rig.hooks.errors);
  ASSERT_EQ(rig.Run(VerifyChip), CommandResult::Ok) << ::testing::PrintToString(rig.hooks.errors);
  const EditBuffers programmed = rig.buffers;
  rig.buffers.SetUpBuffers(rig.device);
  ASSERT_EQ(rig.Run(ReadChip), CommandResult::Ok);
  // The last word of the calibration-keeping families is the chip's own.
  const int words = rig.device.programRows * 8 - (HasLastWordRule(rig.device.family) ? 1 : 0);
  for (int a = 0; a < words; ++a)
    ASSERT_EQ(rig.buffers.ProgramWord(a), programmed.ProgramWord(a)) << "word " << a;
  for (int b = 0; b < rig.device.dataRows * 8; ++b)
    ASSERT_EQ(rig.buffers.DataByte(b), programmed.DataByte(b)) << "byte " << b;
  EXPECT_EQ(rig.buffers.IdDigits(), "4321");
  EXPECT_TRUE(rig.hooks.errors.empty()) << ::testing::PrintToString(rig.hooks.errors);
}

INSTANTIATE_TEST_SUITE_P(EveryWiringEveryFamily, AdapterFamilies,
                         ::testing::Combine(::testing::ValuesIn(DistinctWirings()),
                                            ::testing::ValuesIn(kParts)),
                         [](const auto& info) {
                           std::string name =
                               std::get<0>(info.param).name + "_" + std::get<1>(info.param).device;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace lpt::opstest
