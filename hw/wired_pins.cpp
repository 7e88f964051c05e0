// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/wired_pins.h"

namespace lpt {
namespace {

bool IsControlPin(int pin) { return pin == 1 || pin == 14 || pin == 16 || pin == 17; }

}  // namespace

WiredPins::WiredPins(Port& port, std::uint16_t base, Adapter wiring, Delay* clockDelay)
    : port_(port),
      base_(base),
      wiring_(std::move(wiring)),
      clockDelay_(wiring_.clockDelayUs > 0 ? clockDelay : nullptr),
      usesData_(UsesDataRegister(wiring_)),
      usesControl_(UsesControlRegister(wiring_)),
      clockOnControl_(IsControlPin(wiring_.clock.pin)) {}

void WiredPins::Drive(const LineLevels& lines) {
  const bool release = wiring_.releaseToRead && direction_ == DataDirection::FromChip;
  AdapterOutputs outputs;
  outputs.vpp = lines.vpp;
  outputs.vdd = lines.vdd;
  outputs.clock = lines.clock;
  outputs.dataOut = release || lines.data;
  outputs.dataOutEnable = (lines.vpp || lines.vdd) && !release;
  outputs.pgm = lines.pgm;
  const bool clockWasHigh = clockHigh_;
  clockHigh_ = lines.clock;
  Put(EncodeOutputs(wiring_, outputs), lines.clock && !clockWasHigh);
  if (clockDelay_ != nullptr && lines.clock != clockWasHigh)
    clockDelay_->WaitUs(wiring_.clockDelayUs);
}

bool WiredPins::ReadData() {
  return DecodeDataIn(wiring_, port_.ReadPort(static_cast<std::uint16_t>(base_ + 1)));
}

void WiredPins::Put(const AdapterRegisters& regs, bool clockRises) {
  const auto writeData = [&] {
    if (usesData_) port_.WritePort(base_, regs.data);
  };
  const auto writeControl = [&] {
    if (!usesControl_ || (controlWritten_ && regs.control == control_)) return;
    port_.WritePort(static_cast<std::uint16_t>(base_ + 2), regs.control);
    control_ = regs.control;
    controlWritten_ = true;
  };
  // The register with the clock goes last on a rising edge (data set up
  // first) and first on a falling one (data held past the edge).
  if (clockOnControl_ == clockRises) {
    writeData();
    writeControl();
  } else {
    writeControl();
    writeData();
  }
}

}  // namespace lpt
