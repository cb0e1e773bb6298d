#!/usr/bin/env bash
# End to end: a root whose folder "slow" takes 10 s to list, like a share
# that has stopped answering (a FUSE file system). While the program waits
# for that listing its window answers, Esc ends the run at once with the
# cancel text, and the window still answers and closes; the program ends once
# the listing lets go. Then, while a hold is on: a tree whose questions from
# the window's thread never return is searched to the end; Esc during the
# slow check of a root leaves nothing searched; eight runs against a share
# that answers nothing leave the threads within four of where they began.
# Skipped (77) where FUSE cannot be used.
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
for f in a b c d slow z z/dead z/slowcheck z/tree/x z/tree/y/z; do mkdir -p "$work/source/$f" && touch "$work/source/$f/f"; done
log="$work/listings.log" hold="$work/hold"
/usr/bin/python3 "$e2e_dir/slow-folder-fs.py" "$work/source" "$work/mnt" 10 "$log" "$hold" 2>"$work/fs.err" &
fs=$!
unmount() { rm -f "$hold"; fusermount3 -uz "$work/mnt" 2>/dev/null || kill "$fs" 2>/dev/null || true; }
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

# From here on the window's thread gets no answer from the mount, nor does
# anyone about "dead". (Nothing of this shell touches the mount meanwhile.)
touch "$hold"
"$WINE" "$exe" "$(winpath "$work/mnt/z/tree")" >/dev/null 2>&1 &
app=$!
"$WINE" "$probe" wait complete 60000 >/dev/null || fail "a tree that never answers the window's thread was not searched"
! grep -q ' main$' "$log" || fail "the window's thread asked: $(grep ' main$' "$log" | head -3)"
threads_before=$(ls "/proc/$app/task" | wc -l)
# The check of slowcheck waits 10 s for its attributes: Esc once that has
# begun gives it up, and nothing follows.
"$WINE" "$probe" search "$(winpath "$work/mnt/z/slowcheck")" 5000 || fail "the check of slowcheck did not begin"
for _ in $(seq 200); do grep -q '^begin /z/slowcheck$' "$log" && break; sleep 0.05; done
esc=$("$WINE" "$probe" esc-until-idle 5000 | tr -d '\r') || fail "Esc during a slow check"
[ "${esc#idle_ms=}" -le 1000 ] || fail "Esc during a slow check: $esc"
for run in 1 2 3 4 5 6 7 8; do
  "$WINE" "$probe" search-then-esc "$(winpath "$work/mnt/z/dead")" 10000 >/dev/null || fail "Esc in dead run $run"
done
threads_after=$(ls "/proc/$app/task" | wc -l)
# Once the check has let go, a search that followed it would list slowcheck.
for _ in $(seq 400); do grep -q '^end /z/slowcheck$' "$log" && break; sleep 0.05; done
[ "$threads_after" -le $((threads_before + 4)) ] || fail "eight dead runs: threads $threads_before -> $threads_after"
"$WINE" "$probe" rows "$(winpath "$work/rows.txt")" >/dev/null
rm -f "$hold"
grep -q '^end /z/slowcheck$' "$log" || fail "the check of slowcheck never ended"
! grep -q '^listed /z/slowcheck' "$log" || fail "slowcheck was searched after Esc"
grep -q 'tree' "$work/rows.txt" || fail "the rows of the tree were replaced: $(head -3 "$work/rows.txt")"
! grep -q ' main$' "$log" || fail "the window's thread asked: $(grep ' main$' "$log" | head -3)"
close_window
echo "held from the window's thread: searched to the end; Esc during a slow check: ${esc}, nothing searched; eight dead runs: threads $threads_before -> $threads_after"
unmount
rm -rf "$work"
