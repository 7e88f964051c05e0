// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in for inpoutx64.dll with the same exports, so the tests load a
// real DLL through the real Windows loader: the port registers are plain
// memory, and the driver counts as open.
#include <cstdint>

namespace {
std::uint8_t registers[0x10000];
}

extern "C" {
__declspec(dllexport) short __stdcall Inp32(short address) {
  return registers[static_cast<std::uint16_t>(address)];
}
__declspec(dllexport) void __stdcall Out32(short address, short value) {
  registers[static_cast<std::uint16_t>(address)] = static_cast<std::uint8_t>(value);
}
__declspec(dllexport) int __stdcall IsInpOutDriverOpen() { return 1; }
}
