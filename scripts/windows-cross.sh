#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Cross-builds the Qt-free core, lptpic-cli.exe and the core's GoogleTest
# suites for 64-bit Windows with MinGW-w64, runs them under wine, and packs
# lptpic-cli.exe with its Windows README, the licence and the third-party
# notices into a zip.
#
#   bash scripts/windows-cross.sh [BUILD_FOLDER]     (default build-windows-cross)
#
# Needs g++-mingw-w64-x86-64-posix, googletest (sources in /usr/src/googletest),
# libcli11-dev, gputils, wine and wine64 (scripts/install-deps.sh installs them).
# LPTPIC_WINE=0 builds and packs without running anything. The zip's file
# times are SOURCE_DATE_EPOCH's (the last commit's when it is not set).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-build-windows-cross}
mkdir -p "$out"
out=$(cd "$out" && pwd)
gtest_source=${LPTPIC_GTEST_SOURCE:-/usr/src/googletest}

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-strip gpasm rsvg-convert icotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "windows-cross: $tool is not installed (run scripts/install-deps.sh)" >&2
    exit 1
  fi
done
if [ ! -f "$gtest_source/CMakeLists.txt" ]; then
  echo "windows-cross: no GoogleTest sources in $gtest_source (apt-get install googletest)" >&2
  exit 1
fi

# CLI11 is header-only, but its CMake package points at /usr/include, which
# must not reach a MinGW compile (glibc's headers would shadow MinGW's): a
# package of its own that sees only the CLI folder.
mkdir -p "$out/cli11/include"
ln -sfn /usr/include/CLI "$out/cli11/include/CLI"
cat >"$out/cli11/CLI11Config.cmake" <<'CMAKE'
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR}/include")
CMAKE
# The same for JSON for Modern C++, header-only too.
mkdir -p "$out/nlohmann_json/include"
ln -sfn /usr/include/nlohmann "$out/nlohmann_json/include/nlohmann"
cat >"$out/nlohmann_json/nlohmann_jsonConfig.cmake" <<'CMAKE'
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR}/include")
CMAKE
cat >"$out/nlohmann_json/nlohmann_jsonConfigVersion.cmake" <<'CMAKE'
set(PACKAGE_VERSION 3.11.2)
set(PACKAGE_VERSION_COMPATIBLE TRUE)
CMAKE

echo "== Windows cross-build (MinGW-w64)"
# Lean: -O1, no sanitizers, no GUI. No unity build: each file keeps its own
# anonymous namespace, as in the native build.
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O1 -DCMAKE_UNITY_BUILD=OFF \
  -DLPTPIC_GUI=OFF -DLPTPIC_CLI=ON -DLPTPIC_TESTS=ON -DLPTPIC_BENCH=OFF \
  -DLPTPIC_GTEST_SOURCE="$gtest_source" -DCLI11_DIR="$out/cli11" -Dnlohmann_json_DIR="$out/nlohmann_json" >/dev/null
cmake --build "$out" -j "$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")
zip_name=lptpic-cli-$version-windows-x64
stage="$out/$zip_name"
rm -rf "$stage" "$out/$zip_name.zip"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/lptpic-cli.exe" "$out/cli/lptpic-cli.exe"
# Windows users open them with Notepad: CRLF line ends.
sed 's/$/\r/' packaging/windows/README-Windows.txt >"$stage/README.txt"
sed 's/$/\r/' COPYING >"$stage/COPYING.txt"
sed 's/$/\r/' packaging/windows/NOTICES.txt >"$stage/NOTICES.txt"
# Reproducible: every entry dated SOURCE_DATE_EPOCH (else the last commit's
# time), in UTC, as zip keeps local times.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
zip_time=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S UTC')
(cd "$out" && TZ=UTC cmake -E tar cf "$zip_name.zip" --format=zip --mtime="$zip_time" "$zip_name")
listing=$(cd "$out" && cmake -E tar tf "$zip_name.zip")
for file in lptpic-cli.exe README.txt COPYING.txt NOTICES.txt; do
  grep -qx "$zip_name/$file" <<<"$listing" || {
    echo "windows-cross: $file is not in $zip_name.zip" >&2
    exit 1
  }
done
echo "windows-cross: packed $out/$zip_name.zip"

if [ "${LPTPIC_WINE:-1}" = 0 ]; then exit 0; fi
bash scripts/windows-wine-check.sh "$out"
