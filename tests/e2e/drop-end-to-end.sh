#!/usr/bin/env bash
# Drag and drop end to end: drop_driver, another process, drags files,
# folders and text onto the real tarnwick.exe under Wine with real mouse
# input, and the test checks the effect the drag source was given, the
# question and messages the program shows, its root box and status bar, and
# the search that follows.
#   drop-end-to-end.sh TARNWICK_EXE PROBE_EXE DRIVER_EXE WORK_DIR
set -euo pipefail
exe=$1 probe=$2 driver=$3 work=$4
. "$(dirname "${BASH_SOURCE[0]}")/e2e-session.sh"

drag() { "$WINE" "$driver" drag "$@" | tr -d '\r'; }
box() { "$WINE" "$driver" box "$1" | tr -d '\r'; }
root_box() { "$WINE" "$driver" state | tr -d '\r' | sed -n 1p; }
status_bar() { "$WINE" "$driver" state | tr -d '\r' | sed -n 2p; }
wait_status() { "$WINE" "$probe" wait-status "$1" 60000 | tr -d '\r'; }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }
ask_suffix='をルートにして読み込みます。よろしいですか?'

rm -rf "$work" && mkdir -p "$work"
tree="$work/ドロップ 😀"
mkdir -p "$tree/sub one" "$tree/サブ"
head -c 100 /dev/zero > "$tree/sub one/a"
head -c 23 /dev/zero > "$tree/サブ/b"
head -c 5 /dev/zero > "$tree/メモ.txt"
other="$work/other"
mkdir -p "$other/x"
head -c 7 /dev/zero > "$other/x/y"
head -c 1 /dev/zero > "$other/file.txt"
# A path far longer than MAX_PATH.
long="$work"
for i in $(seq 1 20); do long="$long/長い名前のフォルダ😀$i"; done
mkdir -p "$long/inner"
head -c 11 /dev/zero > "$long/inner/z"
head -c 3 /dev/zero > "$long/file.bin"
[ "$(winpath "$long/file.bin" | wc -m)" -gt 300 ] || fail "the long path is not long"

"$WINE" "$exe" >/dev/null 2>&1 &
app=$!
wait_status "" >/dev/null || fail "no window"

# Every drag offers copy, move and link, as a file manager does; the answer
# must be copy, shown over the two controls and returned, and no drop
# anywhere else on the window.
out=$(drag window,list files "$(winpath "$tree")")
expect "a folder onto the list" "$out" "over=0,1 returned=1 result=drop"
wait_status "Complate. All Search 2Files , 123Bytes." >/dev/null || fail "the dropped folder was not searched"
expect "root after a folder" "$(root_box)" "$(winpath "$tree")\\"
echo "a folder dropped on the list is searched: $out"

out=$(drag outside,root files "$(winpath "$other/file.txt")")
expect "a file onto the root box" "$out" "over=0,1 returned=1 result=drop"
wait_status "Complate. All Search 1Files , 7Bytes." >/dev/null || fail "the dropped file's folder was not searched"
expect "root after a file" "$(root_box)" "$(winpath "$other")\\"
echo "a file dropped on the root box searches its folder"

# Several names: only the first counts, after a question. The drag has
# returned before the question is answered: a source is not held by it.
out=$(drag list files "$(winpath "$tree/サブ")" "$(winpath "$tree/メモ.txt")" "$(winpath "$other")")
expect "several names onto the list" "$out" "over=1 returned=1 result=drop"
expect "the question" "$(box yes)" "$(winpath "$tree/サブ")\\$ask_suffix"
wait_status "Complate. All Search 0Files , 0Bytes." >/dev/null || fail "Yes did not search"
expect "root after Yes" "$(root_box)" "$(winpath "$tree/サブ")\\"
"$WINE" "$probe" rows "$(winpath "$work/rows.tsv")" >/dev/null || fail "cannot read rows"
grep -q "$(printf '\tb\t')" "$work/rows.tsv" || fail "the rows of サブ are missing"
echo "several names: the question, then Yes searches the first name's folder"

out=$(drag root files "$(winpath "$other")" "$(winpath "$tree")")
expect "several names onto the root box" "$out" "over=1 returned=1 result=drop"
expect "the question" "$(box no)" "$(winpath "$other")\\$ask_suffix"
expect "root after No" "$(root_box)" "$(winpath "$tree/サブ")\\"
expect "status after No" "$(status_bar)" "Complate. All Search 0Files , 0Bytes."
echo "several names: No changes nothing"

out=$(drag list text "selected text from an editor")
expect "text onto the list" "$out" "over=1 returned=1 result=drop"
expect "the text's message" "$(box ok)" "ファイル、フォルダ以外がドロップされました。"
expect "status after text" "$(status_bar)" "Error : Drop Miss"
expect "root after text" "$(root_box)" "$(winpath "$tree/サブ")\\"
"$WINE" "$probe" rows "$(winpath "$work/rows-after-text.tsv")" >/dev/null || fail "cannot read rows"
cmp -s "$work/rows.tsv" "$work/rows-after-text.tsv" || fail "text changed the list"
echo "text is refused with its message and status"

out=$(drag root files "$(winpath "$long/file.bin")")
expect "a long name onto the root box" "$out" "over=1 returned=1 result=drop"
wait_status "Complate. All Search 1Files , 11Bytes." >/dev/null || fail "the long path was not searched"
expect "root after a long name" "$(root_box)" "$(winpath "$long")\\"
echo "a name of $(winpath "$long/file.bin" | wc -m) characters is searched whole"

# A drop during a run: the source is told "none" from the first DragOver
# on, nothing is handed on, and the run goes on to its end.
many="$work/many"
mkdir -p "$many"/{a,b,c}/d{1..400}/e
out=$(drag list files "$(winpath "$many")")
wait_status "0Bytes in " >/dev/null || fail "no progress report"
out=$(drag list files "$(winpath "$other")")
expect "a drop during a run" "$out" "over=0 returned=0 result=drop"
case "$(status_bar)" in
  *"Bytes in "*) ;;
  *) fail "the run ended before the drop; make the tree bigger" ;;
esac
wait_status "Complate. All Search 0Files , 0Bytes." >/dev/null || fail "the run did not complete"
expect "root after a drop during a run" "$(root_box)" "$(winpath "$many")\\"
echo "a drop during a run is ignored and the run completes"

close_window
rm -rf "$work"
echo "drop end-to-end: all passed"
