// SPDX-License-Identifier: GPL-2.0-or-later
// smport-check: opens the port driver the way the programmer does and
// prints what it finds, so the Windows side can be checked without the GUI.
// Usage: smport-check [port address, default 0x378]
#include <cstdio>
#include <cstdlib>

#include "hw/small_port.h"

int main(int argc, char** argv) {
  const unsigned long base = argc > 1 ? std::strtoul(argv[1], nullptr, 0) : 0x378;
  if (base == 0 || base > 0xFFFD) {
    std::fprintf(stderr, "bad port address: %s\n", argv[1]);
    return 2;
  }
  lpt::SmallPort port(lpt::MakeWin32SmallPortOs());
  std::printf("platform kind %d, read code %08lX, write code %08lX\n",
              static_cast<int>(port.Platform()), static_cast<unsigned long>(port.IoCodes()[0]),
              static_cast<unsigned long>(port.IoCodes()[1]));
  port.SetOpened(true);
  if (!port.Opened()) {
    std::printf("not opened: %s\n", port.FailureReason().c_str());
    return 3;
  }
  const unsigned status = port.ReadPort(static_cast<std::uint16_t>(base + 1));
  std::printf("status register at %04lX: %02X (ok %d)\n", base + 1, status, port.LastIoOk());
  return port.LastIoOk() ? 0 : 1;
}
