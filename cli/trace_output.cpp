// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/trace_output.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "fileio/bounded_read.h"
#include "fileio/link_target.h"
#include "fileio/shown_text.h"

#ifdef _WIN32
#include <iostream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lpt::cli {
namespace {

#ifndef _WIN32
// A buffered stream over a file descriptor that remembers a failed write.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd) : fd_(fd), buffer_(1 << 16) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const char* from = pbase();
    while (from < pptr()) {
      const ssize_t written = ::write(fd_, from, static_cast<std::size_t>(pptr() - from));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        failed_ = true;
        break;
      }
      from += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return !failed_;
  }

  int fd_;
  std::vector<char> buffer_;
  bool failed_ = false;
};
#endif

std::string TraceName(const std::string& path) { return "\"" + fileio::Shown(path) + "\""; }

}  // namespace

TraceOutput::~TraceOutput() {
  if (stream_) stream_->flush();
  stream_.reset();
  buffer_.reset();
#ifndef _WIN32
  if (ownsFd_) ::close(fd_);
#endif
}

bool TraceOutput::Check(const std::string& path, const std::vector<std::string>& files,
                        std::string* error) {
  if (path == fileio::kStandardStream) return true;
  for (const std::string& file : files) {
    if (file.empty() || file == fileio::kStandardStream || !fileio::SameFile(path, file)) continue;
    *error = "The trace file " + TraceName(path) +
             " is one of the command's own files: give the trace another name.";
    return false;
  }
#ifndef _WIN32
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    bool terminal = false;
    if (S_ISCHR(info.st_mode)) {
      const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
      terminal = fd >= 0 && ::isatty(fd);
      if (fd >= 0) ::close(fd);
    }
    if (!terminal) {
      *error = "Cannot write the trace file " + TraceName(path) +
               ": it is not a regular file (a device, FIFO or folder); give - for standard error.";
      return false;
    }
  }
#endif
  return true;
}

bool TraceOutput::Open(const std::string& path, std::string* error) {
#ifndef _WIN32
  if (path == fileio::kStandardStream) {
    fd_ = 2;
  } else {
    // Non-blocking, so a FIFO put in its place meanwhile fails at once; a
    // regular file is emptied only once it is known to be one.
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    struct stat info {};
    const bool opened = fd_ >= 0 && ::fstat(fd_, &info) == 0;
    const bool regular = opened && S_ISREG(info.st_mode);
    if (!opened || (!regular && !::isatty(fd_)) || (regular && ::ftruncate(fd_, 0) != 0)) {
      const int why = errno;
      *error = "Cannot write the trace file " + TraceName(path) + ": " +
               (opened && !regular ? std::string("it is not a regular file")
                                   : std::string(std::strerror(why))) +
               ".";
      if (fd_ >= 0) ::close(fd_);
      fd_ = -1;
      return false;
    }
    ownsFd_ = true;
  }
  buffer_ = std::make_unique<DescriptorBuffer>(fd_);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
  return true;
#else
  if (path == fileio::kStandardStream) {
    stream_ = std::make_unique<std::ostream>(std::cerr.rdbuf());
    return true;
  }
  auto file = std::make_unique<std::filebuf>();
  if (!file->open(path, std::ios::out | std::ios::trunc)) {
    *error = "Cannot write the trace file " + TraceName(path) + ": " + std::strerror(errno) + ".";
    return false;
  }
  buffer_ = std::move(file);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
  return true;
#endif
}

bool TraceOutput::Ok() {
  if (!stream_) return true;
  return stream_->flush().good();
}

}  // namespace lpt::cli
