#include "fileio/file_lock.h"

#include <cerrno>
#include <cstring>
#include <thread>

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lpt::fileio {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kRetry = std::chrono::milliseconds(20);

std::unique_ptr<FileLock> Report(FileLock::Outcome value, FileLock::Outcome* outcome,
                                 std::string* reason, std::string text) {
  if (outcome) *outcome = value;
  if (reason) *reason = std::move(text);
  return nullptr;
}

#ifndef _WIN32
std::string Folder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Still the file (or the absence of one) the lock was taken for?
bool StillCurrent(int fd, const std::string& path, bool onFolder) {
  struct stat now {};
  const bool exists = ::stat(path.c_str(), &now) == 0;
  if (onFolder) return !exists;
  struct stat held {};
  return exists && ::fstat(fd, &held) == 0 && held.st_dev == now.st_dev &&
         held.st_ino == now.st_ino;
}
#endif

}  // namespace

#ifndef _WIN32

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait,
                                            Outcome* outcome, std::string* reason) {
  const auto deadline = Clock::now() + wait;
  for (;;) {
    // Read-only and non-blocking: a FIFO does not hold the open up, and
    // nothing is created by taking a lock.
    bool onFolder = false;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
      onFolder = true;
      fd = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd < 0)
      return Report(Outcome::Failed, outcome, reason, std::string(std::strerror(errno)) + ".");
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      if (StillCurrent(fd, path, onFolder)) {
        if (outcome) *outcome = Outcome::Held;
        return std::unique_ptr<FileLock>(new FileLock(fd));
      }
      ::close(fd);  // replaced or created meanwhile: lock what is there now
      continue;
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK && error != EINTR)
      return Report(Outcome::Failed, outcome, reason, std::string(std::strerror(error)) + ".");
    if (Clock::now() >= deadline) return Report(Outcome::Busy, outcome, reason, {});
    std::this_thread::sleep_for(kRetry);
  }
}

FileLock::~FileLock() { ::close(static_cast<int>(handle_)); }

void FileLock::MoveTo(std::intptr_t handle) {
  ::close(static_cast<int>(handle_));
  handle_ = handle;
}

#else

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait,
                                            Outcome* outcome, std::string* reason) {
  const auto deadline = Clock::now() + wait;
  const std::filesystem::path lockPath = std::filesystem::u8path(path + ".lock");
  HANDLE file = CreateFileW(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return Report(Outcome::Failed, outcome, reason,
                  "Windows error " + std::to_string(GetLastError()) + ".");
  for (;;) {
    OVERLAPPED at{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      if (outcome) *outcome = Outcome::Held;
      return std::unique_ptr<FileLock>(new FileLock(reinterpret_cast<std::intptr_t>(file)));
    }
    if (Clock::now() >= deadline) {
      CloseHandle(file);
      return Report(Outcome::Busy, outcome, reason, {});
    }
    std::this_thread::sleep_for(kRetry);
  }
}

FileLock::~FileLock() {
  // Closing the handle releases the lock.
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

// The lock file beside the chip file is never replaced: nothing to move.
void FileLock::MoveTo(std::intptr_t) {}

#endif

}  // namespace lpt::fileio
