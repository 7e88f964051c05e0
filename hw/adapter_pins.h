// SPDX-License-Identifier: GPL-2.0-or-later
// The chip's programming lines as the serial protocol drives them: clock,
// data, Vpp, Vdd and PGM out, the chip's data back in, and which way the
// data line points. The protocol speaks only to this interface; a wiring
// (hw/wired_pins.h) turns the lines into connector pins of one adapter,
// and the simulator's board turns the pins back into the chip's lines.
#pragma once

#include <string>

namespace lpt {

// The level the chip sees on each output line; true = high (Vpp and Vdd:
// switched on).
struct LineLevels {
  bool vpp = false;
  bool vdd = false;
  bool clock = false;
  bool data = false;
  // PGM, on the parts that have it: held low while the chip is programmed
  // at high voltage, so that it cannot drop into low-voltage mode.
  bool pgm = false;

  bool operator==(const LineLevels&) const = default;
};

// Who drives the data line: the programmer (loads and commands) or the chip
// (the 16 clocks of a read frame).
enum class DataDirection { ToChip, FromChip };

class AdapterPins {
 public:
  virtual ~AdapterPins() = default;

  // Puts every output line at `lines` in one step, as one port write puts
  // the lines of one register.
  virtual void Drive(const LineLevels& lines) = 0;
  // The chip's data output as the adapter reads it back.
  virtual bool ReadData() = 0;
  // Takes effect with the next Drive; drives nothing by itself.
  virtual void SetDataDirection(DataDirection direction) = 0;
  // Why the adapter cannot be reached, for "Device is not found !".
  virtual std::string FailureReason() const = 0;
};

}  // namespace lpt
