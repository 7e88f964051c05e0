// SPDX-License-Identifier: GPL-2.0-or-later
// Linux parallel port through ppdev (/dev/parportN): the hardware backend
// of Port on Linux. The port address names the /dev/parportN whose base
// address (/proc/sys/dev/parport/parportN/base-addr) equals it; a device
// path opens that device directly. The port is claimed exclusively for as
// long as it is open, so the printer driver cannot write in between.
//
// Registers, relative to the port address: +0 data (written with PPWDATA,
// read with PPRDATA), +1 status (read with PPRSTATUS; not writable),
// +2 control (PPWCONTROL, PPRCONTROL). Any other address is refused
// (EINVAL) and reads 0, as does every access while the port is closed
// (EBADF).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "hw/port.h"

namespace lpt {

enum class PpdevRequest {
  Exclusive,  // PPEXCL: no other driver may share the port
  Claim,      // PPCLAIM
  Release,    // PPRELEASE
  WriteData,
  ReadData,
  ReadStatus,
  WriteControl,
  ReadControl,
};

// The system calls the backend makes, so tests can replace them.
class PpdevSystem {
 public:
  virtual ~PpdevSystem() = default;
  // A file descriptor, or -errno.
  virtual int Open(const std::string& path) = 0;
  // 0 or an errno value. `value` is the byte written or read.
  virtual int Ioctl(int fd, PpdevRequest request, std::uint8_t& value) = 0;
  virtual void Close(int fd) = 0;
};

// The real calls; nullptr where ppdev does not exist.
std::unique_ptr<PpdevSystem> MakeLinuxPpdevSystem();

// The /dev/parportN whose base address is `address`: looked up in
// `procRoot` (normally /proc/sys/dev/parport), device in `devDir`.
std::optional<std::string> FindParportByAddress(std::uint16_t address,
                                                const std::filesystem::path& procRoot,
                                                const std::filesystem::path& devDir);

class PpdevPort : public Port {
 public:
  struct Places {
    std::filesystem::path procRoot = "/proc/sys/dev/parport";
    std::filesystem::path devDir = "/dev";
  };

  // By base address: the device is looked up when the port opens.
  PpdevPort(std::uint16_t address, std::unique_ptr<PpdevSystem> sys, Places places);
  PpdevPort(std::uint16_t address, std::unique_ptr<PpdevSystem> sys)
      : PpdevPort(address, std::move(sys), Places{}) {}
  // By device path; `base` is the address the protocol writes to.
  PpdevPort(std::string devicePath, std::uint16_t base, std::unique_ptr<PpdevSystem> sys);
  ~PpdevPort() override;

  bool Opened() const override { return fd_ >= 0; }
  void SetOpened(bool open) override;
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return lastError_; }
  bool LastIoOk() const override { return lastIoOk_; }
  std::string FailureReason() const override { return reason_; }

  // The device opened or last tried; empty before that.
  const std::string& DevicePath() const { return devicePath_; }

 private:
  void Open();
  void Close();
  bool Request(PpdevRequest request, std::uint8_t& value);
  void OpenFailed(int error, std::string reason);

  std::uint16_t base_;
  bool byAddress_;
  std::unique_ptr<PpdevSystem> sys_;
  Places places_;
  std::string devicePath_;
  int fd_ = -1;
  std::uint32_t lastError_ = 0;
  bool lastIoOk_ = false;
  std::string reason_;
};

}  // namespace lpt
