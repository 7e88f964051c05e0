// SPDX-License-Identifier: GPL-2.0-or-later
// What may be opened as a parallel port: only a ppdev character device. The
// port is opened read-write, and opening some devices does something by
// itself, so any other path (a regular file, /dev/../etc/passwd, another
// driver's device) is refused before it is opened.
#pragma once

#include <string>

namespace lpt {

// The major device number of ppdev (/dev/parportN).
inline constexpr unsigned kParportMajor = 99;

// True when `path` names a character device of the ppdev major. False
// with *error = an errno value (ENOENT and the like from stat, ENOTTY for
// anything that is not a parallel port).
bool IsParportDevice(const std::string& path, int* error);

// The same test on a file already open, so nothing can be swapped in
// between the check and the open.
bool IsParportDescriptor(int fd);

}  // namespace lpt
