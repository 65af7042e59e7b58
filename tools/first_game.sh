#!/usr/bin/env bash
# A first game alone, as a new user plays it: the host against three computer players under a
# virtual X display, one 8 x 8 game with the legal-cell marks and the mouse, then one with the
# keyboard only. Prints the clicks and key presses each took and saves the pictures of the
# marks, the cursor, the hint and 遊び方 into docs/.
#   bash tools/first_game.sh                 Japanese (docs/marks.png, cursor.png, hint.png, howto.png)
#   TAISEN_LANG=en bash tools/first_game.sh  English (docs/howto-en.png only)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
# TAISEN_PROGRAM=<file> plays with that program as it is.
program=${TAISEN_PROGRAM:-}
if [ -z "$program" ]; then
    build=${TAISEN_BUILD_DIR:-build}
    [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DTAISEN_TESTS=OFF >/dev/null
    cmake --build "$build" --target taisen
    program=$build/taisen
fi

case ${TAISEN_LANG:-ja} in
    en) language=en ;;
    *) language= ;;
esac
port=28390
display=:${TAISEN_DISPLAY:-78}
source tools/virtual_display.sh 1200x900x24

cp "$program" "$work/taisen"
ln -s "$PWD/assets/img" "$PWD/assets/snd" "$work/"
run() { (cd "$work" && LANGUAGE=$language LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec ./taisen "$@" >/dev/null 2>&1) & }
run
pids+=($!)
lobby=$(xdotool search --sync --onlyvisible --pid "$!" | head -1)
xdotool windowmove --sync "$lobby" 600 0

click() { xdotool mousemove --sync --window "$1" "$2" "$3" click 1; sleep 0.2; }
click "$lobby" 79 26; xdotool key --window "$lobby" ctrl+a; xdotool type --window "$lobby" "Player"
click "$lobby" 184 26; xdotool key --window "$lobby" ctrl+a; xdotool type --window "$lobby" "$port"
click "$lobby" 195 90                          # 待機開始
for level in 1 2 3; do
    run --computer 127.0.0.1 --port "$port" --name "CPU$level" --level "$level"
    pids+=($!)
done
sleep 2
python3 tools/first_game.py "$lobby" "${language:-ja}"
