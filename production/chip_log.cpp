// SPDX-License-Identifier: GPL-2.0-or-later
#include "production/chip_log.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <nlohmann/json.hpp>

#ifdef _WIN32
#include <filesystem>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "fileio/shown_text.h"

namespace lpt {
namespace {

nlohmann::json Hex4OrNull(std::optional<std::uint16_t> value) {
  if (!value) return nullptr;
  char text[5];
  std::snprintf(text, sizeof text, "%04X", *value);
  return text;
}

}  // namespace

std::string ChipLogLine(const ChipRecord& r) {
  const nlohmann::json line = {
      {"time", r.time},
      {"part", r.part},
      {"device_id", Hex4OrNull(r.deviceId)},
      {"revision", r.revision ? nlohmann::json(*r.revision) : nlohmann::json()},
      {"hex_file", r.hexFile},
      {"hex_sha256", r.hexSha256},
      {"checksum", Hex4OrNull(r.checksum)},
      {"serial", r.serial ? nlohmann::json(*r.serial) : nlohmann::json()},
      {"result", r.result},
      {"message", r.message},
      {"location", r.location.empty() ? nlohmann::json() : nlohmann::json(r.location)},
      {"duration_ms", r.durationMs},
  };
  // A file name that is no UTF-8 must not lose the chip's line.
  return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

namespace {

constexpr const char* kNotRegular = "Not a regular file (a device, FIFO or folder).";

std::string LogError(const std::string& path, const std::string& reason) {
  return "Cannot write the log file " + fileio::Shown(path) + ": " + reason;
}

std::string SystemReason(int error) {
  return std::string(std::strerror(error != 0 ? error : EIO)) + ".";
}

}  // namespace

#ifndef _WIN32
namespace {

// The log opened for appending: only a regular file, and never a wait on
// a FIFO or a device (O_NONBLOCK); -1 with *error.
int OpenLog(const std::string& path, std::string* error) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    *error = LogError(path, kNotRegular);
    return -1;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    *error = LogError(path, SystemReason(errno));
    return -1;
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    *error = LogError(path, kNotRegular);
    ::close(fd);
    return -1;
  }
  return fd;
}

// Whether the file ends in the middle of a line: a line an earlier run
// could not finish, which the next record must not be glued to.
bool EndsWithinALine(const std::string& path, off_t size) {
  if (size <= 0) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  char last = '\n';
  const bool read = fd >= 0 && ::pread(fd, &last, 1, size - 1) == 1;
  if (fd >= 0) ::close(fd);
  return read && last != '\n';
}

}  // namespace

bool ChipLogWritable(const std::string& path, std::string* error) {
  const int fd = OpenLog(path, error);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool AppendChipLog(const std::string& path, const std::string& line, std::string* error) {
  const int fd = OpenLog(path, error);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0;
  int why = errno;
  // The record goes to the end whole: one written only in part is cut off
  // again, so the file holds whole lines, or an unfinished one that the
  // next record's line break ends.
  const std::string record = ok && EndsWithinALine(path, st.st_size) ? "\n" + line : line;
  std::size_t done = 0;
  while (ok && done < record.size()) {
    const ssize_t wrote = ::write(fd, record.data() + done, record.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) ok = false, why = wrote < 0 ? errno : EIO;
    if (wrote > 0) done += static_cast<std::size_t>(wrote);
  }
  if (!ok && done > 0 && ::ftruncate(fd, st.st_size) != 0) why = errno;
  if (::close(fd) != 0 && ok) ok = false, why = errno;
  if (!ok) *error = LogError(path, SystemReason(why));
  return ok;
}
#else
bool ChipLogWritable(const std::string& path, std::string* error) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
    *error = LogError(path, kNotRegular);
    return false;
  }
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) {
    *error = LogError(path, SystemReason(errno));
    return false;
  }
  std::fclose(file);
  return true;
}

bool AppendChipLog(const std::string& path, const std::string& line, std::string* error) {
  if (!ChipLogWritable(path, error)) return false;
  std::FILE* file = std::fopen(path.c_str(), "ab");
  bool ok = file != nullptr;
  int why = errno;
  if (ok) ok = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  if (ok) ok = std::fflush(file) == 0;
  if (!ok) why = errno;
  if (file != nullptr && std::fclose(file) != 0 && ok) ok = false, why = errno;
  if (!ok) *error = LogError(path, SystemReason(why));
  return ok;
}
#endif

std::string UtcTimeNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
#ifdef _WIN32
  utc = *std::gmtime(&now);  // the batch's one thread asks for it
#else
  gmtime_r(&now, &utc);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace lpt
