// SPDX-License-Identifier: GPL-2.0-or-later
// The user's configuration folder for lptpic, where both programs look for
// the settings and the adapters file.
#pragma once

#include <string>

namespace lpt::fileio {

// $XDG_CONFIG_HOME/lptpic (when it is an absolute path), else
// $HOME/.config/lptpic, else the account's home/.config/lptpic on Linux;
// %APPDATA%\lptpic on Windows. Empty when none is known.
std::string UserConfigFolder();

}  // namespace lpt::fileio
