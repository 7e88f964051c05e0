// SPDX-License-Identifier: GPL-2.0-or-later
// The chip file of sim:FILE: a chip written by one OpenPort is read back
// unchanged by the next, a missing file is a blank chip, bad files are
// refused with the line named.
#include "sim/chip_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "hw/virtual_clock.h"
#include "sim/open_port.h"
#include "sim/sim_adapter.h"
#include "support/sim_rig.h"
#include "support/temp_dir.h"

namespace lpt::simtest {
namespace {

namespace fs = std::filesystem;

class ChipFile : public ::testing::Test {
 protected:
  std::unique_ptr<Port> Open(const std::string& device, const std::string& path,
                             std::string* error) {
    SelectDevice(active_, device);
    PortChoice choice;
    choice.kind = PortChoice::Kind::SimulatorFile;
    choice.path = path;
    return OpenPort(choice, clock_, active_, error);
  }
  std::string Write(const std::string& text) {
    const std::string path = (dir_ / "chip.txt").string();
    std::ofstream(path) << text;
    return path;
  }

  testing_files::ScratchDir scratch_{"lptpic_sim_"};
  const fs::path& dir_ = scratch_.path;
  VirtualClock clock_;
  ActiveDevice active_;
};

TEST_F(ChipFile, MissingFileIsABlankChipWrittenOnlyOnceItChanges) {
  const std::string path = (dir_ / "new.chip").string();
  std::string error;
  for (const bool change : {false, true}) {
    SCOPED_TRACE(change ? "changed" : "unchanged");
    {
      auto port = Open("12F629/675", path, &error);
      ASSERT_TRUE(port) << error;
      EXPECT_TRUE(port->Opened());
      EXPECT_EQ(testing_files::ReadFile(path), "") << "nothing saved while it is open";
      if (change) static_cast<sim::SimAdapter&>(*port).chip().state().data[0] = 0x42;
      ASSERT_TRUE(SaveSimulatedChip(*port, &error)) << error;
    }
    ASSERT_EQ(fs::exists(path), change);
  }
  std::string why;
  std::optional<sim::ChipState> chip = sim::LoadChipFile(path, &why);
  ASSERT_TRUE(chip) << why;
  sim::ChipState expected = *sim::MakeBlankChip("12F629/675");
  expected.data[0] = 0x42;
  EXPECT_EQ(*chip, expected);
}

TEST_F(ChipFile, StateWrittenByOnePortIsReadBackUnchangedByTheNext) {
  const std::string path = (dir_ / "rt.chip").string();
  sim::ChipState before;
  std::string error;
  {
    auto port = Open("16F877", path, &error);
    ASSERT_TRUE(port) << error;
    auto& adapter = static_cast<sim::SimAdapter&>(*port);
    // Program a word through the lines so the saved state is the chip's own.
    ActiveDevice device;
    SelectDevice(device, "16F877");
    SimRigHooks hooks;
    WiredPins pins(*port, 0x378, DefaultAdapter());
    Protocol proto(pins, clock_, hooks, device);
    proto.ResetPic();
    proto.IncrementAddress();
    proto.LoadDataForProgramMemory(0x2A55);
    proto.BeginEraseProgrammingCycle();
    clock_.WaitMs(20);
    proto.Idle();
    sim::ChipState& s = adapter.chip().state();
    s.data[7] = 0x42;
    s.config[1] = 0x3FF2;
    sim::ConfigWord(s) = 0x3F39;
    s.stuckBits.push_back({{sim::Space::Data, 3}, 5, false});
    s.neverPrograms.push_back({sim::Space::Config, 0x2001});
    s.defaultPulsesNeeded = 2;
    s.pulsesNeeded[{sim::Space::Program, 0x10}] = 7;
    s.socketEmpty = true;
    before = s;
    EXPECT_EQ(before.program[1], 0x2A55);
    ASSERT_TRUE(SaveSimulatedChip(*port, &error)) << error;  // saving is an explicit step
  }
  auto again = Open("16F84", path, &error);  // the file's device wins
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(static_cast<sim::SimAdapter&>(*again).chip().state(), before);
}

TEST_F(ChipFile, EveryFamilyRoundTripsThroughText) {
  for (const char* device : {"16F84", "16C61", "16C554", "12C508", "16C505", "12C672", "14C000",
                             "16F628", "16F876", "16F630/676", "16F877A", "16F627A"}) {
    SCOPED_TRACE(device);
    sim::ChipState chip = *sim::MakeBlankChip(device);
    chip.program[chip.program.size() / 2] = 0x0123;
    if (!chip.data.empty()) chip.data.back() = 0x00;
    sim::ConfigWord(chip) &= 0x0FF0;
    std::stringstream text;
    sim::WriteChip(text, chip);
    std::string error;
    std::optional<sim::ChipState> back = sim::ParseChipText(text, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, chip);
  }
}

TEST_F(ChipFile, BadFilesAreRefusedWithTheLineNamed) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"\n", "no \"device\" line"},
      {"# only a comment\n\n", "no \"device\" line"},
      {"program 0000 3FFF\n", "line 1: the first line must be \"device NAME\""},
      {"device 16F99\n", "line 1: unknown device \"16F99\""},
      {"device 16F84\ndevice 16F84\n", "line 2: a second \"device\" line"},
      {"# c\ndevice 16F84\nprogram 0400 0000\n", "line 3: address \"0400\" is not in program"},
      {"device 16F84\nprogram 03FC 1 2 3 4 5\n", "line 2: the row runs past the end"},
      {"device 16F84\nprogram 0000 4000\n", "line 2: \"4000\" is not a program value"},
      {"device 12C508\nprogram 0000 1000\n", "line 2: \"1000\" is not a program value"},
      {"device 16F84\ndata 0000 100\n", "line 2: \"100\" is not a data value"},
      {"device 16C61\ndata 0000 00\n", "line 2: address \"0000\" is not in data"},
      {"device 16F84\nconfig 3FFF 3FFF\n", "line 2: expected \"config\" and 8 words"},
      {"device 16F84\nfault stuck program 0000 14 1\n", "line 2: expected \"fault stuck"},
      {"device 16F84\nfault stuck config 2008 1 1\n", "line 2: address 2008 is not in config"},
      {"device 16F84\nfault melted\n", "line 2: unknown fault \"melted\""},
      {"device 16F84\nfault no-chip extra\n",
       "line 2: unexpected \"extra\" after \"fault no-chip\""},
      // 12-bit words have bits 0 to 11.
      {"device 12C508\nfault stuck program 0000 12 1\n", "line 2: expected \"fault stuck"},
      {"device 16F84\npulses program 0001 0\n", "line 2: expected \"pulses MEMORY"},
      {"device 16F84\nfactory bandgap 4\n", "line 2: expected \"factory calibration"},
      {"device 16F84\nerase all\n", "line 2: unknown keyword \"erase\""},
      {"device 16F84\nprogram 0000 3fxf\n", "line 2: \"3fxf\" is not a program value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string path = Write(c.text);
    std::string error;
    EXPECT_FALSE(Open("16F84", path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
  std::string folderError;
  EXPECT_FALSE(Open("16F84", dir_.string(), &folderError));
  EXPECT_NE(folderError.find("is a folder"), std::string::npos) << folderError;
  // An overlong line is refused rather than read without bound.
  std::string error;
  EXPECT_FALSE(Open("16F84", Write("device 16F84\n# " + std::string(5000, 'x') + "\n"), &error));
  EXPECT_NE(error.find("line 2: line is too long"), std::string::npos) << error;
}

TEST_F(ChipFile, FileInAMissingFolderIsRefusedWhenThePortOpens) {
  // The chip file is locked before it is read; a folder that is not there
  // cannot hold the file, so the port is refused up front instead of
  // losing the chip at the end.
  const std::string path = (dir_ / "no_such_dir" / "chip.txt").string();
  std::string error;
  EXPECT_FALSE(Open("16F84", path, &error));
  EXPECT_NE(error.find("no_such_dir"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(dir_ / "no_such_dir"));
}

TEST(OpenPortKinds, SimAndAddressZeroAreFreshChipsAtTheSpecAddress) {
  VirtualClock clock;
  ActiveDevice device;
  SelectDevice(device, "16F628A");
  for (PortChoice choice : {PortChoice{PortChoice::Kind::Simulator, 0x278, "", ""},
                            PortChoice{PortChoice::Kind::Address, 0, "", ""}}) {
    std::string error;
    auto port = OpenPort(choice, clock, device, &error);
    ASSERT_TRUE(port) << error;
    EXPECT_TRUE(port->Opened());
    auto& adapter = static_cast<sim::SimAdapter&>(*port);
    EXPECT_EQ(adapter.base(), choice.address);
    EXPECT_EQ(adapter.chip().state(), *sim::MakeBlankChip("16F628A"));
  }
}

}  // namespace
}  // namespace lpt::simtest
