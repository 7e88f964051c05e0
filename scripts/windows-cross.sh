#!/usr/bin/env bash
# Cross-compiles the hardware layer and the file helpers for Windows with
# MinGW-w64: every hw/*.cpp and fileio/*.cpp (so the Windows branches of
# the port factory, the waits and the file replacement build too) and the real Win32 calls of the port driver client, and links
# the small smport-check tool, so that code keeps building against the real
# windows.h.
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=${CXX_MINGW:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$cxx" >/dev/null; then
  echo "windows-cross: $cxx not installed (apt-get install g++-mingw-w64-x86-64-posix)" >&2
  exit 1
fi
out=${1:-build-windows-cross}
mkdir -p "$out"
flags=(-std=c++20 -O1 -Wall -Wextra -I .)
for src in hw/*.cpp hw/win/*.cpp fileio/*.cpp; do
  "$cxx" "${flags[@]}" -c "$src" -o "$out/$(basename "${src%.cpp}").o"
done
"$cxx" -static -o "$out/smport-check.exe" "$out/small_port.o" "$out/small_port_win32.o" \
  "$out/smport_check_main.o" -ladvapi32
echo "windows-cross: built $out/smport-check.exe"
