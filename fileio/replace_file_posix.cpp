// SPDX-License-Identifier: GPL-2.0-or-later
// ReplaceFile on POSIX systems.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "fileio/file_lock.h"
#include "fileio/link_target.h"
#include "fileio/replace_file_os.h"

namespace lpt::fileio {
namespace {

std::string Folder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename is on the disk only once the folder is.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Creates a temporary file in `folder` that did not exist, never through a
// link; -1 with errno on failure.
int CreateTemporary(const std::string& folder, const std::string& targetName, mode_t mode,
                    std::string& tempPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder + "/" + TemporaryName(targetName);
    const int fd =
        ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

bool CanCreateFileIn(const std::string& folder) {
  std::string probe;
  const int fd = CreateTemporary(folder.empty() ? "." : folder, "probe", 0600, probe);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool ReplaceFileOnThisSystem(const std::string& path, std::string_view content, std::string& reason,
                             const ReplaceOptions& options) {
  std::string target;
  if (!FollowLinks(path, target)) {
    reason = ErrorReason(errno);
    return false;
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    reason = "It is not a regular file (a device, FIFO or folder).";
    return false;
  }
  // Write permission is judged by the bits as well as by access(), so that
  // a file made read-only stays so for a user (root) whom access() lets by.
  if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    reason = "The file is read-only.";
    return false;
  }

  const std::string folder = Folder(target);
  const std::string name = BaseName(target);
  if (options.removeStaleTemporaries) RemoveStaleTemporaries(target);

  std::string tempPath;
  const int fd = CreateTemporary(folder, name, exists ? 0600 : 0666, tempPath);
  if (fd < 0) {
    reason = ErrorReason(errno);
    return false;
  }
  bool ok = WriteAll(fd, content);
  if (ok && exists) {
    // Ownership first: a chown may clear the set-id bits the chmod restores.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only root may give a file away; an ordinary user keeps it.
    }
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  if (ok) ok = ::fsync(fd) == 0;
  // No one else knows the new file yet, so its lock is free.
  if (ok && options.heldLock) ok = ::flock(fd, LOCK_EX) == 0;
  int error = ok ? 0 : errno;
  if (!options.heldLock && ::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(tempPath.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    if (options.heldLock) ::close(fd);
    ::unlink(tempPath.c_str());
    reason = ErrorReason(error);
    return false;
  }
  if (options.heldLock) options.heldLock->MoveTo(fd);
  SyncFolder(folder);
  return true;
}

}  // namespace lpt::fileio

#endif  // !_WIN32
