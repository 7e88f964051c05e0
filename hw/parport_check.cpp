// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/parport_check.h"

#include <cerrno>

#ifdef __linux__
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace lpt {

#ifdef __linux__

namespace {

bool IsParportStat(const struct stat& info) {
  return S_ISCHR(info.st_mode) && major(info.st_rdev) == kParportMajor;
}

}  // namespace

bool IsParportDevice(const std::string& path, int* error) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (error) *error = errno;
    return false;
  }
  if (IsParportStat(info)) return true;
  if (error) *error = ENOTTY;
  return false;
}

bool IsParportDescriptor(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && IsParportStat(info);
}

#else

bool IsParportDevice(const std::string&, int* error) {
  if (error) *error = ENOTTY;
  return false;
}

bool IsParportDescriptor(int) { return false; }

#endif

}  // namespace lpt
