// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileio/link_target.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lpt::fileio {
namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit on nested links

#ifndef _WIN32
std::string Folder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}
#endif

// The place `path` leads to, with its folder resolved: comparable text.
std::string Place(const std::string& path) {
  std::string target;
  if (!FollowLinks(path, target)) target = path;
  std::error_code ec;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
  return ec ? std::filesystem::absolute(target, ec).lexically_normal().string() : resolved.string();
}

}  // namespace

#ifndef _WIN32

bool FollowLinks(std::string path, std::string& target) {
  for (int depth = 0; depth < kMaxLinks; ++depth) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      target = path;
      return true;
    }
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer - 1);
    if (length < 0) return false;
    const std::string link(buffer, static_cast<std::size_t>(length));
    path = link.front() == '/' ? link : Folder(path) + "/" + link;
  }
  errno = ELOOP;
  return false;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
  return Place(a) == Place(b);
}

#else

bool FollowLinks(std::string path, std::string& target) {
  target = std::move(path);
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(std::filesystem::u8path(a), std::filesystem::u8path(b), ec))
    return true;
  return Place(a) == Place(b);
}

#endif

}  // namespace lpt::fileio
