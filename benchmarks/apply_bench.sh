#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long `vantrel-cli apply --dry-run` and `apply` take to carry a
# recipe over a folder of 5000 seem files, beside `vantrel-cli diff` over the
# same two folders (target: at most twice its time). The recipe is what
# `diff --recipe` writes for two backups of 5000 files, one in ten changed.
# Usage: benchmarks/apply_bench.sh [build folder] [files]   (default: build 5000)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-5000}
cli="$build/vantrel-cli"
[ -x "$cli" ] || { echo "build $cli first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
samples=(data/samples/*.seem)

# Two backups; every tenth file of the second has one byte changed.
mkdir -p "$work/a" "$work/b"
for i in $(seq 0 $((count - 1))); do
    name=$(printf '%04x_%04d.seem' $((i % ${#samples[@]})) "$i")
    cp "${samples[$((i % ${#samples[@]}))]}" "$work/a/$name"
    cp "$work/a/$name" "$work/b/$name"
    if [ $((i % 10)) -eq 0 ]; then
        printf '\x5a' | dd of="$work/b/$name" bs=1 seek=$((i % 20)) conv=notrunc status=none
    fi
done
"$cli" diff --recipe "$work/a" "$work/b" >"$work/recipe.json"

elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

# Fresh copies of the first backup, all made before anything is timed and none
# deleted until the end: thousands of files deleted just before a run would
# slow the file system's choice of inodes for the files apply writes.
for copy in $(seq 1 9); do
    cp -r "$work/a" "$work/target$copy"
done

best_ms() { # first copy, command: the best of three runs, each on its own fresh copy
    local best=999999 run copy=$1
    shift
    for copy in $copy $((copy + 1)) $((copy + 2)); do
        if [ -e "$work/target" ]; then mv "$work/target" "$work/used$copy"; fi
        mv "$work/target$copy" "$work/target"
        run=$(elapsed_ms "$@")
        [ "$run" -lt "$best" ] && best=$run
    done
    echo "$best"
}

diff_ms=$(best_ms 1 "$cli" diff "$work/target" "$work/b")
dry_ms=$(best_ms 4 "$cli" apply --dry-run "$work/recipe.json" "$work/target")
apply_ms=$(best_ms 7 "$cli" apply "$work/recipe.json" "$work/target")
"$cli" diff "$work/target" "$work/b" >/dev/null || { echo "apply did not give the second backup" >&2; exit 1; }

ratio() { awk "BEGIN { printf \"%.2f\", $1 / ($diff_ms > 0 ? $diff_ms : 1) }"; }
printf '%-44s %10s\n' "$count files, $((count / 10)) changed" "ms"
printf '%-44s %10d\n' "vantrel-cli diff" "$diff_ms"
printf '%-44s %10d %s\n' "vantrel-cli apply --dry-run" "$dry_ms" "($(ratio "$dry_ms") x diff, target <= 2)"
printf '%-44s %10d %s\n' "vantrel-cli apply" "$apply_ms" "($(ratio "$apply_ms") x diff, target <= 2)"
