// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/windows_ports.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace lpt {
namespace {

constexpr std::uint16_t kClassicAddresses[] = {0x378, 0x278, 0x3BC};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// "LPT12" -> 12; 0 for anything else.
int AnyLptNumber(const std::string& name) {
  const std::string text = Upper(name);
  if (text.size() < 4 || text.size() > 6 || text.compare(0, 3, "LPT") != 0) return 0;
  int number = 0;
  for (std::size_t i = 3; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
    number = number * 10 + (text[i] - '0');
  }
  return number;
}

std::string Hex4(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFF);
  return text;
}

}  // namespace

#ifndef _WIN32
// The real calls exist only on Windows (hw/win/windows_ports_win32.cpp).
std::unique_ptr<WindowsPortsOs> MakeWin32PortsOs() { return nullptr; }
#endif

std::vector<WindowsPort> ParallelPorts(const std::vector<PortsClassDevice>& devices) {
  std::vector<WindowsPort> ports;
  for (const PortsClassDevice& device : devices) {
    if (AnyLptNumber(device.portName) == 0) continue;
    WindowsPort port;
    port.name = Upper(device.portName);
    port.ioRanges = device.ioRanges;
    port.base = device.ioRanges.empty() ? 0 : device.ioRanges.front().first;
    port.description = device.friendlyName;
    port.problem = device.problem;
    ports.push_back(std::move(port));
  }
  std::stable_sort(ports.begin(), ports.end(), [](const WindowsPort& a, const WindowsPort& b) {
    return AnyLptNumber(a.name) < AnyLptNumber(b.name);
  });
  return ports;
}

std::string WindowsPortLine(const WindowsPort& port) {
  std::string line = port.name + "  " + (port.base ? Hex4(port.base) : std::string("-")) + " ";
  for (const IoRange& range : port.ioRanges)
    line += " " + Hex4(range.first) + "-" + Hex4(range.last);
  line += "  " + port.description;
  if (port.problem != 0)
    line += "  (not working: Device Manager problem code " + std::to_string(port.problem) + ")";
  else if (port.base == 0)
    line += "  (no I/O range: not a port lptpic can drive)";
  return line;
}

int LptNumber(const std::string& text) {
  const int number = AnyLptNumber(text);
  return number >= 1 && number <= 3 ? number : 0;
}

std::uint16_t LptAddress(int number, const std::vector<WindowsPort>& ports) {
  const std::string name = "LPT" + std::to_string(number);
  for (const WindowsPort& port : ports)
    if (port.name == name && port.base != 0) return port.base;
  return number >= 1 && number <= 3 ? kClassicAddresses[number - 1] : 0;
}

}  // namespace lpt
