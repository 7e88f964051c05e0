// SPDX-License-Identifier: GPL-2.0-or-later
#include "production/serial_counter.h"

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "fileio/bounded_read.h"
#include "fileio/replace_file.h"
#include "fileio/shown_text.h"

namespace lpt {
namespace {

constexpr std::size_t kMostCounterBytes = 4096;
constexpr std::chrono::milliseconds kCounterWait{5000};

}  // namespace

std::string CounterFileText(std::uint32_t next) {
  return nlohmann::json{{"next", SerialText(next)}}.dump() + "\n";
}

std::optional<std::uint32_t> ParseCounterFile(const std::string& text) {
  const nlohmann::json object = nlohmann::json::parse(text, nullptr, false);
  if (!object.is_object() || !object.contains("next") || !object["next"].is_string())
    return std::nullopt;
  std::string error;
  const auto range = ParseSerialRange(object["next"].get<std::string>(), &error);
  if (!range) return std::nullopt;
  return range->start;
}

std::unique_ptr<SerialCounter> SerialCounter::Open(const std::string& path, SerialRange range,
                                                   std::string* error, bool* stopped,
                                                   const std::function<bool()>& stopWaiting) {
  if (stopped) *stopped = false;
  if (path.empty())
    return std::unique_ptr<SerialCounter>(new SerialCounter(path, range, range.start, nullptr));
  const std::string shown = fileio::Shown(path);
  fileio::FileLock::Outcome outcome;
  std::string why;
  auto lock = fileio::FileLock::Acquire(path, kCounterWait, &outcome, &why, stopWaiting);
  switch (outcome) {
    case fileio::FileLock::Outcome::Held:
      break;
    case fileio::FileLock::Outcome::Busy:
      *error = "Serial number file " + shown + " is in use by another process.";
      return nullptr;
    case fileio::FileLock::Outcome::Stopped:
      if (stopped) *stopped = true;
      *error = "Stopped by the user while serial number file " + shown + " was in use.";
      return nullptr;
    case fileio::FileLock::Outcome::Failed:
      *error = "Serial number file " + shown + " cannot be locked: " + why;
      return nullptr;
  }
  fileio::RemoveStaleTemporaries(path);
  // Where the lock lives in a file of its own (Windows), a new counter
  // file does not exist yet.
  std::string text, reason;
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec) || ec;
  if (exists && !fileio::ReadWholeFile(path, kMostCounterBytes, &text, &reason)) {
    *error = "Cannot read serial number file " + shown + ": " + reason;
    return nullptr;
  }
  // Each save replaces the file: another name of it would keep the old
  // number and hand it out again.
  if (exists) {
    const std::uintmax_t links = std::filesystem::hard_link_count(path, ec);
    if (!ec && links > 1) {
      *error = "Serial number file " + shown + " has " + std::to_string(links) +
               " names (hard links): saving it would leave the other names with an old "
               "number, given again. Give it one name.";
      return nullptr;
    }
  }
  std::uint32_t next = range.start;
  if (!text.empty()) {
    const auto saved = ParseCounterFile(text);
    if (!saved) {
      *error = "Serial number file " + shown +
               " does not hold {\"next\": \"0x...\"}: nothing was programmed.";
      return nullptr;
    }
    next = *saved;
  }
  return std::unique_ptr<SerialCounter>(new SerialCounter(path, range, next, std::move(lock)));
}

SerialCounter::~SerialCounter() = default;

bool SerialCounter::Save(std::uint32_t next, std::string* error) {
  if (path_.empty()) return true;
  std::string reason;
  fileio::ReplaceOptions options;
  options.heldLock = lock_.get();
  if (fileio::ReplaceFile(path_, CounterFileText(next), &reason, options)) return true;
  *error = "Cannot write serial number file " + fileio::Shown(path_) + ": " + reason;
  return false;
}

std::optional<std::uint32_t> SerialCounter::Take(std::string* error) {
  const std::uint32_t number = next_;
  if (number > 0xFFFFFFFFu - step_) {
    *error = "The serial numbers ran out after " + SerialText(number) + ".";
    return std::nullopt;
  }
  if (!Save(number + step_, error)) return std::nullopt;
  next_ = number + step_;
  return number;
}

bool SerialCounter::GiveBack(std::uint32_t number, std::string* error) {
  if (number + step_ != next_) return true;  // not the last one taken: keep it used
  if (!Save(number, error)) return false;
  next_ = number;
  return true;
}

}  // namespace lpt
