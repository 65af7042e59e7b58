#!/usr/bin/env bash
# Builds the Debian package taisen_<version>_<arch>.deb in build-package/: bash tools/package.sh
# TAISEN_BUILD_DIR picks another build folder; an existing one keeps its own settings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
dir=${TAISEN_BUILD_DIR:-build-package}
if [ -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" >/dev/null
else
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAISEN_TESTS=OFF >/dev/null
fi
cmake --build "$dir" --target taisen
(cd "$dir" && cpack -G DEB)
