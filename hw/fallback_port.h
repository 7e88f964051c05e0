// SPDX-License-Identifier: GPL-2.0-or-later
// A port made of several backends tried in order: opening it opens the
// first backend that can be opened and uses that one until the port closes.
// On Windows this is the Smport driver client, then InpOut, so a system
// where the old driver cannot load still reaches the port.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hw/port.h"

namespace lpt {

class FallbackPort : public Port {
 public:
  // `choices` must not be empty; none of them is open yet.
  explicit FallbackPort(std::vector<std::unique_ptr<Port>> choices);
  ~FallbackPort() override;

  bool Opened() const override { return active_ != nullptr; }
  void SetOpened(bool open) override;
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override;
  bool LastIoOk() const override;
  // While none could be opened: every backend's reason, in the order tried.
  std::string FailureReason() const override;

  // The backend in use; nullptr while closed.
  const Port* Active() const { return active_; }
  std::size_t ChoiceCount() const { return choices_.size(); }

 private:
  std::vector<std::unique_ptr<Port>> choices_;
  Port* active_ = nullptr;
  bool openAttempted_ = false;
};

}  // namespace lpt
