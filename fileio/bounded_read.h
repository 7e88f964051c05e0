// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a whole input file without trusting it: only regular files (or
// standard input given as "-"), never more than a size no real HEX file,
// chip file or settings file reaches, and never a wait on a FIFO or a
// device that has nothing to give.
#pragma once

#include <cstddef>
#include <string>

namespace lpt::fileio {

// 16 MB: a full INHX32 image of the largest part is well under 1 MB.
inline constexpr std::size_t kMaxInputBytes = std::size_t{16} << 20;

// The name that stands for standard input (and output) on a command line.
inline constexpr const char* kStandardStream = "-";

// Reads the file at `path` into *content. False with *reason (a sentence
// without the path, e.g. "Not a regular file (a device, FIFO or folder).",
// "File too large (over 16 MB).", or the system's message) when it is not
// a regular file, is larger than `limit` bytes, or cannot be read. "-"
// reads standard input, whatever it is, up to the same limit.
bool ReadWholeFile(const std::string& path, std::size_t limit, std::string* content,
                   std::string* reason);

// The sentence ReadWholeFile gives for an input over `limit` bytes.
std::string TooLargeReason(std::size_t limit);

}  // namespace lpt::fileio
