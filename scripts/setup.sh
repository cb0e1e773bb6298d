#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine (run as root),
# generates the Japanese locale, and builds both trees:
#   build/native  the portable core and its tests, for Linux
#   build/win     tarnwick.exe and the Windows-side tests, cross-compiled
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64 xvfb xauth
          fonts-ipafont-gothic fonts-wine locales imagemagick cmake make g++ googletest
          x11-utils python3 fuse3 python3-fusepy)
# Wine's 32-bit half runs the x86 release; it comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
packages+=(wine32:i386 unzip)
. "$here/scripts/debian-packages.sh"
# A line per step, so that a first run, which takes minutes, shows where it is.
echo "setup: checking the Debian packages ..."
install_missing_packages setup "${packages[@]}"

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the Japanese locale ..."
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

jobs=$(nproc)
echo "setup: building the native tree (build/native) ..."
cmake -S "$here" -B "$here/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build/native" -j "$jobs"
echo "setup: building the Windows program and its tests (build/win) ..."
cmake -S "$here" -B "$here/build/win" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$here/build/win" -j "$jobs"
echo "setup: done"
