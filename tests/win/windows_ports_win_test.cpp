// SPDX-License-Identifier: GPL-2.0-or-later
// The parallel ports Windows knows (run under wine by the cross build): the
// Ports class's devices as Windows would describe them, from a fake, become
// `ports` lines and the addresses of LPT1..LPT3; the real SetupAPI listing
// and --port LPTn agree with each other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hw/port_choice.h"
#include "hw/windows_ports.h"

namespace lpt {
namespace {

class FakePortsOs : public WindowsPortsOs {
 public:
  std::vector<PortsClassDevice> devices;
  bool fails = false;
  bool PortsClassDevices(std::vector<PortsClassDevice>* out, std::string* error) override {
    if (fails) {
      *error = "Windows could not list its ports (Windows error 5).";
      return false;
    }
    *out = devices;
    return true;
  }
};

// A mainboard port, a PCIe card's port at D010h, a disabled port without
// resources, one with a driver problem, and two serial ports.
FakePortsOs MachineWithPorts() {
  FakePortsOs os;
  os.devices = {
      {"COM1", "Communications Port (COM1)", {{0x3F8, 0x3FF}}, 0},
      {"LPT10", "PCIe Parallel Port (LPT10)", {{0xE000, 0xE007}}, 0},
      {"LPT1", "ECP Printer Port (LPT1)", {{0x378, 0x37F}, {0x778, 0x77F}}, 0},
      {"lpt3", "PCIe Parallel Port (LPT3)", {{0xD010, 0xD017}, {0xD000, 0xD003}}, 0},
      {"LPT2", "Printer Port (LPT2)", {}, 0},
      {"LPT4", "Printer Port (LPT4)", {{0x3BC, 0x3BF}}, 10},
      {"", "USB Serial Device", {}, 0},
  };
  return os;
}

TEST(WindowsPorts, ListsTheLptPortsByNumberWithTheirRanges) {
  FakePortsOs os = MachineWithPorts();
  std::vector<PortsClassDevice> devices;
  ASSERT_TRUE(os.PortsClassDevices(&devices, nullptr));
  std::vector<std::string> lines;
  for (const WindowsPort& port : ParallelPorts(devices)) lines.push_back(WindowsPortLine(port));
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "LPT1  0x0378  0x0378-0x037F 0x0778-0x077F  ECP Printer Port (LPT1)",
                "LPT2  -   Printer Port (LPT2)  (no I/O range: not a port lptpic can drive)",
                "LPT3  0xD010  0xD010-0xD017 0xD000-0xD003  PCIe Parallel Port (LPT3)",
                "LPT4  0x03BC  0x03BC-0x03BF  Printer Port (LPT4)  (not working: Device Manager "
                "problem code 10)",
                "LPT10  0xE000  0xE000-0xE007  PCIe Parallel Port (LPT10)",
            }));
}

TEST(WindowsPorts, LptNamesTakeTheListedAddressElseTheirOwn) {
  FakePortsOs os = MachineWithPorts();
  std::vector<PortsClassDevice> devices;
  ASSERT_TRUE(os.PortsClassDevices(&devices, nullptr));
  const std::vector<WindowsPort> listed = ParallelPorts(devices);
  const struct {
    const char* text;
    int number;
    std::uint16_t listedAddress, unlistedAddress;
  } cases[] = {
      {"LPT1", 1, 0x378, 0x378},   // listed where it always was
      {"lpt2", 2, 0x278, 0x278},   // listed without an I/O range
      {"Lpt3", 3, 0xD010, 0x3BC},  // a card's port under a classic name
      {"LPT4", 0, 0, 0},          {"LPT", 0, 0, 0}, {"LPT1:", 0, 0, 0}, {"COM1", 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LptNumber(c.text), c.number);
    if (c.number == 0) continue;
    EXPECT_EQ(LptAddress(c.number, listed), c.listedAddress);
    EXPECT_EQ(LptAddress(c.number, {}), c.unlistedAddress);
  }
}

TEST(WindowsPorts, ARefusedListingSaysWhy) {
  FakePortsOs os;
  os.fails = true;
  std::vector<PortsClassDevice> devices;
  std::string error;
  EXPECT_FALSE(os.PortsClassDevices(&devices, &error));
  EXPECT_TRUE(ParallelPorts(devices).empty());
  EXPECT_NE(error.find("Windows error 5"), std::string::npos);
}

// The real listing (SetupAPI and the configuration manager) completes, and
// --port LPT1 names the address it gives for LPT1, shown with its name.
TEST(WindowsPortsOnWindows, PortLptNameFollowsTheRealListing) {
  std::vector<PortsClassDevice> devices;
  std::string error;
  ASSERT_TRUE(MakeWin32PortsOs()->PortsClassDevices(&devices, &error)) << error;
  const std::vector<WindowsPort> listed = ParallelPorts(devices);
  for (const WindowsPort& port : listed) EXPECT_EQ(port.name.rfind("LPT", 0), 0u);
  const auto choice = ParsePortChoice("lpt1", &error);
  ASSERT_TRUE(choice) << error;
  EXPECT_EQ(choice->kind, PortChoice::Kind::Address);
  EXPECT_EQ(choice->name, "LPT1");
  EXPECT_EQ(choice->address, LptAddress(1, listed));
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%X", choice->address);
  EXPECT_EQ(PortChoiceText(*choice), std::string("LPT1 (") + hex + ")");
}

}  // namespace
}  // namespace lpt
