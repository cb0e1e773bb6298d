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
head -c 3000 /dev/zero > "$tree/a/x"
head -c 1000 /dev/zero > "$tree/a/sub/y"
head -c 1500 /dev/zero > "$tree/b/z"
head -c 500 /dev/zero > "$tree/r.txt"
# The folders last, as writing into one changes its time. a's newest entry
# lies two levels down; b's is b itself; c is empty and the newest folder.
touch -d '2021-03-04 05:06:07 UTC' "$tree/a/x"
touch -d '2023-11-12 13:14:15 UTC' "$tree/a/sub/y"
touch -d '2019-06-07 08:09:10 UTC' "$tree/b/z"
touch -d '2024-07-08 09:10:11 UTC' "$tree/r.txt"
touch -d '2020-01-01 00:00:00 UTC' "$tree/a/sub" "$tree/a"
touch -d '2022-02-02 02:02:02 UTC' "$tree/b"
touch -d '2025-01-02 03:04:05 UTC' "$tree/c"

# name, share of 6000 bytes, latest time
expected="a	66.7%	2023-11-12 13:14:15
b	25.0%	2022-02-02 02:02:02
c	0.0%	2025-01-02 03:04:05
r.txt	8.3%	2024-07-08 09:10:11"
# The Japanese short date and time, in the zone Wine takes from this system.
shown() { date -d "$1 UTC" '+%Y/%-m/%-d %-H:%M'; }
iso() { date -u -d "$1 UTC" '+%Y-%m-%dT%H:%M:%SZ'; }

rows() { # the named columns of every row, tab-separated
  probe rows "$(winpath "$work/rows.tsv")" >/dev/null || fail "cannot read rows"
  awk -F'\t' -v names="$*" '
    NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; n = split(names, want, " "); next }
    { for (j = 1; j <= n; j++) printf "%s%s", $col[want[j]], j < n ? "\t" : "\n" }' "$work/rows.tsv"
}

"$WINE" "$exe" "$(winpath "$tree")" >/dev/null 2>&1 &
app=$!
probe wait-status "Complate. All Search 3Files , 5500Bytes." 120000 >/dev/null || fail "no completion text"
while IFS=$'\t' read -r name share time; do
  printf '%s\t%s\t%s\n' "$name" "$share" "$(shown "$time")"
done <<<"$expected" | sort > "$work/expected.tsv"
rows BareName Share LastChanged | sort > "$work/actual.tsv"
diff -u "$work/expected.tsv" "$work/actual.tsv" || fail "shares or last changes differ"
echo "shares and last changes: $(tr '\t\n' ' |' < "$work/actual.tsv")"

probe copy ctrl shift c "$(winpath "$work/table.txt")" >/dev/null || fail "Ctrl+Shift+C copied nothing"
while IFS=$'\t' read -r name _ time; do printf '%s\t%s\n' "$name" "$(iso "$time")"; done <<<"$expected" |
  sort > "$work/expected-iso.tsv"
tr -d '\r' < "$work/table.txt" | awk -F'\t' 'NR == 1 { if ($NF != "Last changed") exit 1; next } { print $1 "\t" $NF }' |
  sort > "$work/copied-iso.tsv" || fail "the copied list's last column: $(head -1 "$work/table.txt")"
diff -u "$work/expected-iso.tsv" "$work/copied-iso.tsv" || fail "the copied list's times"

# Headers by number: 13 the share, 14 the last change. From the design
# order (by size, ascending) the share header, sorting as size, reverses it;
# the last change's sorts newest first, folders above files as always.
clicks_give() { # EXPECTED HEADER...
  local want=$1 header
  shift
  for header in "$@"; do probe header "$header" >/dev/null || fail "cannot click header $header"; done
  [ "$(rows BareName | tr '\n' '|')" = "$want" ] || fail "after header $*: $(rows BareName | tr '\n' '|')"
}
clicks_give "a|b|c|r.txt|" 13
clicks_give "c|a|b|r.txt|" 14
clicks_give "b|a|c|r.txt|" 14
echo "the share's and the last change's headers order the rows"
close_window
rm -rf "$work"
echo "share and time end to end: all passed"
