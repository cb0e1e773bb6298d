# Sourced by the benchmarks: the reproducible tree of over 100,000 files in
# over 10,000 folders, generated once under bench/data/ and reused. Needs
# $here (the checkout); sets $tree.
tree="$here/bench/data/count-tree"
generator_version="count-tree 1"

generate_tree() {
  rm -rf "$tree"
  mkdir -p "$tree"
  python3 - "$tree" <<'EOF'
import os, random, sys

root = sys.argv[1]
rng = random.Random(20261207)
prefixes = ["docs-", "写真-", "build-output-", "src-", "キャッシュ-", "node_modules-", "Übersicht-"]
extensions = [".txt", ".jpg", ".dat", ".ソース.cpp", ".o", ".json"]

# Twenty folders at the top, then each new folder under a random earlier one
# of the same top folder: a bushy tree a few levels deep, as real ones are.
folders = []
for i in range(20):
    path = os.path.join(root, f"top-{i:02d}-{prefixes[i % len(prefixes)]}")
    os.mkdir(path)
    folders.append(path)
for i in range(20, 10500):
    parent = folders[rng.randrange(len(folders))]
    path = os.path.join(parent, f"{prefixes[rng.randrange(len(prefixes))]}{i:05d}")
    os.mkdir(path)
    folders.append(path)

# Sizes of a long-tailed spread; files are sparse, so they cost no disk.
for j in range(105000):
    folder = folders[rng.randrange(len(folders))]
    name = f"file-{j:06d}{extensions[rng.randrange(len(extensions))]}"
    size = min(int(rng.paretovariate(1.2) * 900), 50_000_000)
    with open(os.path.join(folder, name), "wb") as f:
        f.truncate(size)
EOF
  echo "$generator_version" >"$here/bench/data/count-tree.ready"
}

ensure_count_tree() {
  if [ "$(cat "$here/bench/data/count-tree.ready" 2>/dev/null)" != "$generator_version" ]; then
    echo "generating the tree under bench/data/ ..." >&2
    generate_tree
  fi
}

