#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long vantrel-cli takes to identify and show 1000 seem files of
# mixed sizes in one call each, beside `file -b` over the same files: the
# median of 5 rounds, the tools taking turns so neither gets a warmer cache.
# Usage: benchmarks/cli_bench.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli="$build/vantrel-cli"
[ -x "$cli" ] || { echo "build $cli first" >&2; exit 1; }
command -v file >/dev/null || { echo "the benchmark compares with file(1): apt-get install file" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
samples=(data/samples/*.seem)
# Every fourth file is of a size no type has, so not every file matches.
for i in $(seq 0 999); do
    if ((i % 4 == 3)); then
        head -c $((1 + i % 997)) /dev/zero >"$work/$(printf '%04d' "$i").seem"
    else
        cp "${samples[$((i % ${#samples[@]}))]}" "$work/$(printf '%04d' "$i").seem"
    fi
done
files=("$work"/*.seem)

microseconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }

# Warm the page cache and the binaries once.
"$cli" identify "${files[@]}" >/dev/null 2>&1 || true
file -b "${files[@]}" >/dev/null

identify=() file_b=() show=()
for round in 1 2 3 4 5; do
    identify+=("$(microseconds "$cli" identify "${files[@]}")")
    file_b+=("$(microseconds file -b "${files[@]}")")
    show+=("$(microseconds "$cli" show "${files[@]}")")
done
identify_us=$(median "${identify[@]}")
file_us=$(median "${file_b[@]}")
show_us=$(median "${show[@]}")

printf '%-40s %10s\n' "1000 files, one call each, median of 5" "ms"
awk -v a="$identify_us" -v b="$file_us" -v s="$show_us" 'BEGIN {
    printf "%-40s %10.1f\n", "vantrel-cli identify", a / 1000;
    printf "%-40s %10.1f\n", "file -b", b / 1000;
    printf "%-40s %10.1f\n", "vantrel-cli show", s / 1000;
    if (b > 0) printf "identify / file: %.3f (target at most 0.1)\n", a / b;
    printf "show per file: %.3f ms (target at most 1 ms)\n", s / 1000 / 1000 }'
