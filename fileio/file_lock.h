// SPDX-License-Identifier: GPL-2.0-or-later
// One process per file: an exclusive lock held for as long as the object
// lives, so that two programs working on the same chip file take turns
// instead of losing one's update or splicing two chips into one file.
//
// The lock is on the file a path leads to once symbolic links are followed,
// so one file is one lock whatever names it (a link, a dangling link, the
// file itself). A file that does not exist yet is created empty to carry
// the lock, and removed again when the lock goes while it is still empty
// (nothing was saved into it); where it cannot be created, nobody can
// write it either, and no lock is needed. The lock is taken again when the
// file was replaced meanwhile (a rename gives the name a new file).
// On Windows a "NAME.lock" file beside it carries the lock (LockFileEx).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lpt::fileio {

// How often a lock in use is tried again. A wait is counted in these
// periods, not read off a clock, so "waited at least so long" holds on a
// loaded machine too and a test can count the tries.
inline constexpr std::chrono::milliseconds kLockRetryPeriod{20};

class FileLock {
 public:
  enum class Outcome { Held, Busy, Stopped, Failed };

  // Waits at least `wait` for the lock on `path`: after each failed try
  // `stopWaiting` is asked, then the next try comes one kLockRetryPeriod
  // later, until wait / kLockRetryPeriod periods have passed. Busy when
  // another process still held it then; Stopped when `stopWaiting` said so; Failed with *reason
  // when it could not be taken at all (a missing folder, a loop of links).
  static std::unique_ptr<FileLock> Acquire(const std::string& path, std::chrono::milliseconds wait,
                                           Outcome* outcome, std::string* reason,
                                           const std::function<bool()>& stopWaiting = {});
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // For ReplaceFile: `handle` is the open new file, already locked, that has
  // just replaced the locked one; the lock is held on it from now on and the
  // old file is let go.
  void MoveTo(std::intptr_t handle);

 private:
  FileLock(std::intptr_t handle, std::string created)
      : handle_(handle), created_(std::move(created)) {}
  std::intptr_t handle_;
  std::string created_;  // the file this lock created, until something is saved in it
};

}  // namespace lpt::fileio
