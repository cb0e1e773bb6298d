#!/usr/bin/env bash
# End to end, with real input from another process: a 10 GiB sparse file's
# sizes read whole in bytes and in KB; the name column and the root box grow
# with the window and give the room back; a 200 x 150 request keeps five
# rows of the list; Ctrl+C, Ctrl+Shift+C and F5 in the list; after going up
# with Backspace the folder left behind is selected.
#   room-and-keys-end-to-end.sh TARNWICK_EXE PROBE_EXE WORK_DIR
set -euo pipefail
exe=$1 probe=$2 work=$3
. "$(dirname "${BASH_SOURCE[0]}")/e2e-session.sh"

rm -rf "$work" && mkdir -p "$work"
tree="$work/sparse"
mkdir -p "$tree/huge" "$tree/small"
truncate -s 10G "$tree/huge/big.bin"
head -c 5 /dev/zero > "$tree/small/f"
touch -d '2020-05-06 07:08:09 UTC' "$tree/huge/big.bin" "$tree/huge"
touch -d '2021-10-11 12:13:14 UTC' "$tree/small/f"
touch -d '2019-01-01 00:00:00 UTC' "$tree/small"
probe() { "$WINE" "$probe" "$@" | tr -d '\r'; }
# The named columns of every row: "BareName SimpleSize", say.
rows() { probe rows "$(winpath "$work/rows.tsv")" >/dev/null && awk -F'\t' -v names="$*" '
  NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; n = split(names, want, " "); next }
  { for (j = 1; j <= n; j++) printf "%s%s", $col[want[j]], j < n ? " " : "\n" }' "$work/rows.tsv"; }

"$WINE" "$exe" "$(winpath "$tree")" >/dev/null 2>&1 &
app=$!
probe wait-status "Complate. All Search 2Files , 10737418245Bytes." 120000 >/dev/null || fail "no completion text"
numbers_fit() { # each number, share and time column wider than its widest text by the list view's margins
  local line w t
  line=$(probe columns)
  for c in 2 3 4 5 6 7 8; do
    read -r w t <<<"$(echo "$line" | awk -F'|' -v c="$c" '{ split($1, w, " "); split($2, t, " "); print w[c], t[c] }')"
    [ "$w" -ge $((t + 8)) ] || fail "a column of $w pixels for a text $t wide: $line"
  done
  echo "widths | widest texts: $line"
}
numbers_fit
probe option 2 >/dev/null || fail "cannot choose KB"
for _ in $(seq 100); do [ "$(rows BareName SimpleSize Size | grep '^huge')" = "huge 10485760.0KB 10,737,418,240" ] && break; done
[ "$(rows BareName SimpleSize Size | grep '^huge')" = "huge 10485760.0KB 10,737,418,240" ] || fail "huge: $(rows BareName SimpleSize Size)"
numbers_fit

# resize prints the size the window got, its list's rows, the name column's
# and the root box's widths.
read -r _ _ _ name_a text_a <<<"$(probe resize 860 720)"
read -r _ _ _ name_b text_b <<<"$(probe resize 1270 1000)"
[ "$((name_b - name_a)) $((text_b - text_a))" = "410 410" ] || fail "name column $name_a -> $name_b, root box $text_a -> $text_b"
[ "$(probe resize 860 720 | cut -d' ' -f4-)" = "$name_a $text_a" ] || fail "the room is not given back"
read -r w h rows _ <<<"$(probe resize 200 150)"
[ "$rows" -ge 5 ] || fail "asked for 200 x 150: $w x $h with $rows rows"
echo "name column and root box took 410 more pixels and gave them back; 200 x 150 gave $w x $h, $rows rows"
probe resize 800 700 >/dev/null

probe click huge >/dev/null || fail "cannot click huge"
probe copy ctrl c "$(winpath "$work/path.txt")" >/dev/null || fail "Ctrl+C copied nothing"
[ "$(cat "$work/path.txt")" = "$(winpath "$tree/huge")\\" ] || fail "Ctrl+C copied: $(cat "$work/path.txt")"
probe copy ctrl shift c "$(winpath "$work/table.txt")" >/dev/null || fail "Ctrl+Shift+C copied nothing"
# On disk: the small file's blocks, and nothing of the sparse one.
printf 'Name\tBytes\tBytes on disk\tFiles\tFolders\tPath\tLast changed\r\nsmall\t5\t%s\t1\t0\t%s\\\t2021-10-11T12:13:14Z\r\nhuge\t10737418240\t0\t1\t0\t%s\\\t2020-05-06T07:08:09Z\r\n' \
  "$(($(stat -c %b "$tree/small/f") * 512))" "$(winpath "$tree/small")" "$(winpath "$tree/huge")" |
  diff -u - "$work/table.txt" || fail "Ctrl+Shift+C's table"

head -c 3 /dev/zero > "$tree/small/g"
probe keys f5 >/dev/null
probe wait-status "Complate. All Search 3Files , 10737418248Bytes." 60000 >/dev/null || fail "F5 did not search again"
[ "$(rows BareName State | tr '\n' '|')" = "small 2|huge 0|" ] || fail "rows after F5: $(rows BareName State)"
probe double-click huge >/dev/null || fail "cannot double-click huge"
probe wait-status "Complate. All Search 0Files , 0Bytes." 60000 >/dev/null || fail "the double-click did not search huge"
probe keys back >/dev/null
probe wait-status "Complate. All Search 3Files , 10737418248Bytes." 60000 >/dev/null || fail "Backspace did not go up"
[ "$(rows BareName State | tr '\n' '|')" = "small 0|huge 3|" ] || fail "rows after going up: $(rows BareName State)"
echo "Ctrl+C, Ctrl+Shift+C and F5 did their work; after going up, huge is selected and focused"
close_window
rm -rf "$work"
echo "room and keys end to end: all passed"
