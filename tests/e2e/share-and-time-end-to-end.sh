#!/usr/bin/env bash
# End to end: on a tree of known sizes and last-write times, every row's
# share ("割合") and last change ("更新日時", the user's short date and time;
# ISO 8601 in UTC in the copied list) are right, and a click on each of the
# two headers orders the rows by it.
#   share-and-time-end-to-end.sh TARNWICK_EXE PROBE_EXE WORK_DIR
set -euo pipefail
exe=$1 probe=$2 work=$3
. "$(dirname "${BASH_SOURCE[0]}")/e2e-session.sh"
probe() { "$WINE" "$probe" "$@" | tr -d '\r'; }

rm -rf "$work" && mkdir -p "$work"
tree="$work/tree"
mkdir -p "$tree/a/sub" "$tree/b" "$tree/c"
for f in a/x:3000 a/sub/y:1000 b/z:1500 r.txt:500; do head -c "${f#*:}" /dev/zero > "$tree/${f%:*}"; done
# The folders last, as writing into one changes its time. a's newest entry
# lies two levels down; b's is b itself; c is empty and the newest folder.
touch -d '2021-03-04 05:06:07 UTC' "$tree/a/x"
touch -d '2023-11-12 13:14:15 UTC' "$tree/a/sub/y"
touch -d '2019-06-07 08:09:10 UTC' "$tree/b/z"
touch -d '2024-07-08 09:10:11 UTC' "$tree/r.txt"
touch -d '2020-01-01 00:00:00 UTC' "$tree/a/sub" "$tree/a"
touch -d '2022-02-02 02:02:02 UTC' "$tree/b"
touch -d '2025-01-02 03:04:05 UTC' "$tree/c"
# In the order shown (by size, folders first): name, share of 6000 bytes,
# latest time; shown as the Japanese short date and time in the zone Wine
# takes from this system, copied in UTC.
expected="c 0.0% 2025-01-02T03:04:05
b 25.0% 2022-02-02T02:02:02
a 66.7% 2023-11-12T13:14:15
r.txt 8.3% 2024-07-08T09:10:11"
rows() { # the named columns of every row, tab-separated
  probe rows "$(winpath "$work/rows.tsv")" >/dev/null || fail "cannot read rows"
  awk -F'\t' -v names="$*" 'NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; n = split(names, want, " "); next }
    { for (j = 1; j <= n; j++) printf "%s%s", $col[want[j]], j < n ? "\t" : "\n" }' "$work/rows.tsv"
}

"$WINE" "$exe" "$(winpath "$tree")" >/dev/null 2>&1 &
app=$!
probe wait-status "Complate. All Search 3Files , 5500Bytes." 120000 >/dev/null || fail "no completion text"
while read -r name share time; do
  printf '%s\t%s\t%s\n' "$name" "$share" "$(date -d "${time}Z" '+%Y/%-m/%-d %-H:%M')"
done <<<"$expected" | diff -u - <(rows BareName Share LastChanged) || fail "shares or last changes differ"
probe copy ctrl shift c "$(winpath "$work/table.txt")" >/dev/null || fail "Ctrl+Shift+C copied nothing"
{ printf 'Name\tLast changed\n'; awk '{ print $1 "\t" $3 "Z" }' <<<"$expected"; } |
  diff -u - <(tr -d '\r' < "$work/table.txt" | awk -F'\t' '{ print $1 "\t" $NF }') || fail "copied times"
echo "shares and last changes: $(rows BareName Share LastChanged | tr '\t\n' ' |')"

# Headers by number: 13 the share, 14 the last change. From the design
# order (by size, ascending) the share header, sorting as size, reverses it;
# the last change's sorts newest first, folders above files as always.
# The window is made wide enough to show every header.
probe resize 1200 700 >/dev/null || fail "cannot resize the window"
for step in "13 a|b|c|r.txt|" "14 c|a|b|r.txt|" "14 b|a|c|r.txt|"; do
  probe header "${step%% *}" >/dev/null || fail "cannot click header ${step%% *}"
  [ "$(rows BareName | tr '\n' '|')" = "${step#* }" ] || fail "after header ${step%% *}: $(rows BareName | tr '\n' '|')"
done
echo "the share's and the last change's headers order the rows"
close_window
rm -rf "$work"
echo "share and time end to end: all passed"
