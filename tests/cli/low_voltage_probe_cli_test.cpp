// SPDX-License-Identifier: GPL-2.0-or-later
// A chip is asked at low voltage which part it is before any Vpp: an
// enhanced part in the socket (MCLR at most 9.0 V, the data sheets'
// absolute maximum) survives every command with an older part selected, and
// an LF part (Vdd 1.8-3.6 V, its data sheet's operating range) is refused on
// a 5 V board and programmed on a 3.3 V one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using lpt::testing_files::RunCliIn;
using lpt::testing_files::ScratchDir;
using ::testing::HasSubstr;

// A two-word image any of the selected parts takes.
constexpr const char* kImage = ":020000000528D1\n:00000001FF\n";

// Whether a trace holds a write that switches Vpp on (bit 2 of the data
// register, the default wiring).
bool RaisesVpp(const std::string& trace) {
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("W 0378 ", 0) == 0 && (std::stoul(line.substr(7), nullptr, 16) & 0x04) != 0)
      return true;
  return false;
}

struct Dir {
  ScratchDir scratch{"lptpic_probe_cli_"};
  explicit Dir(const std::string& chip) {
    std::ofstream(scratch.path / "chip.txt") << "# lptpic simulated chip\ndevice " << chip << "\n";
    std::ofstream(scratch.path / "a.hex") << kImage;
  }
  CliRun Run(const std::string& args) const {
    fs::remove(scratch.path / "t.txt");
    return RunCliIn(scratch.path, "-q --port sim:chip.txt --trace t.txt " + args);
  }
  std::string Trace() const { return ReadFile(scratch.path / "t.txt"); }
  std::string Chip() const { return ReadFile(scratch.path / "chip.txt"); }
};

TEST(LowVoltageProbeCli, NineVoltPartsSurviveEveryCommandOfAnOlderPart) {
  const char* commands[] = {"read",
                            "program a.hex",
                            "verify a.hex",
                            "blank",
                            "erase",
                            "program --only data a.hex",
                            "program --only fuses a.hex",
                            "program --repeat --count 1 a.hex"};
  for (const char* chip : {"16F1827", "12F1822", "16F1937"})
    for (const char* selected : {"16F84A", "16F877A"})
      for (const char* command : commands) {
        SCOPED_TRACE(std::string(chip) + " in the socket, " + selected + ": " + command);
        const Dir dir(chip);
        const CliRun run = dir.Run(std::string("--device ") + selected + " " + command);
        EXPECT_EQ(run.code, 1);
        EXPECT_THAT(run.err, HasSubstr(std::string("The socket holds a ") + chip +
                                       ", which takes at most 9 V on MCLR; the selected " +
                                       selected + " needs 13 V. Nothing was written."));
        EXPECT_FALSE(RaisesVpp(dir.Trace()));
        EXPECT_THAT(dir.Chip(), ::testing::Not(HasSubstr("destroyed")));
      }
}

TEST(LowVoltageProbeCli, DetectNamesTheChipAndRaisesVppOnlyForOneThatTakesIt) {
  const struct {
    const char* chip;
    const char* named;
    bool vpp;
  } cases[] = {
      {"16F1827", "16F1827 revision 4", false},
      {"12F1822", "12F1822 revision 4", false},
      {"16F84A", "16F84A revision 0", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chip);
    const Dir dir(c.chip);
    const CliRun run = dir.Run("--device 16F84 detect");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr(c.named));
    EXPECT_EQ(RaisesVpp(dir.Trace()), c.vpp);
    EXPECT_THAT(dir.Chip(), ::testing::Not(HasSubstr("destroyed")));
  }
}

// Without the probe a command sends what it sent before; with it, the same
// behind the probe's prefix, which never raises Vpp.
TEST(LowVoltageProbeCli, TheProbeIsOnlyAPrefix) {
  const Dir dir("16F84A");
  ASSERT_EQ(dir.Run("--device 16F84A --no-probe blank").code, 0);
  const std::string without = dir.Trace();
  ASSERT_EQ(dir.Run("--device 16F84A blank").code, 0);
  const std::string with = dir.Trace();
  ASSERT_GT(with.size(), without.size());
  EXPECT_EQ(with.substr(with.size() - without.size()), without);
  EXPECT_FALSE(RaisesVpp(with.substr(0, with.size() - without.size())));
}

TEST(LowVoltageProbeCli, AnLfPartNeedsABoardOfItsSupply) {
  const Dir dir("16LF1827");
  std::ofstream(dir.scratch.path / "mine.conf")
      << "adapter five clock=2 data-out=3 data-in=11 vpp=4 vdd=~5\n"
         "adapter three clock=2 data-out=3 data-in=11 vpp=4 vdd=~5 vdd-volts=3.3\n";
  const CliRun refused = dir.Run("--adapters mine.conf --adapter five --device 16LF1827 erase");
  EXPECT_EQ(refused.code, 1);
  EXPECT_THAT(refused.err, HasSubstr("The 16LF1827 takes at most 3.6 V on Vdd; this adapter "
                                     "gives 5 V. It cannot be programmed with this adapter."));
  EXPECT_EQ(dir.Trace().find("W "), std::string::npos);
  for (const char* command : {"--device 16LF1827 program a.hex", "--device 16LF1827 verify a.hex",
                              "--device 16F1827 detect"}) {
    const CliRun run = dir.Run(std::string("--adapters mine.conf --adapter three ") + command);
    EXPECT_EQ(run.code, 0) << command << ": " << run.err;
    if (std::string(command).ends_with("detect"))
      EXPECT_THAT(run.out, HasSubstr("16LF1827 revision 4"));
  }
  EXPECT_THAT(dir.Chip(), ::testing::Not(HasSubstr("destroyed")));
}

}  // namespace

namespace {

// detect --select makes the part found the one the window opens with: the
// device line of path.dat in the user's configuration folder.
TEST(LowVoltageProbeCli, DetectSelectSavesThePartFound) {
  const Dir dir("16F1827");
  const fs::path config = dir.scratch.path / "config";
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  const CliRun plain = dir.Run("--device 16F84 detect");
  EXPECT_FALSE(fs::exists(config / "lptpic" / "path.dat"));
  const CliRun run = dir.Run("--device 16F84 detect --select");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(plain.code, 0) << plain.err;
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(ReadFile(config / "lptpic" / "path.dat"), HasSubstr("\r\n16F1827\r\n"));
}

}  // namespace
