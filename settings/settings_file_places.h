// SPDX-License-Identifier: GPL-2.0-or-later
// The folders path.dat may live in: the user's configuration folder, and
// the system folders a program is installed into, where no settings are
// ever written. Plain C++ so the rules can be tested without a window.
#pragma once

#include <string>
#include <vector>

namespace lpt::app {

// $XDG_CONFIG_HOME/lptpic (when it is an absolute path), else
// $HOME/.config/lptpic, else the account's home/.config/lptpic on Linux;
// %APPDATA%\lptpic on Windows. Empty when none is known.
std::string UserSettingsFolder();

// The folder of the running program, ending in its separator (the CLI's
// ExeDir; the window asks Qt for its own); empty when it cannot be told.
std::string ProgramFolder();

// The folders this system installs programs into: /usr, /bin, /opt ... on
// Linux; %ProgramFiles%, %ProgramFiles(x86)%, %SystemRoot% on Windows.
std::vector<std::string> SystemFolders();

// True when `dir` is one of `systemFolders` or inside one (whole path
// components compared; on Windows without regard to case or slash kind).
bool IsInSystemFolder(const std::string& dir, const std::vector<std::string>& systemFolders);

}  // namespace lpt::app
