#!/usr/bin/env bash
# Installs what Tarnwick needs on a Debian 12 machine (run as root),
# generates the Japanese locale, and builds:
#
#   scripts/setup.sh run    what running the program needs (the x64 cross
#                           compiler, 64-bit Wine, Xvfb, fonts, the locale);
#                           builds build/app, the program and its probe
#   scripts/setup.sh test   (the default) that and what the tests and release
#                           checks need; tries Wine's 32-bit half; builds
#                           build/native  the portable core and its tests
#                           build/win     the x64 program and Windows-side tests
#                           build/win-x86 the same for x86, built, not run
#
# When Wine's 32-bit half cannot be installed, build/wine32-missing.txt says
# why, and the checks that run the x86 program under Wine are left out.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode=${1:-test}
. "$here/scripts/debian-packages.sh"

run_packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64 xvfb xauth
              fonts-ipafont-gothic fonts-wine locales imagemagick cmake make x11-utils)
test_packages=(g++ googletest python3 fuse3 python3-fusepy unzip
               g++-mingw-w64-i686-posix mingw-w64-i686-dev)
# A line per step, so that a first run, which takes minutes, shows where it is.
echo "setup: checking the Debian packages ..."
case "$mode" in
  run) install_missing_packages setup "${run_packages[@]}" ;;
  test) install_missing_packages setup "${run_packages[@]}" "${test_packages[@]}" ;;
  *) echo "setup: unknown mode '$mode' (run or test)" >&2; exit 2 ;;
esac

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the Japanese locale ..."
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

jobs=$(nproc)
mkdir -p "$here/build"
if [ "$mode" = run ]; then
  echo "setup: building the Windows program (build/app) ..."
  cmake -S "$here" -B "$here/build/app" -DCMAKE_BUILD_TYPE=Release -DTARNWICK_TESTS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$here/build/app" --target tarnwick tarnwick_probe -j "$jobs"
  echo "setup: done"
  exit 0
fi

# Wine's 32-bit half runs the x86 program. It comes from the i386
# architecture, whose package index may be out of step with the amd64 one;
# without it the x86 program is still built and its release checked, only
# not run.
wine32_note="$here/build/wine32-missing.txt"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
if try_install_packages setup wine32:i386; then
  rm -f "$wine32_note"
else
  echo "wine32:i386 could not be installed: ${PACKAGES_NOT_INSTALLED#wine32:i386: }" > "$wine32_note"
  echo "setup: the x86 program will not run under Wine: $(cat "$wine32_note")"
fi

echo "setup: building the native tree (build/native) ..."
cmake -S "$here" -B "$here/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build/native" -j "$jobs"
declare -A toolchain=([win]=mingw-w64-x86_64 [win-x86]=mingw-w64-i686)
for tree in win win-x86; do
  echo "setup: building the Windows program and its tests (build/$tree) ..."
  cmake -S "$here" -B "$here/build/$tree" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/${toolchain[$tree]}.cmake" >/dev/null
  cmake --build "$here/build/$tree" -j "$jobs"
done
echo "setup: done"
