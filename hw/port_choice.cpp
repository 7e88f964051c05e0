// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/port_choice.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "fileio/shown_text.h"
#include "hw/fallback_port.h"
#include "hw/inpout_port.h"
#include "hw/ppdev_port.h"
#include "hw/small_port.h"
#include "hw/windows_ports.h"

namespace lpt {
namespace {

constexpr const char* kLinuxSpellings =
    "sim, sim:FILE, a port address (888, 0x378; 0 = sim), LPT1 to LPT3, or /dev/parportN";
constexpr const char* kWindowsSpellings =
    "sim, sim:FILE, LPT1 to LPT3, or a port address (0x378, 0xD010 for a PCI card; 0 = sim)";

// The status register sits at address + 1 and the control register at
// address + 2, so the base must leave room for both.
constexpr unsigned long kHighestAddress = 0xFFFD;

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

// Digits only, in base 10 or 16; nullopt on anything else or on overflow
// past what a port address can be.
std::optional<unsigned long> ParseNumber(const std::string& digits, int base) {
  if (digits.empty()) return std::nullopt;
  unsigned long value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * base + d;
    if (value > 0xFFFFF) return std::nullopt;
  }
  return value;
}

std::optional<PortChoice> Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return std::nullopt;
}

// A port that never opens, with the reason why.
class UnavailablePort : public Port {
 public:
  explicit UnavailablePort(std::string reason) : reason_(std::move(reason)) {}
  bool Opened() const override { return false; }
  void SetOpened(bool) override {}
  std::uint8_t ReadPort(std::uint16_t) override { return 0; }
  void WritePort(std::uint16_t, std::uint8_t) override {}
  std::uint32_t LastError() const override { return 6; }
  bool LastIoOk() const override { return false; }
  std::string FailureReason() const override { return reason_; }

 private:
  std::string reason_;
};

// A hardware port whose failure names the port as the user gave it
// ("LPT1 (0x378): ..."); everything else passes through.
class NamedPort : public Port {
 public:
  NamedPort(std::unique_ptr<Port> inner, std::string name)
      : inner_(std::move(inner)), name_(std::move(name)) {}
  bool Opened() const override { return inner_->Opened(); }
  void SetOpened(bool open) override { inner_->SetOpened(open); }
  std::uint8_t ReadPort(std::uint16_t address) override { return inner_->ReadPort(address); }
  void WritePort(std::uint16_t address, std::uint8_t value) override {
    inner_->WritePort(address, value);
  }
  std::uint32_t LastError() const override { return inner_->LastError(); }
  bool LastIoOk() const override { return inner_->LastIoOk(); }
  std::string FailureReason() const override {
    const std::string reason = inner_->FailureReason();
    return reason.empty() ? reason : name_ + ": " + reason;
  }

 private:
  std::unique_ptr<Port> inner_;
  std::string name_;
};

// The parallel ports Windows lists; none elsewhere, or when it cannot say.
std::vector<WindowsPort> ListedWindowsPorts() {
  std::vector<PortsClassDevice> devices;
  const auto os = MakeWin32PortsOs();
  if (!os || !os->PortsClassDevices(&devices, nullptr)) return {};
  return ParallelPorts(devices);
}

}  // namespace

std::string PortChoiceText(const PortChoice& choice) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%X", choice.address);
  switch (choice.kind) {
    case PortChoice::Kind::Simulator:
      return "sim";
    case PortChoice::Kind::SimulatorFile:
      return "sim:" + choice.path;
    case PortChoice::Kind::DevicePath:
      return choice.path;
    case PortChoice::Kind::Address:
      break;
  }
  if (choice.address == 0) return "sim";
  return choice.name.empty() ? std::string(hex) : choice.name + " (" + hex + ")";
}

const char* PortSpellings(PortSystem system) {
  return system == PortSystem::Windows ? kWindowsSpellings : kLinuxSpellings;
}

std::optional<PortChoice> ParsePortChoice(const std::string& raw, std::string* error,
                                          PortSystem system) {
  const std::string text = Trim(raw);
  PortChoice choice;
  if (text == "sim" || text == "0") {
    choice.kind = PortChoice::Kind::Simulator;
    return choice;
  }
  if (text.rfind("sim:", 0) == 0) {
    if (text.size() == 4)
      return Fail(error, "Port \"sim:\" needs a chip file name after the colon.");
    choice.kind = PortChoice::Kind::SimulatorFile;
    choice.path = text.substr(4);
    return choice;
  }
  if (text.rfind("/dev/", 0) == 0 && text.size() > 5) {
    if (system == PortSystem::Windows)
      return Fail(error, "Port \"" + fileio::ShownShort(raw) +
                             "\": device paths name Linux parallel ports; on Windows give the "
                             "port's name or address (LPT1, 0x378; lptpic-cli ports lists them).");
    choice.kind = PortChoice::Kind::DevicePath;
    choice.path = text;
    return choice;
  }
  if (const int lpt = LptNumber(text)) {
    choice.kind = PortChoice::Kind::Address;
    choice.name = "LPT" + std::to_string(lpt);
    choice.address = LptAddress(lpt, ListedWindowsPorts());
    return choice;
  }
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const auto number = hex ? ParseNumber(text.substr(2), 16) : ParseNumber(text, 10);
  if (!number)
    return Fail(error, "Unknown port \"" + fileio::ShownShort(raw) + "\": use " +
                           PortSpellings(system) + ".");
  if (*number > kHighestAddress)
    return Fail(error, "Port address \"" + fileio::ShownShort(raw) +
                           "\" is out of range (1 to 65533, 0x1 to 0xFFFD).");
  choice.kind = PortChoice::Kind::Address;
  choice.address = static_cast<std::uint16_t>(*number);
  return choice;
}

std::unique_ptr<Port> MakeUnavailablePort(std::string reason) {
  return std::make_unique<UnavailablePort>(std::move(reason));
}

std::unique_ptr<Port> MakeHardwarePort(const PortChoice& choice) {
#ifdef _WIN32
  if (choice.kind == PortChoice::Kind::DevicePath)
    return std::make_unique<UnavailablePort>(
        "Device paths name Linux parallel ports; on Windows give the port's name or address "
        "(LPT1, 0x378; lptpic-cli ports lists them).");
  // The Smport driver where it still loads (32-bit Windows), then InpOut,
  // whose signed driver also loads on 64-bit Windows.
  std::vector<std::unique_ptr<Port>> choices;
  choices.push_back(std::make_unique<SmallPort>(MakeWin32SmallPortOs()));
  choices.push_back(std::make_unique<InpOutPort>(MakeWin32InpOutOs()));
  auto port = std::make_unique<FallbackPort>(std::move(choices));
  if (choice.name.empty()) return port;
  return std::make_unique<NamedPort>(std::move(port), PortChoiceText(choice));
#else
  auto sys = MakeLinuxPpdevSystem();
  if (!sys)
    return std::make_unique<UnavailablePort>(
        "This system has no parallel port support (ppdev); use --port sim.");
  if (choice.kind == PortChoice::Kind::DevicePath)
    return std::make_unique<PpdevPort>(choice.path, choice.address, std::move(sys));
  return std::make_unique<PpdevPort>(choice.address, std::move(sys));
#endif
}

}  // namespace lpt
