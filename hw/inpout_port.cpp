// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/inpout_port.h"

#include "hw/windows_errors.h"

namespace lpt {

const char* InpOutLibraryName(bool is64Bit) { return is64Bit ? "inpoutx64.dll" : "inpout32.dll"; }

InpOutPort::InpOutPort(std::unique_ptr<InpOutOs> os, std::string libraryName)
    : os_(std::move(os)), libraryName_(std::move(libraryName)) {}

InpOutPort::~InpOutPort() { Close(); }

void InpOutPort::SetOpened(bool open) {
  if (open && !Opened()) Open();
  if (!open && Opened()) Close();
}

void InpOutPort::Open() {
  reason_.clear();
  lastError_ = 0;
  // The program's own copy first: it is the one the user put there for this
  // program. Then the one installed for every program. Always by full path:
  // a bare name would also find a DLL planted in the current folder.
  std::uint32_t error = windows_error::kModuleNotFound;
  std::string failedCopy = libraryName_;  // the copy the message is about
  for (const std::string& dir : {os_->ProgramDirectory(), os_->SystemDirectory()}) {
    if (dir.empty()) continue;
    const std::string name = dir + "\\" + libraryName_;
    library_ = os_->LoadLibrary(name);
    if (library_ != 0) {
      loadedFrom_ = name;
      break;
    }
    // A copy that is there but unusable says more than one that is not.
    if (error == windows_error::kModuleNotFound) {
      error = os_->LastOsError();
      if (error != windows_error::kModuleNotFound) failedCopy = name;
    }
  }
  if (library_ == 0) {
    std::string text = "InpOut: " + failedCopy + " could not be loaded (Windows error " +
                       std::to_string(error) + ").";
    if (error == windows_error::kBadExeFormat)
      text += " It is built for the other word size: this program needs " + libraryName_ + ".";
    else if (error == windows_error::kDllInitFailed)
      text +=
          " The library could not start InpOut's driver: run the program once as "
          "administrator so that InpOut can install it.";
    else
      text += " Install InpOut: put " + libraryName_ + " beside the program or in the Windows " +
              "system folder.";
    OpenFailed(error, text);
    return;
  }

  const auto inp = reinterpret_cast<InpFunction>(os_->FindFunction(library_, "Inp32"));
  const auto out = reinterpret_cast<OutFunction>(os_->FindFunction(library_, "Out32"));
  if (!inp || !out) {
    OpenFailed(windows_error::kProcedureNotFound, loadedFrom_ + " has no " +
                                                      (inp ? "Out32" : "Inp32") +
                                                      " function: it is not the InpOut library.");
    return;
  }
  // Versions before 1.2 lack this check; their driver is opened on load.
  const auto driverOpen =
      reinterpret_cast<DriverOpenFunction>(os_->FindFunction(library_, "IsInpOutDriverOpen"));
  if (driverOpen && !driverOpen()) {
    OpenFailed(windows_error::kInvalidHandle,
               loadedFrom_ +
                   " is loaded but its driver did not start: run the program once as "
                   "administrator so that InpOut can install its driver.");
    return;
  }
  inp_ = inp;
  out_ = out;
}

void InpOutPort::OpenFailed(std::uint32_t error, std::string reason) {
  Close();
  lastError_ = error;
  reason_ = std::move(reason);
}

void InpOutPort::Close() {
  inp_ = nullptr;
  out_ = nullptr;
  loadedFrom_.clear();
  if (library_ != 0) os_->FreeLibrary(library_);
  library_ = 0;
}

std::uint8_t InpOutPort::ReadPort(std::uint16_t address) {
  lastIoOk_ = Opened();
  if (!lastIoOk_) {
    lastError_ = windows_error::kInvalidHandle;
    return 0;
  }
  return static_cast<std::uint8_t>(inp_(static_cast<short>(address)) & 0xFF);
}

void InpOutPort::WritePort(std::uint16_t address, std::uint8_t value) {
  lastIoOk_ = Opened();
  if (!lastIoOk_) {
    lastError_ = windows_error::kInvalidHandle;
    return;
  }
  out_(static_cast<short>(address), value);
}

#ifndef _WIN32
// The real calls exist only on Windows (hw/win/inpout_win32.cpp).
std::unique_ptr<InpOutOs> MakeWin32InpOutOs() { return nullptr; }
#endif

}  // namespace lpt
