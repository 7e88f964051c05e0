#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted by .clang-format.
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
