// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "fileio/bounded_read.h"
#include "fileio/replace_file.h"
#include "hw/adapter.h"
#include "settings/settings_file_places.h"

namespace lpt::app {

namespace fs = std::filesystem;

Settings DefaultSettings(const std::string& workDir) {
  Settings settings;
  settings.workDir = workDir;
  return settings;
}

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// A decimal number at the start of the line (blanks and a sign before it
// allowed); whatever follows it, such as "632 LPT2", is skipped as a reader
// of a number and then the line's end would skip it.
std::optional<int> ParseDecimal(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{}) return std::nullopt;
  return value;
}

// Line 10 (line 9 of the version before the device-ID check): digits
// only, at most the largest clock delay.
std::optional<std::uint32_t> ParseClockDelay(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  if (value > kMaxClockDelayUs) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Settings> ParseSettings(std::string_view text) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() < 2) return std::nullopt;
  const std::optional<int> port = ParseDecimal(lines[1]);
  if (!port) return std::nullopt;
  const auto line = [&](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
  Settings settings;
  settings.workDir = lines[0];
  settings.portAddress = *port;
  settings.saveFlag = line(2);
  settings.deviceName = line(3);
  settings.stdColors = line(4);
  settings.delayMode = line(5);
  settings.timing = line(6) == "Datasheet" ? "Datasheet" : "Standard";
  settings.adapterName = line(7);
  const std::optional<std::uint32_t> delayOnLine9 = ParseClockDelay(line(8));
  if (lines.size() == 9 && delayOnLine9) {
    settings.clockDelayUs = delayOnLine9;
    return settings;
  }
  settings.checkDeviceId = line(8) == "true" ? "true" : "false";
  settings.clockDelayUs = ParseClockDelay(line(9));
  settings.lowVoltageProbe = line(10) == "false" ? "false" : "true";
  return settings;
}

std::string FormatSettings(const Settings& settings) {
  std::string text;
  for (const std::string& line :
       {settings.workDir, std::to_string(settings.portAddress), settings.saveFlag,
        settings.deviceName, settings.stdColors, settings.delayMode, settings.timing}) {
    text += line;
    text += "\r\n";
  }
  // Lines left at their defaults are left out from the end, so the file
  // stays as short as the settings allow.
  const bool checks = settings.checkDeviceId == "true";
  const bool noProbe = settings.lowVoltageProbe == "false";
  if (!settings.adapterName.empty() || checks || settings.clockDelayUs || noProbe)
    text += settings.adapterName + "\r\n";
  if (checks || settings.clockDelayUs || noProbe) text += settings.checkDeviceId + "\r\n";
  if (settings.clockDelayUs || noProbe)
    text += (settings.clockDelayUs ? std::to_string(*settings.clockDelayUs) : "") + "\r\n";
  if (noProbe) text += "false\r\n";
  return text;
}

Settings ReadSettingsFile(const std::string& path, const std::string& defaultWorkDir,
                          bool* notSettings) {
  if (notSettings) *notSettings = false;
  // A FIFO, a device or a huge file in its place is no settings file: the
  // defaults apply, as for a missing one, and start-up never waits on it.
  std::string text;
  // An empty file is a first start too: it is how a portable copy is made.
  if (!fileio::ReadWholeFile(path, fileio::kMaxInputBytes, &text, nullptr) || text.empty())
    return DefaultSettings(defaultWorkDir);
  // Text lines only: a NUL or an escape is a binary file that happens to
  // have a number on its second line.
  const bool binary = std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\r' && c != '\n' && c != '\t') || byte == 0x7F;
  });
  std::optional<Settings> parsed = binary ? std::nullopt : ParseSettings(text);
  if (!parsed && notSettings) *notSettings = true;
  return parsed.value_or(DefaultSettings(defaultWorkDir));
}

bool WriteSettingsFile(const std::string& path, const Settings& settings, std::string* error) {
  std::string reason;
  if (fileio::ReplaceFile(path, FormatSettings(settings), &reason)) return true;
  if (error) *error = path + ": " + reason;
  return false;
}

Settings SettingsAtExit(const Settings& current, const Settings& atStart, bool saveOnExit) {
  Settings out = saveOnExit ? current : atStart;
  out.saveFlag = saveOnExit ? "YES" : "NO";
  return out;
}

static std::string JoinPath(const std::string& dir, const char* name) {
  return (fs::path(dir) / name).string();
}

SettingsLocation::SettingsLocation(std::string exeDir, std::string userDir,
                                   const std::vector<std::string>& systemFolders)
    : exeDir_(std::move(exeDir)), fallbackDir_(std::move(userDir)) {
  std::error_code ec;
  portable_ =
      !IsInSystemFolder(exeDir_, systemFolders) && fs::is_regular_file(fs::path(PrimaryPath()), ec);
}

SettingsLocation::SettingsLocation(std::string exeDir, std::string userDir)
    : SettingsLocation(std::move(exeDir), std::move(userDir), SystemFolders()) {}

std::string SettingsLocation::PrimaryPath() const { return JoinPath(exeDir_, "path.dat"); }
std::string SettingsLocation::FallbackPath() const {
  return fallbackDir_.empty() ? std::string() : JoinPath(fallbackDir_, "path.dat");
}

bool SettingsLocation::PrimaryUsable() const {
  // Opening for append changes nothing but tells whether we may write.
  std::ofstream probe(PrimaryPath(), std::ios::binary | std::ios::app);
  if (!probe) return false;
  // The file is replaced through a new file beside it: the folder must take
  // one (tried under a unique name, never through a planted link).
  return fileio::CanCreateFileIn(exeDir_);
}

std::string SettingsLocation::PathToRead() const {
  std::error_code ec;
  if (!portable_) return FallbackPath();
  if (!fallbackDir_.empty() && !PrimaryUsable() && fs::is_regular_file(FallbackPath(), ec))
    return FallbackPath();
  return PrimaryPath();
}

bool SettingsLocation::Write(const Settings& settings, std::string* error) const {
  std::string primaryError;
  if (portable_) {
    if (WriteSettingsFile(PrimaryPath(), settings, &primaryError)) return true;
    primaryError += "\n";
  }
  if (fallbackDir_.empty()) {
    if (error)
      *error = primaryError + "path.dat: no configuration folder is known (HOME is not set).";
    return false;
  }
  std::error_code ec;
  fs::create_directories(fallbackDir_, ec);
  std::string fallbackError;
  if (WriteSettingsFile(FallbackPath(), settings, &fallbackError)) return true;
  if (error) *error = primaryError + fallbackError;
  return false;
}

}  // namespace lpt::app
