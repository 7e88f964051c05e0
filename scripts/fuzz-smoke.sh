#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the fuzz targets with clang in their own build folder and runs each
# for a short, bounded time from its seed corpus: the HEX reader, the chip
# file reader, path.dat, the port text and the adapters file. Fails on any
# crash, leak, out-of-bounds read, undefined behaviour or broken round trip.
#
# LPTPIC_FUZZ_SECONDS is the time of each target (default 10); the time
# alone governs how long a target runs. LPTPIC_FUZZ_TARGETS picks targets.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LPTPIC_FUZZ_BUILD:-build-fuzz}
seconds=${LPTPIC_FUZZ_SECONDS:-10}
targets=${LPTPIC_FUZZ_TARGETS:-hex_reader_fuzz chip_file_fuzz settings_fuzz port_choice_fuzz adapter_file_fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLPTPIC_FUZZ=ON -DLPTPIC_GUI=OFF -DLPTPIC_TESTS=OFF -DLPTPIC_CLI=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets

seeds_of() {
  case "$1" in
    hex_reader_fuzz) echo fuzz/corpus ;;
    chip_file_fuzz) echo fuzz/chip_corpus ;;
    settings_fuzz) echo fuzz/settings_corpus ;;
    port_choice_fuzz) echo fuzz/port_corpus ;;
    adapter_file_fuzz) echo fuzz/adapter_corpus ;;
  esac
}

# libFuzzer adds what it finds to the first corpus folder: work on copies so
# the seeds in the repository stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in $targets; do
  echo "== $target (${seconds}s)"
  mkdir -p "$work/$target"
  cp "$(seeds_of "$target")"/* "$work/$target"/
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix="$build/$target-" "$work/$target"
done
