// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileio/replace_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "fileio/link_target.h"
#include "fileio/replace_file_os.h"

namespace lpt::fileio {
namespace {

constexpr std::size_t kRandomChars = 8;
constexpr std::string_view kTempSuffix = ".tmp";

}  // namespace

std::string TemporaryName(std::string_view targetName) {
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::string name = ".";
  name += targetName;
  name += '.';
  for (std::size_t i = 0; i < kRandomChars; ++i) name += kAlphabet[random() % 36];
  name += kTempSuffix;
  return name;
}

bool IsTemporaryNameOf(std::string_view targetName, std::string_view name) {
  const std::size_t length = 1 + targetName.size() + 1 + kRandomChars + kTempSuffix.size();
  if (name.size() != length || name[0] != '.') return false;
  if (name.substr(1, targetName.size()) != targetName) return false;
  if (name[1 + targetName.size()] != '.') return false;
  return name.substr(length - kTempSuffix.size()) == kTempSuffix;
}

std::string ErrorReason(int error) {
  return std::string(std::strerror(error != 0 ? error : EIO)) + ".";
}

void RemoveStaleTemporaries(const std::string& path) {
  namespace fs = std::filesystem;
  std::string target;
  if (!FollowLinks(path, target)) return;
  const fs::path file = fs::u8path(target);
  const std::string name = file.filename().string();
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsTemporaryNameOf(name, it->path().filename().string())) {
      std::error_code ignored;
      fs::remove(it->path(), ignored);
    }
  }
}

bool ReplaceFile(const std::string& path, std::string_view content, std::string* reason,
                 const ReplaceOptions& options) {
  std::string ignored;
  if (reason == nullptr) reason = &ignored;
  if (path.empty()) {
    *reason = ErrorReason(ENOENT);
    return false;
  }
  return ReplaceFileOnThisSystem(path, content, *reason, options);
}

}  // namespace lpt::fileio
