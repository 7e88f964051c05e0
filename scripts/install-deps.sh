#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian 12 packages lptpic needs to build, run and test.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config ccache \
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libgl-dev fonts-dejavu-core libqt6svg6 \
  libcli11-dev nlohmann-json3-dev libssl-dev libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev clang-format \
  gputils srecord \
  g++-mingw-w64-x86-64-posix googletest wine wine64 librsvg2-bin icoutils \
  dpkg-dev debhelper fakeroot file lintian desktop-file-utils appstream man-db \
  xvfb xauth
