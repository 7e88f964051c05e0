// SPDX-License-Identifier: GPL-2.0-or-later
// path.dat: the settings file, seven to ten lines, in the user's
// configuration folder or beside a portable copy of the program. Plain C++
// so the parsing rules can be tested without a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_file_places.h"

namespace lpt::app {

// The lines, as text where the file holds text. The flags stay text:
// they are compared with their exact literals ("YES", "NO", "true") where
// they are used, so "yes" or "True" count as the other value.
struct Settings {
  std::string workDir;
  int portAddress = 888;
  std::string saveFlag = "YES";
  std::string deviceName = "16F84";
  std::string stdColors = "NO";
  std::string delayMode = "false";
  // Lines 7 and 8; earlier versions read six lines and ignore these.
  std::string timing = "Standard";  // "Standard" or "Datasheet"
  std::string adapterName;          // empty: the default adapter
  // Line 9: Option > Check device ID, "true" or "false"; every part with a
  // device ID is then checked before a write, not only the later families.
  std::string checkDeviceId = "false";
  // Line 10: the clock delay chosen in the Adapter dialog (microseconds);
  // none: the adapter's own (adapters.conf).
  std::optional<std::uint32_t> clockDelayUs;
  // Line 11: Option > Ask the chip at low voltage first; "false" turns the
  // probe before Vpp off, anything else or nothing leaves it on.
  std::string lowVoltageProbe = "true";

  bool operator==(const Settings&) const = default;
};

// The values a first start uses, with `workDir` as the working folder.
Settings DefaultSettings(const std::string& workDir);

// The file's text as read: line 1 WorkDir, line 2 a decimal integer (spaces
// before it allowed, the rest of the line after it skipped), lines 3..6 as
// they are, line 7 the timing profile ("Datasheet", anything else or
// nothing is "Standard", so a six-line file keeps the standard waits), line
// 8 the adapter's name, line 9 the device-ID check ("true", anything else
// is off), line 10 the adapter's clock delay (a decimal number of
// microseconds up to 1000; anything else is none), line 11 the
// low-voltage probe ("false" is off, anything else on). A file whose last line
// is a number on line 9 is of the version that kept the clock delay there:
// it is read as the delay, the check off. Lines end in CR LF or LF; a file that stops
// early leaves the missing text lines empty. nullopt when line 2 is missing or not a number: the
// caller then takes the defaults for all values.
std::optional<Settings> ParseSettings(std::string_view text);

// The whole file: seven lines, eight when an adapter is chosen, nine when
// the device-ID check is on, ten when a clock delay is chosen, eleven when
// the low-voltage probe is off, each ended by CR LF.
std::string FormatSettings(const Settings& settings);

// Reads `path`; the defaults when it is missing, empty, unreadable or bad.
// *notSettings (when given) tells a regular file that is there but cannot be
// read as settings (no number on line 2, control characters of a binary
// file) from a missing one or one that is no file at all.
Settings ReadSettingsFile(const std::string& path, const std::string& defaultWorkDir,
                          bool* notSettings = nullptr);

// Writes the whole file; false with the system's reason in *error.
bool WriteSettingsFile(const std::string& path, const Settings& settings, std::string* error);

// What the exit writes: the current values with "YES" when saving on exit
// is on, otherwise the start-up values with "NO".
Settings SettingsAtExit(const Settings& current, const Settings& atStart, bool saveOnExit);

// Where path.dat lives. A program folder that already holds a path.dat (an
// empty one will do) is a portable copy: its settings stay beside it. Everywhere else, and always
// when the program sits in a system folder (an installed package, whoever
// runs it, root included), the settings live in the user's configuration
// folder, so nothing is ever written among the installed files.
class SettingsLocation {
 public:
  // `userDir`: the user's configuration folder (UserSettingsFolder()).
  // `systemFolders`: where installed programs live (SystemFolders()).
  SettingsLocation(std::string exeDir, std::string userDir,
                   const std::vector<std::string>& systemFolders);
  SettingsLocation(std::string exeDir, std::string userDir);

  const std::string& ExeDir() const { return exeDir_; }
  // Beside the program, and in the user's configuration folder.
  std::string PrimaryPath() const;
  std::string FallbackPath() const;
  // A path.dat beside the program, outside the system folders.
  bool Portable() const { return portable_; }

  // The file start-up reads: the portable copy, unless it cannot be
  // written and the user's folder holds a copy; else the user's.
  std::string PathToRead() const;

  // Writes the portable copy, or the user's copy (its folder created as
  // needed) when there is none or it cannot be written. False when the
  // file could not be written; *error says why.
  bool Write(const Settings& settings, std::string* error) const;

 private:
  bool PrimaryUsable() const;
  std::string exeDir_;
  std::string fallbackDir_;
  bool portable_ = false;
};

}  // namespace lpt::app
