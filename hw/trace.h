// SPDX-License-Identifier: GPL-2.0-or-later
// Trace decorators: every port access and every wait, in order, one line
// each, written to one sink shared by a Port and a Delay wrapper:
//   W 0378 05   a port write: address, value
//   R 0379 87   a port read: address, the byte read
//   U 10        WaitUs(10)
//   M 20        WaitMs(20)
// Upper-case hex, four-digit addresses, two-digit values; waits in decimal.
#pragma once

#include <cstdint>
#include <ostream>

#include "hw/delay.h"
#include "hw/port.h"

namespace lpt {

class TracePort : public Port {
 public:
  // `inner` and `sink` must outlive the decorator.
  TracePort(Port& inner, std::ostream& sink) : inner_(inner), sink_(sink) {}

  bool Opened() const override { return inner_.Opened(); }
  void SetOpened(bool open) override { inner_.SetOpened(open); }
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return inner_.LastError(); }
  bool LastIoOk() const override { return inner_.LastIoOk(); }
  std::string FailureReason() const override { return inner_.FailureReason(); }

 private:
  Port& inner_;
  std::ostream& sink_;
};

class TraceDelay : public Delay {
 public:
  TraceDelay(Delay& inner, std::ostream& sink) : inner_(inner), sink_(sink) {}

  void WaitMs(std::uint32_t ms) override;
  void WaitUs(std::uint32_t us) override;
  std::uint64_t NowUs() const override { return inner_.NowUs(); }

 private:
  Delay& inner_;
  std::ostream& sink_;
};

}  // namespace lpt
