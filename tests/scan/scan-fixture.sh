#!/bin/sh
# Makes, on the Linux side, the folders that the Windows-side scanner tests
# read through Wine: things only Linux tools can make (directory symbolic
# links, sparse files of several GiB, hard links) and folders whose totals
# are counted independently here, with find, for the tests to compare against.
#
#   scan-fixture.sh setup DIR     (re)creates DIR
#   scan-fixture.sh cleanup DIR   removes DIR
set -eu

usage() { echo "usage: $0 setup|cleanup DIR" >&2; exit 2; }
[ $# -eq 2 ] || usage
dir=$2

# File of the given length, sparse so that GiB cost no disk.
file() { truncate -s "$2" "$1"; }

# A folder with three files and, while depth lasts, two subfolders named with
# the prefix; sizes and names follow from the seed, so the tree is the same on
# every run. The body runs in a subshell so that recursion keeps its values.
populate() (
  dir=$1 depth=$2 seed=$3 prefix=$4
  mkdir -p "$dir"
  for k in 1 2 3; do
    file "$dir/$prefix$seed-$k.dat" $(( (seed * 7919 + k * 104729) % 65536 ))
  done
  if [ "$depth" -gt 0 ]; then
    populate "$dir/$prefix$seed-a" $((depth - 1)) $((seed * 2 + 1)) "$prefix"
    populate "$dir/$prefix$seed-b" $((depth - 1)) $((seed * 2 + 2)) "$prefix"
  fi
)

make_listing() {
  l=$dir/listing
  mkdir -p "$l/real/inner"
  file "$l/.dotfile" 3
  file "$l/ro.txt" 4
  chmod a-w "$l/ro.txt"
  file "$l/日本語.txt" 5
  file "$l/😀.bin" 6
  file "$l/real/inner/f" 1
  ln -s real "$l/dirlink"
  ln -s nowhere "$l/dangling"
}

make_sparse() {
  s=$dir/sparse
  mkdir -p "$s"
  file "$s/two-gib" 2147483648
  file "$s/four-gib" 4294967296
  file "$s/big" 5000000007
}

make_loop() {
  p=$dir/loop
  mkdir -p "$p/a/b"
  file "$p/a/one" 1
  file "$p/a/b/two" 2
  ln -s ../.. "$p/a/b/up"
}

# Six levels of 48-character names: well past 260 characters on any root.
long_tail() {
  seg=folder-with-a-rather-long-name-to-pass-the-limit
  printf '%s/%s/%s/%s/%s/%s' "$seg-1" "$seg-2" "$seg-3" "$seg-4" "$seg-5" "$seg-6"
}

make_long() {
  deep=$dir/long/$(long_tail)
  mkdir -p "$deep/空のフォルダ"
  file "$deep/長い名前.txt" 7
  file "$deep/second.bin" 11
}

make_tree() {
  t=$dir/tree
  mkdir -p "$t"
  file "$t/root-file" 5
  populate "$t/alpha" 3 1 f
  populate "$t/日本語フォルダ" 2 7 下位
  populate "$t/emoji 😀 folder" 2 13 "🎉 "
  populate "$t/.hidden" 1 21 .h
  mkdir -p "$t/empty"
  mkdir -p "$t/deep/$(long_tail)"
  file "$t/deep/$(long_tail)/at-the-bottom" 12345
  mkdir -p "$t/huge"
  file "$t/huge/six-gib" 6442450944
  file "$t/huge/small" 17
  chmod a-w "$t/huge/small"
  ln -s .. "$t/alpha/back-to-root"
  ln -s ../alpha "$t/huge/sideways"
  ln -s missing "$t/huge/dangling"
  ln -s alpha "$t/link-at-top"
}

# File of the given length with real data, so that it takes real room.
data() { yes 'some real data' | head -c "$2" >"$1"; }

# Files that take room other than their length: one file under several
# names (two in one folder, one in each of two subfolders, one in the folder
# itself and one below it), a sparse file and small files of real data.
make_ondisk() {
  o=$dir/ondisk
  mkdir -p "$o/one" "$o/two"
  data "$o/three-bytes" 3
  data "$o/one/plain" 10000
  data "$o/one/shared" 70000
  ln "$o/one/shared" "$o/one/shared-again"
  ln "$o/one/shared" "$o/two/shared-too"
  data "$o/top" 5000
  ln "$o/top" "$o/two/top-below"
  file "$o/two/sparse" 8000000
}

# What stat says of that folder: the allocations of its distinct files (a
# file of several names counted once) and the lengths of all its names.
count_ondisk() {
  o=$dir/ondisk
  on_disk=$(find "$o" -type f -printf '%i %b\n' | sort -u | awk '{ s += $2 * 512 } END { printf "%.0f", s }')
  bytes=$(find "$o" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%.0f", s }')
  printf '%s\t%s\n' "$on_disk" "$bytes" >"$dir/ondisk.expected"
}

# Totals of every immediate subfolder of the tree, links not followed: files
# are regular files, folders are directories and links to directories (a link
# is a folder that is not entered), and dangling links are nothing.
count_tree() {
  t=$dir/tree
  find "$t" -mindepth 1 -maxdepth 1 \( -type d -o \( -type l -xtype d \) \) -printf '%f\n' |
    sort | while IFS= read -r name; do
      sub=$t/$name
      files=$(find "$sub" -mindepth 1 -type f -printf '.' | wc -c)
      bytes=$(find "$sub" -mindepth 1 -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%.0f", s }')
      dirs=$(find "$sub" -mindepth 1 \( -type d -o \( -type l -xtype d \) \) -printf '.' | wc -c)
      printf '%s\t%s\t%s\t%s\n' "$name" "$files" "$bytes" "$dirs"
    done >"$dir/tree.expected"
}

case $1 in
  setup)
    rm -rf "$dir"
    mkdir -p "$dir"
    make_listing
    make_sparse
    make_loop
    make_long
    make_tree
    count_tree
    make_ondisk
    count_ondisk
    ;;
  cleanup)
    rm -rf "$dir"
    ;;
  *) usage ;;
esac
