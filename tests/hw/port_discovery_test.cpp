// SPDX-License-Identifier: GPL-2.0-or-later
// Port discovery from the kernel's list: every port with its state, read
// from a fake tree through the OS seam, never by opening a port.
#include "hw/port_discovery.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <set>

namespace lpt {
namespace {

class FakeOs : public DiscoveryOs {
 public:
  std::map<std::string, std::vector<std::string>> dirs;
  std::map<std::string, std::string> files;
  std::map<std::string, int> access;  // errno per path; missing = 0
  std::set<std::string> asked;

  std::vector<std::string> ListDir(const std::string& path) override {
    auto it = dirs.find(path);
    return it == dirs.end() ? std::vector<std::string>{} : it->second;
  }
  std::optional<std::string> ReadText(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  int Access(const std::string& path) override {
    asked.insert(path);
    auto it = access.find(path);
    return it == access.end() ? 0 : it->second;
  }
};

// The layout /proc/sys/dev/parport has: parportN/base-addr ("888\t1912\n")
// and parportN/devices/ with "active" and a folder per registered driver.
void AddPort(FakeOs& os, const std::string& name, const std::string& baseAddr,
             std::vector<std::string> devices = {"active"}) {
  const std::string dir = "/proc/sys/dev/parport/" + name;
  os.dirs["/proc/sys/dev/parport"].push_back(name);
  os.files[dir + "/base-addr"] = baseAddr;
  os.dirs[dir + "/devices"] = std::move(devices);
}

TEST(PortDiscovery, EachPortWithItsState) {
  FakeOs os;
  os.dirs["/proc/sys/dev/parport"].push_back("default");  // not a port
  AddPort(os, "parport10", "60432\t60424\n");
  AddPort(os, "parport1", "53264\t53256\n");
  AddPort(os, "parport0", "888\t1912\n", {"active", "lp"});
  os.access["/dev/parport1"] = EACCES;
  os.access["/dev/parport10"] = ENOENT;

  const std::vector<FoundPort> ports = DiscoverPorts(os);
  std::vector<std::string> lines;
  for (const FoundPort& p : ports) lines.push_back(PortLine(p));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "/dev/parport0  0x0378  in use by lp: unload it",
                       "/dev/parport1  0xD010  no permission: add yourself to group lp",
                       "/dev/parport10  0xEC10  no /dev/parport10: load ppdev",
                   }));
  EXPECT_EQ(BaseOfDevice(ports, "/dev/parport1"), 0xD010);
  EXPECT_EQ(BaseOfDevice(ports, "/dev/parport2"), std::nullopt);
  // A busy port is not even asked about: its state is known already.
  EXPECT_EQ(os.asked, (std::set<std::string>{"/dev/parport1", "/dev/parport10"}));
}

TEST(PortDiscovery, ReadyAndOddEntries) {
  FakeOs os;
  AddPort(os, "parport0", "888\n");
  AddPort(os, "parport1", "not a number\n");  // skipped, not guessed
  AddPort(os, "parport2", "70000\n");         // no 16-bit port address
  AddPort(os, "parport3", "632\n", {"active", "ppdev3"});
  const std::vector<FoundPort> ports = DiscoverPorts(os);
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(PortLine(ports[0]), "/dev/parport0  0x0378  ready");
  EXPECT_EQ(PortLine(ports[1]), "/dev/parport3  0x0278  in use by another program");
}

TEST(PortDiscovery, NoListMeansNoPorts) {
  FakeOs os;
  EXPECT_TRUE(DiscoverPorts(os).empty());
  DiscoveryPlaces elsewhere{"/fake/proc", "/fake/dev"};
  AddPort(os, "parport0", "888\n");
  EXPECT_TRUE(DiscoverPorts(os, elsewhere).empty());
}

}  // namespace
}  // namespace lpt
