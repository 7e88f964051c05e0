// SPDX-License-Identifier: GPL-2.0-or-later
// The parallel ports Windows knows: the present devices of the Ports class
// (Device Manager's "Ports (COM & LPT)") whose port name is LPTn, with the
// I/O ranges Windows gave them. Listing only reads what Windows reports; no
// port is opened. The Windows calls (SetupAPI, the configuration manager)
// sit behind WindowsPortsOs so that tests can give their own devices.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lpt {

struct IoRange {
  std::uint16_t first = 0;
  std::uint16_t last = 0;
  bool operator==(const IoRange&) const = default;
};

// One device of the Ports class as Windows describes it.
struct PortsClassDevice {
  std::string portName;           // the PortName value of its device key: "LPT1", "COM3"
  std::string friendlyName;       // "ECP Printer Port (LPT1)"
  std::vector<IoRange> ioRanges;  // as allocated, in Windows' order
  std::uint32_t problem = 0;      // the device's problem code; 0: working
};

class WindowsPortsOs {
 public:
  virtual ~WindowsPortsOs() = default;
  // The present devices of the Ports class; false with *error when Windows
  // could not list them.
  virtual bool PortsClassDevices(std::vector<PortsClassDevice>* devices, std::string* error) = 0;
};

// The real calls (Windows only; nullptr elsewhere).
std::unique_ptr<WindowsPortsOs> MakeWin32PortsOs();

struct WindowsPort {
  std::string name;        // "LPT1", upper case
  std::uint16_t base = 0;  // the first I/O range's start: the port address
  std::vector<IoRange> ioRanges;
  std::string description;  // Windows' friendly name
  std::uint32_t problem = 0;
};

// The LPT ports among `devices`, by number (LPT2 before LPT10). A port
// without an I/O range (a USB printer cable, a disabled port) is kept with
// base 0: it cannot be driven.
std::vector<WindowsPort> ParallelPorts(const std::vector<PortsClassDevice>& devices);

// "LPT1  0x0378  0x0378-0x037F 0x0778-0x077F  ECP Printer Port (LPT1)"
// and, after the description, why the port cannot be used when it cannot.
std::string WindowsPortLine(const WindowsPort& port);

// "LPT1".."LPT3" in any case: the port's number; 0 for anything else.
int LptNumber(const std::string& text);

// The address of LPTn: the base Windows lists for that name, else the
// address that name has always had (0x378, 0x278, 0x3BC).
std::uint16_t LptAddress(int number, const std::vector<WindowsPort>& ports);

}  // namespace lpt
