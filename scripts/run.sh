#!/usr/bin/env bash
# Installs what running Tarnwick needs, builds it if needed and starts it
# under Wine:
#
#   scripts/run.sh [folder]
#
# The folder text becomes the program's command line, so it is searched at
# start-up. A Linux path (/usr/share) is handed over in its Wine form
# (Z:\usr\share); any other text (C:\Data, a quoted path) goes as written.
#
# With a usable X display the window simply opens. Without one the program
# runs on a private Xvfb until its window has settled (the search done, a
# message shown, or TARNWICK_RUN_TIMEOUT seconds, default 120); a picture of
# the window is saved and its path printed, and everything started here is
# stopped again.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

mkdir -p "$here/build"
# The build's own output goes to the log; its step lines are shown here.
if ! "$here/scripts/setup.sh" run 2>&1 | tee "$here/build/run-setup.log" | { grep --line-buffered '^setup: ' || true; }; then
  tail -n 30 "$here/build/run-setup.log" >&2
  echo "run: setup or build failed (log: build/run-setup.log)" >&2
  exit 1
fi

# A prefix of its own, so that a test run in the same tree and this program
# never stop each other's Wine processes.
export TARNWICK_WINEPREFIX="${TARNWICK_WINEPREFIX:-$here/build/wineprefix-run}"
. "$here/scripts/wine-env.sh"
echo "run: preparing the Wine prefix (build/wineprefix-run) ..."
wine_prepare_prefix

text="$*"
if [[ "$text" == /* ]]; then
  text="Z:${text//\//\\}"
fi
# Wine joins the arguments with one blank each and puts quotation marks
# around any argument holding a blank; handing the text over word by word
# makes it arrive unquoted, as typed.
words=()
[ -n "$text" ] && read -r -a words <<<"$text"

exe="$here/build/app/src/app/tarnwick.exe"
probe="$here/build/app/tools/tarnwick_probe.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "run: starting the program under Wine on $DISPLAY"
  exec "$WINE" "$exe" "${words[@]}"
fi

unset DISPLAY
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  stop_wine_and_display
}
trap cleanup EXIT
TARNWICK_OWN_DISPLAY=1 start_display
start_wine

echo "run: starting the program under Wine on a private display ..."
"$WINE" "$exe" "${words[@]}" >/dev/null 2>&1 &
app_pid=$!
placement=$("$WINE" "$probe" "${TARNWICK_RUN_TIMEOUT:-120}" 2>/dev/null) || true
read -r x y width height reason <<<"$placement" || true
if [ -z "${reason:-}" ]; then
  echo "run: the window did not appear" >&2
  exit 1
fi
[ "$reason" = timeout ] && echo "run: the window had not settled; picture taken anyway" >&2

echo "run: the window has settled ($reason); saving its picture"
shot="${TARNWICK_SCREENSHOT:-$here/build/tarnwick.png}"
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$shot"
echo "$shot"
