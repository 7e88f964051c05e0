// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/fallback_port.h"

#include "hw/windows_errors.h"

namespace lpt {

FallbackPort::FallbackPort(std::vector<std::unique_ptr<Port>> choices)
    : choices_(std::move(choices)) {}

FallbackPort::~FallbackPort() { SetOpened(false); }

void FallbackPort::SetOpened(bool open) {
  if (!open) {
    if (active_) active_->SetOpened(false);
    active_ = nullptr;
    return;
  }
  if (active_) return;
  openAttempted_ = true;
  for (auto& choice : choices_) {
    choice->SetOpened(true);
    if (choice->Opened()) {
      active_ = choice.get();
      return;
    }
  }
}

std::uint8_t FallbackPort::ReadPort(std::uint16_t address) {
  return active_ ? active_->ReadPort(address) : 0;
}

void FallbackPort::WritePort(std::uint16_t address, std::uint8_t value) {
  if (active_) active_->WritePort(address, value);
}

// While closed, the first backend's error: it is the one a user is meant
// to have, so its code is the one worth looking up.
std::uint32_t FallbackPort::LastError() const {
  if (active_) return active_->LastError();
  if (openAttempted_ && choices_.front()->LastError() != 0) return choices_.front()->LastError();
  return windows_error::kInvalidHandle;
}

bool FallbackPort::LastIoOk() const { return active_ && active_->LastIoOk(); }

std::string FallbackPort::FailureReason() const {
  if (active_ || !openAttempted_) return {};
  std::string text;
  for (const auto& choice : choices_) {
    const std::string reason = choice->FailureReason();
    if (reason.empty()) continue;
    if (!text.empty()) text += ' ';
    text += reason;
  }
  return text;
}

}  // namespace lpt
