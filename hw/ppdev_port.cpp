// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/ppdev_port.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <vector>

#include "hw/parport_check.h"

#ifdef __linux__
#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace lpt {
namespace {

// What to do when the kernel has no parallel port at all: its parport
// drivers are not loaded.
constexpr const char* kLoadModules =
    "load the parallel port modules: sudo modprobe parport_pc ppdev";

std::string Hex(std::uint16_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", address);
  return text;
}

// The first number of a base-addr file ("888\t0\n" or "888 1912").
std::optional<unsigned long> FirstNumber(const std::filesystem::path& file) {
  std::ifstream in(file);
  unsigned long value = 0;
  if (!(in >> value)) return std::nullopt;
  return value;
}

#ifdef __linux__
class LinuxPpdevSystem : public PpdevSystem {
 public:
  int Open(const std::string& path) override {
    // Checked before the read-write open, and again on what was opened.
    int error = 0;
    if (!IsParportDevice(path, &error)) return -error;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return -errno;
    if (!IsParportDescriptor(fd)) {
      ::close(fd);
      return -ENOTTY;
    }
    return fd;
  }
  int Ioctl(int fd, PpdevRequest request, std::uint8_t& value) override {
    unsigned char byte = value;
    int rc = -1;
    switch (request) {
      case PpdevRequest::Exclusive:
        rc = ::ioctl(fd, PPEXCL);
        break;
      case PpdevRequest::Claim:
        rc = ::ioctl(fd, PPCLAIM);
        break;
      case PpdevRequest::Release:
        rc = ::ioctl(fd, PPRELEASE);
        break;
      case PpdevRequest::WriteData:
        rc = ::ioctl(fd, PPWDATA, &byte);
        break;
      case PpdevRequest::ReadData:
        rc = ::ioctl(fd, PPRDATA, &byte);
        break;
      case PpdevRequest::ReadStatus:
        rc = ::ioctl(fd, PPRSTATUS, &byte);
        break;
      case PpdevRequest::WriteControl:
        rc = ::ioctl(fd, PPWCONTROL, &byte);
        break;
      case PpdevRequest::ReadControl:
        rc = ::ioctl(fd, PPRCONTROL, &byte);
        break;
    }
    if (rc < 0) return errno;
    value = byte;
    return 0;
  }
  void Close(int fd) override { ::close(fd); }
};
#endif

// The base addresses of the ports the kernel lists, by their names.
std::vector<std::uint16_t> KnownBases(const std::filesystem::path& procRoot) {
  std::vector<std::uint16_t> bases;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(procRoot, ec)) {
    if (entry.path().filename().string().rfind("parport", 0) != 0) continue;
    const auto base = FirstNumber(entry.path() / "base-addr");
    if (base && *base <= 0xFFFF) bases.push_back(static_cast<std::uint16_t>(*base));
  }
  std::sort(bases.begin(), bases.end());
  return bases;
}

}  // namespace

std::unique_ptr<PpdevSystem> MakeLinuxPpdevSystem() {
#ifdef __linux__
  return std::make_unique<LinuxPpdevSystem>();
#else
  return nullptr;
#endif
}

std::optional<std::string> FindParportByAddress(std::uint16_t address,
                                                const std::filesystem::path& procRoot,
                                                const std::filesystem::path& devDir) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(procRoot, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("parport", 0) != 0) continue;
    const auto base = FirstNumber(entry.path() / "base-addr");
    if (base && *base == address) return (devDir / name).string();
  }
  return std::nullopt;
}

PpdevPort::PpdevPort(std::uint16_t address, std::unique_ptr<PpdevSystem> sys, Places places)
    : base_(address), byAddress_(true), sys_(std::move(sys)), places_(std::move(places)) {}

PpdevPort::PpdevPort(std::string devicePath, std::uint16_t base, std::unique_ptr<PpdevSystem> sys)
    : base_(base), byAddress_(false), sys_(std::move(sys)), devicePath_(std::move(devicePath)) {}

PpdevPort::~PpdevPort() { Close(); }

void PpdevPort::SetOpened(bool open) {
  if (open && !Opened()) Open();
  if (!open && Opened()) Close();
}

void PpdevPort::OpenFailed(int error, std::string reason) {
  lastError_ = static_cast<std::uint32_t>(error);
  reason_ = std::move(reason);
}

void PpdevPort::Open() {
  reason_.clear();
  lastError_ = 0;
  if (!sys_) return OpenFailed(ENOSYS, "This system has no ppdev parallel port support.");
  if (byAddress_) {
    const auto path = FindParportByAddress(base_, places_.procRoot, places_.devDir);
    if (!path) {
      std::string reason =
          "No parallel port at " + Hex(base_) + " (no /dev/parportN has that base address";
      const std::vector<std::uint16_t> bases = KnownBases(places_.procRoot);
      if (bases.empty()) {
        reason += "; the system lists none: " + std::string(kLoadModules) + ").";
      } else {
        reason += "; the system's ports are at";
        for (std::size_t i = 0; i < bases.size(); ++i) reason += (i ? ", " : " ") + Hex(bases[i]);
        reason += ").";
      }
      return OpenFailed(ENODEV, reason);
    }
    devicePath_ = *path;
  }

  const int fd = sys_->Open(devicePath_);
  if (fd < 0) {
    const int error = -fd;
    if (error == EACCES || error == EPERM)
      return OpenFailed(error, "Permission denied on " + devicePath_ +
                                   ": add your user to group lp (sudo usermod -aG lp $USER) "
                                   "and log in again.");
    if (error == ENOTTY)
      return OpenFailed(error, devicePath_ +
                                   " is not a parallel port: only ppdev character devices "
                                   "(/dev/parportN) are opened.");
    if (error == ENOENT || error == ENXIO || error == ENODEV)
      return OpenFailed(
          error, devicePath_ + " does not exist or has no port behind it (" + kLoadModules + ").");
    return OpenFailed(
        error, "Cannot open " + devicePath_ + ": " + std::generic_category().message(error) + ".");
  }

  // Exclusive claim: fails while any other driver (lp) or program has the
  // port registered, rather than blocking until it lets go.
  std::uint8_t unused = 0;
  int error = sys_->Ioctl(fd, PpdevRequest::Exclusive, unused);
  if (error == 0) error = sys_->Ioctl(fd, PpdevRequest::Claim, unused);
  if (error != 0) {
    sys_->Close(fd);
    if (error == EBUSY || error == ENXIO)
      return OpenFailed(error, devicePath_ +
                                   " is busy: another program or driver (such as lp) has "
                                   "claimed it. Close that program, or unload lp (sudo rmmod lp).");
    return OpenFailed(
        error, "Cannot claim " + devicePath_ + ": " + std::generic_category().message(error) + ".");
  }
  fd_ = fd;
}

void PpdevPort::Close() {
  if (fd_ < 0) return;
  std::uint8_t unused = 0;
  sys_->Ioctl(fd_, PpdevRequest::Release, unused);
  sys_->Close(fd_);
  fd_ = -1;
}

bool PpdevPort::Request(PpdevRequest request, std::uint8_t& value) {
  const int error = fd_ < 0 ? EBADF : sys_->Ioctl(fd_, request, value);
  lastIoOk_ = error == 0;
  if (error != 0) lastError_ = static_cast<std::uint32_t>(error);
  return lastIoOk_;
}

std::uint8_t PpdevPort::ReadPort(std::uint16_t address) {
  std::uint8_t value = 0;
  bool ok = false;
  switch (address - base_) {
    case 0:
      ok = Request(PpdevRequest::ReadData, value);
      break;
    case 1:
      ok = Request(PpdevRequest::ReadStatus, value);
      break;
    case 2:
      ok = Request(PpdevRequest::ReadControl, value);
      break;
    default:
      lastIoOk_ = false;
      lastError_ = fd_ < 0 ? EBADF : EINVAL;
  }
  return ok ? value : 0;
}

void PpdevPort::WritePort(std::uint16_t address, std::uint8_t value) {
  switch (address - base_) {
    case 0:
      Request(PpdevRequest::WriteData, value);
      break;
    case 2:
      Request(PpdevRequest::WriteControl, value);
      break;
    default:
      lastIoOk_ = false;
      lastError_ = fd_ < 0 ? EBADF : EINVAL;
  }
}

}  // namespace lpt
