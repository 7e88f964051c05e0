// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/pic18_link.h"

#include "hw/pic18_command.h"
#include "hw/protocol.h"

namespace lpt {
namespace {

constexpr std::uint8_t kOn = LineVpp;  // supply on (bit 3 low), Vpp on
constexpr int kCommandBits = 4;
constexpr int kPayloadBits = 16;
constexpr int kByteBits = 8;

// A PGM line of the adapter, where its wiring names one, is driven low
// here before Vpp rises; the adapter layer supplies it. Until then the
// board's pull-down holds PGM low.
void HoldPgmLow(Port&) {}

}  // namespace

void Pic18Link::Enter(std::uint32_t holdUs) {
  Write(kIdleValue);
  delay_.WaitMs(10);  // power-off hold, as for every family
  HoldPgmLow(port_);
  Write(0x00);  // supply on, MCLR low
  delay_.WaitUs(holdUs);
  Write(kOn);
  delay_.WaitUs(holdUs);
}

void Pic18Link::Exit() { Write(kIdleValue); }

void Pic18Link::Bit(int bit) {
  const std::uint8_t level = static_cast<std::uint8_t>(kOn | (bit ? LineData : 0));
  Write(level | LineClock);
  Write(level);
}

void Pic18Link::Send(std::uint8_t command, std::uint16_t payload) {
  for (int i = 0; i < kCommandBits; ++i) Bit((command >> i) & 1);
  for (int i = 0; i < kPayloadBits; ++i) Bit((payload >> i) & 1);
  Write(kOn);
}

std::uint8_t Pic18Link::Receive(std::uint8_t command) {
  for (int i = 0; i < kCommandBits; ++i) Bit((command >> i) & 1);
  for (int i = 0; i < kByteBits; ++i) Bit(0);
  unsigned value = 0;
  const auto status = static_cast<std::uint16_t>(address_ + 1);
  for (int i = 0; i < kByteBits; ++i) {
    // The data line released high; the chip drives it from the rising edge.
    Bit(1);
    if (port_.ReadPort(status) < StatusDataIn) value |= 1u << i;
  }
  Write(kOn);
  return static_cast<std::uint8_t>(value);
}

void Pic18Link::StartProgramming(std::uint8_t command, std::uint16_t payload, std::uint32_t p9Us,
                                 std::uint32_t p10Us) {
  Send(command, payload);
  for (int i = 0; i < kCommandBits - 1; ++i) Bit(0);
  Write(kOn | LineClock);
  delay_.WaitUs(p9Us);
  Write(kOn);
  delay_.WaitUs(p10Us);
  for (int i = 0; i < kPayloadBits; ++i) Bit(0);
  Write(kOn);
}

void Pic18Link::AwaitErase(std::uint32_t us) {
  Core(pic18::kNop);
  for (int i = 0; i < kCommandBits; ++i) Bit(0);
  delay_.WaitUs(us);
  for (int i = 0; i < kPayloadBits; ++i) Bit(0);
  Write(kOn);
}

void Pic18Link::SetTablePointer(std::uint32_t address) {
  Core(pic18::Movlw(static_cast<std::uint8_t>(address >> 16)));
  Core(pic18::Movwf(pic18::kTblptrU));
  Core(pic18::Movlw(static_cast<std::uint8_t>(address >> 8)));
  Core(pic18::Movwf(pic18::kTblptrH));
  Core(pic18::Movlw(static_cast<std::uint8_t>(address)));
  Core(pic18::Movwf(pic18::kTblptrL));
}

}  // namespace lpt
