#!/usr/bin/env bash
# Builds the game and starts it: bash tools/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DTAISEN_TESTS=OFF >/dev/null
cmake --build build --target taisen
exec ./build/taisen
