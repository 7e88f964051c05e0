// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows calls behind SmallPort.
#include <windows.h>
// windows.h maps these names to their -A/-W forms; the interface's members
// keep the plain names and the calls below name the ANSI forms.
#undef CreateFile
#undef CreateService
#undef OpenService
#undef StartService
#undef OpenSCManager

#include "hw/small_port_os.h"

namespace lpt {
namespace {

HANDLE AsHandle(OsHandle h) { return reinterpret_cast<HANDLE>(h); }
SC_HANDLE AsService(OsHandle h) { return reinterpret_cast<SC_HANDLE>(h); }
OsHandle FromHandle(HANDLE h) { return reinterpret_cast<OsHandle>(h); }
OsHandle FromService(SC_HANDLE h) { return reinterpret_cast<OsHandle>(h); }

class Win32SmallPortOs : public SmallPortOs {
 public:
  std::uint32_t LastOsError() const override { return ::GetLastError(); }

  bool GetVersion(OsVersion& version) override {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
    version.platformId = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    return true;
  }

  OsHandle OpenSCManager(std::uint32_t access) override {
    return FromService(::OpenSCManagerA(nullptr, nullptr, access));
  }

  OsHandle CreateService(OsHandle manager, const ServiceRegistration& r) override {
    return FromService(::CreateServiceA(AsService(manager), r.name.c_str(), r.displayName.c_str(),
                                        r.desiredAccess, r.serviceType, r.startType, r.errorControl,
                                        r.imagePath.c_str(), nullptr, nullptr, nullptr, nullptr,
                                        nullptr));
  }

  OsHandle OpenService(OsHandle manager, const std::string& name, std::uint32_t access) override {
    return FromService(::OpenServiceA(AsService(manager), name.c_str(), access));
  }

  bool StartService(OsHandle service) override {
    LPCSTR noArguments[1] = {nullptr};
    return ::StartServiceA(AsService(service), 0, noArguments) != 0;
  }

  bool StopService(OsHandle service) override {
    SERVICE_STATUS status{};
    return ::ControlService(AsService(service), SERVICE_CONTROL_STOP, &status) != 0;
  }

  bool DeleteService(OsHandle service) override { return ::DeleteService(AsService(service)) != 0; }

  bool CloseServiceHandle(OsHandle handle) override {
    return ::CloseServiceHandle(AsService(handle)) != 0;
  }

  bool FileExists(const std::string& path) override {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  std::string ProgramDirectory() override {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer) return {};
    const std::string path(buffer, n);
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
  }

  std::string SystemDirectory() override {
    char buffer[MAX_PATH] = {};  // 260 characters
    const UINT n = ::GetSystemDirectoryA(buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
  }

  OsHandle CreateFile(const OpenFileRequest& r) override {
    return FromHandle(
        ::CreateFileA(r.name.c_str(), r.access, r.share, nullptr, r.disposition, r.flags, nullptr));
  }

  bool CloseHandle(OsHandle handle) override { return ::CloseHandle(AsHandle(handle)) != 0; }

  bool DeviceIoControl(OsHandle device, std::uint32_t code, const void* in, std::uint32_t inSize,
                       void* out, std::uint32_t outSize) override {
    DWORD bytesReturned = 0;
    return ::DeviceIoControl(AsHandle(device), code, const_cast<void*>(in), inSize, out, outSize,
                             &bytesReturned, nullptr) != 0;
  }
};

}  // namespace

std::unique_ptr<SmallPortOs> MakeWin32SmallPortOs() { return std::make_unique<Win32SmallPortOs>(); }

}  // namespace lpt
