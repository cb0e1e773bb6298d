#!/usr/bin/env bash
# The release artefacts under Wine, in a Wine prefix of their own. Each zip
# holds the program, README.txt and LICENSE.txt only; its program imports only
# DLLs that Windows ships, starts and completes a search, and writes none of
# the keys the installer writes. The x64 MSI upgrades an older version built
# here in place, the x86 MSI replaces it and the x64 MSI the x86 one again;
# each time one entry in the uninstall key, one Start-menu shortcut, one
# Explorer verb and one App Paths entry name the installed program, whose
# verb's command starts it on a folder with a blank and Japanese letters in
# its path and which `start tarnwick` finds; the silent uninstall leaves
# Program Files, the Start menu and those keys as they were before. With
# TARNWICK_X86_SKIP set (to why Wine's 32-bit half is missing), the x86
# program is checked but not run.
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
search_by() { # ARCH WHAT COMMAND...: the command starts the program, which completes a search of the tree above
  local arch=$1 what=$2
  shift 2
  [ "$arch" = x86 ] && [ -n "$x86_skip" ] && return 0
  "$WINE" "$@" >/dev/null 2>&1 &
  app=$!
  "$WINE" "$probe" wait-status "Complate. All Search 3Files , 1239Bytes." 60000 >/dev/null || fail "$what did not complete a search"
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
  search_by "$arch" "the $arch zip's program" "$(winpath "$work/$arch/tarnwick.exe")" "$(winpath "$work/tree")"
  echo "$arch zip: imports only $(echo $imports); $(ran "$arch")"
done

# Wine's reg prints in the console's code page, Japanese here.
reg_query() { "$WINE" reg query "$@" 2>/dev/null | iconv -f cp932 -t utf-8 | tr -d '\r' || true; }
# The Explorer verb's keys in both views of the registry, a key or value a
# line: "[VIEW] CLASS\shell\Tarnwick[\command][ NAME=DATA]", @ the default.
verb_keys() {
  local view class
  for view in 64 32; do
    for class in Directory Drive; do
      reg_query "HKLM\\Software\\Classes\\$class" /s /reg:$view |
        awk -F '    ' -v view="$view" '/^HKEY_/ { key = $0; sub(/^HKEY_LOCAL_MACHINE\\Software\\Classes\\/, "", key) }
          key !~ /\\shell\\Tarnwick(\\|$)/ { next }
          /^HKEY_/ { print "[" view "] " key }
          $3 == "REG_SZ" { print "[" view "] " key " " ($2 ~ /^\(/ ? "@" : $2) "=" $4 }'
    done
  done | sort
}

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
    reg_query "HKLM\\Software\\$key\\Windows\\CurrentVersion\\Uninstall" /s | grep -E '^    |\\Uninstall\\' || true
  done
  reg_query 'HKLM\Software\Classes\Installer\Products' /s | grep -E '^    |\\Products\\' || true
  verb_keys
  # One key for both views, on Windows as under Wine.
  reg_query 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\tarnwick.exe' /ve |
    awk -F '    ' '$3 == "REG_SZ" { print "App Paths: tarnwick.exe=" $4 }'
}
snapshot > "$work/before.txt"
# The zips' programs have run: nothing the installer writes names Tarnwick yet.
! grep -i tarnwick "$work/before.txt" || fail "after the zips' programs ran, the lines above name Tarnwick"

entries() { sed -nE -e 's/^ +(DisplayName|DisplayVersion|Publisher) +REG_SZ +/\1=/p' -e 's/^ +(ProductIcon) +REG_SZ .*\\tarnwick\.ico$/\1/p' | sort | tr '\n' ';'; }
msi() { "$WINE" msiexec "$1" "$(winpath "$2")" /qn >/dev/null 2>&1 || fail "msiexec $1 $(basename "$2") exited with $?"; }
declare -A program_files=([x64]='C:\Program Files' [x86]='C:\Program Files (x86)')
# The view of the registry that holds a package's verb under Wine, which
# keeps a 32-bit program's classes apart; Windows shares these keys.
declare -A view=([x64]=64 [x86]=32)
expected_verb_keys() { # ARCH: verb_keys with that package installed
  local exe="${program_files[$1]}\\Tarnwick\\tarnwick.exe" key
  for key in 'Directory\shell\Tarnwick' 'Drive\shell\Tarnwick' 'Directory\Background\shell\Tarnwick'; do
    printf '[%s] %s\n' "${view[$1]}" "$key" "${view[$1]}" "$key @=Tarnwick" "${view[$1]}" "$key Icon=$exe,0" \
      "${view[$1]}" "$key\\command" "${view[$1]}" "$key\\command @=\"$exe\" %V"
  done | sort
}
installed() { # ARCH: what the package of that architecture leaves installed, the only Tarnwick
  local exe="${program_files[$1]}\\Tarnwick\\tarnwick.exe" now
  now=$(snapshot)
  [ "$(entries <<<"$now")" = "DisplayName=Tarnwick;DisplayVersion=$version;ProductIcon;Publisher=The Tarnwick authors;" ] ||
    fail "after installing the $1 MSI, the uninstall key holds: $(entries <<<"$now")"
  [ "$(grep -c '/Start Menu/Programs/Tarnwick\.lnk$' <<<"$now")" = 1 ] || fail "not one Start-menu shortcut"
  diff -u <(expected_verb_keys "$1") <(grep '^\[' <<<"$now") || fail "after installing the $1 MSI, the verb's keys hold the + lines above"
  grep -xF "App Paths: tarnwick.exe=$exe" <<<"$now" >/dev/null || fail "after installing the $1 MSI: $(grep '^App Paths' <<<"$now")"
}
# The command of the verb on a folder whose path has a blank and a Japanese
# name, as Explorer runs it: %V replaced, the line handed to the system as
# it stands (cmd starts a batch file's line so; it reads the file in the
# console's code page).
verb_folder="$work/by verb/日本語"
mkdir -p "$work/by verb" && cp -r "$work/tree" "$verb_folder"
verb_search() { # ARCH; sets command
  command=$(reg_query 'HKLM\Software\Classes\Directory\shell\Tarnwick\command' /ve /reg:"${view[$1]}" |
            awk -F '    ' '$3 == "REG_SZ" { print $4 }')
  printf '@%s\r\n' "${command//%V/"$(winpath "$verb_folder")"}" | iconv -f utf-8 -t cp932 > "$work/verb.bat"
  search_by "$1" "the verb's command" cmd.exe /c "$(winpath "$work/verb.bat")"
}

"$here/scripts/make-msi.sh" "$work/x64" x64 0.9.0 "$work/old.msi"
msi /i "$work/old.msi"  # the x64 MSI below upgrades it in place
[ "$(snapshot | entries)" = "DisplayName=Tarnwick;DisplayVersion=0.9.0;ProductIcon;Publisher=The Tarnwick authors;" ] ||
  fail "after installing 0.9.0: $(snapshot | entries)"
msi /i "$dist/Tarnwick-$version-x64.msi"
installed x64
verb_search x64
search_by x64 "start tarnwick" cmd.exe /c start /wait tarnwick "$(winpath "$work/tree")"
echo "x64 MSI over 0.9.0: one entry, for $version; one shortcut; one verb \"Tarnwick\" on folders, drives and" \
     "folder backgrounds: $command; App Paths; started by the verb on ...\\by verb\\日本語 and by" \
     "'start tarnwick', the program completed a search"
msi /i "$dist/Tarnwick-$version-x86.msi"
installed x86
verb_search x86
echo "x86 MSI over the x64 one: one entry, one shortcut, one verb and App Paths, all the x86 program's; its verb: $(ran x86)"
msi /i "$dist/Tarnwick-$version-x64.msi"
installed x64
msi /x "$dist/Tarnwick-$version-x64.msi"
snapshot | diff -u "$work/before.txt" - || fail "the uninstall left the lines marked + above"
echo "x64 MSI over the x86 one: one entry, one shortcut, one verb and App Paths, all the x64 program's; uninstalled without a trace of either"
# Wine's server is found through its prefix: stopped before the prefix goes,
# or it and Wine's services outlive the checks.
"$WINESERVER" -k || true
rm -rf "$work"
echo "release checks: all passed"
