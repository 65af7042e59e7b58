#!/usr/bin/env bash
# Builds the game with its tests and runs them all: bash tools/test.sh
# Extra arguments go to CMake (the sanitizer build passes -DTAISEN_SANITIZE=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
dir=${TAISEN_BUILD_DIR:-build-tests}
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$dir" --output-on-failure -j2
