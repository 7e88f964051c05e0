// lptpic-cli probe as a user runs it: exit codes, messages and the trace.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "hw/ppdev_port.h"

namespace {

namespace fs = std::filesystem;

struct ProbeRun {
  int code;
  std::string out, err;
};

fs::path TempDir() {
  const fs::path dir =
      fs::temp_directory_path() / ("lptpic_probe_" + std::to_string(::getpid()) + "_" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::create_directories(dir);
  return dir;
}

std::string Slurp(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs the CLI with `args` (shell words), standard error not a terminal.
ProbeRun Cli(const std::string& args) {
  const fs::path dir = TempDir() / "run";
  fs::create_directories(dir);
  const std::string command = std::string(LPTPIC_BINARY_DIR "/cli/lptpic-cli ") + args + " >" +
                              (dir / "out").string() + " 2>" + (dir / "err").string();
  const int status = std::system(command.c_str());
  ProbeRun r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir / "out"), Slurp(dir / "err")};
  fs::remove_all(dir);
  return r;
}

TEST(ProbeCli, SimulatedAdapterAnswers) {
  for (const char* port : {"sim", "0"}) {
    for (const char* device : {"16F84", "12F629/675", "12C508A", "16F877A"}) {
      SCOPED_TRACE(std::string(port) + " " + device);
      const ProbeRun r = Cli(std::string("--port ") + port + " --device '" + device + "' probe");
      EXPECT_EQ(r.code, 0) << r.err;
      EXPECT_EQ(r.err, "");
    }
  }
}

TEST(ProbeCli, MissingParallelPortExitsThreeWithMessageAndReason) {
  if (lpt::FindParportByAddress(0x378, "/proc/sys/dev/parport", "/dev"))
    GTEST_SKIP() << "this machine has a parallel port at 0x378";
  const ProbeRun r = Cli("--port 0x378 probe");
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.err.rfind("Device is not found !\n\n", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("No parallel port at 0x378"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");

  const ProbeRun byPath = Cli("--port /dev/lptpic-no-such-parport probe");
  EXPECT_EQ(byPath.code, 3);
  EXPECT_NE(byPath.err.find("/dev/lptpic-no-such-parport"), std::string::npos) << byPath.err;
}

TEST(ProbeCli, BadUsageExitsTwo) {
  struct Case {
    const char* args;
    const char* messagePart;
  };
  const Case cases[] = {
      {"--port lpt1 probe", "Unknown port \"lpt1\""},
      {"--port 0x1FFFF probe", "out of range"},
      {"--port sim: probe", "needs a chip file"},
      {"--device 16F85 probe", "Unknown device \"16F85\""},
      {"--id 12345 --port sim probe", "Bad --id"},
      {"--trace /nonexistent-lptpic-dir/trace.txt --port sim probe", "Cannot write the trace file"},
      {"probe extra", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const ProbeRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find(c.messagePart), std::string::npos) << r.err;
  }

  // A simulator chip file that is not one: refused, and left as it was.
  const fs::path dir = TempDir();
  const fs::path chip = dir / "bad.chip";
  std::ofstream(chip) << "not a chip\n";
  const ProbeRun r = Cli("--port sim:" + chip.string() + " probe");
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find(chip.string()), std::string::npos) << r.err;
  EXPECT_EQ(Slurp(chip), "not a chip\n");
  fs::remove_all(dir);
}

TEST(ProbeCli, TraceRecordsThePresenceTestAndTheSwitchOff) {
  const fs::path dir = TempDir();
  const fs::path trace = dir / "probe.trace";
  const ProbeRun r = Cli("--port sim --trace " + trace.string() + " probe");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Slurp(trace),
            "W 0378 08\nM 10\nW 0378 00\nU 2\nW 0378 04\nM 1\n"
            "W 0378 06\nU 1\nR 0379 07\nW 0378 04\nU 1\nR 0379 87\nW 0378 08\n");

  // Vpp-first family, and --delay changes nothing here.
  const ProbeRun vpp =
      Cli("--port sim --delay --device 16F628 --trace " + trace.string() + " probe");
  ASSERT_EQ(vpp.code, 0) << vpp.err;
  EXPECT_EQ(Slurp(trace).substr(0, 29), "W 0378 08\nM 10\nW 0378 0C\nU 6\n");
  fs::remove_all(dir);
}

// A failed presence test leaves Vpp on for the command that would follow;
// the session switches the chip off before the program ends, once.
TEST(ProbeCli, SessionSwitchesTheChipOffAfterAFailedPresenceTest) {
  const fs::path dir = TempDir();
  const fs::path trace = dir / "blank.trace";
  const ProbeRun r =
      Cli("-q --port /dev/lptpic-no-such-parport --trace " + trace.string() + " blank");
  EXPECT_EQ(r.code, 3) << r.err;
  const std::string text = Slurp(trace);
  const std::string tail = "W 0378 04\nU 1\nR 0379 00\nW 0378 08\n";
  ASSERT_GE(text.size(), tail.size()) << text;
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << text;
  fs::remove_all(dir);
}

// --delay reaches the protocol: a clock edge is followed by a 1 µs wait only
// in the slower timing mode.
TEST(ProbeCli, DelayOptionSelectsTheSlowerTimingMode) {
  const fs::path dir = TempDir();
  const fs::path trace = dir / "blank.trace";
  for (bool slow : {false, true}) {
    SCOPED_TRACE(slow ? "--delay" : "fast");
    const ProbeRun r = Cli(std::string("-q --port sim ") + (slow ? "--delay " : "") + "--trace " +
                           trace.string() + " blank");
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string text = Slurp(trace);
    EXPECT_EQ(text.find("W 0378 05\nU 1\nW 0378 04\nU 1\n") != std::string::npos, slow);
    EXPECT_EQ(text.find("W 0378 05\nW 0378 04\n") != std::string::npos, !slow);
  }
  fs::remove_all(dir);
}

}  // namespace
