// SPDX-License-Identifier: GPL-2.0-or-later
// Where --trace writes: a regular file, standard error for "-", or a
// terminal. Never one of the command's own files (a HEX file it reads or
// writes, its chip file): the trace would empty it before it is read or
// its lock is taken. Never a FIFO or another device, which could hang the
// program or swallow the trace unseen.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace lpt::cli {

class TraceOutput {
 public:
  TraceOutput() = default;
  ~TraceOutput();
  TraceOutput(const TraceOutput&) = delete;
  TraceOutput& operator=(const TraceOutput&) = delete;

  // Whether `path` may take the trace of a command working on `files`;
  // false with *error ("... the trace file \"F\" ...") otherwise. Nothing
  // is created or changed.
  static bool Check(const std::string& path, const std::vector<std::string>& files,
                    std::string* error);

  // Opens the trace, emptying a file that is there. Call it only once the
  // chip file is locked. False with *error.
  bool Open(const std::string& path, std::string* error);
  bool IsOpen() const { return stream_ != nullptr; }
  std::ostream& stream() { return *stream_; }
  // Flushes; false when some of the trace could not be written.
  bool Ok();

 private:
  int fd_ = -1;
  bool ownsFd_ = false;
  std::unique_ptr<std::streambuf> buffer_;
  std::unique_ptr<std::ostream> stream_;
};

}  // namespace lpt::cli
