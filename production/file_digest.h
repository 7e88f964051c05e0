// SPDX-License-Identifier: GPL-2.0-or-later
// The SHA-256 of a file's bytes, for the production log: which build went
// into a chip. OpenSSL's libcrypto on Linux, the system's CNG on Windows.
#pragma once

#include <string>
#include <string_view>

namespace lpt {

// 64 lower-case hex digits; empty when the digest could not be made.
std::string Sha256Hex(std::string_view bytes);

}  // namespace lpt
