// SPDX-License-Identifier: GPL-2.0-or-later
// A simulated adapter of the default wiring with a PIC18 in its socket:
// the data register drives the chip's lines (bit 0 clock, 1 data, 2 Vpp,
// 3 supply off), status bit 7 reads the data line inverted as the port
// inverts BUSY. The data line is the chip's while it drives it and
// follows the PC's bit otherwise.
#pragma once

#include <cstdint>

#include "hw/delay.h"
#include "hw/port.h"
#include "sim/pic18_chip.h"

namespace lpt::sim {

class Pic18Port : public Port {
 public:
  Pic18Port(Delay& clock, Pic18Chip chip, std::uint16_t base = 0x378)
      : clock_(clock), chip_(std::move(chip)), base_(base) {}

  bool Opened() const override { return opened_; }
  void SetOpened(bool open) override { opened_ = open; }
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return 0; }
  bool LastIoOk() const override { return opened_; }

  Pic18Chip& chip() { return chip_; }

 private:
  Delay& clock_;
  Pic18Chip chip_;
  std::uint16_t base_;
  std::uint8_t data_ = 0x08;
  bool opened_ = true;
};

}  // namespace lpt::sim
