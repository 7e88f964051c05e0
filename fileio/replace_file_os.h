// SPDX-License-Identifier: GPL-2.0-or-later
// The system calls behind ReplaceFile, one implementation per system.
#pragma once

#include <string>
#include <string_view>

#include "fileio/replace_file.h"

namespace lpt::fileio {

// A new temporary name for the target file named `targetName`.
std::string TemporaryName(std::string_view targetName);
// strerror(error) as a sentence.
std::string ErrorReason(int error);

bool ReplaceFileOnThisSystem(const std::string& path, std::string_view content, std::string& reason,
                             const ReplaceOptions& options);

}  // namespace lpt::fileio
