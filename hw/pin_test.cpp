// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/pin_test.h"

namespace lpt {

void PinTest::Set(const AdapterOutputs& outputs) {
  const AdapterRegisters regs = EncodeOutputs(adapter_, outputs);
  if (UsesDataRegister(adapter_)) port_.WritePort(base_, regs.data);
  if (UsesControlRegister(adapter_))
    port_.WritePort(static_cast<std::uint16_t>(base_ + 2), regs.control);
  outputs_ = outputs;
}

bool PinTest::DataIn() {
  return DecodeDataIn(adapter_, port_.ReadPort(static_cast<std::uint16_t>(base_ + 1)));
}

std::string LineName(Line line) {
  switch (line) {
    case Line::Vpp:
      return "Vpp";
    case Line::Vdd:
      return "Vdd";
    case Line::Clock:
      return "Clock";
    case Line::DataOut:
      return "Data out";
    case Line::DataOutEnable:
      return "Data out enable";
    case Line::DataIn:
      return "Data in";
  }
  return {};
}

const AdapterPin& LinePin(const Adapter& a, Line line) {
  switch (line) {
    case Line::Vpp:
      return a.vpp;
    case Line::Vdd:
      return a.vdd;
    case Line::Clock:
      return a.clock;
    case Line::DataOut:
      return a.dataOut;
    case Line::DataOutEnable:
      return a.dataOutEnable;
    case Line::DataIn:
      break;
  }
  return a.dataIn;
}

namespace {

// What the chip side has for a signal level on a published board.
std::string AtTheChip(Line line, bool level) {
  switch (line) {
    case Line::Vpp:
      return level ? "≈ +13 V at MCLR through the board" : "0 V at MCLR through the board";
    case Line::Vdd:
      return level ? "≈ +5 V at VDD through the board" : "0 V at VDD through the board";
    case Line::Clock:
      return level ? "≈ +5 V at the chip's clock pin" : "0 V at the chip's clock pin";
    case Line::DataOut:
      return level ? "≈ +5 V at the chip's data pin" : "0 V at the chip's data pin";
    case Line::DataOutEnable:
      return level ? "the board drives the data line" : "the chip may drive the data line";
    case Line::DataIn:
      return level ? "the chip's data line reads 1" : "the chip's data line reads 0";
  }
  return {};
}

}  // namespace

std::string LevelText(const Adapter& a, Line line, bool level) {
  const AdapterPin& pin = LinePin(a, line);
  if (pin.pin == 0) {
    if (line == Line::Vdd) return "always on (this board does not switch it)";
    return "not on this board";
  }
  std::string text = "pin " + std::to_string(pin.pin) + (level != pin.inverted ? " high" : " low");
  if (a.publishedBoard || line == Line::DataIn) text += " (" + AtTheChip(line, level) + ")";
  return text;
}

}  // namespace lpt
