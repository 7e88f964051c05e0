// SPDX-License-Identifier: GPL-2.0-or-later
// Where a path that may be a symbolic link leads. A file written or locked
// through a link is the file the link points to, so that two names of one
// file are one file for the locks and the checks that compare files.
#pragma once

#include <string>

namespace lpt::fileio {

// The file a chain of symbolic links starting at `path` ends at: `path`
// itself when it is no link, and the place a dangling link points to when
// that does not exist yet. False with errno on a loop or an unreadable
// link. On Windows `path` as it is.
bool FollowLinks(std::string path, std::string& target);

// True when `a` and `b` name the same file: the same file on the disk when
// both exist, else the same place once links and "." or ".." are resolved.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace lpt::fileio
