// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/small_port.h"

namespace lpt {
namespace {

// Windows constants the client passes (winsvc.h, winnt.h, winerror.h).
constexpr std::uint32_t kScManagerAllAccess = 0xF003F;
constexpr std::uint32_t kServiceAllAccess = 0xF01FF;
constexpr std::uint32_t kServiceKernelDriver = 1;
constexpr std::uint32_t kServiceDemandStart = 3;
constexpr std::uint32_t kServiceErrorNormal = 1;
constexpr std::uint32_t kGenericReadWrite = 0x80000000u | 0x40000000u;
constexpr std::uint32_t kOpenExisting = 3;
constexpr std::uint32_t kFileAttributeNormal = 0x80;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorBadExeFormat = 193;
constexpr std::uint32_t kErrorInvalidImageHash = 577;
constexpr std::uint32_t kErrorServiceAlreadyRunning = 1056;
constexpr std::uint32_t kErrorServiceExists = 1073;

constexpr std::uint32_t kPortDeviceType = 0xF100;
constexpr std::uint32_t kMethodBuffered = 0;
constexpr const char* kVxdName = "smport.vxd";

}  // namespace

PlatformKind ClassifyPlatform(const OsVersion& v) {
  switch (v.platformId) {
    case 0:
      return PlatformWin32s;
    case 1:
      if (v.minor == 0) return PlatformWin95;
      if (v.minor == 10) return PlatformWin98;
      if (v.minor == 90) return PlatformWinMe;
      return PlatformUnknown;
    case 2:
      if (v.major == 4) return PlatformNT4;
      if (v.major == 5) return PlatformNT5;
      // Every NT takes the service path: a VxD cannot load on any of them.
      return PlatformNTOther;
    default:
      return PlatformUnknown;
  }
}

PlatformKind DetectPlatform(SmallPortOs& os) {
  OsVersion version;
  if (!os.GetVersion(version)) version = OsVersion{};
  return ClassifyPlatform(version);
}

std::array<std::uint32_t, 6> IoCodesFor(PlatformKind kind) {
  std::array<std::uint32_t, 6> codes{};
  for (std::uint32_t slot = 0; slot < codes.size(); ++slot) {
    // Odd slots read (access 1), even slots write (access 2).
    const std::uint32_t access = slot % 2 == 0 ? 1 : 2;
    codes[slot] = UsesDriverService(kind)
                      ? MakeControlCode(kPortDeviceType, 0x901 + slot, kMethodBuffered, access)
                      : 2 + slot;
  }
  return codes;
}

SmallPort::SmallPort(std::unique_ptr<SmallPortOs> os)
    : os_(std::move(os)), platform_(DetectPlatform(*os_)), ioCodes_(IoCodesFor(platform_)) {}

SmallPort::~SmallPort() {
  CloseDriver();
  if (!UsesDriverService(platform_)) return;
  const bool stop = stopServiceOnClose_ && startedService_;
  const bool remove = removeServiceOnClose_ && registeredService_;
  if (!stop && !remove) return;
  OpenServiceManager();
  if (serviceManager_ == kNullServiceHandle) return;
  if (stop) StopDriverService();
  if (remove) RemoveDriverService();
  CloseServiceManager();
}

std::uint32_t SmallPort::OsError() const { return os_->LastOsError(); }

void SmallPort::SetOpened(bool open) {
  if (open && !Opened()) OpenDriver();
  if (!open && Opened()) CloseDriver();
}

void SmallPort::OpenDriver() {
  if (Opened()) CloseDriver();
  openAttempted_ = true;
  if (UsesDriverService(platform_))
    OpenThroughService();
  else
    OpenVxd();
  openError_ = Opened() ? 0 : lastError_;
}

void SmallPort::CloseDriver() {
  if (driverHandle_ == kInvalidFileHandle) return;
  os_->CloseHandle(driverHandle_);
  driverHandle_ = kInvalidFileHandle;
}

void SmallPort::OpenThroughService() {
  OpenServiceManager();
  if (lastError_ != 0) return;

  InstallDriverService();
  if (lastError_ == kErrorServiceExists) {
    // Someone else's registration is used as it is, with its own driver
    // path, and left in place at exit.
    if (!registeredService_) removeServiceOnClose_ = false;
    lastError_ = 0;
  } else if (lastError_ != 0) {
    CloseServiceManager();
    return;
  }

  StartDriverService();
  if (lastError_ == kErrorServiceAlreadyRunning) {
    if (!startedService_) stopServiceOnClose_ = false;
    lastError_ = 0;
  }
  CloseServiceManager();
  if (lastError_ != 0) return;

  driverHandle_ = os_->CreateFile(
      {"\\\\.\\" + serviceName_, kGenericReadWrite, 0, kOpenExisting, kFileAttributeNormal});
  if (driverHandle_ == kInvalidFileHandle) lastError_ = OsError();
}

void SmallPort::OpenVxd() {
  driverHandle_ = os_->CreateFile({std::string("\\\\.\\") + kVxdName, 0, 0, 0, 0});
  if (driverHandle_ != kInvalidFileHandle) return;
  driverHandle_ =
      os_->CreateFile({"\\\\.\\" + os_->SystemDirectory() + "\\" + kVxdName, 0, 0, 0, 0});
  if (driverHandle_ == kInvalidFileHandle) lastError_ = OsError();
}

void SmallPort::OpenServiceManager() {
  if (serviceManager_ != kNullServiceHandle) return;
  lastError_ = 0;
  serviceManager_ = os_->OpenSCManager(kScManagerAllAccess);
  if (serviceManager_ == kNullServiceHandle) lastError_ = OsError();
}

void SmallPort::CloseServiceManager() {
  if (serviceManager_ == kNullServiceHandle) return;
  os_->CloseServiceHandle(serviceManager_);
  serviceManager_ = kNullServiceHandle;
}

void SmallPort::InstallDriverService() {
  lastError_ = 0;
  // Beside the program, whatever folder it was started from; else the
  // system folder.
  const std::string file = serviceName_ + ".sys";
  const std::string programDir = os_->ProgramDirectory();
  std::string image = programDir + "\\" + file;
  if (programDir.empty() || !os_->FileExists(image)) image = os_->SystemDirectory() + "\\" + file;
  const OsHandle service = os_->CreateService(
      serviceManager_, {serviceName_, serviceName_, kServiceAllAccess, kServiceKernelDriver,
                        kServiceDemandStart, kServiceErrorNormal, image});
  if (service == kNullServiceHandle) {
    lastError_ = OsError();
    return;
  }
  os_->CloseServiceHandle(service);
  registeredService_ = true;
}

bool SmallPort::OnDriverService(bool (SmallPortOs::*action)(OsHandle)) {
  const OsHandle service = os_->OpenService(serviceManager_, serviceName_, kServiceAllAccess);
  if (service == kNullServiceHandle) {
    lastError_ = OsError();
    return false;
  }
  const bool done = ((*os_).*action)(service);
  if (!done) lastError_ = OsError();
  os_->CloseServiceHandle(service);
  return done;
}

void SmallPort::StartDriverService() {
  lastError_ = 0;
  if (OnDriverService(&SmallPortOs::StartService)) startedService_ = true;
}

void SmallPort::StopDriverService() { OnDriverService(&SmallPortOs::StopService); }

void SmallPort::RemoveDriverService() { OnDriverService(&SmallPortOs::DeleteService); }

std::uint8_t SmallPort::ReadPort(std::uint16_t address) {
  if (!Opened()) {
    lastIoOk_ = false;
    lastError_ = kErrorInvalidHandle;
    return 0;
  }
  const std::uint8_t in[2] = {static_cast<std::uint8_t>(address & 0xFF),
                              static_cast<std::uint8_t>(address >> 8)};
  std::uint8_t out[2] = {0, 0};
  lastIoOk_ = os_->DeviceIoControl(driverHandle_, ioCodes_[0], in, sizeof in, out, sizeof out);
  if (!lastIoOk_) {
    lastError_ = OsError();
    return 0;
  }
  return out[0];
}

void SmallPort::WritePort(std::uint16_t address, std::uint8_t value) {
  if (!Opened()) {
    lastIoOk_ = false;
    lastError_ = kErrorInvalidHandle;
    return;
  }
  // Address (little-endian), value, and a zero pad byte.
  const std::uint8_t request[4] = {static_cast<std::uint8_t>(address & 0xFF),
                                   static_cast<std::uint8_t>(address >> 8), value, 0};
  std::uint8_t out[2] = {0, 0};
  lastIoOk_ =
      os_->DeviceIoControl(driverHandle_, ioCodes_[1], request, sizeof request, out, sizeof out);
  if (!lastIoOk_) lastError_ = OsError();
}

std::string SmallPort::FailureReason() const {
  if (Opened() || !openAttempted_ || openError_ == 0) return {};
  std::string text = "Smport: the port driver Smport.sys could not be opened (Windows error " +
                     std::to_string(openError_) + ").";
  if (openError_ == kErrorAccessDenied)
    text += " Registering the driver service needs administrator rights.";
  else if (openError_ == kErrorFileNotFound && UsesDriverService(platform_))
    text += " Is Smport.sys in the program's directory?";
  else if (openError_ == kErrorBadExeFormat || openError_ == kErrorInvalidImageHash)
    text += " 64-bit Windows loads only signed 64-bit drivers: use InpOut (inpoutx64.dll).";
  else if (!UsesDriverService(platform_) && platform_ == PlatformUnknown)
    text += " This Windows version is not one the driver supports.";
  return text;
}

#ifndef _WIN32
// The real calls exist only on Windows (hw/win/small_port_win32.cpp).
std::unique_ptr<SmallPortOs> MakeWin32SmallPortOs() { return nullptr; }
#endif

}  // namespace lpt
