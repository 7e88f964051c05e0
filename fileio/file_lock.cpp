// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileio/file_lock.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include "fileio/link_target.h"

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

// The pauses between tries that make up `wait`.
long long PausesIn(std::chrono::milliseconds wait) {
  return wait.count() <= 0 ? 0 : wait / kLockRetryPeriod;
}

std::unique_ptr<FileLock> Report(FileLock::Outcome value, FileLock::Outcome* outcome,
                                 std::string* reason, std::string text) {
  if (outcome) *outcome = value;
  if (reason) *reason = std::move(text);
  return nullptr;
}

#ifndef _WIN32
// Still the file the lock was taken on? A rename or a removal while the
// lock was awaited gives the name another file or none.
bool StillCurrent(int fd, const std::string& path) {
  struct stat now {
  }, held{};
  return ::stat(path.c_str(), &now) == 0 && ::fstat(fd, &held) == 0 && held.st_dev == now.st_dev &&
         held.st_ino == now.st_ino;
}

// Opens the file to lock, creating it empty when it does not exist: -1
// with errno on failure. Read-only and non-blocking: a FIFO does not hold
// the open up.
int OpenOrCreate(const std::string& path, bool* created) {
  for (;;) {
    *created = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT) return fd;
    const int made =
        ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (made >= 0) {
      *created = true;
      return made;
    }
    if (errno != EEXIST) return -1;  // else another process made it just now: open that
  }
}

bool CannotCreate(int error) { return error == EACCES || error == EPERM || error == EROFS; }
#endif

}  // namespace

#ifndef _WIN32

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait,
                                            Outcome* outcome, std::string* reason,
                                            const std::function<bool()>& stopWaiting) {
  const long long pauses = PausesIn(wait);
  long long paused = 0;
  std::string target;
  if (!FollowLinks(path, target))
    return Report(Outcome::Failed, outcome, reason, std::string(std::strerror(errno)) + ".");
  for (;;) {
    bool created = false;
    const int fd = OpenOrCreate(target, &created);
    if (fd < 0 && CannotCreate(errno)) {
      // No file, and none can be made here: nothing can be saved here
      // either, so there is nothing to take turns for.
      if (outcome) *outcome = Outcome::Held;
      return std::unique_ptr<FileLock>(new FileLock(-1, {}));
    }
    if (fd < 0)
      return Report(Outcome::Failed, outcome, reason, std::string(std::strerror(errno)) + ".");
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      // A device, FIFO or folder is no chip file: the reader refuses it.
      ::close(fd);
      if (outcome) *outcome = Outcome::Held;
      return std::unique_ptr<FileLock>(new FileLock(-1, {}));
    }
    int error = 0;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      error = errno;
      if (error != EWOULDBLOCK && error != EINTR) break;
      error = 0;
      if (stopWaiting && stopWaiting()) {
        ::close(fd);
        return Report(Outcome::Stopped, outcome, reason, {});
      }
      if (paused++ >= pauses) {
        ::close(fd);
        return Report(Outcome::Busy, outcome, reason, {});
      }
      std::this_thread::sleep_for(kLockRetryPeriod);
    }
    if (error != 0) {
      ::close(fd);
      return Report(Outcome::Failed, outcome, reason, std::string(std::strerror(error)) + ".");
    }
    if (StillCurrent(fd, target)) {
      if (outcome) *outcome = Outcome::Held;
      return std::unique_ptr<FileLock>(new FileLock(fd, created ? target : std::string()));
    }
    ::close(fd);  // replaced or removed meanwhile: lock what is there now
  }
}

FileLock::~FileLock() {
  if (handle_ < 0) return;
  const int fd = static_cast<int>(handle_);
  // A file made only to carry the lock, still empty: the command saved
  // nothing, and a command that saves nothing leaves no file behind. It
  // goes while the lock is held, so no one can have written it meanwhile.
  struct stat info {};
  if (!created_.empty() && ::fstat(fd, &info) == 0 && info.st_size == 0 &&
      StillCurrent(fd, created_))
    ::unlink(created_.c_str());
  ::close(fd);
}

void FileLock::MoveTo(std::intptr_t handle) {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = handle;
  created_.clear();
}

#else

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait,
                                            Outcome* outcome, std::string* reason,
                                            const std::function<bool()>& stopWaiting) {
  const long long pauses = PausesIn(wait);
  long long paused = 0;
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
      return std::unique_ptr<FileLock>(new FileLock(reinterpret_cast<std::intptr_t>(file), {}));
    }
    if (stopWaiting && stopWaiting()) {
      CloseHandle(file);
      return Report(Outcome::Stopped, outcome, reason, {});
    }
    if (paused++ >= pauses) {
      CloseHandle(file);
      return Report(Outcome::Busy, outcome, reason, {});
    }
    std::this_thread::sleep_for(kLockRetryPeriod);
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
