// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/pic18_port.h"

namespace lpt::sim {

std::uint8_t Pic18Port::ReadPort(std::uint16_t address) {
  if (!opened_) return 0;
  if (address == base_) return data_ & 0x0F;
  if (address != static_cast<std::uint16_t>(base_ + 1)) return 0xFF;
  const bool line = chip_.Driving() ? chip_.Level() : (data_ & 0x02) != 0;
  return line ? 0x07 : 0x87;
}

void Pic18Port::WritePort(std::uint16_t address, std::uint8_t value) {
  if (!opened_ || address != base_) return;
  data_ = value;
  chip_.OnLines(value, clock_.NowUs());
}

}  // namespace lpt::sim
