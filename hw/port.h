// SPDX-License-Identifier: GPL-2.0-or-later
// Byte access to the parallel port: the only way any code touches the
// adapter. Backends: the Windows driver client, Linux ppdev, the simulated
// adapter, and the trace decorator that wraps any of them.
#pragma once

#include <cstdint>
#include <string>

namespace lpt {

class Port {
 public:
  virtual ~Port() = default;

  // True while the port is open; setting it opens or closes the port.
  virtual bool Opened() const = 0;
  virtual void SetOpened(bool open) = 0;

  // A closed port, or a failed request, reads 0.
  virtual std::uint8_t ReadPort(std::uint16_t address) = 0;
  virtual void WritePort(std::uint16_t address, std::uint8_t value) = 0;

  // OS error code of the last failure, 0 = none.
  virtual std::uint32_t LastError() const = 0;
  // True iff the last ReadPort/WritePort succeeded.
  virtual bool LastIoOk() const = 0;

  // Why the port could not be opened, in words a user can act on; empty when
  // there is nothing to say. Shown as the detail of "Device is not found !".
  virtual std::string FailureReason() const { return {}; }
};

}  // namespace lpt
