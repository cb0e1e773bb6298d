#!/usr/bin/env bash
# End to end: a root whose folder "slow" takes 10 s to list, like a share
# that has stopped answering (a FUSE file system). While the program waits
# for that listing its window answers, Esc ends the run at once with the
# cancel text, and the window still answers and closes; the program ends once
# the listing lets go. Skipped (77) where FUSE cannot be used.
#   slow-folder-end-to-end.sh TARNWICK_EXE PROBE_EXE WORK_DIR
set -euo pipefail
exe=$1 probe=$2 work=$3
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ ! -c /dev/fuse ] || ! command -v fusermount3 >/dev/null || ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
  echo "FUSE cannot be used here: skipped"
  exit 77
fi
. "$e2e_dir/e2e-session.sh"

rm -rf "$work" && mkdir -p "$work/mnt"
for f in a b c d slow z; do mkdir -p "$work/source/$f" && touch "$work/source/$f/f"; done
log="$work/listings.log"
/usr/bin/python3 "$e2e_dir/slow-folder-fs.py" "$work/source" "$work/mnt" 10 "$log" 2>"$work/fs.err" &
fs=$!
unmount() { fusermount3 -uz "$work/mnt" 2>/dev/null || kill "$fs" 2>/dev/null || true; }
trap 'unmount; [ -n "$app" ] && kill "$app" 2>/dev/null; [ -n "$DESKTOP_HOLDER_PID" ] && kill "$DESKTOP_HOLDER_PID" 2>/dev/null; true' EXIT
for _ in $(seq 100); do mountpoint -q "$work/mnt" && break; sleep 0.1; done
mountpoint -q "$work/mnt" || fail "the slow file system did not mount: $(cat "$work/fs.err")"

# Folders are listed and counted in listing order: a to d, then slow (Wine
# lists one folder at a time, so slow's listing holds up the listings
# started after it). Once d's progress shows, the run waits for slow:
# the probe times the window's answers for 2 s, presses Esc and times the
# answers until the cancel text.
"$WINE" "$probe" esc-when-shown '\d\.' 2000 60000 > "$work/esc.txt" &
probe_run=$!
"$WINE" "$exe" "$(winpath "$work/mnt")" >/dev/null 2>&1 &
app=$!
wait "$probe_run" || fail "Esc while a listing hangs: $(cat "$work/esc.txt")"
read -r cancelled_ms slowest_ms <<<"$(tr -d '\r' < "$work/esc.txt" | sed 's/[a-z_]*=//g')"
grep -q '^begin /slow' "$log" || fail "the slow folder was never listed"
! grep -q '^end /slow' "$log" || fail "the run ended only after the slow listing had"
# Bounds far above what the window needs, far below the listing's 10 s.
[ "$cancelled_ms" -le 1000 ] || fail "the cancel text came $cancelled_ms ms after Esc"
[ "$slowest_ms" -le 1000 ] || fail "the window took $slowest_ms ms to answer"
close_window
echo "a listing of 10 s: the window answered within $slowest_ms ms, Esc gave the cancel text after $cancelled_ms ms"
unmount
rm -rf "$work"
