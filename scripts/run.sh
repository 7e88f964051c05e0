#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is needed, builds lptpic and starts the GUI on the simulated
# adapter. Without a display it starts one with Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLPTPIC_TESTS=OFF
cmake --build build --target lptpic lptpic-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  exec xvfb-run -a ./build/app/lptpic --port sim "$@"
fi
exec ./build/app/lptpic --port sim "$@"
