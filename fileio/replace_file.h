// SPDX-License-Identifier: GPL-2.0-or-later
// The one way lptpic replaces a file it writes (HEX files, chip files,
// path.dat): the new text goes into a temporary file of its own, created
// exclusively beside the target, is flushed to the disk, and only then is
// renamed over the target. A failure at any step leaves the target as it
// was and removes the temporary file.
//
// - A target that is a symbolic link is followed: the file it points to is
//   replaced and the link stays a link.
// - A target that exists and is not a regular file (a device, a FIFO, a
//   folder) is refused, and so is an existing read-only file.
// - A replaced file keeps its permission bits (and, where allowed, owner).
#pragma once

#include <string>
#include <string_view>

namespace lpt::fileio {

class FileLock;

struct ReplaceOptions {
  // Removes temporary files a killed writer left beside the target. Only a
  // caller that holds the target's lock (FileLock) may ask for it: no one
  // else can be writing one of them then.
  bool removeStaleTemporaries = false;
  // The caller's lock on the target: the new file is locked before it takes
  // the target's name, and the lock moves to it, so no other process can
  // get in between (a lock on the old file would not keep anyone out of the
  // new one).
  FileLock* heldLock = nullptr;
};

// Replaces the file at `path` with `content`. False with *reason (a
// sentence without the path: "The file is read-only.", "It is not a
// regular file (a device, FIFO or folder).", or the system's message).
bool ReplaceFile(const std::string& path, std::string_view content, std::string* reason,
                 const ReplaceOptions& options = {});

// Removes the temporary files that ReplaceFile runs killed meanwhile left
// beside the file `path` leads to. Only the holder of its lock may call it.
void RemoveStaleTemporaries(const std::string& path);

// True when a new file can be made in `folder` (ReplaceFile needs that even
// for a file that exists). Tried with a file of a unique name, created
// exclusively and removed again: never through a link, never over a file.
bool CanCreateFileIn(const std::string& folder);

// True when `name` (a bare file name) is one of the temporary names
// ReplaceFile gives for the target file named `targetName`.
bool IsTemporaryNameOf(std::string_view targetName, std::string_view name);

}  // namespace lpt::fileio
