#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Mutation run over the domain code: plants each fault of scripts/mutants.txt
# and of the generated set, one at a time, in a separate Release build
# (build-mutants), and prints killed/total with the survivors. Slow (about an
# hour on two cores): run by hand or from a scheduled job, not from .ci/run.
#   scripts/mutants.sh                      everything
#   scripts/mutants.sh --only list          the hand-written faults
#   scripts/mutants.sh --sample 40          the list and 40 generated faults
#   scripts/mutants.sh --show               list the faults without running
# Every file is restored after its mutant, also when the run is interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git diff --quiet -- hw ops sim hexfile buffers devices; then
  echo "mutants.sh: commit or stash the changes to the domain code first" >&2
  exit 2
fi
exec python3 scripts/mutants.py "$@"
