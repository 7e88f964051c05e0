// SPDX-License-Identifier: GPL-2.0-or-later
// The chip file as an input that cannot be trusted and a file that must not
// be lost: repeated statements, control characters in messages, inputs that
// are no files, one process at a time, and a file a command only read
// staying byte for byte as it was.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "hw/virtual_clock.h"
#include "sim/chip_file.h"
#include "sim/open_port.h"
#include "sim/sim_adapter.h"
#include "support/temp_dir.h"

namespace lpt::simtest {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string ReadError(const std::string& text) {
  std::istringstream in(text);
  std::string error;
  EXPECT_FALSE(sim::ParseChipText(in, &error)) << text;
  return error;
}

TEST(ChipFileRules, AStatementRepeatingAnEarlierOneNamesBothLines) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"device 16F84\nconfig 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FF1\n# again\n"
       "config 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FF0\n",
       "line 4: config is already given on line 2"},
      {"device 16F84\nfault stuck program 0010 3 0\nfault stuck program 0010 3 1\n",
       "line 3: fault stuck program 0010 bit 3 is already given on line 2"},
      // The same bit written two ways (found by fuzzing: the file written
      // back was refused).
      {"device 16F84\nfault stuck data 0006 7 1\nfault stuck data 06 007 1\n",
       "line 3: fault stuck data 0006 bit 7 is already given on line 2"},
      {"device 16F84\nprogram 0000 1 2 3 4\nprogram 0003 5\n",
       "line 3: program 0003 is already given on line 2"},
      {"device 16F84\ndata 0008 01\ndata 8 02\n", "line 3: data 0008 is already given on line 2"},
      {"device 16F84\nfault no-chip\nfault no-chip\n",
       "line 3: fault no-chip is already given on line 2"},
      {"device 16F84\npulses default 2\npulses default 3\n",
       "line 3: pulses default is already given on line 2"},
      {"device 16F84\npulses program 0001 2\npulses program 1 3\n",
       "line 3: pulses program 0001 is already given on line 2"},
      {"device 12F629/675\nfactory bandgap 1\nfactory bandgap 2\n",
       "line 3: factory bandgap is already given on line 2"},
      {"device 16F84\nfault never-programs data 0001\nfault never-programs data 0001\n",
       "line 3: fault never-programs data 0001 is already given on line 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_THAT(ReadError(c.text), HasSubstr(c.message));
  }
  // Different places are no repetition.
  std::istringstream distinct(
      "device 16F84\nfault stuck program 0010 3 0\nfault stuck program 0010 4 1\n"
      "program 0000 1 2\nprogram 0002 3\n");
  std::string error;
  EXPECT_TRUE(sim::ParseChipText(distinct, &error)) << error;
}

TEST(ChipFileRules, ControlCharactersInMessagesAreShownEscaped) {
  const std::string nul("device 16F84\nerase\0all\n", 23);
  EXPECT_THAT(ReadError(nul), HasSubstr("unknown keyword \"erase\\x00all\""));
  EXPECT_THAT(ReadError("device 16F\x1b[2J84\n"), HasSubstr("unknown device \"16F\\x1B[2J84\""));
  EXPECT_EQ(ReadError("device 16F84\nfault \x07\n").find('\x07'), std::string::npos);
}

class ChipFilePort : public ::testing::Test {
 protected:
  std::unique_ptr<Port> Open(const std::string& path, std::string* error, bool* inUse = nullptr,
                             int* tries = nullptr) {
    SelectDevice(device_, "16F84");
    PortChoice spec;
    spec.kind = PortChoice::Kind::SimulatorFile;
    spec.path = path;
    const auto counted = [tries] {
      if (tries) ++*tries;
      return false;
    };
    return OpenPort(spec, clock_, device_, DefaultAdapter(), error, inUse, counted);
  }
  int tries_ = 0;
  testing_files::ScratchDir scratch_{"lptpic_chiprules_"};
  const fs::path& dir_ = scratch_.path;
  VirtualClock clock_;
  ActiveDevice device_;
};

TEST_F(ChipFilePort, InputsThatAreNoFilesAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  const fs::path huge = dir_ / "huge.txt";
  std::ofstream(huge) << "device 16F84\n";
  fs::resize_file(huge, (16u << 20) + 1);
  const fs::path longLine = dir_ / "long.txt";
  std::ofstream(longLine) << "device 16F84\n# " << std::string(3u << 20, 'x');
  struct Case {
    std::string path;
    const char* message;
  } cases[] = {
      {"/dev/zero", "Not a regular file"},
      {(dir_ / "fifo").string(), "Not a regular file"},
      {huge.string(), "too large"},
      {longLine.string(), "line 2: line is too long"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::string error;
    EXPECT_FALSE(Open(c.path, &error));
    EXPECT_THAT(error, HasSubstr(c.message));
  }
}

TEST_F(ChipFilePort, ASecondUserWaitsThenIsToldTheFileIsInUse) {
  const std::string path = (dir_ / "chip.txt").string();
  std::string error;
  auto first = Open(path, &error);
  ASSERT_TRUE(first) << error;
  bool inUse = false;
  EXPECT_FALSE(Open(path, &error, &inUse, &tries_));
  EXPECT_EQ(tries_, 1 + kChipFileWaitMs / fileio::kLockRetryPeriod.count()) << "the whole wait";
  EXPECT_TRUE(inUse);
  EXPECT_EQ(error, "chip file " + path + " is in use by another process");
  first.reset();
  EXPECT_TRUE(Open(path, &error, &inUse)) << error;
  EXPECT_FALSE(inUse);
}

TEST_F(ChipFilePort, AChipOnlyReadIsNotWrittenAndAChangedOneIsWrittenOnce) {
  const std::string path = (dir_ / "chip.txt").string();
  const std::string handWritten =
      "# my test chip\ndevice 16F84\nprogram 0000 2805\n\n# data below\ndata 0000 05\n";
  std::ofstream(path) << handWritten;
  std::string error;
  auto port = Open(path, &error);
  ASSERT_TRUE(port) << error;
  auto& adapter = static_cast<sim::SimAdapter&>(*port);
  // Lines moving as a read does: power, Vpp, clocks.
  for (std::uint8_t lines : {0x08, 0x00, 0x04, 0x05, 0x04, 0x08}) port->WritePort(0x378, lines);
  ASSERT_TRUE(SaveSimulatedChip(*port, &error)) << error;
  std::ifstream in(path);
  std::stringstream now;
  now << in.rdbuf();
  EXPECT_EQ(now.str(), handWritten) << "comments and layout kept";

  adapter.chip().state().program[1] = 0x0123;
  ASSERT_TRUE(SaveSimulatedChip(*port, &error)) << error;
  std::string why;
  const auto saved = sim::LoadChipFile(path, &why);
  ASSERT_TRUE(saved) << why;
  EXPECT_EQ(saved->program[1], 0x0123);
  EXPECT_EQ(saved->program[0], 0x2805);
}

}  // namespace
}  // namespace lpt::simtest
