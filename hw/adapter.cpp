#include "hw/adapter.h"

#include <algorithm>
#include <cctype>

namespace lpt {
namespace {

constexpr AdapterPin Pin(int pin) { return AdapterPin{.pin = pin, .inverted = false}; }
constexpr AdapterPin Inv(int pin) { return AdapterPin{.pin = pin, .inverted = true}; }
constexpr AdapterPin kNone{};

enum class Register { Data, Status, Control };

struct PinPlace {
  Register reg;
  std::uint8_t mask;
  bool hardwareInverted;  // the register bit is the opposite of the pin level
};

std::optional<PinPlace> PlaceOf(int pin) {
  if (pin >= 2 && pin <= 9)
    return PinPlace{Register::Data, static_cast<std::uint8_t>(1u << (pin - 2)), false};
  switch (pin) {
    case 15:
      return PinPlace{Register::Status, 0x08, false};
    case 13:
      return PinPlace{Register::Status, 0x10, false};
    case 12:
      return PinPlace{Register::Status, 0x20, false};
    case 10:
      return PinPlace{Register::Status, 0x40, false};
    case 11:
      return PinPlace{Register::Status, 0x80, true};
    case 1:
      return PinPlace{Register::Control, 0x01, true};
    case 14:
      return PinPlace{Register::Control, 0x02, true};
    case 16:
      return PinPlace{Register::Control, 0x04, false};
    case 17:
      return PinPlace{Register::Control, 0x08, true};
    default:
      return std::nullopt;
  }
}

// The four output pins of the control register at their low level, which
// is the idle level of a control pin that no signal uses.
constexpr std::uint8_t kControlAllLow = 0x0B;

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
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

void SetPin(AdapterRegisters& regs, const AdapterPin& pin, bool level) {
  const auto place = PlaceOf(pin.pin);
  if (!place || place->reg == Register::Status) return;
  const bool bit = (level != pin.inverted) != place->hardwareInverted;
  std::uint8_t& reg = place->reg == Register::Data ? regs.data : regs.control;
  reg = static_cast<std::uint8_t>(bit ? reg | place->mask : reg & ~place->mask);
}

bool PinLevel(const AdapterPin& pin, std::uint8_t data, std::uint8_t control, bool unwired) {
  const auto place = PlaceOf(pin.pin);
  if (!place || place->reg == Register::Status) return unwired;
  const std::uint8_t reg = place->reg == Register::Data ? data : control;
  const bool bit = (reg & place->mask) != 0;
  return (bit != place->hardwareInverted) != pin.inverted;
}

std::vector<Adapter> MakeBuiltIns() {
  // The published preset tables: Vpp, Vdd, clock, data out, data in; a
  // minus there is an inverted pin here. Sources in docs/adapters.md.
  struct Row {
    const char* name;
    AdapterPin vpp, vdd, clock, dataOut, dataIn, enable;
  };
  const Row rows[] = {
      {"Tait classic", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"Tait 7405/7406", Pin(5), Pin(4), Inv(3), Inv(2), Inv(10), kNone},
      {"P16PRO40 classic", Pin(5), Pin(4), Inv(3), Inv(2), Inv(10), kNone},
      {"P16PRO40 7407", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"P16PRO40-VPP40 classic", Pin(6), Pin(4), Inv(3), Inv(2), Inv(10), kNone},
      {"P16PRO40-VPP40 7407", Inv(6), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"EPIC+", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"Propic2 Vpp-1", Inv(5), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"Propic2 Vpp-2", Inv(6), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"Propic2 Vpp-3", Inv(7), Inv(4), Pin(3), Pin(2), Pin(10), kNone},
      {"Asix Piccolo", Inv(6), Inv(7), Inv(5), Inv(3), Inv(10), Inv(2)},
      {"Asix Piccolo Grande", Inv(6), Inv(7), Inv(5), Inv(3), Inv(10), Inv(2)},
      {"Myke's EL Cheapo", Pin(16), kNone, Inv(1), Inv(17), Pin(13), kNone},
      {"EL Cheapo classic", Pin(16), kNone, Pin(1), Pin(17), Inv(13), kNone},
      {"Monty-Robot programmer", Inv(5), Pin(4), Pin(2), Pin(3), Pin(10), kNone},
  };
  std::vector<Adapter> all{DefaultAdapter()};
  for (const Row& r : rows) {
    all.push_back(Adapter{.name = r.name,
                          .vpp = r.vpp,
                          .vdd = r.vdd,
                          .clock = r.clock,
                          .dataOut = r.dataOut,
                          .dataIn = r.dataIn,
                          .dataOutEnable = r.enable,
                          .releaseToRead = true});
  }
  return all;
}

}  // namespace

const Adapter& DefaultAdapter() {
  static const Adapter adapter{.name = "lptpic",
                               .vpp = Pin(4),
                               .vdd = Inv(5),
                               .clock = Pin(2),
                               .dataOut = Pin(3),
                               .dataIn = Pin(11),
                               .dataOutEnable = kNone,
                               .releaseToRead = false};
  return adapter;
}

const std::vector<Adapter>& BuiltInAdapters() {
  static const std::vector<Adapter> all = MakeBuiltIns();
  return all;
}

std::string CheckAdapter(const Adapter& a) {
  std::vector<std::pair<int, std::string>> used;
  for (const NamedOutput& out : kOutputs) {
    const AdapterPin& pin = a.*out.pin;
    if (pin.pin == 0) {
      if (out.pin == &Adapter::vdd || out.pin == &Adapter::dataOutEnable) continue;
      return std::string(out.name) + " has no pin";
    }
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
  const auto in = PlaceOf(a.dataIn.pin);
  if (!in || in->reg != Register::Status)
    return "data-in: pin " + std::to_string(a.dataIn.pin) +
           " is not a status input (10, 11, 12, 13 or 15)";
  for (std::size_t i = 0; i < used.size(); ++i)
    for (std::size_t j = i + 1; j < used.size(); ++j)
      if (used[i].first == used[j].first)
        return used[i].second + " and " + used[j].second + " both use pin " +
               std::to_string(used[i].first);
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
    *error = "Unknown adapter \"" + name + "\". Known adapters:" + known;
  }
  return std::nullopt;
}

AdapterRegisters EncodeOutputs(const Adapter& a, const AdapterOutputs& outputs) {
  AdapterRegisters regs{0, kControlAllLow};
  for (const NamedOutput& out : kOutputs) SetPin(regs, a.*out.pin, outputs.*out.level);
  return regs;
}

AdapterOutputs DecodeOutputs(const Adapter& a, std::uint8_t data, std::uint8_t control) {
  AdapterOutputs outputs;
  // An adapter that cannot switch a line keeps it on: the supply is always
  // there, the data line always driven.
  for (const NamedOutput& out : kOutputs)
    outputs.*out.level = PinLevel(a.*out.pin, data, control, true);
  return outputs;
}

bool DecodeDataIn(const Adapter& a, std::uint8_t status) {
  const auto place = PlaceOf(a.dataIn.pin);
  if (!place || place->reg != Register::Status) return false;
  const bool bit = (status & place->mask) != 0;
  return (bit != place->hardwareInverted) != a.dataIn.inverted;
}

std::uint8_t EncodeStatus(const Adapter& a, bool level) {
  // Bits 0-2 have no pin and read 1; pin 11 low reads as bit 7 set.
  std::uint8_t status = 0x87;
  const auto place = PlaceOf(a.dataIn.pin);
  if (!place || place->reg != Register::Status) return status;
  const bool bit = (level != a.dataIn.inverted) != place->hardwareInverted;
  return static_cast<std::uint8_t>(bit ? status | place->mask : status & ~place->mask);
}

std::uint8_t DataRegisterMask(const Adapter& a) {
  std::uint8_t mask = 0;
  for (const NamedOutput& out : kOutputs) {
    const auto place = PlaceOf((a.*out.pin).pin);
    if (place && place->reg == Register::Data) mask |= place->mask;
  }
  return mask;
}

bool UsesDataRegister(const Adapter& a) { return DataRegisterMask(a) != 0; }

bool UsesControlRegister(const Adapter& a) {
  for (const NamedOutput& out : kOutputs) {
    const auto place = PlaceOf((a.*out.pin).pin);
    if (place && place->reg == Register::Control) return true;
  }
  return false;
}

std::string PinText(const AdapterPin& pin) {
  if (pin.pin == 0) return "none";
  return (pin.inverted ? "~" : "") + std::to_string(pin.pin);
}

}  // namespace lpt
