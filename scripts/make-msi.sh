#!/usr/bin/env bash
# Builds the installer of one architecture from a folder that holds
# tarnwick.exe and LICENSE.txt:
#
#   scripts/make-msi.sh FOLDER x64|x86 VERSION OUT.msi
#
# The product code is derived from the version and the architecture, so each
# version gets its own and a rebuild of the same one keeps it; the component
# codes depend on the architecture only, as they must stay put across versions
# and differ between a 32-bit and a 64-bit component (other folders, another
# view of the registry), though one package replaces the other.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder=$1 arch=$2 version=$3 out=$4

code() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID("6f1c8b52-3d0a-4e7b-9c41-2a8e5d7f0b13"), sys.argv[1])).upper())' "$1"; }
case "$arch" in
  x64) program_files=ProgramFiles64Folder win64=yes ;;
  x86) program_files=ProgramFilesFolder win64=no ;;
  *) echo "make-msi: unknown architecture $arch" >&2; exit 2 ;;
esac

# wixl reads its sources by names relative to where it runs, not by absolute
# paths: it runs among links to them.
out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
sources=$(mktemp -d)
trap 'rm -rf "$sources"' EXIT
ln -s "$(cd "$folder" && pwd)/tarnwick.exe" "$(cd "$folder" && pwd)/LICENSE.txt" "$here/res/icons/tarnwick.ico" \
      "$here/res/release/tarnwick.wxs" "$sources/"
cd "$sources"
wixl -a "$arch" -o "$out" \
  -D Version="$version" -D Arch="$arch" -D ProductCode="$(code "product/$arch/$version")" \
  -D ProgramComponent="$(code "component/program/$arch")" -D LicenceComponent="$(code "component/licence/$arch")" \
  -D ShellVerbComponent="$(code "component/shell-verb/$arch")" -D AppPathComponent="$(code "component/app-path/$arch")" \
  -D ProgramFilesFolder="$program_files" -D Win64="$win64" \
  tarnwick.wxs
