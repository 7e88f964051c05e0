// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows calls behind InpOutPort.
#include <windows.h>
// windows.h maps LoadLibrary to its -A/-W form; the interface's member keeps
// the plain name and the call below names the ANSI form.
#undef LoadLibrary

#include "hw/inpout_port.h"

namespace lpt {
namespace {

class Win32InpOutOs : public InpOutOs {
 public:
  std::uint32_t LastOsError() const override { return ::GetLastError(); }

  std::string ProgramDirectory() override {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer) return {};
    std::string path(buffer, n);
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
  }

  std::string SystemDirectory() override {
    char buffer[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryA(buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
  }

  OsHandle LoadLibrary(const std::string& name) override {
    // No "cannot find the DLL" box from the system: the caller explains.
    const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryA(name.c_str());
    const DWORD error = ::GetLastError();
    ::SetErrorMode(previous);
    ::SetLastError(error);
    return reinterpret_cast<OsHandle>(module);
  }

  void FreeLibrary(OsHandle library) override { ::FreeLibrary(reinterpret_cast<HMODULE>(library)); }

  LibraryFunction FindFunction(OsHandle library, const char* name) override {
    return reinterpret_cast<LibraryFunction>(
        ::GetProcAddress(reinterpret_cast<HMODULE>(library), name));
  }
};

}  // namespace

std::unique_ptr<InpOutOs> MakeWin32InpOutOs() { return std::make_unique<Win32InpOutOs>(); }

}  // namespace lpt
