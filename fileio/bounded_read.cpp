// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileio/bounded_read.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lpt::fileio {
namespace {

constexpr const char* kNotRegular = "Not a regular file (a device, FIFO or folder).";

std::string SystemReason(int error) {
  std::string text = std::strerror(error != 0 ? error : EIO);
  return text + ".";
}

// Reads `in` to its end, failing as soon as more than `limit` bytes came.
bool ReadStream(std::FILE* in, std::size_t limit, std::string* content, std::string* reason) {
  content->clear();
  char chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) {
    if (content->size() + got > limit) {
      content->clear();
      *reason = TooLargeReason(limit);
      return false;
    }
    content->append(chunk, got);
  }
  if (std::ferror(in)) {
    *reason = SystemReason(errno);
    return false;
  }
  return true;
}

#ifndef _WIN32
bool ReadDescriptor(int fd, std::size_t limit, std::string* content, std::string* reason) {
  content->clear();
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      *reason = SystemReason(errno);
      return false;
    }
    if (got == 0) return true;
    // A file that grows while it is read is refused like one that was
    // large from the start.
    if (content->size() + static_cast<std::size_t>(got) > limit) {
      content->clear();
      *reason = TooLargeReason(limit);
      return false;
    }
    content->append(chunk, static_cast<std::size_t>(got));
  }
}
#endif

}  // namespace

std::string TooLargeReason(std::size_t limit) {
  if (limit >= (std::size_t{1} << 20))
    return "File too large (over " + std::to_string(limit >> 20) + " MB).";
  if (limit >= 1024) return "File too large (over " + std::to_string(limit >> 10) + " KB).";
  return "File too large (over " + std::to_string(limit) + " bytes).";
}

bool ReadWholeFile(const std::string& path, std::size_t limit, std::string* content,
                   std::string* reason) {
  std::string ignored;
  if (reason == nullptr) reason = &ignored;
  content->clear();
  if (path == kStandardStream) return ReadStream(stdin, limit, content, reason);
#ifdef _WIN32
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(fs::u8path(path), ec);
  if (ec) {
    *reason = ec.message() + ".";
    return false;
  }
  if (!fs::is_regular_file(status)) {
    *reason = kNotRegular;
    return false;
  }
  if (fs::file_size(fs::u8path(path), ec) > limit && !ec) {
    *reason = TooLargeReason(limit);
    return false;
  }
  std::FILE* in = _wfopen(fs::u8path(path).c_str(), L"rb");
  if (in == nullptr) {
    *reason = SystemReason(errno);
    return false;
  }
  const bool ok = ReadStream(in, limit, content, reason);
  std::fclose(in);
  return ok;
#else
  // Non-blocking, so that opening a FIFO with no writer returns at once;
  // the type is checked on the open file, so nothing is swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    *reason = SystemReason(errno);
    return false;
  }
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0;
  if (!ok) {
    *reason = SystemReason(errno);
  } else if (!S_ISREG(info.st_mode)) {
    ok = false;
    *reason = kNotRegular;
  } else if (static_cast<unsigned long long>(info.st_size) > limit) {
    ok = false;
    *reason = TooLargeReason(limit);
  } else {
    ok = ReadDescriptor(fd, limit, content, reason);
  }
  ::close(fd);
  return ok;
#endif
}

}  // namespace lpt::fileio
