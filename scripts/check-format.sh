#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a C++ file of the project is not formatted by .clang-format,
# or when a source, build or script file does not name its licence
# (SPDX-License-Identifier: GPL-2.0-or-later) in its first comment.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
[ -z "$files" ] && exit 0
bad=$(echo "$files" | xargs clang-format --dry-run 2>&1 | grep -E '^[^ ].*warning:' | cut -d: -f1 | sort -u || true)
if [ -n "$bad" ]; then
  echo "Not formatted (run: clang-format -i FILE):"
  echo "$bad"
  exit 1
fi
echo "formatting ok"

# The licence line: the first line, or the second after a #! line.
spdx='SPDX-License-Identifier: GPL-2.0-or-later'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  all=$(git ls-files)
else
  all=$(find . -path ./.git -prune -o -path './build*' -prune -o -type f -print | sed 's|^\./||')
fi
unlicensed=$(
  while IFS= read -r file; do
    [ -f "$file" ] || continue
    case "$file" in
      *.cpp | *.h | *.cmake | CMakeLists.txt | */CMakeLists.txt) lines=1 ;;
      *) if [ "$(head -c2 "$file")" = '#!' ]; then lines=2; else continue; fi ;;
    esac
    head -n "$lines" "$file" | grep -qF "$spdx" || echo "$file"
  done <<<"$all"
)
if [ -n "$unlicensed" ]; then
  echo "No licence line (run scripts/add-licence-lines.sh, or put \"// $spdx\" or \"# $spdx\" first, after any #! line):"
  echo "$unlicensed"
  exit 1
fi
echo "licence lines ok"
