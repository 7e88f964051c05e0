// SPDX-License-Identifier: GPL-2.0-or-later
// SmallPort: the client of the Smport kernel port driver on Windows. On the
// NT family (every version) it registers and starts the driver service
// itself and opens the device "\\.\Smport"; on Windows 9x and any other
// system kind it opens the virtual device smport.vxd. Each port byte is one
// I/O control request. Failures are recorded in LastError/LastIoOk and never shown.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "hw/port.h"
#include "hw/small_port_os.h"

namespace lpt {

enum PlatformKind : std::int32_t {
  PlatformUnknown = 0,
  PlatformWin32s = 1,
  PlatformWin95 = 2,
  PlatformWin98 = 3,
  PlatformNT4 = 4,
  PlatformNT5 = 5,
  PlatformWinMe = 6,
  PlatformNTOther = 7,  // NT 3.x, and NT 6 onwards: Vista, 7, 8, 10, 11
};

// The system kind of a version record.
PlatformKind ClassifyPlatform(const OsVersion& version);
// Reads the version record (a failed query classifies as a zeroed record).
PlatformKind DetectPlatform(SmallPortOs& os);

// Device I/O control code: type << 16 | access << 14 | function << 2 | method.
constexpr std::uint32_t MakeControlCode(std::uint32_t deviceType, std::uint32_t function,
                                        std::uint32_t method, std::uint32_t access) {
  return (deviceType << 16) | (access << 14) | (function << 2) | method;
}

// True for the kinds that register the driver as a service.
constexpr bool UsesDriverService(PlatformKind kind) {
  return kind == PlatformNT4 || kind == PlatformNT5 || kind == PlatformNTOther;
}

// The six I/O codes of a kind: read byte, write byte, then two unused pairs.
std::array<std::uint32_t, 6> IoCodesFor(PlatformKind kind);

class SmallPort : public Port {
 public:
  // `os` must not be null (MakeWin32SmallPortOs on Windows, a fake in tests).
  explicit SmallPort(std::unique_ptr<SmallPortOs> os);
  // Stops and removes the driver service, but only what this object
  // registered or started.
  ~SmallPort() override;

  bool Opened() const override { return driverHandle_ != kInvalidFileHandle; }
  void SetOpened(bool open) override;
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return lastError_; }
  bool LastIoOk() const override { return lastIoOk_; }
  std::string FailureReason() const override;

  OsHandle DriverHandle() const { return driverHandle_; }
  PlatformKind Platform() const { return platform_; }
  const std::array<std::uint32_t, 6>& IoCodes() const { return ioCodes_; }
  bool RemoveServiceOnClose() const { return removeServiceOnClose_; }
  bool StopServiceOnClose() const { return stopServiceOnClose_; }

 private:
  void OpenDriver();
  void CloseDriver();
  void OpenThroughService();
  void OpenVxd();
  void OpenServiceManager();
  void CloseServiceManager();
  void InstallDriverService();
  // Opens the driver's service, runs `action` on it and closes it; a failed
  // open or action records the OS error. True when the action succeeded.
  bool OnDriverService(bool (SmallPortOs::*action)(OsHandle));
  void StartDriverService();
  void StopDriverService();
  void RemoveDriverService();
  std::uint32_t OsError() const;

  std::unique_ptr<SmallPortOs> os_;
  bool lastIoOk_ = false;
  std::uint32_t lastError_ = 0;
  PlatformKind platform_;
  std::array<std::uint32_t, 6> ioCodes_;
  std::string serviceName_ = "Smport";
  bool removeServiceOnClose_ = true;
  bool stopServiceOnClose_ = true;
  // What this object itself did to the service, so destruction undoes only
  // that and never removes a registration someone else made.
  bool registeredService_ = false;
  bool startedService_ = false;
  bool openAttempted_ = false;
  std::uint32_t openError_ = 0;  // LastError when the last open ended
  OsHandle serviceManager_ = kNullServiceHandle;
  OsHandle driverHandle_ = kInvalidFileHandle;
};

}  // namespace lpt
