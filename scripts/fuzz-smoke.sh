#!/usr/bin/env bash
# Builds the HEX reader fuzzer with clang in its own build folder and runs it
# for a short, bounded time from the seed corpus. Fails on any crash, leak,
# out-of-bounds read or undefined behaviour the sanitizers report.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LPTPIC_FUZZ_BUILD:-build-fuzz}
seconds=${LPTPIC_FUZZ_SECONDS:-20}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLPTPIC_FUZZ=ON -DLPTPIC_GUI=OFF -DLPTPIC_TESTS=OFF -DLPTPIC_CLI=OFF >/dev/null
cmake --build "$build" -j2 --target hex_reader_fuzz

# libFuzzer adds what it finds to the first corpus folder: work on a copy so
# the seeds in the repository stay as they are.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
"$build/fuzz/hex_reader_fuzz" -max_total_time="$seconds" -runs=200000 -max_len=4096 \
  -artifact_prefix="$build/" "$corpus"
