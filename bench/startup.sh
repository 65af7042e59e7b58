#!/usr/bin/env bash
# Start-up to the lobby's first paint against a bare Qt window with as many widgets: runs the
# two programs alternately and prints the medians of CPU time and peak memory, and their ratios.
# Usage: bash bench/startup.sh [build folder, default build-bench] [runs, default 21]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
runs=${2:-21}
lobby=$dir/bench/startup/taisen_startup_lobby
bare=$dir/bench/startup/taisen_startup_bare
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The first run of each warms the file cache and tells the widget counts.
read -r _ _ _ _ _ shown _ hidden < <("$lobby" 2>/dev/null)
"$bare" "$shown" "$hidden" >/dev/null 2>&1
for ((i = 0; i < runs; ++i)); do
    "$lobby" 2>/dev/null >>"$out/lobby"
    "$bare" "$shown" "$hidden" 2>/dev/null >>"$out/bare"
done

# column 2 is CPU milliseconds, column 4 peak kilobytes
median() { awk -v c="$2" '{print $c}' "$1" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
row() {
    local l b
    l=$(median "$out/lobby" "$2")
    b=$(median "$out/bare" "$2")
    awk -v n="$1" -v l="$l" -v b="$b" -v t="$3" \
        'BEGIN {r = l / b; printf "%-10s %10.1f %10.1f %8.3f %8.2f %s\n", n, l, b, r, t, (r <= t ? "met" : "MISSED")}'
}
echo "medians of $runs alternating runs; widgets: $shown shown, $hidden hidden"
printf "%-10s %10s %10s %8s %8s\n" "" lobby bare ratio target
row "CPU ms" 2 1.25
row "peak kB" 4 1.10
