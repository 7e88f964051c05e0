// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/settings_file_places.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "fileio/replace_file.h"
#include "fileio/user_folder.h"

namespace lpt::app {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}
#endif

// The path as compared: absolute, without "." and "..", links resolved
// where they exist, on Windows in one case with one kind of slash.
std::string Comparable(const std::string& dir) {
  std::error_code ec;
  fs::path path = fs::weakly_canonical(fs::absolute(dir, ec), ec);
  if (ec) path = fs::path(dir).lexically_normal();
  std::string text = path.generic_string();
#ifdef _WIN32
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
#endif
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

std::string ProgramFolder() {
#ifdef _WIN32
  char buffer[MAX_PATH];
  const DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (n == 0 || n >= sizeof buffer) return {};
  return fs::path(std::string(buffer, n)).parent_path().string() + "\\";
#else
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string() + "/";
#endif
}

std::string UserSettingsFolder() { return fileio::UserConfigFolder(); }

std::vector<std::string> SystemFolders() {
#ifdef _WIN32
  std::vector<std::string> folders;
  for (const char* name :
       {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot", "windir"}) {
    const std::string value = Environment(name);
    if (!value.empty()) folders.push_back(value);
  }
  return folders;
#else
  // What the distribution's package manager owns; /usr/local is the
  // administrator's, but not the user's either.
  return {"/usr", "/bin", "/sbin", "/lib", "/lib32", "/lib64", "/libx32", "/opt", "/etc", "/snap"};
#endif
}

bool IsInSystemFolder(const std::string& dir, const std::vector<std::string>& systemFolders) {
  if (dir.empty()) return false;
  const std::string path = Comparable(dir);
  for (const std::string& folder : systemFolders) {
    if (folder.empty()) continue;
    const std::string root = Comparable(folder);
    if (path == root) return true;
    const std::string prefix = root == "/" ? root : root + "/";
    if (path.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return false;
}

WorkFolderProblem CheckWorkFolder(const std::string& dir, const std::string& exeDir,
                                  bool portable) {
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir, ec)) return WorkFolderProblem::Missing;
  if (!portable && Comparable(dir) == Comparable(exeDir)) return WorkFolderProblem::ProgramFolder;
  if (!fileio::CanCreateFileIn(dir)) return WorkFolderProblem::NotWritable;
  return WorkFolderProblem::None;
}

}  // namespace lpt::app
