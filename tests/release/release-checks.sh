#!/usr/bin/env bash
# The release artefacts under Wine, in a Wine prefix of their own. Each zip
# holds the program, README.txt and LICENSE.txt only; its program imports only
# DLLs that Windows ships, starts and completes a search. The x64 MSI
# upgrades an older version built here in place; each MSI leaves one entry in
# the uninstall key, its installed program completes a search, and its silent
# uninstall leaves Program Files, the Start menu and the uninstall key as
# they were before. With TARNWICK_X86_SKIP set (to why Wine's 32-bit half is
# missing), the x86 program is checked but not run.
#   release-checks.sh RELEASE_DIR PROBE_EXE WORK_DIR
set -euo pipefail
dist=$(cd "$1" && pwd) probe=$2 work=$3
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rm -rf "$work" && mkdir -p "$work" && work=$(cd "$work" && pwd)
export TARNWICK_WINEPREFIX="$work/prefix"
. "$here/scripts/wine-env.sh"
# No Linux menu entries for the shortcuts the installer makes.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
wine_prepare_prefix
start_wine
. "$here/tests/e2e/e2e-session.sh"
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; kill "$DESKTOP_HOLDER_PID" 2>/dev/null || true; "$WINESERVER" -k || true' EXIT

(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the artefacts"
version=$(cd "$dist" && ls Tarnwick-*-x64.zip | sed 's/^Tarnwick-\(.*\)-x64\.zip$/\1/')
mkdir -p "$work/tree/a/b" "$work/tree/c"
head -c 1000 /dev/zero > "$work/tree/a/one"; head -c 234 /dev/zero > "$work/tree/a/b/two"; head -c 5 /dev/zero > "$work/tree/c/3"
x86_skip=${TARNWICK_X86_SKIP:-}
search_with() { # ARCH WINDOWS_EXE_PATH: the program completes a search of the tree above
  local arch=$1
  shift
  [ "$arch" = x86 ] && [ -n "$x86_skip" ] && return 0
  "$WINE" "$1" "$(winpath "$work/tree")" >/dev/null 2>&1 &
  app=$!
  "$WINE" "$probe" wait-status "Complate. All Search 3Files , 1239Bytes." 60000 >/dev/null || fail "$1 did not complete a search"
  close_window
}

ran() { # ARCH: what became of the program's run
  if [ "$1" = x86 ] && [ -n "$x86_skip" ]; then echo "not run ($x86_skip)"; else echo "the program completed a search"; fi
}

for arch in x64 x86; do
  zip="$dist/Tarnwick-$version-$arch.zip"
  [ "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "tarnwick.exe README.txt LICENSE.txt " ] || fail "$zip holds: $(unzip -Z1 "$zip")"
  unzip -q "$zip" -d "$work/$arch"
  imports=$(x86_64-w64-mingw32-objdump -p "$work/$arch/tarnwick.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
  # What every Windows 10 and 11 has; a mingw runtime DLL is not among them.
  unshipped=$(echo "$imports" | grep -vxE '(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|uxtheme|version|winmm)\.dll' || true)
  [ -n "$imports" ] && [ -z "$unshipped" ] || fail "the $arch program imports '$unshipped' of: $imports"
  search_with "$arch" "$(winpath "$work/$arch/tarnwick.exe")"
  echo "$arch zip: imports only $(echo $imports); $(ran "$arch")"
done

# What the installers may touch, as text to compare before and after. Wine
# puts a per-machine package's shortcuts into the user's Start menu, Windows
# into the common one; both are looked at.
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find "Program Files" "Program Files (x86)" ProgramData users windows/Installer 2>/dev/null |
    grep -E '^(Program Files|windows/Installer/)|/Start Menu' | sort || true)
  # The packages' keys and values below these keys (Apps & features takes a
  # package's icon from the last).
  local key
  for key in Microsoft Wow6432Node\\Microsoft; do
    "$WINE" reg query "HKLM\\Software\\$key\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null | tr -d '\r' |
      grep -E '^    |\\Uninstall\\' || true
  done
  "$WINE" reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' | grep -E '^    |\\Products\\' || true
}
entries() { snapshot | sed -nE -e 's/^ +(DisplayName|DisplayVersion|Publisher) +REG_SZ +/\1=/p' -e 's/^ +(ProductIcon) +REG_SZ .*\\tarnwick\.ico$/\1/p' | sort | tr '\n' ';'; }
msi() { "$WINE" msiexec "$1" "$(winpath "$2")" /qn >/dev/null 2>&1 || fail "msiexec $1 $(basename "$2") exited with $?"; }
snapshot > "$work/before.txt"
"$here/scripts/make-msi.sh" "$work/x64" x64 0.9.0 "$work/old.msi"
msi /i "$work/old.msi"  # the x64 MSI below upgrades it in place
[ "$(entries)" = "DisplayName=Tarnwick;DisplayVersion=0.9.0;ProductIcon;Publisher=The Tarnwick authors;" ] ||
  fail "after installing 0.9.0: $(entries)"
declare -A program_files=([x64]='C:\Program Files' [x86]='C:\Program Files (x86)')
for arch in x64 x86; do
  msi /i "$dist/Tarnwick-$version-$arch.msi"
  [ "$(entries)" = "DisplayName=Tarnwick;DisplayVersion=$version;ProductIcon;Publisher=The Tarnwick authors;" ] ||
    fail "after installing the $arch MSI, the uninstall key holds: $(entries)"
  [ "$(snapshot | grep -c '/Start Menu/Programs/Tarnwick\.lnk$')" = 1 ] || fail "no Start-menu shortcut"
  search_with "$arch" "${program_files[$arch]}\\Tarnwick\\tarnwick.exe"
  msi /x "$dist/Tarnwick-$version-$arch.msi"
  snapshot | diff -u "$work/before.txt" - || fail "the $arch uninstall left the lines marked + above"
  echo "$arch MSI: one entry, for $version; $(ran "$arch"); uninstalled without a trace"
done
# Wine's server is found through its prefix: stopped before the prefix goes,
# or it and Wine's services outlive the checks.
"$WINESERVER" -k || true
rm -rf "$work"
echo "release checks: all passed"
