// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows calls the port driver client makes, as a small interface: the
// client's logic is plain code that builds and is tested everywhere, and
// only hw/win/small_port_win32.cpp talks to the real system.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace lpt {

// A Windows handle as a number. File handles are invalid at all-ones
// (INVALID_HANDLE_VALUE); service handles are invalid at 0.
using OsHandle = std::uintptr_t;
inline constexpr OsHandle kInvalidFileHandle = ~OsHandle{0};
inline constexpr OsHandle kNullServiceHandle = 0;

// The ANSI version record as far as the client reads it.
struct OsVersion {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// Every argument of the driver service registration (CreateServiceA).
struct ServiceRegistration {
  std::string name;
  std::string displayName;
  std::uint32_t desiredAccess = 0;
  std::uint32_t serviceType = 0;
  std::uint32_t startType = 0;
  std::uint32_t errorControl = 0;
  std::string imagePath;
};

// The arguments of CreateFileA that the two driver paths differ in.
struct OpenFileRequest {
  std::string name;
  std::uint32_t access = 0;
  std::uint32_t share = 0;
  std::uint32_t disposition = 0;
  std::uint32_t flags = 0;
};

class SmallPortOs {
 public:
  virtual ~SmallPortOs() = default;

  // GetLastError after a call that reported failure.
  virtual std::uint32_t LastOsError() const = 0;

  // GetVersionExA; false when the call fails.
  virtual bool GetVersion(OsVersion& version) = 0;

  virtual OsHandle OpenSCManager(std::uint32_t access) = 0;
  virtual OsHandle CreateService(OsHandle manager, const ServiceRegistration& registration) = 0;
  virtual OsHandle OpenService(OsHandle manager, const std::string& name, std::uint32_t access) = 0;
  // StartServiceA with no arguments.
  virtual bool StartService(OsHandle service) = 0;
  // ControlService(SERVICE_CONTROL_STOP).
  virtual bool StopService(OsHandle service) = 0;
  virtual bool DeleteService(OsHandle service) = 0;
  virtual bool CloseServiceHandle(OsHandle handle) = 0;

  virtual bool FileExists(const std::string& path) = 0;
  // The folder of the running program, without a trailing backslash.
  virtual std::string ProgramDirectory() = 0;
  virtual std::string SystemDirectory() = 0;

  virtual OsHandle CreateFile(const OpenFileRequest& request) = 0;
  virtual bool CloseHandle(OsHandle handle) = 0;
  // Synchronous DeviceIoControl; the byte count returned is not examined.
  virtual bool DeviceIoControl(OsHandle device, std::uint32_t code, const void* in,
                               std::uint32_t inSize, void* out, std::uint32_t outSize) = 0;
};

// The real calls (Windows only; nullptr elsewhere).
std::unique_ptr<SmallPortOs> MakeWin32SmallPortOs();

}  // namespace lpt
