#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long vantrel-cli takes to identify and show 1000 seem files of
# mixed sizes in one call each, beside `file -b` over the same files.
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
for i in $(seq 0 999); do
    cp "${samples[$((i % ${#samples[@]}))]}" "$work/$(printf '%04d' "$i").seem"
done
files=("$work"/*.seem)

milliseconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

# Warm the page cache and the binaries once.
"$cli" identify "${files[@]}" >/dev/null
file -b "${files[@]}" >/dev/null

identify_ms=$(milliseconds "$cli" identify "${files[@]}")
file_ms=$(milliseconds file -b "${files[@]}")
show_ms=$(milliseconds "$cli" show "${files[@]}")

printf '%-34s %8s\n' "1000 files, one call each" "ms"
printf '%-34s %8d\n' "vantrel-cli identify" "$identify_ms"
printf '%-34s %8d\n' "file -b" "$file_ms"
printf '%-34s %8d\n' "vantrel-cli show" "$show_ms"
awk -v a="$identify_ms" -v b="$file_ms" -v s="$show_ms" 'BEGIN {
    if (b > 0) printf "identify / file: %.3f (target at most 0.1)\n", a / b;
    printf "show per file: %.3f ms (target at most 1 ms)\n", s / 1000 }'
