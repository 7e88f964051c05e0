// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/port_discovery.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "fileio/bounded_read.h"
#include "fileio/shown_text.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lpt {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxKernelFileBytes = 4096;

class SystemDiscoveryOs : public DiscoveryOs {
 public:
  std::vector<std::string> ListDir(const std::string& path) override {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path, ec))
      names.push_back(entry.path().filename().string());
    return names;
  }
  // The kernel's files are a line each: a regular file of a few bytes. A
  // link to /dev/zero or a FIFO in a tree given by --proc-root is refused
  // at once instead of being read for ever or waited on.
  std::optional<std::string> ReadText(const std::string& path) override {
    std::string text;
    if (!fileio::ReadWholeFile(path, kMaxKernelFileBytes, &text, nullptr)) return std::nullopt;
    return text;
  }
  int Access(const std::string& path) override {
#ifdef _WIN32
    (void)path;
    return ENOSYS;
#else
    return ::access(path.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
#endif
  }
};

// "parport12" -> 12; -1 for other names.
int PortNumber(const std::string& name) {
  if (name.rfind("parport", 0) != 0 || name.size() == 7) return -1;
  int n = 0;
  for (std::size_t i = 7; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9' || n > 9999) return -1;
    n = n * 10 + (name[i] - '0');
  }
  return n;
}

std::optional<unsigned long> FirstNumber(const std::string& text) {
  std::istringstream in(text);
  unsigned long value = 0;
  if (!(in >> value)) return std::nullopt;
  return value;
}

}  // namespace

std::unique_ptr<DiscoveryOs> MakeSystemDiscoveryOs() {
  return std::make_unique<SystemDiscoveryOs>();
}

std::vector<FoundPort> DiscoverPorts(DiscoveryOs& os, const DiscoveryPlaces& places) {
  std::vector<std::pair<int, FoundPort>> found;
  for (const std::string& name : os.ListDir(places.procRoot)) {
    const int number = PortNumber(name);
    if (number < 0) continue;
    const std::string dir = places.procRoot + "/" + name;
    const auto text = os.ReadText(dir + "/base-addr");
    const auto base = text ? FirstNumber(*text) : std::nullopt;
    if (!base || *base > 0xFFFF) continue;
    FoundPort port;
    port.device = places.devDir + "/" + name;
    port.base = static_cast<std::uint16_t>(*base);
    // Any driver registered on the port makes an exclusive claim fail.
    for (const std::string& holder : os.ListDir(dir + "/devices")) {
      if (holder == "active") continue;
      port.state = FoundPort::State::Busy;
      port.holder = holder;
      break;
    }
    if (port.state == FoundPort::State::Ready) {
      const int error = os.Access(port.device);
      if (error == EACCES || error == EPERM || error == EROFS)
        port.state = FoundPort::State::NoPermission;
      else if (error != 0)
        port.state = FoundPort::State::NoDevice;
    }
    found.emplace_back(number, std::move(port));
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<FoundPort> ports;
  for (auto& [number, port] : found) ports.push_back(std::move(port));
  return ports;
}

std::string StateText(const FoundPort& port) {
  switch (port.state) {
    case FoundPort::State::Ready:
      return "ready";
    case FoundPort::State::NoPermission:
      return "no permission: add yourself to group lp";
    case FoundPort::State::Busy:
      // ppdev registers one of these for every program that has the port.
      if (port.holder.rfind("ppdev", 0) == 0) return "in use by another program";
      return "in use by " + fileio::Shown(port.holder) + ": unload it";
    case FoundPort::State::NoDevice:
      return "no " + port.device + ": load ppdev";
  }
  return {};
}

std::string PortLine(const FoundPort& port) {
  char base[16];
  std::snprintf(base, sizeof base, "0x%04X", port.base);
  return port.device + "  " + base + "  " + StateText(port);
}

std::optional<std::uint16_t> BaseOfDevice(const std::vector<FoundPort>& ports,
                                          const std::string& device) {
  for (const FoundPort& port : ports)
    if (port.device == device) return port.base;
  return std::nullopt;
}

}  // namespace lpt
