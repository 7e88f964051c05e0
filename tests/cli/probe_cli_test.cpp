// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli probe as a user runs it: exit codes, messages and the trace.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "hw/ppdev_port.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;

using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using lpt::testing_files::ScratchDir;

// Runs the CLI with `args` (shell words) in a scratch folder of its own.
CliRun Cli(const std::string& args) {
  const ScratchDir run("lptpic_probe_run_");
  return lpt::testing_files::RunCliIn(run.path, args);
}

TEST(ProbeCli, SimulatedAdapterAnswers) {
  for (const char* port : {"sim", "0"}) {
    for (const char* device : {"16F84", "12F629/675", "12C508A", "16F877A"}) {
      SCOPED_TRACE(std::string(port) + " " + device);
      const CliRun r = Cli(std::string("--port ") + port + " --device '" + device + "' probe");
      EXPECT_EQ(r.code, 0) << r.err;
      EXPECT_EQ(r.err, "");
    }
  }
}

TEST(ProbeCli, MissingParallelPortExitsThreeWithMessageAndReason) {
  if (lpt::FindParportByAddress(0x378, "/proc/sys/dev/parport", "/dev"))
    GTEST_SKIP() << "this machine has a parallel port at 0x378";
  const CliRun r = Cli("--port 0x378 probe");
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.err.rfind("Device is not found !\n\n", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("No parallel port at 0x378"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");

  const CliRun byPath = Cli("--port /dev/lptpic-no-such-parport probe");
  EXPECT_EQ(byPath.code, 3);
  EXPECT_NE(byPath.err.find("/dev/lptpic-no-such-parport"), std::string::npos) << byPath.err;
}

// A machine without parport modules: the message names them whichever way
// the port was given.
TEST(ProbeCli, NoParallelPortAtAllNamesTheModulesToLoad) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/sys/dev/parport", ec))
    if (entry.path().filename().string().rfind("parport", 0) == 0)
      GTEST_SKIP() << "this machine has parallel ports";
  for (const char* port : {"0x378", "888", "LPT1", "/dev/parport0"}) {
    SCOPED_TRACE(port);
    const CliRun r = Cli(std::string("--port ") + port + " probe");
    EXPECT_EQ(r.code, 3);
    EXPECT_NE(r.err.find("sudo modprobe parport_pc ppdev"), std::string::npos) << r.err;
  }
}

TEST(ProbeCli, BadUsageExitsTwo) {
  struct Case {
    const char* args;
    const char* messagePart;
  };
  const Case cases[] = {
      {"--port lpt4 probe", "Unknown port \"lpt4\""},
      {"--port 0x1FFFF probe", "out of range"},
      {"--port sim: probe", "needs a chip file"},
      {"--device 16F85 probe", "Unknown device \"16F85\""},
      {"--id 12345 --port sim probe", "Bad --id"},
      {"--trace /nonexistent-lptpic-dir/trace.txt --port sim probe", "Cannot write the trace file"},
      {"probe extra", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
  }

  // A simulator chip file that is not one: refused, and left as it was.
  const ScratchDir scratch("lptpic_probe_");
  const fs::path& dir = scratch.path;
  const fs::path chip = dir / "bad.chip";
  std::ofstream(chip) << "not a chip\n";
  const CliRun r = Cli("--port sim:" + chip.string() + " probe");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find(chip.string()), std::string::npos) << r.err;
  EXPECT_EQ(ReadFile(chip), "not a chip\n");
}

TEST(ProbeCli, TraceRecordsThePresenceTestAndTheSwitchOff) {
  const ScratchDir scratch("lptpic_probe_");
  const fs::path& dir = scratch.path;
  const fs::path trace = dir / "probe.trace";
  const CliRun r = Cli("--port sim --trace " + trace.string() + " probe");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadFile(trace),
            "W 0378 08\nM 10\nW 0378 00\nU 2\nW 0378 04\nM 1\n"
            "W 0378 06\nU 1\nR 0379 07\nW 0378 04\nU 1\nR 0379 87\nW 0378 08\n");

  // Vpp-first family, and --delay changes nothing here.
  const CliRun vpp = Cli("--port sim --delay --device 16F628 --trace " + trace.string() + " probe");
  ASSERT_EQ(vpp.code, 0) << vpp.err;
  EXPECT_EQ(ReadFile(trace).substr(0, 29), "W 0378 08\nM 10\nW 0378 0C\nU 6\n");
}

// A failed presence test leaves Vpp on for the command that would follow;
// the session switches the chip off before the program ends, once.
TEST(ProbeCli, SessionSwitchesTheChipOffAfterAFailedPresenceTest) {
  const ScratchDir scratch("lptpic_probe_");
  const fs::path& dir = scratch.path;
  const fs::path trace = dir / "blank.trace";
  const CliRun r =
      Cli("-q --port /dev/lptpic-no-such-parport --trace " + trace.string() + " blank");
  EXPECT_EQ(r.code, 3) << r.err;
  const std::string text = ReadFile(trace);
  const std::string tail = "W 0378 04\nU 1\nR 0379 00\nW 0378 08\n";
  ASSERT_GE(text.size(), tail.size()) << text;
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << text;
}

// --delay reaches the protocol: a clock edge is followed by a 1 µs wait only
// in the slower timing mode.
TEST(ProbeCli, DelayOptionSelectsTheSlowerTimingMode) {
  const ScratchDir scratch("lptpic_probe_");
  const fs::path& dir = scratch.path;
  const fs::path trace = dir / "blank.trace";
  for (bool slow : {false, true}) {
    SCOPED_TRACE(slow ? "--delay" : "fast");
    const CliRun r = Cli(std::string("-q --port sim ") + (slow ? "--delay " : "") + "--trace " +
                         trace.string() + " blank");
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string text = ReadFile(trace);
    EXPECT_EQ(text.find("W 0378 05\nU 1\nW 0378 04\nU 1\n") != std::string::npos, slow);
    EXPECT_EQ(text.find("W 0378 05\nW 0378 04\n") != std::string::npos, !slow);
  }
}

}  // namespace
