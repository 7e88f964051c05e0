// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows error codes (winerror.h) the portable port code gives or
// recognises, so it needs no windows.h.
#pragma once

#include <cstdint>

namespace lpt::windows_error {

inline constexpr std::uint32_t kInvalidHandle = 6;
// LoadLibrary found no such file.
inline constexpr std::uint32_t kModuleNotFound = 126;
inline constexpr std::uint32_t kProcedureNotFound = 127;
inline constexpr std::uint32_t kBadExeFormat = 193;
// A DLL's start-up failed: InpOut's, when its driver cannot be installed.
inline constexpr std::uint32_t kDllInitFailed = 1114;

}  // namespace lpt::windows_error
