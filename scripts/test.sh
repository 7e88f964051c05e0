#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is needed, builds everything with AddressSanitizer and UBSan
# and runs every test: formatting, the test suites, the fuzz smoke run, the
# Windows cross-build run under wine, and the Debian package checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

echo "== formatting"
bash scripts/check-format.sh

echo "== build (ASan + UBSan)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLPTPIC_SANITIZE=ON -DLPTPIC_BENCH=OFF
cmake --build build-test -j "$jobs"

if [ -f scripts/windows-cross.sh ]; then
  echo "== Windows cross-compile"
  bash scripts/windows-cross.sh
fi

echo "== Debian package"
bash scripts/package-check.sh

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzz smoke run"
  bash scripts/fuzz-smoke.sh
fi

echo "== tests"
# The GUI tests add tests/gui/lsan.supp (the known libdbus leak) to these.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j "$jobs"
