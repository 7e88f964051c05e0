#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the Windows build of scripts/windows-cross.sh under wine: the core's
# test suites, the Windows-only port tests, and lptpic-cli.exe programming,
# verifying and reading a 16F877 on the simulated adapter from a gpasm file,
# LPT1, ports and --version, and the .exe's resources (wrestool, icoutils).
#
#   bash scripts/windows-wine-check.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(cd "${1:?usage: windows-wine-check.sh BUILD_FOLDER}" && pwd)
if ! command -v wine >/dev/null; then
  echo "windows-wine-check: wine is not installed (apt-get install wine wine64)" >&2
  exit 1
fi

# A scratch prefix: nothing of a user's wine set-up is touched or needed.
scratch=$(mktemp -d)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
echo "== wine: preparing a fresh prefix"
wine wineboot --init >/dev/null 2>&1 || true

# Tests that run host tools (gpasm, srec_cat, the POSIX shell) or the Linux
# ppdev backend stay with the Linux build; the gpasm file is checked here
# through lptpic-cli.exe instead.
filter='-GpasmFiles.*:Checksum.Gpasm*:EveryFamily/EndToEnd.*:EveryPart/Flash12Round.*:EveryPart/FlashMidrangeRound.*:Pic18Round.*:Ppdev*'
failed=0
for suite in devices buffers hw sim hexfile ops win; do
  echo "== wine: test_$suite.exe"
  if ! (cd "$out/tests" && wine "./test_$suite.exe" --gtest_brief=1 --gtest_filter="$filter"); then
    echo "windows-wine-check: test_$suite.exe failed" >&2
    failed=1
  fi
done
[ "$failed" = 0 ] || exit 1

echo "== wine: lptpic-cli.exe on the simulated adapter"
work="$scratch/cli"
mkdir -p "$work"
cp "$out/cli/lptpic-cli.exe" "$work/"
gpasm -a inhx32 -o "$work/prog.hex" "$root/tests/data/hex/ops_16f877.asm" >/dev/null
cli() { (cd "$work" && wine ./lptpic-cli.exe "$@"); }
expect() {
  local want=$1
  shift
  local got=0
  cli "$@" >"$work/stdout" 2>"$work/stderr" || got=$?
  tr -d '\r' <"$work/stdout" >"$work/out.txt"
  tr -d '\r' <"$work/stderr" >"$work/err.txt"
  if [ "$got" != "$want" ]; then
    echo "windows-wine-check: lptpic-cli.exe $* exited $got, not $want" >&2
    cat "$work/err.txt" >&2
    exit 1
  fi
  echo "lptpic-cli.exe $*: exit $got"
}
expect 0 --quiet --port sim:chip.txt --device 16F877 program prog.hex
expect 0 --quiet --port sim:chip.txt --device 16F877 verify prog.hex
expect 0 --quiet --port sim:chip.txt --device 16F877 read back.hex
expect 0 --device 16F877 dump prog.hex
cp "$work/out.txt" "$work/written.txt"
expect 0 --device 16F877 dump back.hex
if ! diff -u "$work/written.txt" "$work/out.txt"; then
  echo "windows-wine-check: the chip read back differs from the file programmed" >&2
  exit 1
fi
grep -q '^fuses 3F71$' "$work/written.txt" || {
  echo "windows-wine-check: dump of the gpasm file lacks its configuration word 3F71" >&2
  exit 1
}

# No parallel port and no InpOut under wine: exit 3, "not found", and why.
must_say() {
  grep -qF "$1" "$work/err.txt" || {
    echo "windows-wine-check: standard error lacks \"$1\":" >&2
    cat "$work/err.txt" >&2
    exit 1
  }
}
expect 3 --quiet --port 0x378 --device 16F84 probe
must_say 'Device is not found !'
must_say 'Smport: the port driver Smport.sys could not be opened (Windows error'
must_say 'InpOut: inpoutx64.dll could not be loaded (Windows error 126)'
cat "$work/err.txt"
# A Linux device path is a usage error on Windows.
expect 2 --quiet --port /dev/parport0 --device 16F84 probe
must_say 'device paths name Linux parallel ports'
# Windows' own names reach the same port-open path and are named in the
# reason.
expect 3 --quiet --port LPT1 --device 16F84 probe
must_say 'Device is not found !'
must_say 'LPT1 (0x'
must_say 'inpoutx64.dll could not be loaded (Windows error 126)'
cat "$work/err.txt"
expect 0 ports
cat "$work/out.txt"
# --help offers Windows' port names, no Linux device paths.
expect 0 --help
if ! grep -qF 'LPT1 to LPT3' "$work/out.txt" || grep -qF '/dev/' "$work/out.txt"; then
  echo "windows-wine-check: --help does not offer the Windows port names:" >&2
  cat "$work/out.txt" >&2
  exit 1
fi
expect 0 --version
grep -qF 'License GPL-2.0-or-later' "$work/out.txt" && grep -qF 'NOTICES.txt' "$work/out.txt" || {
  echo "windows-wine-check: --version does not state the licence and the notices:" >&2
  cat "$work/out.txt" >&2
  exit 1
}

echo "== lptpic-cli.exe resources"
# Version information (16), the manifest (24) and the icon (14).
resources=$(wrestool -l "$out/cli/lptpic-cli.exe")
for type in 16 24 14; do
  grep -q -- "--type=$type " <<<"$resources" || {
    echo "windows-wine-check: lptpic-cli.exe lacks resource type $type:" >&2
    echo "$resources" >&2
    exit 1
  }
done
manifest=$(wrestool -x --raw --type=24 "$out/cli/lptpic-cli.exe")
grep -q 'level="asInvoker"' <<<"$manifest" && grep -q '<longPathAware[^>]*>true<' <<<"$manifest" || {
  echo "windows-wine-check: the manifest does not ask for asInvoker and long paths" >&2
  exit 1
}
echo "lptpic-cli.exe: version information, manifest (asInvoker, long paths), icon"
echo "windows-wine-check: all passed"
