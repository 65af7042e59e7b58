#!/usr/bin/env bash
# System calls and CPU ticks of the idle program with the lobby open after a sound has played:
# starts the lobby as the program does, plays the lobby's sound, waits until the sound and the
# audio device's idle time are over, then counts for 10 seconds with strace -c -f.
# Usage: bash bench/idle_strace.sh [build folder, default build-bench]   (needs strace)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
"$dir/bench/startup/taisen_startup_lobby" 20 >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
sleep 5 # the lobby is up, its sound (under a second) has played, the device's 2 s are over
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
threads() { ls "/proc/$pid/task" | wc -l; }
echo "threads: $(threads)"
before=$(ticks)
timeout -s INT 10 strace -c -f -p "$pid" 2>&1 || true
echo "CPU ticks over the 10 s: $(($(ticks) - before))"
