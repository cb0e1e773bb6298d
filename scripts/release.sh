#!/usr/bin/env bash
# Builds the release for Windows users from this checkout (run as root on
# Debian 12; installs the packages it needs):
#
#   scripts/release.sh [output folder, default build/release]
#
# Writes Tarnwick-<version>-x64.zip and -x86.zip (the program, LICENSE.txt and
# README.txt), Tarnwick-<version>-x64.msi and -x86.msi, and SHA256SUMS, then
# lists them with their sizes and checksums. The version is the CMake project
# version. The zips carry the last commit's time and a fixed order, so two
# builds of one commit give the same bytes.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/build/release}"

packages=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev g++-mingw-w64-i686-posix mingw-w64-i686-dev
          cmake make wixl python3 git)
. "$here/scripts/debian-packages.sh"
install_missing_packages release "${packages[@]}"

epoch=$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo "${SOURCE_DATE_EPOCH:-315532800}")
rm -rf "$out" && mkdir -p "$out"
declare -A toolchain=([x64]=mingw-w64-x86_64 [x86]=mingw-w64-i686)
for arch in x64 x86; do
  tree="$here/build/release-$arch"
  # The program only, without symbols: the tests are built and run elsewhere.
  cmake -S "$here" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DTARNWICK_TESTS=OFF -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/${toolchain[$arch]}.cmake" >/dev/null
  cmake --build "$tree" --target tarnwick -j "$(nproc)" >"$tree/build.log" 2>&1 ||
    { tail -n 30 "$tree/build.log" >&2; echo "release: the $arch build failed" >&2; exit 1; }
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")

  # What goes into the zip and the installer; the texts with Windows line ends.
  stage="$here/build/release-stage/$arch"
  rm -rf "$stage" && mkdir -p "$stage"
  cp "$tree/src/app/tarnwick.exe" "$stage/tarnwick.exe"
  sed 's/$/\r/' "$here/LICENSE" > "$stage/LICENSE.txt"
  sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$here/res/release/README.txt" > "$stage/README.txt"

  name="Tarnwick-$version-$arch"
  python3 "$here/scripts/make-zip.py" "$out/$name.zip" "$epoch" \
          "$stage/tarnwick.exe" "$stage/README.txt" "$stage/LICENSE.txt"
  "$here/scripts/make-msi.sh" "$stage" "$arch" "$version" "$out/$name.msi"
done

(cd "$out" && sha256sum -- *.zip *.msi > SHA256SUMS)
echo "release: Tarnwick $version in $out"
(cd "$out" && for f in *.zip *.msi SHA256SUMS; do
  printf '%-28s %9s bytes  %s\n' "$f" "$(stat -c %s "$f")" "$(sha256sum "$f" | cut -d' ' -f1)"
done)
