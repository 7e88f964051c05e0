// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows driver client driven through a fake system: platform
// detection, control codes, both driver paths, the service lifecycle and
// the request layouts.
#include "hw/small_port.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace lpt {
namespace {

// The system as the client sees it, and everything the client asked of it.
struct FakeWindows {
  OsVersion version{2, 5, 1};  // XP
  std::uint32_t error = 0;     // GetLastError
  bool scmDenied = false;
  bool serviceRegistered = false;
  bool serviceRunning = false;
  std::uint32_t createServiceError = 0;  // forced failure other than 1073
  std::string programDir = "C:\\prog";
  std::string systemDir = "C:\\WINDOWS\\system32";
  std::vector<std::string> files = {"C:\\prog\\Smport.sys"};
  std::vector<std::string> openableDevices = {"\\\\.\\Smport"};

  std::vector<std::string> calls;
  std::vector<ServiceRegistration> registrations;
  std::vector<OpenFileRequest> opens;
  struct Io {
    std::uint32_t code;
    std::vector<std::uint8_t> in;
    std::uint32_t outSize;
  };
  std::vector<Io> ios;
  bool ioFails = false;
  std::uint8_t portByte = 0x5A;
  int openHandles = 0;
};

class FakeOs : public SmallPortOs {
 public:
  explicit FakeOs(FakeWindows& w) : w_(w) {}
  std::uint32_t LastOsError() const override { return w_.error; }
  bool GetVersion(OsVersion& v) override {
    v = w_.version;
    return true;
  }
  OsHandle OpenSCManager(std::uint32_t access) override {
    w_.calls.push_back("OpenSCManager " + std::to_string(access));
    if (w_.scmDenied) return Fail(5);
    return 100;
  }
  OsHandle CreateService(OsHandle, const ServiceRegistration& r) override {
    w_.calls.push_back("CreateService");
    if (w_.createServiceError) return Fail(w_.createServiceError);
    if (w_.serviceRegistered) return Fail(1073);
    w_.registrations.push_back(r);
    w_.serviceRegistered = true;
    return 200;
  }
  OsHandle OpenService(OsHandle, const std::string& name, std::uint32_t) override {
    w_.calls.push_back("OpenService " + name);
    return w_.serviceRegistered ? 300 : Fail(1060);
  }
  bool StartService(OsHandle) override {
    w_.calls.push_back("StartService");
    if (w_.serviceRunning) return Fail(1056);
    w_.serviceRunning = true;
    return true;
  }
  bool StopService(OsHandle) override {
    w_.calls.push_back("StopService");
    w_.serviceRunning = false;
    return true;
  }
  bool DeleteService(OsHandle) override {
    w_.calls.push_back("DeleteService");
    w_.serviceRegistered = false;
    return true;
  }
  bool CloseServiceHandle(OsHandle h) override {
    w_.calls.push_back("CloseServiceHandle " + std::to_string(h));
    return true;
  }
  bool FileExists(const std::string& path) override {
    for (const auto& f : w_.files)
      if (f == path) return true;
    return false;
  }
  std::string ProgramDirectory() override { return w_.programDir; }
  std::string SystemDirectory() override { return w_.systemDir; }
  OsHandle CreateFile(const OpenFileRequest& r) override {
    w_.opens.push_back(r);
    for (const auto& d : w_.openableDevices)
      if (d == r.name) {
        ++w_.openHandles;
        return 42;
      }
    w_.error = 2;
    return kInvalidFileHandle;
  }
  bool CloseHandle(OsHandle) override {
    --w_.openHandles;
    return true;
  }
  bool DeviceIoControl(OsHandle, std::uint32_t code, const void* in, std::uint32_t inSize,
                       void* out, std::uint32_t outSize) override {
    const auto* bytes = static_cast<const std::uint8_t*>(in);
    w_.ios.push_back({code, std::vector<std::uint8_t>(bytes, bytes + inSize), outSize});
    if (w_.ioFails) {
      w_.error = 31;
      return false;
    }
    static_cast<std::uint8_t*>(out)[0] = w_.portByte;
    return true;
  }

 private:
  OsHandle Fail(std::uint32_t code) {
    w_.error = code;
    return 0;
  }
  FakeWindows& w_;
};

std::unique_ptr<SmallPort> MakePort(FakeWindows& w) {
  return std::make_unique<SmallPort>(std::make_unique<FakeOs>(w));
}

int Count(const std::vector<std::string>& calls, const std::string& call) {
  int n = 0;
  for (const auto& c : calls) n += c == call;
  return n;
}

TEST(SmallPortPlatform, ClassifiesTheVersionRecord) {
  struct Case {
    OsVersion v;
    PlatformKind kind;
  };
  const Case cases[] = {{{0, 3, 10}, PlatformWin32s},  {{1, 4, 0}, PlatformWin95},
                        {{1, 4, 10}, PlatformWin98},   {{1, 4, 90}, PlatformWinMe},
                        {{1, 4, 3}, PlatformUnknown},  {{2, 4, 0}, PlatformNT4},
                        {{2, 5, 1}, PlatformNT5},      {{2, 6, 2}, PlatformNTOther},
                        {{2, 10, 0}, PlatformNTOther}, {{3, 5, 0}, PlatformUnknown}};
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyPlatform(c.v), c.kind)
        << c.v.platformId << "." << c.v.major << "." << c.v.minor;
  }
}

// The version records Windows reports (GetVersionExA: platform id, major,
// minor). Windows 8.1, 10 and 11 report 6.2 to a program without a
// compatibility manifest and their real numbers (10.0 for both 10 and 11)
// to one with it; either way they are NT.
TEST(SmallPortPlatform, EveryNtTakesTheServicePathAnd9xTheVxd) {
  struct Case {
    const char* name;
    OsVersion v;
    bool service;
  };
  const Case cases[] = {
      {"95", {1, 4, 0}, false},
      {"98", {1, 4, 10}, false},
      {"ME", {1, 4, 90}, false},
      {"NT 3.51", {2, 3, 51}, true},
      {"NT 4", {2, 4, 0}, true},
      {"2000", {2, 5, 0}, true},
      {"XP", {2, 5, 1}, true},
      {"XP x64", {2, 5, 2}, true},
      {"Vista", {2, 6, 0}, true},
      {"7", {2, 6, 1}, true},
      {"8 / 10 unmanifested", {2, 6, 2}, true},
      {"8.1", {2, 6, 3}, true},
      {"10 and 11", {2, 10, 0}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UsesDriverService(ClassifyPlatform(c.v)), c.service);
    FakeWindows w;
    w.version = c.v;
    w.openableDevices = {"\\\\.\\Smport", "\\\\.\\smport.vxd"};
    auto port = MakePort(w);
    port->SetOpened(true);
    EXPECT_TRUE(port->Opened());
    ASSERT_EQ(w.opens.size(), 1u);
    EXPECT_EQ(w.opens[0].name, c.service ? "\\\\.\\Smport" : "\\\\.\\smport.vxd");
    EXPECT_EQ(Count(w.calls, "StartService"), c.service ? 1 : 0);
    EXPECT_EQ(port->IoCodes()[0], c.service ? 0xF1006404u : 2u);
  }
}

TEST(SmallPortPlatform, ControlCodesByKind) {
  EXPECT_EQ(MakeControlCode(0xF100, 0x901, 0, 1), 0xF1006404u);
  EXPECT_EQ(MakeControlCode(0xF100, 0x902, 0, 2), 0xF100A408u);
  const std::array<std::uint32_t, 6> service = {0xF1006404, 0xF100A408, 0xF100640C,
                                                0xF100A410, 0xF1006414, 0xF100A418};
  const std::array<std::uint32_t, 6> small = {2, 3, 4, 5, 6, 7};
  EXPECT_EQ(IoCodesFor(PlatformNT4), service);
  EXPECT_EQ(IoCodesFor(PlatformNT5), service);
  EXPECT_EQ(IoCodesFor(PlatformNTOther), service);
  for (PlatformKind k :
       {PlatformUnknown, PlatformWin32s, PlatformWin95, PlatformWin98, PlatformWinMe})
    EXPECT_EQ(IoCodesFor(k), small) << k;
}

TEST(SmallPortService, RegistersStartsOpensAndCleansUpWhatItDid) {
  FakeWindows w;
  {
    auto port = MakePort(w);
    EXPECT_EQ(port->Platform(), PlatformNT5);
    EXPECT_TRUE(w.calls.empty()) << "creation opens nothing";
    port->SetOpened(true);
    ASSERT_TRUE(port->Opened());
    EXPECT_EQ(port->LastError(), 0u);
    ASSERT_EQ(w.registrations.size(), 1u);
    const ServiceRegistration& r = w.registrations[0];
    EXPECT_EQ(r.name, "Smport");
    EXPECT_EQ(r.displayName, "Smport");
    EXPECT_EQ(r.desiredAccess, 0xF01FFu);
    EXPECT_EQ(r.serviceType, 1u);
    EXPECT_EQ(r.startType, 3u);
    EXPECT_EQ(r.errorControl, 1u);
    EXPECT_EQ(r.imagePath, "C:\\prog\\Smport.sys");
    ASSERT_EQ(w.opens.size(), 1u);
    EXPECT_EQ(w.opens[0].name, "\\\\.\\Smport");
    EXPECT_EQ(w.opens[0].access, 0xC0000000u);
    EXPECT_EQ(w.opens[0].share, 0u);
    EXPECT_EQ(w.opens[0].disposition, 3u);
    EXPECT_EQ(w.opens[0].flags, 0x80u);
    EXPECT_EQ(w.calls[0], "OpenSCManager " + std::to_string(0xF003F));
    EXPECT_TRUE(w.serviceRunning);
    // The manager is not left open between calls.
    EXPECT_EQ(w.calls.back(), "CloseServiceHandle 100");

    port->SetOpened(true);  // already open: the one handle stays
    EXPECT_EQ(w.opens.size(), 1u);
    port->SetOpened(false);
    EXPECT_FALSE(port->Opened());
    EXPECT_EQ(w.openHandles, 0);
    port->SetOpened(false);  // already closed: nothing
    EXPECT_EQ(w.openHandles, 0);
  }
  EXPECT_EQ(Count(w.calls, "StopService"), 1);
  EXPECT_EQ(Count(w.calls, "DeleteService"), 1);
  EXPECT_FALSE(w.serviceRegistered);
  EXPECT_FALSE(w.serviceRunning);
}

TEST(SmallPortService, AnExistingOrRunningServiceIsUsedAndLeftAlone) {
  struct Case {
    bool registered, running;
  };
  for (const Case& c : {Case{true, false}, Case{true, true}}) {
    SCOPED_TRACE(c.running ? "running" : "registered");
    FakeWindows w;
    w.serviceRegistered = c.registered;
    w.serviceRunning = c.running;
    {
      auto port = MakePort(w);
      port->SetOpened(true);
      ASSERT_TRUE(port->Opened());
      EXPECT_EQ(port->LastError(), 0u) << "1073 and 1056 are no failure";
      EXPECT_TRUE(w.registrations.empty());
      EXPECT_FALSE(port->RemoveServiceOnClose());
      EXPECT_EQ(port->StopServiceOnClose(), !c.running);
    }
    EXPECT_EQ(Count(w.calls, "DeleteService"), 0);
    EXPECT_EQ(Count(w.calls, "StopService"), c.running ? 0 : 1);
    EXPECT_TRUE(w.serviceRegistered);
  }
}

TEST(SmallPortService, ReopeningKeepsOwnershipOfTheServiceItRegistered) {
  FakeWindows w;
  {
    auto port = MakePort(w);
    port->SetOpened(true);
    port->SetOpened(false);
    port->SetOpened(true);  // now 1073 and 1056: its own service
    EXPECT_TRUE(port->Opened());
  }
  EXPECT_EQ(Count(w.calls, "DeleteService"), 1);
  EXPECT_EQ(Count(w.calls, "StopService"), 1);
}

TEST(SmallPortService, DriverFileFallsBackToTheSystemDirectory) {
  FakeWindows w;
  w.files.clear();
  auto port = MakePort(w);
  port->SetOpened(true);
  ASSERT_EQ(w.registrations.size(), 1u);
  EXPECT_EQ(w.registrations[0].imagePath, "C:\\WINDOWS\\system32\\Smport.sys");
}

TEST(SmallPortService, FailuresKeepThePortClosedAndTouchNothingAtExit) {
  FakeWindows denied;
  denied.scmDenied = true;
  {
    auto port = MakePort(denied);
    port->SetOpened(true);
    EXPECT_FALSE(port->Opened());
    EXPECT_EQ(port->LastError(), 5u);
    EXPECT_NE(port->FailureReason().find("administrator"), std::string::npos);
    EXPECT_EQ(Count(denied.calls, "CreateService"), 0);
  }
  EXPECT_EQ(Count(denied.calls, "StopService") + Count(denied.calls, "DeleteService"), 0);

  FakeWindows other;  // someone else's Smport exists; CreateService fails otherwise
  other.serviceRegistered = true;
  other.createServiceError = 1072;
  {
    auto port = MakePort(other);
    port->SetOpened(true);
    EXPECT_FALSE(port->Opened());
    EXPECT_EQ(port->LastError(), 1072u);
    EXPECT_EQ(Count(other.calls, "StartService"), 0);
    EXPECT_EQ(other.calls.back(), "CloseServiceHandle 100");
  }
  // It registered nothing and started nothing, so it removes nothing.
  EXPECT_EQ(Count(other.calls, "DeleteService"), 0);
  EXPECT_TRUE(other.serviceRegistered);

  FakeWindows never;
  never.serviceRegistered = true;
  { auto port = MakePort(never); }
  EXPECT_TRUE(never.calls.empty()) << "a port never opened leaves the system alone";
}

TEST(SmallPortVxd, OtherKindsOpenTheVirtualDevice) {
  struct Case {
    OsVersion v;
    bool inSystemDir;
  };
  for (const Case& c : {Case{{1, 4, 10}, false}, Case{{1, 4, 90}, false}, Case{{1, 4, 0}, true}}) {
    SCOPED_TRACE(c.v.major);
    FakeWindows w;
    w.version = c.v;
    w.openableDevices = {c.inSystemDir ? "\\\\.\\C:\\WINDOWS\\system32\\smport.vxd"
                                       : "\\\\.\\smport.vxd"};
    {
      auto port = MakePort(w);
      port->SetOpened(true);
      EXPECT_TRUE(port->Opened());
      ASSERT_EQ(w.opens.size(), c.inSystemDir ? 2u : 1u);
      EXPECT_EQ(w.opens[0].name, "\\\\.\\smport.vxd");
      for (const auto& o : w.opens) {
        EXPECT_EQ(o.access, 0u);
        EXPECT_EQ(o.share, 0u);
        EXPECT_EQ(o.disposition, 0u);
        EXPECT_EQ(o.flags, 0u);
      }
      EXPECT_EQ(port->IoCodes()[0], 2u);
    }
    EXPECT_TRUE(w.calls.empty()) << "no service on the VxD path";
  }

  FakeWindows none;
  none.version = {1, 4, 3};
  none.openableDevices.clear();
  auto port = MakePort(none);
  port->SetOpened(true);
  EXPECT_FALSE(port->Opened());
  EXPECT_EQ(none.opens.size(), 2u);
  EXPECT_EQ(port->LastError(), 2u);
  EXPECT_FALSE(port->FailureReason().empty());
}

TEST(SmallPortTransfer, RequestLayouts) {
  FakeWindows w;
  auto port = MakePort(w);
  port->SetOpened(true);
  port->WritePort(0x378, 0xA7);
  EXPECT_TRUE(port->LastIoOk());
  EXPECT_EQ(port->ReadPort(0x379), 0x5A);
  ASSERT_EQ(w.ios.size(), 2u);
  EXPECT_EQ(w.ios[0].code, 0xF100A408u);
  EXPECT_EQ(w.ios[0].in, (std::vector<std::uint8_t>{0x78, 0x03, 0xA7, 0x00}));
  EXPECT_EQ(w.ios[0].outSize, 2u);
  EXPECT_EQ(w.ios[1].code, 0xF1006404u);
  EXPECT_EQ(w.ios[1].in, (std::vector<std::uint8_t>{0x79, 0x03}));
  EXPECT_EQ(w.ios[1].outSize, 2u);

  // Byte 3 stays 0 whatever the value and address.
  for (std::uint8_t v : {0x00, 0xFF, 0x80}) {
    port->WritePort(0xFFFF, v);
    EXPECT_EQ(w.ios.back().in, (std::vector<std::uint8_t>{0xFF, 0xFF, v, 0x00}));
  }

  w.ioFails = true;
  EXPECT_EQ(port->ReadPort(0x379), 0);
  EXPECT_FALSE(port->LastIoOk());
  EXPECT_EQ(port->LastError(), 31u);
}

TEST(SmallPortTransfer, AClosedPortSendsNothingAndReadsZero) {
  FakeWindows w;
  auto port = MakePort(w);
  EXPECT_FALSE(port->LastIoOk()) << "false after creation";
  EXPECT_EQ(port->ReadPort(0x379), 0);
  EXPECT_EQ(port->LastError(), 6u);
  EXPECT_FALSE(port->LastIoOk());
  port->WritePort(0x378, 0x04);
  EXPECT_EQ(port->LastError(), 6u);
  EXPECT_TRUE(w.ios.empty());
  EXPECT_EQ(port->DriverHandle(), kInvalidFileHandle);
}

}  // namespace
}  // namespace lpt
