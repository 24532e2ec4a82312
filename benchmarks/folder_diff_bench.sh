#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long `vantrel-cli diff DIR1 DIR2` takes over two backups of 5000
# seem files each, about one in ten changed, beside `diff -rq` on the same
# folders (target: at most twice its time), and the peak memory of the
# comparison for 1000 and for 5000 files (target: the same).
# Usage: benchmarks/folder_diff_bench.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli="$build/vantrel-cli"
[ -x "$cli" ] || { echo "build $cli first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "the benchmark reads peak memory with /usr/bin/time: apt-get install time" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
samples=(data/samples/*.seem)

# Two backups of count files; every tenth file of the second has one byte changed.
make_backups() {
    local count=$1 dir=$2 i name
    mkdir -p "$dir/a" "$dir/b"
    for i in $(seq 0 $((count - 1))); do
        name=$(printf '%04x_%04d.seem' $((i % ${#samples[@]})) "$i")
        cp "${samples[$((i % ${#samples[@]}))]}" "$dir/a/$name"
        cp "$dir/a/$name" "$dir/b/$name"
        if [ $((i % 10)) -eq 0 ]; then
            printf '\x5a' | dd of="$dir/b/$name" bs=1 seek=$((i % 20)) conv=notrunc status=none
        fi
    done
}

best_ms() { # the best of three runs, in milliseconds
    local best=999999 start end run
    for run in 1 2 3; do
        start=$(date +%s%N)
        "$@" >/dev/null || true
        end=$(date +%s%N)
        run=$(((end - start) / 1000000))
        [ "$run" -lt "$best" ] && best=$run
    done
    echo "$best"
}

peak_kib() {
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1
}

make_backups 1000 "$work/small"
make_backups 5000 "$work/large"

diff_ms=$(best_ms diff -rq "$work/large/a" "$work/large/b")
cli_ms=$(best_ms "$cli" diff "$work/large/a" "$work/large/b")

printf '%-40s %10s\n' "5000 files a side, 500 changed" "ms"
printf '%-40s %10d\n' "diff -rq" "$diff_ms"
printf '%-40s %10d\n' "vantrel-cli diff (settings)" "$cli_ms"
printf '%-40s %10s\n' "ratio (target <= 2.0)" "$(awk "BEGIN { printf \"%.2f\", $cli_ms / ($diff_ms > 0 ? $diff_ms : 1) }")"
printf '%-40s %10s\n' "peak RSS, 1000 files a side (KiB)" "$(peak_kib "$cli" diff "$work/small/a" "$work/small/b")"
printf '%-40s %10s\n' "peak RSS, 5000 files a side (KiB)" "$(peak_kib "$cli" diff "$work/large/a" "$work/large/b")"
