// SPDX-License-Identifier: GPL-2.0-or-later
// The adapter test: each output line set by hand and data in read back, so
// a user can follow every signal to its pin with a multimeter. Writes the
// chosen adapter's registers directly (no protocol, no command following),
// and says what each line should measure at the connector.
#pragma once

#include <cstdint>
#include <string>

#include "hw/adapter.h"
#include "hw/port.h"

namespace lpt {

class PinTest {
 public:
  // `port` must be open and outlive the test; `base` is its data register.
  PinTest(Port& port, std::uint16_t base, Adapter adapter)
      : port_(port), base_(base), adapter_(std::move(adapter)) {}

  // Drives the outputs as given.
  void Set(const AdapterOutputs& outputs);
  // Everything off: no supply, no programming voltage, clock and data low,
  // the board's data buffer (where it has one) not driving.
  void Off() { Set(Idle()); }
  // The level the chip's data line shows on the data-in pin.
  bool DataIn();

  const AdapterOutputs& Outputs() const { return outputs_; }
  const Adapter& adapter() const { return adapter_; }

  static AdapterOutputs Idle() { return AdapterOutputs{.dataOutEnable = false}; }

 private:
  Port& port_;
  std::uint16_t base_;
  Adapter adapter_;
  AdapterOutputs outputs_;
};

// The lines of an adapter as the test shows them.
enum class Line { Vpp, Vdd, Clock, DataOut, DataOutEnable, DataIn };

// "Vpp", "Data out enable" ...
std::string LineName(Line line);
// The adapter's pin for the line.
const AdapterPin& LinePin(const Adapter& adapter, Line line);

// What the line measures at the connector when its signal is at `level`:
// "pin 5 high (≈ +13 V at MCLR through the board)" for a published board,
// "pin 5 high" for a user's own wiring, "always on (this board does not
// switch it)" for a supply the board does not switch. For data in, `level`
// is the chip's data line.
std::string LevelText(const Adapter& adapter, Line line, bool level);

}  // namespace lpt
