// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli with other adapters and ports: ports, pins, --adapter and
// --adapters as a user runs them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "hw/adapter.h"
#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;

using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using lpt::testing_files::ScratchDir;

CliRun Cli(const ScratchDir& dir, const std::string& args) {
  return lpt::testing_files::RunCliIn(dir.path, args);
}

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

TEST(PortsCli, FakeTreeShowsEachState) {
  const ScratchDir dir("lptpic_ports_");
  const fs::path proc = dir.path / "proc", dev = dir.path / "dev";
  Write(proc / "parport0" / "base-addr", "888\t1912\n");
  Write(proc / "parport0" / "devices" / "active", "none\n");
  Write(proc / "parport1" / "base-addr", "53264\t53256\n");
  Write(proc / "parport1" / "devices" / "active", "none\n");
  fs::create_directories(proc / "parport1" / "devices" / "lp");
  Write(proc / "parport2" / "base-addr", "60432\t60424\n");
  Write(proc / "parport2" / "devices" / "active", "none\n");
  for (const char* name : {"parport0", "parport1", "parport2"}) Write(dev / name, "");
  fs::permissions(dev / "parport2", fs::perms::none);

  const CliRun r =
      Cli(dir, "ports --proc-root '" + proc.string() + "' --dev-dir '" + dev.string() + "'");
  EXPECT_EQ(r.code, 0) << r.err;
  // Root may open any file, so the permission line is what root would get.
  const std::string third = geteuid() == 0 ? "ready" : "no permission: add yourself to group lp";
  EXPECT_EQ(r.out, dev.string() + "/parport0  0x0378  ready\n" + dev.string() +
                       "/parport1  0xD010  in use by lp: unload it\n" + dev.string() +
                       "/parport2  0xEC10  " + third + "\n");
  fs::permissions(dev / "parport2", fs::perms::owner_all);
}

// A tree given by --proc-root is read as the kernel's would be: a line a
// file. A base-addr that is a FIFO or a link to /dev/zero is no port, and
// neither hangs nor grows without end.
TEST(PortsCli, KernelFilesThatAreNoRegularFilesAreSkippedAtOnce) {
  for (const char* bad : {"fifo", "zero"}) {
    SCOPED_TRACE(bad);
    const ScratchDir dir("lptpic_ports_");
    const fs::path proc = dir.path / "proc";
    fs::create_directories(proc / "parport0");
    if (std::string(bad) == "fifo") {
      ASSERT_EQ(::mkfifo((proc / "parport0" / "base-addr").c_str(), 0644), 0);
    } else {
      fs::create_symlink("/dev/zero", proc / "parport0" / "base-addr");
    }
    Write(proc / "parport1" / "base-addr", "888\t1912\n");
    const pid_t pid = lpt::testing_files::StartCli(
        dir.path, dir.path, "ports --proc-root proc --dev-dir " + dir.path.string());
    const auto run = lpt::testing_files::WaitCliWithin(pid, dir.path, 60);
    // A hang or a run out of memory stops the loop before the next one.
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, dir.path.string() + "/parport1  0x0378  no " + dir.path.string() +
                           "/parport1: load ppdev\n");
  }
}

TEST(PortsCli, NoPortsIsNoError) {
  const ScratchDir dir("lptpic_ports_");
  const CliRun fake = Cli(dir, "ports --proc-root '" + (dir.path / "none").string() + "'");
  EXPECT_EQ(fake.code, 0);
  EXPECT_EQ(fake.out, "No parallel port found.\n");

  bool machineHasPorts = false;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator("/proc/sys/dev/parport", ec))
    machineHasPorts = machineHasPorts || e.path().filename().string().rfind("parport", 0) == 0;
  const CliRun real = Cli(dir, "ports");
  EXPECT_EQ(real.code, 0) << real.err;
  if (!machineHasPorts) {
    EXPECT_EQ(real.out, "No parallel port found.\n");
  }
}

TEST(AdapterCli, UnknownAdapterAndBadFileAreUsageErrors) {
  const ScratchDir dir("lptpic_adapter_cli_");
  const CliRun unknown = Cli(dir, "--port sim --adapter 'Tait' probe");
  EXPECT_EQ(unknown.code, 2);
  EXPECT_EQ(unknown.err.rfind("Unknown adapter \"Tait\". Known adapters:\n  lptpic\n", 0), 0u)
      << unknown.err;
  EXPECT_NE(unknown.err.find("\n  Tait classic\n"), std::string::npos);

  Write(dir.path / "mine.conf",
        "adapter good clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n"
        "adapter bad clock=2 data-out=3 data-in=10 vpp=11 vdd=5\n");
  const CliRun bad = Cli(dir, "--port sim --adapters mine.conf --adapter good probe");
  EXPECT_EQ(bad.code, 2);
  EXPECT_EQ(bad.err,
            "mine.conf, line 2: vpp: pin 11 is a status input and cannot drive the "
            "adapter\n");
  EXPECT_EQ(bad.out, "");
}

TEST(AdapterCli, ProgramAndVerifyThroughAnotherWiring) {
  const ScratchDir dir("lptpic_adapter_cli_");
  Write(dir.path / "p.hex", ":04000000052883014B\n:00000001FF\n");
  Write(dir.path / "mine.conf", "adapter mine clock=7 data-out=6 data-in=~13 vpp=~8 vdd=9\n");
  for (const char* adapter : {"'Asix Piccolo'", "\"Myke's EL Cheapo\"", "mine"}) {
    SCOPED_TRACE(adapter);
    fs::remove(dir.path / "chip.txt");
    const std::string common =
        std::string("-q --port sim:chip.txt --adapters mine.conf --device 16F84 --adapter ") +
        adapter;
    const CliRun program = Cli(dir, common + " program p.hex");
    EXPECT_EQ(program.code, 0) << program.err;
    EXPECT_NE(ReadFile(dir.path / "chip.txt").find("program 0000 2805 0183"), std::string::npos);
    const CliRun verify = Cli(dir, common + " verify p.hex");
    EXPECT_EQ(verify.code, 0) << verify.err;
  }
}

TEST(PinsCli, SetsTheLinesAndSaysWhatEachMeasures) {
  const ScratchDir dir("lptpic_pins_");
  // A line pasted from a published table: the minus on pins 1 and 17 is
  // the register bit, so this is Myke's EL Cheapo again.
  Write(dir.path / "mine.conf", "adapter mine vpp=16 vdd=25 clock=-1 data-out=-17 data-in=13\n");
  // Register bytes from tests/data/adapter_registers.tsv's convention. With
  // no chip driving, data in echoes data out.
  struct Case {
    const char* adapter;
    const char* args;
    const char* write;
    const char* line;
  };
  const Case cases[] = {
      {"'tait classic'", "pins --vdd on --data 1", "W 0378 09\n",
       "Data in: pin 10 high (the chip's data line reads 1)\n"},
      {"'tait classic'", "pins --vpp on --vdd on --clock 1", "W 0378 02\n",
       "Data in: pin 10 low (the chip's data line reads 0)\n"},
      {"'tait classic'", "pins --off", "W 0378 0C\n",
       "Vpp: pin 5 high (0 V at MCLR through the board)\n"},
      {"'tait classic'", "pins", "W 0378 0C\n", "Vdd: pin 4 high (0 V at VDD through the board)\n"},
      {"\"Myke's EL Cheapo\"", "pins --vpp on --clock 1 --data 1", "W 037A 04\n",
       "Vdd: always on (this board does not switch it)\n"},
      {"'EL Cheapo classic'", "pins --vpp on --clock 1 --data 1", "W 037A 0D\n",
       "Clock: pin 1 low (≈ +5 V at the chip's clock pin)\n"},
      {"'Asix Piccolo'", "pins --vdd on --data-out-enable off", "W 0378 1A\n",
       "Data out enable: pin 2 low (the chip may drive the data line)\n"},
      {"mine", "pins --vpp on --clock 1 --data 1", "W 037A 04\n", "Clock: pin 1 high\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.adapter) + " " + c.args);
    const CliRun r =
        Cli(dir, std::string("--port sim --adapters mine.conf --trace t.txt --adapter ") +
                     c.adapter + " " + c.args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Take the chip out of the socket", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(c.line), std::string::npos) << r.out;
    EXPECT_EQ(ReadFile(dir.path / "t.txt").rfind(c.write, 0), 0u) << ReadFile(dir.path / "t.txt");
    // The pasted line is read in the tables' sense, and says so once.
    EXPECT_EQ(r.err.rfind("mine.conf, line 1: read as in the published tables", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  EXPECT_EQ(Cli(dir, "--port sim pins --off --vdd on").code, 2);
  const CliRun noEnable = Cli(dir, "--port sim pins --data-out-enable on");
  EXPECT_EQ(noEnable.code, 2);
  EXPECT_EQ(noEnable.err, "The adapter \"lptpic\" has no data out enable pin.\n");
}

TEST(AdaptersCli, ListsEveryWiringWithItsSourceAndNotes) {
  const ScratchDir dir("lptpic_adapters_cli_");
  Write(dir.path / "mine.conf",
        "adapter mine clock=7 data-out=6 data-in=~13 vpp=~8 vdd=9 "
        "clock-delay-us=20 vpp-volts=14\n");
  const CliRun r = Cli(dir, "--adapters mine.conf adapters");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  for (const char* expected : {
           "adapter \"lptpic\" vpp=4 vdd=~5 clock=2 data-out=3 data-in=11\n"
           "  source: this program's own adapter\n",
           "adapter \"Myke's EL Cheapo\" vpp=16 vdd=none clock=1 data-out=17 data-in=13\n"
           "  source: PiKdev (github.com/funlw65/pikdev, src/Config.cpp) and Piklab "
           "(github.com/ethics/piklab, src/progs/direct/base/direct_prog_config.cpp)\n",
           "adapter \"Asix Piccolo\" vpp=~6 vdd=~7 clock=~5 data-out=~3 data-in=~10 "
           "data-out-enable=2\n",
           "  note: Disconnect the 7407's pin 2 first",
           "\"EL Cheapo classic\" vpp=16 vdd=none clock=~1 data-out=~17 data-in=~13\n",
           "  note: Not tried on real hardware: the published tables mark it \"not tested\".",
           "adapter \"mine\" vpp=~8 vdd=9 clock=7 data-out=6 data-in=~13 clock-delay-us=20 "
           "vpp-volts=14\n"
           "  source: mine.conf, line 1\n",
       })
    EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = r.out.find("adapter \"", at)) != std::string::npos; ++at) ++lines;
  EXPECT_EQ(lines, lpt::BuiltInAdapters().size() + 1);  // and the file's own
}

// A board whose Vpp is above what the part takes never drives the chip.
TEST(AdapterCli, APartTheAdaptersVppWouldOverstressIsRefusedBeforeAnything) {
  const ScratchDir dir("lptpic_adapter_cli_");
  Write(dir.path / "mine.conf",
        "adapter hot clock=2 data-out=3 data-in=11 vpp=4 vdd=~5 vpp-volts=14\n");
  const CliRun r = Cli(dir,
                       "--port sim:chip.txt --adapters mine.conf --adapter hot --device 16F84 "
                       "--trace t.txt read");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("The 16F84 takes at most 13.5 V on MCLR; this adapter gives 14 V. It "
                       "cannot be programmed with this adapter."),
            std::string::npos)
      << r.err;
  std::istringstream trace(ReadFile(dir.path / "t.txt"));
  for (std::string line; std::getline(trace, line);) {
    if (line.rfind("W 0378 ", 0) != 0) continue;
    EXPECT_EQ(std::stoi(line.substr(7), nullptr, 16) & 0x04, 0) << line;  // Vpp never on
  }
}

// CONFIG2 1FFFh clears LVP: a 13 V board could never enter the chip again.
TEST(AdapterCli, AConfigurationThatSwitchesLowVoltageEntryOffNeedsTheOverride) {
  const ScratchDir dir("lptpic_adapter_cli_");
  Write(dir.path / "off.hex",
        ":020000000428D2\n:020000040001F9\n:04000E00FF3FFF1F92\n:00000001FF\n");
  const std::string common = "-q --port sim:chip.txt --device 16F1827 ";
  const CliRun refused = Cli(dir, common + "program off.hex");
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("The configuration 3FFF 1FFF would switch off low-voltage "
                             "programming; this adapter could not program the chip again."),
            std::string::npos)
      << refused.err;
  EXPECT_FALSE(fs::exists(dir.path / "chip.txt"));
  const CliRun forced = Cli(dir, common + "--allow-lvp-off program off.hex");
  EXPECT_EQ(forced.code, 0) << forced.err;
  EXPECT_NE(ReadFile(dir.path / "chip.txt").find(" 3FFF 1FFF "), std::string::npos);
  const CliRun after = Cli(dir, common + "read");
  EXPECT_EQ(after.code, 1);
  EXPECT_NE(after.err.find("No chip answers low-voltage entry"), std::string::npos) << after.err;
}

TEST(AdapterCli, AnAdaptersFileThatIsNoFileIsRefusedAtOnce) {
  const ScratchDir dir("lptpic_adapter_cli_");
  ASSERT_EQ(::mkfifo((dir.path / "fifo.conf").c_str(), 0600), 0);
  fs::create_directory(dir.path / "folder.conf");
  for (const char* file : {"fifo.conf", "/dev/zero", "folder.conf"}) {
    SCOPED_TRACE(file);
    const CliRun r = Cli(dir, std::string("--port sim --adapters ") + file + " probe");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, std::string("Cannot read the adapters file ") + file +
                         ": Not a regular file (a device, FIFO or folder).\n");
  }
}

TEST(AdapterCli, ABoardWithoutVddSwitchingWarnsBeforeAChipThatNeedsVppFirst) {
  const ScratchDir dir("lptpic_adapter_cli_");
  // Configuration 3FC4h: internal oscillator, MCLR an input (p12f629.inc).
  Write(dir.path / "osc.hex", ":02400E00C43FAD\n:00000001FF\n");
  const std::string warning =
      "The 12F629/675 with the internal oscillator and MCLR as an input must see Vpp before "
      "Vdd, but the adapter \"Myke's EL Cheapo\" cannot switch Vdd";
  for (const char* adapter : {"\"Myke's EL Cheapo\"", "'Tait classic'"}) {
    SCOPED_TRACE(adapter);
    const CliRun r =
        Cli(dir, std::string("-q --port sim --device 12F629/675 --id FFFF --adapter ") + adapter +
                     " verify osc.hex");
    const bool warned = r.err.rfind(warning, 0) == 0;
    EXPECT_EQ(warned, std::string(adapter).find("Myke") != std::string::npos) << r.err;
  }
}

}  // namespace
