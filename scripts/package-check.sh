#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian packages lptpic-cli and lptpic with dpkg-buildpackage
# from a copy of the source tree, and checks them the way a distribution
# would: lintian on the source and binary packages (no error, no warning),
# desktop-file-validate, appstreamcli, what each package holds and needs
# (lptpic-cli pulls no Qt), then unpacks both into a scratch root and runs
# the installed programs there, the autopkgtest among them.
#
#   bash scripts/package-check.sh [BUILD_FOLDER]     (default build-deb)
#
# The package's own test suites are skipped (nocheck): scripts/test.sh runs
# the same suites under ASan and UBSan. ccache, when installed, serves this
# build too, so an unchanged tree rebuilds quickly.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-deb}

for tool in dpkg-buildpackage dpkg-source dh desktop-file-validate appstreamcli lintian man; do
  if ! command -v "$tool" >/dev/null; then
    echo "package-check: $tool is not installed (run scripts/install-deps.sh)" >&2
    exit 1
  fi
done

version=$(dpkg-parsechangelog -S Version)
cmake_version=$(sed -n 's/^project(lptpic VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$cmake_version" ]; then
  echo "package-check: debian/changelog says $version, CMakeLists.txt $cmake_version" >&2
  exit 1
fi

echo "== package: source tree"
# A copy of what the repository holds (with uncommitted changes), without
# build folders: what a source package is made of.
mkdir -p "$out"
out=$(cd "$out" && pwd)
src="$out/lptpic-$version"
rm -rf "$src" "$out"/lptpic*_"$version"*
mkdir -p "$src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$src"
else
  tar --exclude='./build*' --exclude='./.git' -cf - . | tar -xf - -C "$src"
fi
(cd "$out" && dpkg-source -q -b "lptpic-$version")
dsc="$out/lptpic_$version.dsc"

echo "== package: dpkg-buildpackage -us -uc -b"
if command -v ccache >/dev/null; then
  # debhelper gives the build a HOME of its own: keep the user's cache.
  export CCACHE_DIR=${CCACHE_DIR:-$(ccache --get-config cache_dir)}
fi
export DEB_BUILD_OPTIONS="nocheck noautodbgsym ${DEB_BUILD_OPTIONS:-}"
(cd "$src" && dpkg-buildpackage -us -uc -b -J"$(nproc)" >"$out/build.log" 2>&1) || {
  tail -50 "$out/build.log" >&2
  echo "package-check: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
  exit 1
}
arch=$(dpkg --print-architecture)
changes="$out/lptpic_${version}_$arch.changes"
cli="$out/lptpic-cli_${version}_$arch.deb"
gui="$out/lptpic_${version}_$arch.deb"
echo "package-check: built $(basename "$cli") and $(basename "$gui")"

echo "== package: contents"
holds() {
  local deb=$1
  shift
  for path in "$@"; do
    if ! dpkg -c "$deb" | awk '{print $6}' | grep -qx "$path"; then
      echo "package-check: $path is not in $(basename "$deb")" >&2
      exit 1
    fi
  done
}
holds "$cli" ./usr/bin/lptpic-cli ./usr/share/man/man1/lptpic-cli.1.gz \
  ./usr/share/man/man5/adapters.conf.5.gz ./usr/share/doc/lptpic-cli/adapters.md \
  ./usr/share/doc/lptpic-cli/copyright ./usr/share/doc/lptpic-cli/changelog.gz
holds "$gui" ./usr/bin/lptpic ./usr/share/applications/lptpic.desktop \
  ./usr/share/icons/hicolor/scalable/apps/lptpic.svg \
  ./usr/share/metainfo/io.github.lptpic.lptpic.metainfo.xml ./usr/share/man/man1/lptpic.1.gz
for deb in "$cli" "$gui"; do
  dpkg-deb -f "$deb" Package Version Depends Recommends
  # Everything lands in /usr, and no maintainer script writes anywhere:
  # purge leaves nothing behind.
  if dpkg -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' | grep .; then
    echo "package-check: $(basename "$deb") installs outside /usr" >&2
    exit 1
  fi
  scripts=$(dpkg-deb -I "$deb" | awk '$NF ~ /^(preinst|postinst|prerm|postrm|conffiles)$/ {print $NF}')
  if [ -n "$scripts" ]; then
    echo "package-check: $(basename "$deb") has $scripts" >&2
    exit 1
  fi
done
# The command-line package must install on a machine without any Qt.
cli_depends=$(dpkg-deb -f "$cli" Depends)
if echo "$cli_depends" | grep -qi 'qt'; then
  echo "package-check: lptpic-cli depends on Qt: $cli_depends" >&2
  exit 1
fi
dpkg-deb -f "$gui" Depends | grep -q 'libqt6widgets6' || {
  echo "package-check: lptpic's Depends lacks the Qt libraries dpkg-shlibdeps should find" >&2
  exit 1
}
dpkg-deb -f "$gui" Depends | grep -qF "lptpic-cli (= $version)" || {
  echo "package-check: lptpic does not bring lptpic-cli $version with it" >&2
  exit 1
}

echo "== package: validation"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$cli" "$root"
dpkg -x "$gui" "$root"
desktop-file-validate "$root/usr/share/applications/lptpic.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.lptpic.lptpic.metainfo.xml"
for page in man1/lptpic-cli.1.gz man1/lptpic.1.gz man5/adapters.conf.5.gz; do
  if man -l "$root/usr/share/man/$page" 2>&1 >/dev/null | grep .; then
    echo "package-check: the manual page $page has formatting errors" >&2
    exit 1
  fi
done
# Errors and warnings fail the run; every tag is shown.
lintian --allow-root --fail-on error,warning --display-info "$dsc" "$changes"
echo "package-check: lintian: no error, no warning"

echo "== package: the installed programs"
(
  export PATH="$root/usr/bin:$PATH"
  export HOME="$root/home" XDG_CONFIG_HOME=
  lptpic-cli --version
  # No display at all: help and version still answer.
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb lptpic --version
  # As many parts as the catalogue transcribed for the tests lists.
  count=$(lptpic-cli devices | wc -l)
  expected=$(grep -vc '^#' tests/data/devices/catalogue.tsv)
  [ "$count" -eq "$expected" ] || {
    echo "package-check: installed lptpic-cli lists $count devices, not $expected" >&2
    exit 1
  }
  echo "lptpic-cli devices: $count devices"
  lptpic-cli --quiet --port sim --device 16F84 blank
  echo "lptpic-cli --port sim --device 16F84 blank: exit 0"
  AUTOPKGTEST_TMP=$(mktemp -d -p "$root") sh debian/tests/cli-simulator
  # The GUI with no path.dat beside it: its settings go to the user's
  # folder, never beside the program (tests/gui/settings_test.cpp holds the
  # system-folder rule).
  QT_QPA_PLATFORM=offscreen lptpic --port sim --screenshot "$root/shot.png" 2>/dev/null
  [ -f "$HOME/.config/lptpic/path.dat" ] && [ ! -e "$root/usr/bin/path.dat" ] || {
    echo "package-check: the GUI did not keep its settings in $HOME/.config/lptpic" >&2
    exit 1
  }
  echo "lptpic --screenshot: settings in ~/.config/lptpic, nothing beside the program"
)
echo "package-check: all passed"
