// SPDX-License-Identifier: GPL-2.0-or-later
// The Linux ppdev backend with a fake system and a fake /proc tree: finding
// the device by base address, the failures a user can act on, the claim
// lifecycle and the register mapping.
#include "hw/ppdev_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace lpt {
namespace {

namespace fs = std::filesystem;

struct FakeParport {
  int openError = 0;   // errno of open, 0 = opens
  int claimError = 0;  // errno of PPCLAIM
  std::vector<std::string> calls;
  std::string openedPath;
  std::uint8_t status = 0x87;
  std::uint8_t data = 0;
  std::uint8_t control = 0;
  int openFds = 0;
};

class FakePpdev : public PpdevSystem {
 public:
  explicit FakePpdev(FakeParport& p) : p_(p) {}
  int Open(const std::string& path) override {
    p_.calls.push_back("open " + path);
    if (p_.openError) return -p_.openError;
    p_.openedPath = path;
    ++p_.openFds;
    return 7;
  }
  int Ioctl(int fd, PpdevRequest request, std::uint8_t& value) override {
    EXPECT_EQ(fd, 7);
    switch (request) {
      case PpdevRequest::Exclusive:
        return Record("PPEXCL");
      case PpdevRequest::Claim:
        return Record("PPCLAIM", p_.claimError);
      case PpdevRequest::Release:
        return Record("PPRELEASE");
      case PpdevRequest::WriteData:
        p_.data = value;
        return Record("PPWDATA");
      case PpdevRequest::ReadData:
        value = p_.data;
        return Record("PPRDATA");
      case PpdevRequest::ReadStatus:
        value = p_.status;
        return Record("PPRSTATUS");
      case PpdevRequest::WriteControl:
        p_.control = value;
        return Record("PPWCONTROL");
      case PpdevRequest::ReadControl:
        value = p_.control;
        return Record("PPRCONTROL");
    }
    return EINVAL;
  }
  void Close(int fd) override {
    EXPECT_EQ(fd, 7);
    p_.calls.push_back("close");
    --p_.openFds;
  }

 private:
  int Record(const char* call, int result = 0) {
    p_.calls.push_back(call);
    return result;
  }

  FakeParport& p_;
};

// /proc/sys/dev/parport with parport0 at 0x278 and parport1 at 0x378 (the
// kernel writes the base and, for ECP ports, the extended base).
class PpdevPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "proc" / "parport0");
    fs::create_directories(root_ / "proc" / "parport1");
    fs::create_directories(root_ / "proc" / "default");
    std::ofstream(root_ / "proc" / "parport0" / "base-addr") << "632\t0\n";
    std::ofstream(root_ / "proc" / "parport1" / "base-addr") << "888\t1912\n";
    places_ = {root_ / "proc", "/dev"};
  }

  std::unique_ptr<PpdevPort> ByAddress(std::uint16_t address) {
    return std::make_unique<PpdevPort>(address, std::make_unique<FakePpdev>(fake_), places_);
  }

  testing_files::ScratchDir scratch_{"lptpic_ppdev_"};
  const fs::path& root_ = scratch_.path;
  PpdevPort::Places places_;
  FakeParport fake_;
};

TEST_F(PpdevPortTest, FindsTheDeviceByItsBaseAddress) {
  EXPECT_EQ(FindParportByAddress(0x378, places_.procRoot, "/dev"), "/dev/parport1");
  EXPECT_EQ(FindParportByAddress(0x278, places_.procRoot, "/dev"), "/dev/parport0");
  EXPECT_EQ(FindParportByAddress(0x3BC, places_.procRoot, "/dev"), std::nullopt);
  EXPECT_EQ(FindParportByAddress(1912, places_.procRoot, "/dev"), std::nullopt)
      << "only the first number is the base";
  EXPECT_EQ(FindParportByAddress(0x378, root_ / "missing", "/dev"), std::nullopt);
  std::ofstream(root_ / "proc" / "parport0" / "base-addr") << "garbage\n";
  EXPECT_EQ(FindParportByAddress(0x278, places_.procRoot, "/dev"), std::nullopt);
}

TEST_F(PpdevPortTest, OpensClaimsExclusivelyAndReleasesOnClose) {
  auto port = ByAddress(0x378);
  EXPECT_FALSE(port->Opened());
  EXPECT_TRUE(fake_.calls.empty()) << "nothing before Opened is set";
  port->SetOpened(true);
  ASSERT_TRUE(port->Opened());
  EXPECT_EQ(port->DevicePath(), "/dev/parport1");
  EXPECT_EQ(port->FailureReason(), "");
  EXPECT_EQ(fake_.calls, (std::vector<std::string>{"open /dev/parport1", "PPEXCL", "PPCLAIM"}));
  port->SetOpened(true);
  EXPECT_EQ(fake_.calls.size(), 3u) << "already open";
  port->SetOpened(false);
  EXPECT_FALSE(port->Opened());
  EXPECT_EQ(fake_.calls.back(), "close");
  EXPECT_EQ(fake_.calls[fake_.calls.size() - 2], "PPRELEASE");
  EXPECT_EQ(fake_.openFds, 0);

  port->SetOpened(true);
  port.reset();  // destruction releases too
  EXPECT_EQ(fake_.openFds, 0);
  EXPECT_EQ(fake_.calls[fake_.calls.size() - 2], "PPRELEASE");
}

TEST_F(PpdevPortTest, RegistersMapToPpdevRequests) {
  auto port = ByAddress(0x278);
  port->SetOpened(true);
  ASSERT_TRUE(port->Opened());
  fake_.calls.clear();
  port->WritePort(0x278, 0x06);
  EXPECT_EQ(fake_.data, 0x06);
  EXPECT_EQ(port->ReadPort(0x279), 0x87);
  EXPECT_TRUE(port->LastIoOk());
  EXPECT_EQ(port->ReadPort(0x278), 0x06);
  port->WritePort(0x27A, 0x0C);
  EXPECT_EQ(port->ReadPort(0x27A), 0x0C);
  EXPECT_EQ(fake_.calls, (std::vector<std::string>{"PPWDATA", "PPRSTATUS", "PPRDATA", "PPWCONTROL",
                                                   "PPRCONTROL"}));
  // Outside the three registers, and writes to status: refused, read 0.
  for (std::uint16_t a : {0x277, 0x27B, 0x378}) {
    EXPECT_EQ(port->ReadPort(a), 0) << a;
    EXPECT_FALSE(port->LastIoOk());
    EXPECT_EQ(port->LastError(), static_cast<std::uint32_t>(EINVAL));
  }
  port->WritePort(0x279, 0xFF);
  EXPECT_FALSE(port->LastIoOk());
  EXPECT_EQ(fake_.calls.size(), 5u) << "nothing reached the device";
}

TEST_F(PpdevPortTest, ClosedPortReadsZero) {
  auto port = ByAddress(0x378);
  EXPECT_EQ(port->ReadPort(0x379), 0);
  EXPECT_FALSE(port->LastIoOk());
  EXPECT_EQ(port->LastError(), static_cast<std::uint32_t>(EBADF));
  port->WritePort(0x378, 0x04);
  EXPECT_TRUE(fake_.calls.empty());
}

TEST_F(PpdevPortTest, FailuresSayWhatToDo) {
  struct Case {
    const char* name;
    std::uint16_t address;
    int openError, claimError;
    int expectedError;
    const char* reasonPart;
  };
  const Case cases[] = {
      {"no such port", 0x3BC, 0, 0, ENODEV,
       "No parallel port at 0x3BC (no /dev/parportN has that base address; the system's ports "
       "are at 0x278, 0x378)."},
      {"permission denied", 0x378, EACCES, 0, EACCES, "add your user to group lp"},
      {"ppdev missing", 0x378, ENOENT, 0, ENOENT, "sudo modprobe parport_pc ppdev"},
      {"busy", 0x378, 0, EBUSY, EBUSY, "is busy: another program or driver"},
      {"busy (exclusive refused)", 0x378, 0, ENXIO, ENXIO, "is busy"},
      {"other claim error", 0x378, 0, EIO, EIO, "Cannot claim /dev/parport1"},
      {"other open error", 0x378, EIO, 0, EIO, "Cannot open /dev/parport1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake_ = FakeParport{};
    fake_.openError = c.openError;
    fake_.claimError = c.claimError;
    auto port = ByAddress(c.address);
    port->SetOpened(true);
    EXPECT_FALSE(port->Opened());
    EXPECT_EQ(port->LastError(), static_cast<std::uint32_t>(c.expectedError));
    EXPECT_NE(port->FailureReason().find(c.reasonPart), std::string::npos) << port->FailureReason();
    EXPECT_EQ(fake_.openFds, 0) << "a failed claim closes the device again";
    EXPECT_EQ(port->ReadPort(c.address + 1), 0);
  }
}

// No parport modules: the kernel lists no port, and the message says which
// modules to load.
TEST_F(PpdevPortTest, NoPortAtAllNamesTheModulesToLoad) {
  fs::remove_all(root_ / "proc");
  auto port = ByAddress(0x378);
  port->SetOpened(true);
  EXPECT_EQ(port->FailureReason(),
            "No parallel port at 0x378 (no /dev/parportN has that base address; the system "
            "lists none: load the parallel port modules: sudo modprobe parport_pc ppdev).");
}

TEST_F(PpdevPortTest, ADevicePathOpensThatDeviceDirectly) {
  PpdevPort port("/dev/parport3", 0x378, std::make_unique<FakePpdev>(fake_));
  port.SetOpened(true);
  ASSERT_TRUE(port.Opened());
  EXPECT_EQ(fake_.openedPath, "/dev/parport3");
  port.WritePort(0x378, 0x08);
  EXPECT_EQ(fake_.data, 0x08);
}

TEST_F(PpdevPortTest, ReopeningAfterAFailureClearsTheOldReason) {
  fake_.claimError = EBUSY;
  auto port = ByAddress(0x378);
  port->SetOpened(true);
  EXPECT_FALSE(port->FailureReason().empty());
  fake_.claimError = 0;
  port->SetOpened(true);
  EXPECT_TRUE(port->Opened());
  EXPECT_EQ(port->FailureReason(), "");
}

}  // namespace
}  // namespace lpt
