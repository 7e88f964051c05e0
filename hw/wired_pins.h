// SPDX-License-Identifier: GPL-2.0-or-later
// One adapter's wiring as the protocol's pins: every line the protocol
// drives goes to the connector pin the wiring names, with its inversion,
// through the port's data and control registers; the chip's data comes
// back through the status register.
//
// Each Drive writes the registers the adapter uses: the one holding the
// clock last when the clock rises and first when it falls, so the data line
// is steady around both edges. The control register is written only when
// its value changes.
//
// Adapters that must let go of the data line to read (releaseToRead) get
// it driven high, and data-out-enable off, while the chip drives it (the
// protocol says when: SetDataDirection). The data-out enable is off too
// while the chip has neither Vpp nor Vdd, as the published programmers
// leave a board's buffer when idle.
//
// An adapter's clock delay is waited after every Drive that moves the
// clock, on top of the protocol's own waits; with no delay (the default)
// every access and wait is as the protocol made it.
#pragma once

#include <cstdint>

#include "hw/adapter.h"
#include "hw/adapter_pins.h"
#include "hw/delay.h"
#include "hw/port.h"

namespace lpt {

class WiredPins : public AdapterPins {
 public:
  // `port` must outlive the pins; `base` is the port's data register.
  // `clockDelay` waits the adapter's clock delay (it must outlive the pins);
  // without it no delay is waited.
  WiredPins(Port& port, std::uint16_t base, Adapter wiring, Delay* clockDelay = nullptr);

  void Drive(const LineLevels& lines) override;
  bool ReadData() override;
  void SetDataDirection(DataDirection direction) override { direction_ = direction; }
  std::string FailureReason() const override { return port_.FailureReason(); }

  const Adapter& wiring() const { return wiring_; }
  std::uint16_t Base() const { return base_; }

 private:
  void Put(const AdapterRegisters& regs, bool clockRises);

  Port& port_;
  std::uint16_t base_;
  Adapter wiring_;
  Delay* clockDelay_;
  bool usesData_;
  bool usesControl_;
  bool clockOnControl_;
  bool clockHigh_ = false;
  std::uint8_t control_ = 0;
  bool controlWritten_ = false;
  DataDirection direction_ = DataDirection::ToChip;
};

}  // namespace lpt
