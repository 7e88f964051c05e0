// The adapter test: each output line set by hand and data in read back, so
// a user can follow every signal to its pin with a multimeter. Writes the
// chosen adapter's registers directly (no protocol, no command following).
#pragma once

#include <cstdint>

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
  // Everything off: no supply, no programming voltage, clock and data low.
  void Off() { Set(Idle()); }
  // The level the chip's data line shows on the data-in pin.
  bool DataIn();

  const AdapterOutputs& Outputs() const { return outputs_; }
  const Adapter& adapter() const { return adapter_; }

  static AdapterOutputs Idle() { return AdapterOutputs{}; }

 private:
  Port& port_;
  std::uint16_t base_;
  Adapter adapter_;
  AdapterOutputs outputs_;
};

}  // namespace lpt
