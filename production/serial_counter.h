// SPDX-License-Identifier: GPL-2.0-or-later
// The counter file of a production line: the next serial number, kept so
// that no number is ever given twice, across runs, crashes and Ctrl+C.
//
// The file is one JSON object, {"next": "0x1014"}. It is locked for as long
// as the counter lives (a second line on the same file waits, then gives
// up), and replaced in one step (fileio::ReplaceFile). A number is taken
// before its chip is written: the file already names the one after it, so
// a run killed while writing that chip can only skip a number, never give
// it again. Only a chip on which nothing was written gives its number back.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "fileio/file_lock.h"
#include "production/serial_number.h"

namespace lpt {

class SerialCounter {
 public:
  // The counter of `path` (the file's number, or range.start for a new or
  // empty file), or for an empty path one that lives only in memory.
  // nullptr with *error (naming the file) when the file is in use, bad or
  // cannot be locked; *stopped when `stopWaiting` ended the wait.
  static std::unique_ptr<SerialCounter> Open(const std::string& path, SerialRange range,
                                             std::string* error, bool* stopped = nullptr,
                                             const std::function<bool()>& stopWaiting = {});
  ~SerialCounter();
  SerialCounter(const SerialCounter&) = delete;
  SerialCounter& operator=(const SerialCounter&) = delete;

  std::uint32_t Next() const { return next_; }

  // Takes the next number; the file names the one after it before this
  // returns. nullopt with *error when the file cannot be written or the
  // numbers ran out.
  std::optional<std::uint32_t> Take(std::string* error);
  // Gives back the number Take gave last, when nothing was written with it.
  bool GiveBack(std::uint32_t number, std::string* error);

 private:
  SerialCounter(std::string path, SerialRange range, std::uint32_t next,
                std::unique_ptr<fileio::FileLock> lock)
      : path_(std::move(path)), step_(range.step), next_(next), lock_(std::move(lock)) {}
  bool Save(std::uint32_t next, std::string* error);

  std::string path_;
  std::uint32_t step_;
  std::uint32_t next_;
  std::unique_ptr<fileio::FileLock> lock_;
};

// The text of a counter file naming `next`.
std::string CounterFileText(std::uint32_t next);
// The number a counter file's text names; nullopt for any other text.
std::optional<std::uint32_t> ParseCounterFile(const std::string& text);

}  // namespace lpt
