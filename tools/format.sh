#!/usr/bin/env bash
# Formats the program's sources in the house style (.clang-format): bash tools/format.sh
# With --check it changes nothing and fails, naming the lines, where a file differs from it.
# Tests keep their hand-laid boards and tables (tests/.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' | grep -v '^tests/')
if [ "${1:-}" = --check ]; then
    clang-format --dry-run --Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
