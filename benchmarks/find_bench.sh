#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long `vantrel-cli find` takes over a seem folder of 5000 files
# (the six samples over and over) beside `grep -rl` over the same folder
# (target: at most its time): a setting's name that several types mention, one
# that no type mentions, and a text in the bytes.
# Usage: benchmarks/find_bench.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli="$build/vantrel-cli"
[ -x "$cli" ] || { echo "build $cli first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
samples=(data/samples/*.seem)
mkdir -p "$work/backup"
for i in $(seq 0 4999); do
    sample=${samples[$((i % ${#samples[@]}))]}
    cp "$sample" "$work/backup/$(basename "$sample" .seem)_$i.seem"
done

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

row() { # label, vantrel-cli ms, grep ms
    printf '%-44s %8d %8d %8s\n' "$1" "$2" "$3" \
        "$(awk "BEGIN { printf \"%.2f\", $2 / ($3 > 0 ? $3 : 1) }")"
}

printf '%-44s %8s %8s %8s\n' "5000 files" "find ms" "grep ms" "ratio"
row "setting \"sound\" (two types mention it)" \
    "$(best_ms "$cli" find sound "$work/backup")" "$(best_ms grep -rli sound "$work/backup")"
row "setting \"zebra\" (no type mentions it)" \
    "$(best_ms "$cli" find zebra "$work/backup")" "$(best_ms grep -rli zebra "$work/backup")"
row "bytes --text MOTO --utf16" \
    "$(best_ms "$cli" find --text MOTO --utf16 "$work/backup")" \
    "$(best_ms grep -rlaP '\x00M\x00O\x00T\x00O' "$work/backup")"
echo "target: ratio at most 1.00"
