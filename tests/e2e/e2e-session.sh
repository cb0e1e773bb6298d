# Sourced by the end-to-end scripts once they have set `probe`: the Wine
# environment, the helpers every script uses, and a desktop that stays open
# for the whole script. `app` holds the running program's process id.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
winpath() { printf 'Z:%s' "$(echo "$1" | tr / '\\')"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
app=""

# Wine closes a desktop a second after the last program on it has gone and
# starts a new one for the next; a program starting during that second could
# end up on the closing desktop while the next probe lands on the new one.
# The probe's idle process stays on the desktop for the whole script.
hold_desktop() {
  local ready
  exec {holder_fd}< <(exec "$WINE" "$probe" hold-desktop 2>/dev/null)
  DESKTOP_HOLDER_PID=$!
  read -r -u "$holder_fd" ready || fail "the desktop holder did not start"
}
DESKTOP_HOLDER_PID=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; [ -n "$DESKTOP_HOLDER_PID" ] && kill "$DESKTOP_HOLDER_PID" 2>/dev/null; true' EXIT
hold_desktop

# Closes the window; the program then ends with exit code 0. A window that
# went by itself is told apart from one that would not close.
close_window() {
  local code=0
  if ! "$WINE" "$probe" close >/dev/null; then
    kill -0 "$app" 2>/dev/null && fail "the program runs, but its window has gone"
    wait "$app" || code=$?
    fail "the program ended by itself (exit code $code) before the test closed it"
  fi
  wait "$app" || fail "the program ended with exit code $?"
  app=""
}
