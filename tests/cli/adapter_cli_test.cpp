// lptpic-cli with other adapters and ports: ports, pins, --adapter and
// --adapters as a user runs them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

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
  if (!machineHasPorts) EXPECT_EQ(real.out, "No parallel port found.\n");
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

TEST(PinsCli, SetsTheLinesAndReadsDataIn) {
  const ScratchDir dir("lptpic_pins_");
  // Tait classic: Vpp ~5 (bit 3), Vdd ~4 (bit 2), clock 3 (bit 1), data 2
  // (bit 0), data in 10. With no chip driving, data in echoes data out.
  struct Case {
    const char* args;
    const char* write;
    const char* dataIn;
  };
  const Case cases[] = {
      {"pins --vdd on --data 1", "W 0378 09\n", "Data in   pin 10    1\n"},
      {"pins --vpp on --vdd on --clock 1", "W 0378 02\n", "Data in   pin 10    0\n"},
      {"pins --off", "W 0378 0C\n", "Data in   pin 10    0\n"},
      {"pins", "W 0378 0C\n", "Data in   pin 10    0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun r =
        Cli(dir, std::string("--port sim --adapter 'tait classic' --trace t.txt ") + c.args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Take the chip out of the socket", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(c.dataIn), std::string::npos) << r.out;
    EXPECT_EQ(ReadFile(dir.path / "t.txt").rfind(c.write, 0), 0u) << ReadFile(dir.path / "t.txt");
  }
  const CliRun both = Cli(dir, "--port sim pins --off --vdd on");
  EXPECT_EQ(both.code, 2);
}

}  // namespace
