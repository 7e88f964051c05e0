// The port the window holds when the configured one cannot be opened at
// all (a bad address in path.dat, an unreadable simulator file): every
// access fails, so the presence test reports "Device is not found !" with
// the reason, and nothing else in the program needs a special case.
#pragma once

#include <string>

#include "hw/port.h"

namespace lpt::app {

class ClosedPort : public Port {
 public:
  explicit ClosedPort(std::string reason) : reason_(std::move(reason)) {}
  bool Opened() const override { return false; }
  void SetOpened(bool) override {}
  std::uint8_t ReadPort(std::uint16_t) override { return 0; }
  void WritePort(std::uint16_t, std::uint8_t) override {}
  std::uint32_t LastError() const override { return 0; }
  bool LastIoOk() const override { return false; }
  std::string FailureReason() const override { return reason_; }

 private:
  std::string reason_;
};

}  // namespace lpt::app
