// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/adapter.h"

#include <cctype>

namespace lpt {
namespace {

enum class Register { Data, Status, Control };

struct PinPlace {
  Register reg;
  std::uint8_t mask;
};

std::optional<PinPlace> PlaceOf(int pin) {
  if (pin >= 2 && pin <= 9)
    return PinPlace{Register::Data, static_cast<std::uint8_t>(1u << (pin - 2))};
  switch (pin) {
    case 15:
      return PinPlace{Register::Status, 0x08};
    case 13:
      return PinPlace{Register::Status, 0x10};
    case 12:
      return PinPlace{Register::Status, 0x20};
    case 10:
      return PinPlace{Register::Status, 0x40};
    case 11:
      return PinPlace{Register::Status, 0x80};
    case 1:
      return PinPlace{Register::Control, 0x01};
    case 14:
      return PinPlace{Register::Control, 0x02};
    case 16:
      return PinPlace{Register::Control, 0x04};
    case 17:
      return PinPlace{Register::Control, 0x08};
    default:
      return std::nullopt;
  }
}

struct NamedOutput {
  const char* name;
  AdapterPin Adapter::*pin;
  bool AdapterOutputs::*level;
};

constexpr NamedOutput kOutputs[] = {
    {"vpp", &Adapter::vpp, &AdapterOutputs::vpp},
    {"vdd", &Adapter::vdd, &AdapterOutputs::vdd},
    {"clock", &Adapter::clock, &AdapterOutputs::clock},
    {"data-out", &Adapter::dataOut, &AdapterOutputs::dataOut},
    {"data-out-enable", &Adapter::dataOutEnable, &AdapterOutputs::dataOutEnable},
    {"pgm", &Adapter::pgm, &AdapterOutputs::pgm},
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

void SetPin(AdapterRegisters& regs, const AdapterPin& pin, bool level) {
  const auto place = PlaceOf(pin.pin);
  if (!place || place->reg == Register::Status) return;
  const bool connectorHigh = level != pin.inverted;
  const bool bit = connectorHigh != PortInvertsPin(pin.pin);
  std::uint8_t& reg = place->reg == Register::Data ? regs.data : regs.control;
  reg = static_cast<std::uint8_t>(bit ? reg | place->mask : reg & ~place->mask);
}

bool UsesRegister(const Adapter& a, Register reg) {
  for (const NamedOutput& out : kOutputs) {
    const auto place = PlaceOf((a.*out.pin).pin);
    if (place && place->reg == reg) return true;
  }
  return false;
}

}  // namespace

const Adapter& DefaultAdapter() {
  static const Adapter adapter{.name = "lptpic",
                               .vpp = {4, false},
                               .vdd = {5, true},
                               .clock = {2, false},
                               .dataOut = {3, false},
                               .dataIn = {11, false},
                               .dataOutEnable = {},
                               .releaseToRead = false,
                               .clockDelayUs = 0,
                               .source = "this program's own adapter",
                               .notes = {},
                               .publishedBoard = true};
  return adapter;
}

bool SameWiring(const Adapter& a, const Adapter& b) {
  return a.vpp == b.vpp && a.vdd == b.vdd && a.clock == b.clock && a.dataOut == b.dataOut &&
         a.dataIn == b.dataIn && a.dataOutEnable == b.dataOutEnable && a.pgm == b.pgm &&
         a.releaseToRead == b.releaseToRead;
}

std::string CheckAdapter(const Adapter& a) {
  std::vector<std::pair<int, std::string>> used;
  for (const NamedOutput& out : kOutputs) {
    const AdapterPin& pin = a.*out.pin;
    if (pin.pin == 0) {
      if (out.pin == &Adapter::vdd || out.pin == &Adapter::dataOutEnable ||
          out.pin == &Adapter::pgm)
        continue;
      return std::string(out.name) + " has no pin";
    }
    if (IsGroundPin(pin.pin))
      return std::string(out.name) + ": pin " + std::to_string(pin.pin) + " is a ground pin";
    const auto place = PlaceOf(pin.pin);
    if (!place)
      return std::string(out.name) + ": pin " + std::to_string(pin.pin) +
             " is not a signal pin (2-9 data, 1/14/16/17 control, "
             "10/11/12/13/15 status)";
    if (place->reg == Register::Status)
      return std::string(out.name) + ": pin " + std::to_string(pin.pin) +
             " is a status input and cannot drive the adapter";
    used.emplace_back(pin.pin, out.name);
  }
  if (a.dataIn.pin == 0) return "data-in has no pin";
  if (IsGroundPin(a.dataIn.pin))
    return "data-in: pin " + std::to_string(a.dataIn.pin) + " is a ground pin";
  const auto in = PlaceOf(a.dataIn.pin);
  if (!in || in->reg != Register::Status)
    return "data-in: pin " + std::to_string(a.dataIn.pin) +
           " is not a status input (10, 11, 12, 13 or 15)";
  for (std::size_t i = 0; i < used.size(); ++i)
    for (std::size_t j = i + 1; j < used.size(); ++j)
      if (used[i].first == used[j].first)
        return used[i].second + " and " + used[j].second + " both use pin " +
               std::to_string(used[i].first);
  if (a.clockDelayUs > kMaxClockDelayUs)
    return "clock-delay-us: " + std::to_string(a.clockDelayUs) + " is over " +
           std::to_string(kMaxClockDelayUs);
  return {};
}

std::optional<Adapter> FindAdapter(const std::string& name, const std::vector<Adapter>& user,
                                   std::string* error) {
  const std::string wanted = Lower(name);
  for (const auto* list : {&BuiltInAdapters(), &user})
    for (const Adapter& a : *list)
      if (Lower(a.name) == wanted) return a;
  if (error) {
    std::string known;
    for (const auto* list : {&BuiltInAdapters(), &user})
      for (const Adapter& a : *list) known += "\n  " + a.name;
    *error = "Unknown adapter \"" + Shorten(name) + "\". Known adapters:" + known;
  }
  return std::nullopt;
}

AdapterRegisters EncodeOutputs(const Adapter& a, const AdapterOutputs& outputs) {
  AdapterRegisters regs;
  for (const NamedOutput& out : kOutputs) SetPin(regs, a.*out.pin, outputs.*out.level);
  return regs;
}

bool DecodeDataIn(const Adapter& a, std::uint8_t status) {
  const auto place = PlaceOf(a.dataIn.pin);
  if (!place || place->reg != Register::Status) return false;
  const bool connectorHigh = ((status & place->mask) != 0) != PortInvertsPin(a.dataIn.pin);
  return connectorHigh != a.dataIn.inverted;
}

bool UsesDataRegister(const Adapter& a) { return UsesRegister(a, Register::Data); }
bool UsesControlRegister(const Adapter& a) { return UsesRegister(a, Register::Control); }

bool PortInvertsPin(int pin) { return pin == 1 || pin == 11 || pin == 14 || pin == 17; }
bool IsGroundPin(int pin) { return pin >= 18 && pin <= 25; }

std::string PinText(const AdapterPin& pin) {
  if (pin.pin == 0) return "none";
  return (pin.inverted ? "~" : "") + std::to_string(pin.pin);
}

std::string VoltsText(std::uint32_t millivolts) {
  std::string text = std::to_string(millivolts / 1000);
  std::string fraction = std::to_string(1000 + millivolts % 1000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text + " V";
}

std::string Shorten(const std::string& text) {
  constexpr std::size_t kMaxCharacters = 80;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // UTF-8 continuation bytes belong to the character before them.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++characters > kMaxCharacters) return text.substr(0, i) + "…";
  }
  return text;
}

}  // namespace lpt
