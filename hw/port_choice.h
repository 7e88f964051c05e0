// SPDX-License-Identifier: GPL-2.0-or-later
// The text a user gives for the port (--port, the settings file's address)
// and what it names.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "hw/port.h"

namespace lpt {

struct PortChoice {
  enum class Kind { Simulator, SimulatorFile, Address, DevicePath };
  Kind kind = Kind::Address;
  std::uint16_t address = 0x378;  // Kind::Address; also the register base for the others
  std::string path;               // Kind::SimulatorFile: chip file; Kind::DevicePath: /dev/parportN
  std::string name;               // Kind::Address given as "LPT1".."LPT3": that name, for messages

  // The simulated adapter: "sim", "sim:FILE", and address 0, which names no
  // hardware. The one place that decides it, so the port opened, the clock
  // the waits run on and the window's hints always agree.
  bool IsSimulator() const {
    return kind == Kind::Simulator || kind == Kind::SimulatorFile ||
           (kind == Kind::Address && address == 0);
  }
};

// The system whose port names are taken: device paths are Linux's only.
enum class PortSystem { Linux, Windows };
#ifdef _WIN32
inline constexpr PortSystem kThisPortSystem = PortSystem::Windows;
#else
inline constexpr PortSystem kThisPortSystem = PortSystem::Linux;
#endif

// "sim", "sim:FILE", "888", "0x378", "0" (= sim), "LPT1".."LPT3", and on
// Linux "/dev/parport0". LPTn is the address Windows lists for that port,
// else the one the name has always had (0x378, 0x278, 0x3BC; on Linux
// always these). nullopt with *error set for anything else, a device path
// on Windows included.
std::optional<PortChoice> ParsePortChoice(const std::string& text, std::string* error,
                                          PortSystem system = kThisPortSystem);

// What --port takes on `system`, for help texts: "sim, sim:FILE, ...".
const char* PortSpellings(PortSystem system = kThisPortSystem);

// The port as messages name it: "sim", "sim:chip.txt", "0x378",
// "LPT1 (0x378)", "/dev/parport0".
std::string PortChoiceText(const PortChoice& choice);

// The backend for real hardware on this platform (Windows driver client,
// Linux ppdev). Not opened yet: the caller sets Opened.
std::unique_ptr<Port> MakeHardwarePort(const PortChoice& choice);

// A port that never opens and gives `reason` as its failure, for a caller
// that cannot have the port it was asked for at all (every access fails,
// so the presence test reports the reason).
std::unique_ptr<Port> MakeUnavailablePort(std::string reason);

}  // namespace lpt
