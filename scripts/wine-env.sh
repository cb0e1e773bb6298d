# Sourced by the scripts that run Windows programs: a private Wine prefix
# inside the build tree, Japanese locale, no debug output.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${TARNWICK_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine reads it; this shell need not, and one that began before the locale
# was generated warns about it.
{ export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Creates the prefix once: no window manager under Xvfb, so windows are left
# unmanaged (hiding one then takes milliseconds, not seconds), and the
# title-bar font is put in place. The Japanese dialog fonts otherwise all map
# to the fixed-pitch IPA Gothic, whose wide Latin letters overflow the labels;
# the proportional IPA P Gothic is what a Japanese system's UI font looks like.
wine_prepare_prefix() {
  [ -f "$WINEPREFIX/.tarnwick-ready-2" ] && return 0
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot --init >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  local face
  for face in "MS Shell Dlg" "MS UI Gothic"; do
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
  done
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  "$WINESERVER" -w
  touch "$WINEPREFIX/.tarnwick-ready-2"
}

# Starts Xvfb on the first free display number unless DISPLAY is already set.
# Sets XVFB_PID when it started one.
start_display() {
  XVFB_PID=""
  if [ -n "${DISPLAY:-}" ] && [ -z "${TARNWICK_OWN_DISPLAY:-}" ]; then return 0; fi
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    # Not ready on this number (taken meanwhile, say): stop it, try the next.
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  echo "no free X display" >&2
  return 1
}

# A persistent wineserver and Wine's services, started with their output sent
# away so that they do not hold a test runner's pipes open.
start_wine() {
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null
  "$WINE" cmd.exe /c exit >/dev/null 2>&1 </dev/null
}

stop_wine_and_display() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
