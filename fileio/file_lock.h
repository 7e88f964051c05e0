// One process per file: an exclusive lock held for as long as the object
// lives, so that two programs working on the same chip file take turns
// instead of losing one's update or splicing two chips into one file.
//
// The lock is on the file itself, and is taken again when the file was
// replaced meanwhile (a rename gives the name a new file). While the file
// does not exist yet, its folder is locked instead, until it does.
// On Windows a "NAME.lock" file beside it carries the lock (LockFileEx).
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace lpt::fileio {

class FileLock {
 public:
  enum class Outcome { Held, Busy, Failed };

  // Waits up to `wait` for the lock on `path`. Busy when another process
  // still held it then; Failed with *reason when it could not be taken at
  // all (a missing folder, no permission).
  static std::unique_ptr<FileLock> Acquire(const std::string& path, std::chrono::milliseconds wait,
                                           Outcome* outcome, std::string* reason);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // For ReplaceFile: `handle` is the open new file, already locked, that has
  // just replaced the locked one; the lock is held on it from now on and the
  // old file is let go.
  void MoveTo(std::intptr_t handle);

 private:
  explicit FileLock(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_;
};

}  // namespace lpt::fileio
