#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Puts the licence line at the head of every source, build and script file
# that lacks it (after a #! line), the same files check-format.sh checks.
set -euo pipefail
cd "$(dirname "$0")/.."
spdx='SPDX-License-Identifier: GPL-2.0-or-later'
git ls-files | while IFS= read -r file; do
  [ -f "$file" ] || continue
  case "$file" in
    *.cpp | *.h) comment="// $spdx" lines=1 ;;
    *.cmake | CMakeLists.txt | */CMakeLists.txt) comment="# $spdx" lines=1 ;;
    *) if [ "$(head -c2 "$file")" = '#!' ]; then comment="# $spdx" lines=2; else continue; fi ;;
  esac
  head -n "$lines" "$file" | grep -qF "$spdx" && continue
  tmp=$(mktemp)
  if [ "$lines" -eq 2 ]; then
    { head -n 1 "$file"; echo "$comment"; tail -n +2 "$file"; } >"$tmp"
  else
    { echo "$comment"; cat "$file"; } >"$tmp"
  fi
  cat "$tmp" >"$file" && rm -f "$tmp"
  echo "$file"
done
