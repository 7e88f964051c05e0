#!/usr/bin/env bash
# Cross-compiles the Windows side of the port driver client (the portable
# client plus the real Win32 calls) with MinGW-w64 and links the small
# smport-check tool, so that code keeps building against the real windows.h.
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=${CXX_MINGW:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$cxx" >/dev/null; then
  echo "windows-cross: $cxx not installed (apt-get install g++-mingw-w64-x86-64-posix)" >&2
  exit 1
fi
out=${1:-build-windows-cross}
mkdir -p "$out"
flags=(-std=c++20 -O1 -Wall -Wextra -Werror -I .)
sources=(hw/small_port.cpp hw/win/small_port_win32.cpp hw/win/smport_check_main.cpp)
objects=()
for src in "${sources[@]}"; do
  obj="$out/$(basename "${src%.cpp}").o"
  "$cxx" "${flags[@]}" -c "$src" -o "$obj"
  objects+=("$obj")
done
"$cxx" -static -o "$out/smport-check.exe" "${objects[@]}" -ladvapi32
echo "windows-cross: built $out/smport-check.exe"
