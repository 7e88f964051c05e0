// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/wired_port.h"

namespace lpt {
namespace {

// The default adapter's data register bits.
constexpr std::uint8_t kClockBit = 0x01;
constexpr std::uint8_t kDataBit = 0x02;
constexpr std::uint8_t kVppBit = 0x04;
constexpr std::uint8_t kVddOffBit = 0x08;
constexpr std::uint8_t kStatusDataIn = 0x80;

constexpr int kWiredCommandBits = 6;
constexpr int kFrameClocks = 16;
// A chip entered without Vpp takes its 32-bit key and one more clock
// before the first command.
constexpr int kKeyClocks = 33;

bool IsControlPin(int pin) { return pin == 1 || pin == 14 || pin == 16 || pin == 17; }

// Commands followed by a frame the chip answers, and by one it receives.
bool IsReadCommand(unsigned code) { return code == 0x04 || code == 0x05; }
bool IsLoadCommand(unsigned code) { return code == 0x00 || code == 0x02 || code == 0x03; }

}  // namespace

WiredPort::WiredPort(Port& inner, std::uint16_t base, Adapter adapter, Delay* clockDelay)
    : inner_(inner),
      base_(base),
      adapter_(std::move(adapter)),
      clockDelay_(adapter_.clockDelayUs > 0 ? clockDelay : nullptr),
      passThrough_(SameWiring(adapter_, DefaultAdapter())),
      usesData_(UsesDataRegister(adapter_)),
      usesControl_(UsesControlRegister(adapter_)),
      clockOnControl_(IsControlPin(adapter_.clock.pin)) {}

std::uint8_t WiredPort::ReadPort(std::uint16_t address) {
  if (passThrough_) return inner_.ReadPort(address);
  if (address == base_ && written_) return last_;
  const std::uint8_t raw = inner_.ReadPort(address);
  if (address != static_cast<std::uint16_t>(base_ + 1)) return raw;
  const bool level = DecodeDataIn(adapter_, raw);
  return static_cast<std::uint8_t>((raw & ~kStatusDataIn) | (level ? 0 : kStatusDataIn));
}

void WiredPort::WritePort(std::uint16_t address, std::uint8_t value) {
  if (address != base_) {
    inner_.WritePort(address, value);
    return;
  }
  const bool clockWasHigh = written_ && (last_ & kClockBit) != 0;
  const bool clockHigh = (value & kClockBit) != 0;
  if (passThrough_) {
    inner_.WritePort(address, value);
  } else {
    const bool release = adapter_.releaseToRead && InReadFrame();
    AdapterOutputs outputs;
    outputs.vpp = (value & kVppBit) != 0;
    outputs.vdd = (value & kVddOffBit) == 0;
    outputs.clock = clockHigh;
    outputs.dataOut = release || (value & kDataBit) != 0;
    outputs.dataOutEnable = (outputs.vpp || outputs.vdd) && !release;
    Put(outputs, clockHigh && !clockWasHigh);
    Follow(value);
  }
  last_ = value;
  written_ = true;
  if (clockDelay_ != nullptr && clockHigh != clockWasHigh)
    clockDelay_->WaitUs(adapter_.clockDelayUs);
}

void WiredPort::Put(const AdapterOutputs& outputs, bool clockRises) {
  const AdapterRegisters regs = EncodeOutputs(adapter_, outputs);
  const auto writeData = [&] {
    if (usesData_) inner_.WritePort(base_, regs.data);
  };
  const auto writeControl = [&] {
    if (!usesControl_ || (controlWritten_ && regs.control == control_)) return;
    inner_.WritePort(static_cast<std::uint16_t>(base_ + 2), regs.control);
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

void WiredPort::Follow(std::uint8_t value) {
  const bool supplied = (value & kVddOffBit) == 0;
  const bool vpp = (value & kVppBit) != 0;
  if (!supplied || vpp != followedVpp_) {
    // Leaving programming mode, or changing the way into it, resets the
    // chip's command decoder too.
    phase_ = Phase::Command;
    bits_ = 0;
    code_ = 0;
    keyClocksLeft_ = vpp ? 0 : kKeyClocks;
    followedVpp_ = vpp;
    if (!supplied) return;
  }
  const bool falling = written_ && (last_ & kClockBit) != 0 && (value & kClockBit) == 0;
  if (!falling) return;
  if (keyClocksLeft_ > 0) {
    --keyClocksLeft_;
    return;
  }
  if (phase_ != Phase::Command) {
    if (++bits_ == kFrameClocks) {
      phase_ = Phase::Command;
      bits_ = 0;
    }
    return;
  }
  // The chip takes the bit that was on the data line while the clock was high.
  if (last_ & kDataBit) code_ |= 1u << bits_;
  if (++bits_ < kWiredCommandBits) return;
  if (IsReadCommand(code_))
    phase_ = Phase::ReadFrame;
  else if (IsLoadCommand(code_))
    phase_ = Phase::WriteFrame;
  bits_ = 0;
  code_ = 0;
}

}  // namespace lpt
