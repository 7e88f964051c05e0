// SPDX-License-Identifier: GPL-2.0-or-later
// The production log: one JSON object per chip, one line each (JSON Lines),
// appended to the log file as the chip is done. A line is written in one
// piece and flushed before the next chip, so a run killed at any moment
// leaves whole lines behind.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lpt {

struct ChipRecord {
  std::string time;  // UTC, ISO 8601 ("2026-12-07T21:40:00Z")
  std::string part;
  std::optional<std::uint16_t> deviceId;  // the word read, revision bits included
  std::optional<int> revision;
  std::string hexFile;  // as given
  std::string hexSha256;
  std::optional<std::uint16_t> checksum;
  std::optional<std::string> serial;  // "0x1000"
  // "passed"; "failed" (the chip was written, verify did not pass);
  // "not written" (no adapter, wrong part: the serial was given back);
  // "stopped".
  std::string result;
  std::string message;
  std::string location;  // the first failing location; empty when none
  std::uint64_t durationMs = 0;
};

// The record as one JSON line, with its line break.
std::string ChipLogLine(const ChipRecord& record);

// Whether the log can take lines: the file at `path` opened for appending
// (created when missing), a regular file, never a FIFO or a device that
// would hang the run. Asked before the first chip is touched; false with
// *error naming the file and the reason.
bool ChipLogWritable(const std::string& path, std::string* error);

// Appends `line` to the file at `path` (created when missing) in one
// write, whole or not at all; a last line an earlier run left without its
// line break is ended first. False with *error naming the file.
bool AppendChipLog(const std::string& path, const std::string& line, std::string* error);

// Now, as ChipRecord::time writes it.
std::string UtcTimeNow();

}  // namespace lpt
