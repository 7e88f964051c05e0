// SPDX-License-Identifier: GPL-2.0-or-later
#include "production/chip_log.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <nlohmann/json.hpp>

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

bool AppendChipLog(const std::string& path, const std::string& line, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  bool ok = file != nullptr;
  errno = 0;
  if (ok) ok = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  if (ok) ok = std::fflush(file) == 0;
  const int why = errno;
  if (file != nullptr && std::fclose(file) != 0) ok = false;
  if (ok) return true;
  *error = "Cannot write the log file " + fileio::Shown(path) + ": " +
           std::strerror(why != 0 ? why : EIO) + ".";
  return false;
}

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
