// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileio/user_folder.h"

#include <cstdlib>
#include <filesystem>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace lpt::fileio {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "lptpic";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string UserConfigFolder() {
#ifdef _WIN32
  const std::string appData = Environment("APPDATA");
  if (appData.empty()) return {};
  return (fs::path(appData) / kFolderName).string();
#else
  const std::string xdg = Environment("XDG_CONFIG_HOME");
  if (!xdg.empty() && xdg.front() == '/') return (fs::path(xdg) / kFolderName).string();
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
      home = account->pw_dir;
  }
  if (home.empty()) return {};
  return (fs::path(home) / ".config" / kFolderName).string();
#endif
}

}  // namespace lpt::fileio
