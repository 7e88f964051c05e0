// SPDX-License-Identifier: GPL-2.0-or-later
// The folders path.dat may live in: the user's configuration folder, and
// the system folders a program is installed into, where no settings are
// ever written. Plain C++ so the rules can be tested without a window.
#pragma once

#include <string>
#include <vector>

namespace lpt::app {

// The user's configuration folder (fileio::UserConfigFolder), which the
// command line reads adapters.conf from as well.
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

// Why a saved working folder (path.dat line 1) is not used; Open, Save and
// Change Dir then start in the default one.
enum class WorkFolderProblem {
  None,
  Missing,        // empty, gone, or no folder
  NotWritable,    // Save could not write there
  ProgramFolder,  // the program's own folder, which is the working folder
                  // of a portable copy only (earlier versions saved it)
};

// `exeDir`: the program's folder; `portable`: whether this copy keeps its
// settings beside itself.
WorkFolderProblem CheckWorkFolder(const std::string& dir, const std::string& exeDir, bool portable);

}  // namespace lpt::app
