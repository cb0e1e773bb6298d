#!/usr/bin/env bash
# End to end: starts the real tarnwick.exe under Wine with a generated folder
# tree on its command line, waits for the completion text, reads every row
# back from the window with window_probe, and checks each subfolder's bytes,
# files and folders against an independent count made with find, then sorts
# the rows by file count and by name with clicks on the headers. Then a move
# down by double-click and back up, a run cancelled with Esc, and a run whose
# window is closed mid-way, and a run during which Alt and F10 are tapped
# (it completes by itself). Last, a tree with a chain of folders deeper than
# the system can read: the totals stay those of what could be read, and the
# second status panel says so. Then a root of 20,000 files and no folders: a
# click on "サイズ" while their rows are added sorts them once all are there,
# and Esc while they are added stops the run there.
#   search-end-to-end.sh TARNWICK_EXE PROBE_EXE WORK_DIR
set -euo pipefail
exe=$1 probe=$2 work=$3
. "$(dirname "${BASH_SOURCE[0]}")/e2e-session.sh"

rm -rf "$work" && mkdir -p "$work"
tree="$work/tree"

# A tree with nested folders, empty files and folders, names in several
# scripts and hidden entries.
mkdir -p "$tree/alpha/one/two" "$tree/beta" "$tree/空のフォルダ" "$tree/写真 2024/raw" "$tree/.hidden-dir/x" \
         "$tree/folder 2" "$tree/Folder 10"
head -c 1234567 /dev/zero > "$tree/alpha/big.bin"
head -c 10 /dev/zero > "$tree/alpha/one/ten"
head -c 0 /dev/zero > "$tree/alpha/one/two/empty"
for i in $(seq 1 25); do head -c $((i * 37)) /dev/zero > "$tree/beta/f$i"; done
head -c 4096 /dev/zero > "$tree/写真 2024/raw/画像😀.raw"
head -c 77 /dev/zero > "$tree/.hidden-dir/x/.secret"
head -c 5 /dev/zero > "$tree/root-file.txt"
head -c 6 /dev/zero > "$tree/ルート.txt"
for i in 1 2 3; do head -c 1 /dev/zero > "$tree/Folder 10/$i"; done

expected="$work/expected.tsv"
: > "$expected"
for d in "$tree"/*/ "$tree"/.*/; do
  name=$(basename "$d")
  [ "$name" = . ] || [ "$name" = .. ] && continue
  files=$(find "$d" -type f | wc -l)
  bytes=$(find "$d" -type f -printf '%s\n' | awk '{s+=$1} END {print s+0}')
  folders=$(find "$d" -mindepth 1 -type d | wc -l)
  printf '%s\t%s\t%s\t%s\n' "$name" "$bytes" "$files" "$folders" >> "$expected"
done
sort -o "$expected" "$expected"

# --- a completed run
"$WINE" "$exe" "$(winpath "$tree")" >/dev/null 2>&1 &
app=$!
status=$("$WINE" "$probe" wait complete 120000 | tr -d '\r') || fail "no completion text"
"$WINE" "$probe" rows "$(winpath "$work/rows.tsv")" >/dev/null || fail "cannot read rows"
panel2=$("$WINE" "$probe" panel2 | tr -d '\r') || fail "cannot read status panel 2"
# "ファイル数" (the fourth header) twice: descending file counts; then the
# name (the first header), still descending.
"$WINE" "$probe" header 4 >/dev/null && "$WINE" "$probe" header 4 >/dev/null || fail "cannot click a header"
"$WINE" "$probe" rows "$(winpath "$work/by-files.tsv")" >/dev/null || fail "cannot read rows"
"$WINE" "$probe" header 1 >/dev/null || fail "cannot click a header"
"$WINE" "$probe" rows "$(winpath "$work/by-name.tsv")" >/dev/null || fail "cannot read rows"
close_window
[ -z "$panel2" ] || fail "a tree read whole reports: $panel2"

# The probe heads its columns with the sub-items' names; `cells` picks
# columns by those names from the rows whose Kind is given.
cells() { # FILE KIND NAME...
  awk -F'\t' -v kind="$2" -v names="${*:3}" '
    NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; n = split(names, want, " "); next }
    $col["Kind"] == kind { line = ""; for (j = 1; j <= n; j++) line = line (j > 1 ? "\t" : "") $col[want[j]]; print line }' "$1"
}
# The padded byte size read as a number drops its leading zeros.
cells "$work/rows.tsv" 1 BareName PaddedSize Files Folders |
  awk -F'\t' '{ printf "%s\t%d\t%s\t%s\n", $1, $2, $3, $4 }' | sort > "$work/actual.tsv"
diff -u "$expected" "$work/actual.tsv" || fail "folder totals differ from find's count"
[ "$(cells "$work/rows.tsv" 2 BareName | wc -l)" -eq 2 ] || fail "expected two root-file rows"
files=$(awk -F'\t' '{f+=$3} END {print f}' "$expected")
bytes=$(awk -F'\t' '{b+=$2} END {print b}' "$expected")
[ "$status" = "Complate. All Search ${files}Files , ${bytes}Bytes." ] || fail "completion text: $status"
echo "completed run: $(tail -n +2 "$work/rows.tsv" | wc -l) rows match find's count; $status"

# Sorted by file count, descending: folder rows first, their counts never
# rising, then the root files.
awk -F'\t' 'NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; next }
  { print $col["Kind"] "\t" $col["Files"] }' "$work/by-files.tsv" > "$work/kinds-files.tsv"
sort -t$'\t' -k1,1n -k2,2nr -s "$work/kinds-files.tsv" | diff -u - "$work/kinds-files.tsv" ||
  fail "rows not in descending file count, folders first"
[ "$(tail -n +2 "$work/by-files.tsv" | wc -l)" -eq "$(tail -n +2 "$work/rows.tsv" | wc -l)" ] || fail "rows lost"
# Sorted by name, descending: the Latin names as the shell orders them
# (case ignored, digit runs as numbers), below the Japanese ones; then the
# root files.
by_name=$(cells "$work/by-name.tsv" 1 BareName | tr '\n' '|')
latin=$(cells "$work/by-name.tsv" 1 BareName | LC_ALL=C grep -E '^[ -~]+$' | tr '\n' '|')
[ "$latin" = "Folder 10|folder 2|beta|alpha|.hidden-dir|" ] || fail "Latin names by name: $latin"
[[ "$by_name" == *"|Folder 10|folder 2|beta|alpha|.hidden-dir|" ]] || fail "folder rows by name: $by_name"
[ "$(cells "$work/by-name.tsv" 2 BareName | tr '\n' '|')" = "ルート.txt|root-file.txt|" ] ||
  fail "root files by name: $(cells "$work/by-name.tsv" 2 BareName | tr '\n' '|')"
echo "sorted by file count and by name: $by_name"

# --- down into a subfolder by a double-click on its row, back up with the
# go-up button; the rows are read again after each move and checked against
# find's count of the folder moved to.
check_listing() { # FOLDER ROOT_FILES
  local d name
  for d in "$1"/*/ "$1"/.*/; do
    name=$(basename "$d")
    [ -d "$d" ] && [ "$name" != . ] && [ "$name" != .. ] || continue
    printf '%s\t%s\t%s\t%s\n' "$name" "$(find "$d" -type f -printf '%s\n' | awk '{s+=$1} END {print s+0}')" \
      "$(find "$d" -type f | wc -l)" "$(find "$d" -mindepth 1 -type d | wc -l)"
  done | sort > "$work/moved-expected.tsv"
  "$WINE" "$probe" rows "$(winpath "$work/moved.tsv")" >/dev/null || fail "cannot read rows"
  cells "$work/moved.tsv" 1 BareName PaddedSize Files Folders |
    awk -F'\t' '{ printf "%s\t%d\t%s\t%s\n", $1, $2, $3, $4 }' | sort > "$work/moved-actual.tsv"
  diff -u "$work/moved-expected.tsv" "$work/moved-actual.tsv" || fail "folder rows after moving to $1"
  [ "$(cells "$work/moved.tsv" 2 BareName | wc -l)" -eq "$2" ] || fail "file rows after moving to $1"
}
"$WINE" "$exe" "$(winpath "$tree")" >/dev/null 2>&1 &
app=$!
"$WINE" "$probe" wait-status "$status" 120000 >/dev/null || fail "no completion text"
"$WINE" "$probe" double-click alpha >/dev/null || fail "cannot double-click alpha"
# Inside alpha's subfolders: one/ten (10 bytes) and one/two/empty.
alpha_status=$("$WINE" "$probe" wait-status "Complate. All Search 2Files , 10Bytes." 60000 | tr -d '\r') \
  || fail "the double-click did not search alpha"
check_listing "$tree/alpha" 1
"$WINE" "$probe" go-up >/dev/null || fail "cannot click the go-up button"
"$WINE" "$probe" wait-status "$status" 60000 >/dev/null || fail "the go-up button did not search the root again"
check_listing "$tree" 2
close_window
echo "moved down by double-click ($alpha_status) and back up with the go-up button"

# --- a run cancelled with Esc and a run closed mid-way, on a tree of many folders
many="$work/many"
for top in a b c; do
  for i in $(seq 1 400); do mkdir -p "$many/$top/d$i/e"; done
done
"$WINE" "$exe" "$(winpath "$many")" >/dev/null 2>&1 &
app=$!
"$WINE" "$probe" wait progress 60000 >/dev/null || fail "no progress report"
"$WINE" "$probe" esc >/dev/null || fail "no window to press Esc in"
status=$("$WINE" "$probe" wait cancelled 60000 | tr -d '\r') || fail "Esc did not stop the run"
"$WINE" "$probe" rows "$(winpath "$work/cancelled.tsv")" >/dev/null || fail "cannot read rows"
[ "$(tail -n +2 "$work/cancelled.tsv" | wc -l)" -lt 3 ] || fail "a cancelled run listed every folder"
close_window
echo "Esc stopped the run: $status"

"$WINE" "$exe" "$(winpath "$many")" >/dev/null 2>&1 &
app=$!
"$WINE" "$probe" wait progress 60000 >/dev/null || fail "no progress report"
# A program that never ended would be stopped by the test's time limit.
close_window
echo "closing during a run ended the program"

# Alt, F10 and Shift+F10 (no row selected) tapped during a run, as real keys:
# the run goes on and completes with no further input.
mkdir -p "$work/keys"/{a,b,c}/d{1..1500}/e
"$WINE" "$exe" "$(winpath "$work/keys")" >/dev/null 2>&1 &
app=$!
"$WINE" "$probe" wait progress 60000 >/dev/null || fail "no progress report"
for key in alt f10 shift-f10; do
  "$WINE" "$probe" menu-key "$key" >/dev/null || fail "the run stood still after $key, or had ended before it"
done
status=$("$WINE" "$probe" wait complete 60000 | tr -d '\r') || fail "the run did not complete after the keys"
close_window
echo "Alt, F10 and Shift+F10 during a run: $status"

# --- a chain deeper than the system can read (paths past some 4,000
# characters under Wine), beside a plain folder
deep="$work/deep"
mkdir -p "$deep/chain" "$deep/plain"
head -c 3 /dev/zero > "$deep/plain/f"
(cd "$deep/chain" && for i in $(seq 1 800); do head -c 1 /dev/zero > f; mkdir abcde; cd abcde; done)
"$WINE" "$exe" "$(winpath "$deep")" >/dev/null 2>&1 &
app=$!
status=$("$WINE" "$probe" wait complete 120000 | tr -d '\r') || fail "no completion text for the deep chain"
"$WINE" "$probe" rows "$(winpath "$work/deep.tsv")" >/dev/null || fail "cannot read rows"
panel2=$("$WINE" "$probe" panel2 | tr -d '\r') || fail "cannot read status panel 2"
close_window
[ "$panel2" = "1 folder could not be read" ] || fail "the unreadable end of the chain is not reported: '$panel2'"
[ "$(cells "$work/deep.tsv" 1 BareName Overlay | sort | tr '\t\n' ': ')" = "chain:1 plain:0 " ] ||
  fail "only the chain's row should be marked: $(cells "$work/deep.tsv" 1 BareName Overlay | tr '\t\n' ': ')"
chain_files=$(cells "$work/deep.tsv" 1 BareName Files | awk -F'\t' '$1 == "chain" { print $2 }')
[ "$chain_files" -gt 0 ] && [ "$chain_files" -lt 800 ] || fail "the chain counted $chain_files of its 800 files"
echo "deep chain: $status; panel 2: $panel2"

# --- a click on "サイズ" while the rows of a root of many files and no
# folders are added: it waits for that phase to end and sorts them then; the
# arrow shows that order, and the next click reverses it. The probe starts
# first and waits for the window, so that it sees the root-file phase from
# its beginning.
files_root="$work/files"
mkdir -p "$files_root"
python3 - "$files_root" <<'PY'
import os, sys
for i in range(1, 20001):
    with open(os.path.join(sys.argv[1], "file-%05d.dat" % i), "wb") as f:
        f.write(bytes(i * 7919 % 1000))
PY
"$WINE" "$probe" header-in-root-files 3 60000 > "$work/click.txt" 2>&1 &
probe_run=$!
"$WINE" "$exe" "$(winpath "$files_root")" >/dev/null 2>&1 &
app=$!
wait "$probe_run" || fail "a click on サイズ among the root files: $(cat "$work/click.txt")"
"$WINE" "$probe" wait complete 120000 >/dev/null || fail "no completion text for the root of many files"
"$WINE" "$probe" column "$(winpath "$work/clicked.txt")" PaddedSize >/dev/null || fail "cannot read rows"
arrow=$("$WINE" "$probe" arrow | tr -d '\r') || fail "cannot read the arrow"
"$WINE" "$probe" header 3 >/dev/null || fail "cannot click a header"
"$WINE" "$probe" column "$(winpath "$work/clicked-again.txt")" PaddedSize >/dev/null || fail "cannot read rows"
arrow_again=$("$WINE" "$probe" arrow | tr -d '\r') || fail "cannot read the arrow"
close_window
[ "$(wc -l < "$work/clicked.txt")" -eq 20000 ] || fail "rows of the root of many files lost"
LC_ALL=C sort -c -r "$work/clicked.txt" || fail "the click among the root files did not sort them by size, descending"
[ "$arrow" = "3 down" ] || fail "after the click among the root files the arrow shows: $arrow"
LC_ALL=C sort -c "$work/clicked-again.txt" || fail "the next click did not sort by size, ascending"
[ "$arrow_again" = "3 up" ] || fail "after the next click the arrow shows: $arrow_again"
echo "a click on サイズ among 20,000 root files: sorted once they were added, arrow $arrow, then $arrow_again"

# --- Esc while the rows of the root of many files are added: honoured there,
# and the window answers meanwhile.
"$WINE" "$probe" esc-in-root-files 60000 > "$work/esc.txt" &
probe_run=$!
"$WINE" "$exe" "$(winpath "$files_root")" >/dev/null 2>&1 &
app=$!
wait "$probe_run" || fail "Esc during the root-file phase: $(cat "$work/esc.txt")"
read -r cancelled_ms slowest_ms <<<"$(tr -d '\r' < "$work/esc.txt" | sed 's/[a-z_]*=//g')"
# Bounds far above what the window needs, far below a window that waits for
# the whole phase.
[ "$cancelled_ms" -le 1000 ] || fail "the cancel text came $cancelled_ms ms after Esc"
[ "$slowest_ms" -le 1000 ] || fail "the window took $slowest_ms ms to answer"
"$WINE" "$probe" rows "$(winpath "$work/files.tsv")" >/dev/null || fail "cannot read rows"
rows=$(tail -n +2 "$work/files.tsv" | wc -l)
[ "$rows" -gt 0 ] && [ "$rows" -lt 20000 ] || fail "a run stopped among the root files shows $rows rows"
close_window
echo "Esc among 20,000 root files: cancel text after $cancelled_ms ms, $rows rows, slowest answer $slowest_ms ms"
rm -rf "$work"
echo "end-to-end: all passed"
