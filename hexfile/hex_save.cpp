// SPDX-License-Identifier: GPL-2.0-or-later
// File > Save without the dialog. The three writing steps make the whole
// text first; it then replaces the target in one step, so a failing write
// (full disk, read-only folder) never leaves a truncated file and never
// destroys the file that was there.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "fileio/bounded_read.h"
#include "fileio/file_lock.h"
#include "fileio/replace_file.h"
#include "fileio/shown_text.h"
#include "hexfile/hex_file.h"
#include "hexfile/hex_writer.h"

namespace lpt {
namespace {

#ifndef _WIN32
// How long a save waits for another program saving the same file.
constexpr auto kOtherSaveWait = std::chrono::seconds(5);
#endif

// The file is locked while it is replaced: two programs saving it take
// turns, and temporary files beside it are then no one's but a killed
// run's, and go.
bool SaveLocked(const std::string& path, const std::string& text, std::string* reason) {
#ifdef _WIN32
  // The lock there is a file beside the target, which every save would
  // leave behind.
  return fileio::ReplaceFile(path, text, reason);
#else
  fileio::FileLock::Outcome outcome;
  const auto lock = fileio::FileLock::Acquire(path, kOtherSaveWait, &outcome, reason);
  if (outcome == fileio::FileLock::Outcome::Busy) *reason = "Another program is saving it.";
  if (!lock) return false;
  fileio::RemoveStaleTemporaries(path);
  return fileio::ReplaceFile(path, text, reason, {.heldLock = lock.get()});
#endif
}

}  // namespace

bool SaveHexFile(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                 std::string* error) {
  const std::string text = FormatHex(device, buffers);
  std::string reason;
  if (path == fileio::kStandardStream) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
      return true;
    reason = std::string("Standard output cannot be written: ") + std::strerror(errno) + ".";
  } else if (SaveLocked(path, text, &reason)) {
    return true;
  }
  if (error) *error = "Cannot create file \"" + fileio::Shown(path) + "\". " + reason;
  return false;
}

std::string IncompleteHexWarning(const std::string& path, const HexLoadResult& result) {
  if (result.status != HexLoadResult::Status::Ok) return {};
  const std::string file = fileio::Shown(path);
  if (!result.endRecordSeen) return file + " has no end-of-file record: it may be cut off";
  if (result.dataRecords == 0) return file + " has no data records";
  if (result.cellsSet > 0) return {};
  // Why none of the records reached the device, by kind.
  const int outside = result.dataRecords - result.recordsAbove64K - result.emptyRecords;
  std::string why;
  const auto add = [&why](int count, const char* what) {
    if (count == 0) return;
    why += (why.empty() ? "" : ", ") + std::to_string(count) + what;
  };
  add(result.recordsAbove64K, " above 64 KB");
  add(result.emptyRecords, " empty");
  add(outside, " outside its memories");
  return file + " holds no data for the " + result.device + " (data records: " + why + ")";
}

}  // namespace lpt
