#!/usr/bin/env bash
# The paths that open no window against bare Qt programs: `taisen --version` and `--help` against
# a QCoreApplication that prints a line, a computer player whose host refuses it against a bare
# program linking Qt Network whose connection is refused. Runs each pair alternately and prints
# the medians of CPU time (user + system, to the microsecond) and peak memory, and their ratios.
# Usage: bash bench/cli.sh [build folder, default build-bench] [runs, default 21] [taisen to weigh]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
python3 - "$dir" "${2:-21}" "${3:-$dir/taisen}" <<'PY'
import os, socket, statistics, subprocess, sys

folder, runs, taisen = sys.argv[1], int(sys.argv[2]), sys.argv[3]
core = f"{folder}/bench/startup/taisen_bare_core"
network = f"{folder}/bench/startup/taisen_bare_network"
with socket.socket() as s:  # a port where nothing listens: the connection is refused at once
    s.bind(("127.0.0.1", 0))
    port = str(s.getsockname()[1])
programs = {
    "version": [taisen, "--version"],
    "core": [core],
    "help": [taisen, "--help"],
    "computer": [taisen, "--computer", "127.0.0.1", "--port", port],
    "network": [network, "127.0.0.1", port],
}

def run(argv):
    # CPU time to the microsecond from the child itself; its peak memory from /usr/bin/time,
    # since a child of this process would count the memory of the Python it was forked from.
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, _, usage = os.wait4(child.pid, 0)
    timed = subprocess.run(["/usr/bin/time", "-f", "%M", *argv], capture_output=True, text=True)
    return (usage.ru_utime + usage.ru_stime) * 1000, int(timed.stderr.split()[-1])

# The first round only warms the file cache.
for argv in programs.values():
    run(argv)
taken = {name: [] for name in programs}
for _ in range(runs):
    for name, argv in programs.items():
        taken[name].append(run(argv))

def median(name, column):
    return statistics.median_low(sample[column] for sample in taken[name])

print(f"medians of {runs} alternating runs")
print(f"{'':22} {'taisen':>9} {'bare':>9} {'ratio':>7} {'target':>7}")
for label, name, bare, column in [("--version CPU ms", "version", "core", 0), ("--version peak kB", "version", "core", 1),
                                  ("--help CPU ms", "help", "core", 0), ("--help peak kB", "help", "core", 1),
                                  ("--computer CPU ms", "computer", "network", 0),
                                  ("--computer peak kB", "computer", "network", 1)]:
    ours, theirs = median(name, column), median(bare, column)
    ratio = ours / theirs
    if label == "--computer CPU ms":  # shown for the record: only its memory has a target
        print(f"{label:22} {ours:9.1f} {theirs:9.1f} {ratio:7.2f}")
        continue
    verdict = "met" if ratio <= 1.5 else "MISSED"
    print(f"{label:22} {ours:9.1f} {theirs:9.1f} {ratio:7.2f} {1.5:7.2f} {verdict}")
PY
