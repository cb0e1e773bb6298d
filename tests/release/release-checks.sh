#!/usr/bin/env bash
# The release artefacts under Wine, in a Wine prefix of their own: each zip
# holds the program, README.txt and LICENSE.txt only, and its program imports
# only DLLs that Windows ships, starts and completes a search. The x64 MSI
# upgrades an older version built here in place (one entry in the uninstall
# key), its program completes a search, and its silent uninstall leaves
# Program Files, the Start menu and the uninstall key as they were; the x86
# MSI installs into Program Files (x86) and uninstalls as cleanly.
#   release-checks.sh RELEASE_DIR PROBE_EXE WORK_DIR
set -euo pipefail
dist=$(cd "$1" && pwd) probe=$2 work=$3
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
rm -rf "$work" && mkdir -p "$work"
export TARNWICK_WINEPREFIX="$work/prefix"
. "$here/scripts/wine-env.sh"
# No Linux menu entries for the shortcuts the installer makes.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
wine_prepare_prefix
start_wine
. "$here/tests/e2e/e2e-session.sh"
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; kill "$DESKTOP_HOLDER_PID" 2>/dev/null; "$WINESERVER" -k; true' EXIT

version=$(sed -n 's/^Tarnwick-\(.*\)-x64\.zip$/\1/p' < <(ls "$dist"))
[ -n "$version" ] || fail "no Tarnwick-<version>-x64.zip in $dist"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the artefacts"

# DLLs every Windows 10 and 11 has; a mingw runtime DLL is not among them.
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll
  shell32.dll shlwapi.dll user32.dll uxtheme.dll winmm.dll version.dll "
tree="$work/tree"
mkdir -p "$tree/a/b" "$tree/c"
head -c 1000 /dev/zero > "$tree/a/one"; head -c 234 /dev/zero > "$tree/a/b/two"; head -c 5 /dev/zero > "$tree/c/three"
searched="Complate. All Search 3Files , 1239Bytes."

# Starts the program on the tree and waits for the completion text.
search_with() { # WINDOWS_EXE_PATH
  "$WINE" "$1" "$(winpath "$tree")" >/dev/null 2>&1 &
  app=$!
  "$WINE" "$probe" wait-status "$searched" 60000 >/dev/null || fail "$1 did not complete a search"
  close_window
}

for arch in x64 x86; do
  unzip -q "$dist/Tarnwick-$version-$arch.zip" -d "$work/$arch"
  [ "$(unzip -Z1 "$dist/Tarnwick-$version-$arch.zip" | tr '\n' ' ')" = "tarnwick.exe README.txt LICENSE.txt " ] ||
    fail "the $arch zip holds: $(unzip -Z1 "$dist/Tarnwick-$version-$arch.zip" | tr '\n' ' ')"
  imports=$(x86_64-w64-mingw32-objdump -p "$work/$arch/tarnwick.exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || fail "no import table read from the $arch program"
  for dll in $imports; do
    [[ "$system_dlls" == *" $dll "* ]] || fail "the $arch program imports $dll, which Windows does not ship"
  done
  search_with "$(winpath "$work/$arch/tarnwick.exe")"
  echo "$arch zip: imports $(echo $imports); the program completed a search"
done

# What the installers may touch, as text to compare before and after.
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find "Program Files" "Program Files (x86)" ProgramData/Microsoft/Windows/"Start Menu" | sort)
  local key
  for key in "$uninstall_key" 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
    "$WINE" reg query "$key" /s 2>/dev/null | tr -d '\r'
  done
}
# Prints "DisplayVersion Publisher DisplayIcon-present" of each Tarnwick entry, one line each.
entries() {
  snapshot | awk '/^HKEY/ { if (name == "Tarnwick") print version, publisher, icon; name = version = publisher = icon = "" }
    $1 == "DisplayName" { name = $3 } $1 == "DisplayVersion" { version = $3 }
    $1 == "Publisher" { publisher = $0; sub(/.*REG_SZ[ \t]+/, "", publisher) } $1 == "DisplayIcon" { icon = "icon" }
    END { if (name == "Tarnwick") print version, publisher, icon }'
}
msi() { # /i|/x FILE
  "$WINE" msiexec "$1" "$(winpath "$2")" /qn >/dev/null 2>&1 || fail "msiexec $1 $(basename "$2") exited with $?"
}
before="$work/before.txt"
snapshot > "$before"

"$here/scripts/make-msi.sh" "$work/x64" x64 0.9.0 "$work/Tarnwick-0.9.0-x64.msi"
msi /i "$work/Tarnwick-0.9.0-x64.msi"
[ "$(entries)" = "0.9.0 The Tarnwick authors icon" ] || fail "after installing 0.9.0: $(entries)"
msi /i "$dist/Tarnwick-$version-x64.msi"
[ "$(entries)" = "$version The Tarnwick authors icon" ] || fail "after the upgrade, the entries read: $(entries)"
programs="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
[ -f "$programs/Tarnwick.lnk" ] || fail "no Start-menu shortcut"
cmp -s "$work/x64/tarnwick.exe" "$WINEPREFIX/drive_c/Program Files/Tarnwick/tarnwick.exe" ||
  fail "Program Files\\Tarnwick\\tarnwick.exe is not the zip's program"
search_with 'C:\Program Files\Tarnwick\tarnwick.exe'
msi /x "$dist/Tarnwick-$version-x64.msi"
snapshot | diff -u "$before" - || fail "the x64 uninstall left the lines marked + above"
echo "x64 MSI: upgraded 0.9.0 to $version in place, the installed program completed a search, uninstalled cleanly"

msi /i "$dist/Tarnwick-$version-x86.msi"
[ "$(entries)" = "$version The Tarnwick authors icon" ] || fail "after installing the x86 MSI: $(entries)"
cmp -s "$work/x86/tarnwick.exe" "$WINEPREFIX/drive_c/Program Files (x86)/Tarnwick/tarnwick.exe" ||
  fail "Program Files (x86)\\Tarnwick\\tarnwick.exe is not the zip's program"
msi /x "$dist/Tarnwick-$version-x86.msi"
snapshot | diff -u "$before" - || fail "the x86 uninstall left the lines marked + above"
echo "x86 MSI: installed into Program Files (x86), uninstalled cleanly"
rm -rf "$work"
echo "release checks: all passed"
