// SPDX-License-Identifier: GPL-2.0-or-later
// InpOutPort: port access through InpOut32 / InpOutx64, the signed
// parallel-port I/O library for Windows (inpout32.dll in 32-bit programs,
// inpoutx64.dll in 64-bit ones). The library is loaded when the port opens,
// from the program's folder, else from the Windows system folder (never
// through the DLL search path, which holds the current folder), so nothing
// of it is needed to build and a missing DLL is a failure reason, not a
// start-up error. On its first run as administrator
// the library installs its own signed driver.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "hw/port.h"
#include "hw/small_port_os.h"

// The library's exports use the Windows calling convention, which only a
// 32-bit build distinguishes.
#if defined(_WIN32) && !defined(_WIN64)
#define LPTPIC_WINAPI __stdcall
#else
#define LPTPIC_WINAPI
#endif

namespace lpt {

// The library's exports (short Inp32(short), void Out32(short, short),
// BOOL IsInpOutDriverOpen()).
using InpFunction = short(LPTPIC_WINAPI*)(short);
using OutFunction = void(LPTPIC_WINAPI*)(short, short);
using DriverOpenFunction = int(LPTPIC_WINAPI*)();
// Any export as GetProcAddress hands it out; cast to its real type.
using LibraryFunction = void (*)();

// The file name for a program of this word size.
const char* InpOutLibraryName(bool is64Bit = sizeof(void*) == 8);

// The Windows calls InpOutPort makes, so tests can replace them.
class InpOutOs {
 public:
  virtual ~InpOutOs() = default;
  // GetLastError after a call that reported failure.
  virtual std::uint32_t LastOsError() const = 0;
  // The folder of the running program, and the Windows system folder
  // (System32), without a trailing backslash; empty when unknown.
  virtual std::string ProgramDirectory() = 0;
  virtual std::string SystemDirectory() = 0;
  // LoadLibraryA; 0 when it fails.
  virtual OsHandle LoadLibrary(const std::string& name) = 0;
  virtual void FreeLibrary(OsHandle library) = 0;
  // GetProcAddress; nullptr when the library has no such export.
  virtual LibraryFunction FindFunction(OsHandle library, const char* name) = 0;
};

// The real calls (Windows only; nullptr elsewhere).
std::unique_ptr<InpOutOs> MakeWin32InpOutOs();

class InpOutPort : public Port {
 public:
  // `os` must not be null. `libraryName` is the DLL to look for.
  explicit InpOutPort(std::unique_ptr<InpOutOs> os, std::string libraryName = InpOutLibraryName());
  ~InpOutPort() override;

  bool Opened() const override { return inp_ != nullptr; }
  void SetOpened(bool open) override;
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return lastError_; }
  bool LastIoOk() const override { return lastIoOk_; }
  std::string FailureReason() const override { return reason_; }

  // The path the library was loaded from; empty while closed.
  const std::string& LoadedFrom() const { return loadedFrom_; }

 private:
  void Open();
  void Close();
  void OpenFailed(std::uint32_t error, std::string reason);

  std::unique_ptr<InpOutOs> os_;
  std::string libraryName_;
  OsHandle library_ = 0;
  InpFunction inp_ = nullptr;
  OutFunction out_ = nullptr;
  std::string loadedFrom_;
  std::uint32_t lastError_ = 0;
  bool lastIoOk_ = false;
  std::string reason_;
};

}  // namespace lpt
