// SPDX-License-Identifier: GPL-2.0-or-later
// Which parallel ports this machine has and whether this user can use them.
// Linux lists every port the kernel knows under /proc/sys/dev/parport
// (parportN/base-addr, parportN/devices/) with its /dev/parportN. Discovery
// only reads: it never opens a port, so nothing is written to anything
// that is not a parallel port. Windows has no such list: the driver client
// reaches the addresses the user gives.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lpt {

// The few file-system questions discovery asks, so tests can answer them
// from a fake tree.
class DiscoveryOs {
 public:
  virtual ~DiscoveryOs() = default;
  // Names in a directory; empty when it does not exist.
  virtual std::vector<std::string> ListDir(const std::string& path) = 0;
  virtual std::optional<std::string> ReadText(const std::string& path) = 0;
  // 0 when this user may open `path` for reading and writing, else the
  // errno (ENOENT, EACCES...). Asks the permission, never opens the file.
  virtual int Access(const std::string& path) = 0;
};

std::unique_ptr<DiscoveryOs> MakeSystemDiscoveryOs();

struct FoundPort {
  enum class State { Ready, NoPermission, Busy, NoDevice };
  std::string device;  // /dev/parportN
  std::uint16_t base = 0;
  State state = State::Ready;
  std::string holder;  // Busy: the driver registered on the port
};

struct DiscoveryPlaces {
  std::string procRoot = "/proc/sys/dev/parport";
  std::string devDir = "/dev";
};

// Every port, by number. Empty where the system has none (or no list).
std::vector<FoundPort> DiscoverPorts(DiscoveryOs& os, const DiscoveryPlaces& places = {});

// "ready", "no permission: add yourself to group lp", "in use by lp:
// unload it", ...
std::string StateText(const FoundPort& port);
// "/dev/parport1  0xD010  ready"
std::string PortLine(const FoundPort& port);

// The base address of a device path among `ports`.
std::optional<std::uint16_t> BaseOfDevice(const std::vector<FoundPort>& ports,
                                          const std::string& device);

}  // namespace lpt
