// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows port backends against the real system calls (run under wine
// by scripts/windows-cross.sh): every failing service call's own error code
// reaches the failure reason, InpOut is loaded from the program's folder,
// and the hardware port falls back from the driver to InpOut.
#include <windows.h>
// windows.h makes macros of these names; the interface keeps the plain ones.
#undef CreateFile
#undef CreateService
#undef OpenService
#undef StartService
#undef OpenSCManager

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hw/inpout_port.h"
#include "hw/port_choice.h"
#include "hw/small_port.h"

namespace lpt {
namespace {

// The real calls, each failure logged with the error the system gave, and
// optionally one call made to fail for real by asking the system for less.
class LoggingOs : public SmallPortOs {
 public:
  enum class Spoil { Nothing, NoSuchDatabase, ConnectOnlyManager, QueryOnlyService, SkipStart };
  Spoil spoil = Spoil::Nothing;
  struct Failure {
    std::string call;
    std::uint32_t error;
  };
  std::vector<Failure>* failures = nullptr;

  std::uint32_t LastOsError() const override { return error_; }
  bool GetVersion(OsVersion& v) override { return Check("GetVersion", real_->GetVersion(v)); }
  OsHandle OpenSCManager(std::uint32_t access) override {
    if (spoil == Spoil::NoSuchDatabase)
      return Check("OpenSCManager",
                   reinterpret_cast<OsHandle>(::OpenSCManagerA(nullptr, "NoSuchDatabase", access)));
    if (spoil == Spoil::ConnectOnlyManager) access = SC_MANAGER_CONNECT;
    return Check("OpenSCManager", real_->OpenSCManager(access));
  }
  OsHandle CreateService(OsHandle m, const ServiceRegistration& r) override {
    return Check("CreateService", real_->CreateService(m, r));
  }
  OsHandle OpenService(OsHandle m, const std::string& name, std::uint32_t access) override {
    if (spoil == Spoil::QueryOnlyService) access = SERVICE_QUERY_STATUS;
    return Check("OpenService", real_->OpenService(m, name, access));
  }
  bool StartService(OsHandle s) override {
    if (spoil == Spoil::SkipStart) return true;
    return Check("StartService", real_->StartService(s));
  }
  bool StopService(OsHandle s) override { return Check("StopService", real_->StopService(s)); }
  bool DeleteService(OsHandle s) override {
    return Check("DeleteService", real_->DeleteService(s));
  }
  bool CloseServiceHandle(OsHandle h) override { return real_->CloseServiceHandle(h); }
  bool FileExists(const std::string& path) override { return real_->FileExists(path); }
  std::string ProgramDirectory() override { return real_->ProgramDirectory(); }
  std::string SystemDirectory() override { return real_->SystemDirectory(); }
  OsHandle CreateFile(const OpenFileRequest& r) override {
    const OsHandle h = real_->CreateFile(r);
    error_ = real_->LastOsError();
    if (h == kInvalidFileHandle) failures->push_back({"CreateFile", error_});
    return h;
  }
  bool CloseHandle(OsHandle h) override { return real_->CloseHandle(h); }
  bool DeviceIoControl(OsHandle d, std::uint32_t code, const void* in, std::uint32_t inSize,
                       void* out, std::uint32_t outSize) override {
    return Check("DeviceIoControl", real_->DeviceIoControl(d, code, in, inSize, out, outSize));
  }

 private:
  template <typename T>
  T Check(const char* call, T result) {
    // Read at once: logging may itself change the thread's last error.
    error_ = real_->LastOsError();
    if (!result) failures->push_back({call, error_});
    return result;
  }
  std::unique_ptr<SmallPortOs> real_ = MakeWin32SmallPortOs();
  std::uint32_t error_ = 0;
};

TEST(DriverClientOnWindows, EachFailingCallsErrorCodeIsInTheReason) {
  using Spoil = LoggingOs::Spoil;
  struct Case {
    Spoil spoil;
    const char* failingCall;
  };
  const Case cases[] = {
      {Spoil::NoSuchDatabase, "OpenSCManager"},
      {Spoil::ConnectOnlyManager, "CreateService"},
      {Spoil::QueryOnlyService, "StartService"},
      {Spoil::SkipStart, "CreateFile"},  // service never running: no device
      {Spoil::Nothing, "StartService"},  // no Smport.sys anywhere
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failingCall);
    std::vector<LoggingOs::Failure> failures;
    auto os = std::make_unique<LoggingOs>();
    LoggingOs* spy = os.get();
    spy->failures = &failures;
    spy->spoil = c.spoil;
    {
      SmallPort port(std::move(os));
      EXPECT_TRUE(UsesDriverService(port.Platform())) << "wine is an NT";
      port.SetOpened(true);
      spy->spoil = Spoil::Nothing;  // cleaning up uses the real rights
      EXPECT_FALSE(port.Opened());
      ASSERT_FALSE(failures.empty());
      const LoggingOs::Failure failed = failures.back();
      EXPECT_EQ(failed.call, c.failingCall);
      EXPECT_NE(failed.error, 0u);
      EXPECT_EQ(port.LastError(), failed.error);
      const std::string reason = port.FailureReason();
      EXPECT_NE(reason.find("(Windows error " + std::to_string(failed.error) + ")"),
                std::string::npos)
          << reason;
      std::printf("%s failed with %u: %s\n", failed.call.c_str(), failed.error, reason.c_str());
    }
    // Removing what it registered is checked with a fake system
    // (tests/hw/small_port_test.cpp): wine's service manager drops a
    // deleted service only some time later.
  }
}

TEST(InpOutOnWindows, LoadsTheLibraryBesideTheProgramAndUsesIt) {
  // The test build puts a stand-in inpoutx64.dll beside this program.
  InpOutPort port(MakeWin32InpOutOs(), "inpoutx64.dll");
  port.SetOpened(true);
  ASSERT_TRUE(port.Opened()) << port.FailureReason();
  EXPECT_NE(port.LoadedFrom().find(":\\"), std::string::npos) << "a full path";
  port.WritePort(0x378, 0x5A);
  EXPECT_EQ(port.ReadPort(0x378), 0x5A);
  EXPECT_TRUE(port.LastIoOk());
  port.SetOpened(false);
  EXPECT_EQ(::GetModuleHandleA("inpoutx64.dll"), nullptr) << "closing frees the library";
}

TEST(InpOutOnWindows, AMissingLibraryIsNamedWithTheLoadersError) {
  InpOutPort port(MakeWin32InpOutOs(), "inpout32.dll");
  port.SetOpened(true);
  EXPECT_FALSE(port.Opened());
  EXPECT_EQ(port.LastError(), static_cast<std::uint32_t>(ERROR_MOD_NOT_FOUND));
  EXPECT_NE(port.FailureReason().find("inpout32.dll could not be loaded (Windows error 126)"),
            std::string::npos)
      << port.FailureReason();
}

TEST(HardwarePortOnWindows, TriesTheDriverThenInpOut) {
  std::string error;
  const auto choice = ParsePortChoice("0x378", &error);
  ASSERT_TRUE(choice) << error;
  auto port = MakeHardwarePort(*choice);
  port->SetOpened(true);
  // The stand-in InpOut beside this program opens once the driver fails.
  EXPECT_TRUE(port->Opened()) << port->FailureReason();
  port->WritePort(0x378, 0x08);
  EXPECT_EQ(port->ReadPort(0x378), 0x08);
}

}  // namespace
}  // namespace lpt
