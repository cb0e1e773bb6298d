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
probe() { "$WINE" "$probe" "$@" | tr -d '\r'; }

"$WINE" "$exe" "$(winpath "$tree")" >/dev/null 2>&1 &
app=$!
probe wait-status "Complate. All Search 2Files , 10737418245Bytes." 120000 >/dev/null || fail "no completion text"

# Every number column at least as wide as its widest text and the list
# view's margins.
numbers_fit() {
  local line c w t
  line=$(probe columns) || fail "cannot read the columns"
  for c in 1 2 3 4; do
    read -r w t <<<"$(echo "$line" | awk -F'|' -v c="$c" '{ split($1, w, " "); split($2, t, " "); print w[c + 1], t[c + 1] }')"
    [ "$w" -ge $((t + 8)) ] || fail "column $c is $w pixels for a text $t wide ($1): $line"
  done
  echo "$1: widths | widest texts: $line"
}
numbers_fit MB
probe option 2 >/dev/null || fail "cannot choose KB"
numbers_fit KB
probe rows "$(winpath "$work/rows.tsv")" >/dev/null || fail "cannot read rows"
huge=$(awk -F'\t' '$7 == "huge" { print $2 "|" $3 }' "$work/rows.tsv")
[ "$huge" = "10485760.0KB|10,737,418,240" ] || fail "the sizes of huge read: $huge"

# Width and height the window got, the rows the list shows, the name
# column's and the root box's widths.
read -r _ _ _ name_a text_a <<<"$(probe resize 700 720)"
read -r _ _ _ name_b text_b <<<"$(probe resize 1270 1000)"
[ $((name_b - name_a)) -eq 570 ] && [ $((text_b - text_a)) -eq 570 ] ||
  fail "570 pixels more window: name column $name_a -> $name_b, root box $text_a -> $text_b"
read -r _ _ _ name_c text_c <<<"$(probe resize 700 720)"
[ "$name_c $text_c" = "$name_a $text_a" ] || fail "the room is not given back: $name_c $text_c, was $name_a $text_a"
read -r w h rows _ <<<"$(probe resize 200 150)"
[ "$rows" -ge 5 ] && [ "$w" -gt 200 ] && [ "$h" -gt 150 ] || fail "asked for 200 x 150: $w x $h with $rows rows"
echo "the name column and root box grew by 570 pixels with the window and gave them back; 200 x 150 gave $w x $h, $rows rows"
probe resize 800 700 >/dev/null

copied() { # KEYS FILE
  probe mark-clipboard >/dev/null
  probe key "$1" >/dev/null || fail "cannot type $1"
  probe clipboard "$(winpath "$2")" >/dev/null || fail "$1 copied nothing"
}
probe click huge >/dev/null || fail "cannot click huge"
copied ctrl+c "$work/path.txt"
[ "$(cat "$work/path.txt")" = "$(winpath "$tree/huge")\\" ] || fail "Ctrl+C copied: $(cat "$work/path.txt")"
copied ctrl+shift+c "$work/table.txt"
printf 'Name\tBytes\tFiles\tFolders\tPath\r\nsmall\t5\t1\t0\t%s\\\r\nhuge\t10737418240\t1\t0\t%s\\\r\n' \
  "$(winpath "$tree/small")" "$(winpath "$tree/huge")" | diff -u - "$work/table.txt" || fail "Ctrl+Shift+C copied another table"
echo "Ctrl+C and Ctrl+Shift+C copied the path and the table"

head -c 3 /dev/zero > "$tree/small/g"
probe key f5 >/dev/null || fail "cannot press F5"
probe wait-status "Complate. All Search 3Files , 10737418248Bytes." 60000 >/dev/null || fail "F5 did not search again"
[ "$(probe selected)" = "- small" ] || fail "after the run the selected and focused rows are: $(probe selected)"

probe double-click huge >/dev/null || fail "cannot double-click huge"
probe wait-status "Complate. All Search 0Files , 0Bytes." 60000 >/dev/null || fail "the double-click did not search huge"
probe key back >/dev/null || fail "cannot press Backspace"
probe wait-status "Complate. All Search 3Files , 10737418248Bytes." 60000 >/dev/null || fail "Backspace did not go up"
[ "$(probe selected)" = "huge huge" ] || fail "after going up the selected and focused rows are: $(probe selected)"
echo "F5 searched again; after going up, huge is selected"
close_window
rm -rf "$work"
echo "room and keys end to end: all passed"
