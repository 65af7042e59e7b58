#!/usr/bin/env bash
# A first game alone, as a new user plays it: the host against three computer players under a
# virtual X display, one 8 x 8 game with the legal-cell marks and the mouse, then one with the
# keyboard only. Prints the clicks and key presses each took and saves the pictures of the
# marks, the cursor, the hint and 遊び方 into docs/; in Japanese, the two games kept are then listed
# in the Records window (docs/records.png) and the first is replayed to its middle and its end
# (docs/replay.png, replay-end.png).
#   bash tools/first_game.sh                 Japanese (docs/marks.png, cursor.png, hint.png, howto.png)
#   TAISEN_LANG=en bash tools/first_game.sh  English (docs/howto-en.png only)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
# TAISEN_PROGRAM=<file> plays with that program as it is.
program=${TAISEN_PROGRAM:-}
if [ -z "$program" ]; then
    source tools/build_program.sh
    program=$build/taisen
fi

case ${TAISEN_LANG:-ja} in
    en) language=en ;;
    *) language= ;;
esac
port=28390
display=:${TAISEN_DISPLAY:-78}
source tools/virtual_display.sh 1200x900x24
export XDG_DATA_HOME=$work/data # the games played here are kept here, not among the user's

for p in taisen taisen-cli taisen-windows taisen-computer; do cp "$(dirname "$program")/$p" "$work/"; done
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
[ -z "$language" ] || exit 0

# 記録, in the chat's heading; the first click may only bring the lobby forward.
records=
for _ in 1 2 3 4 5; do
    xdotool mousemove --sync --window "$lobby" 406 144 click 1
    sleep 2
    records=$(xdotool search --onlyvisible --name '^記録$' | head -1 || true)
    [ -n "$records" ] && break
done
sleep 1
import -window "$records" docs/records.png
first=$(ls "$XDG_DATA_HOME"/taisen/games/*.txt | head -1)
run --replay "$first"
pids+=($!)
replay=$(xdotool search --sync --onlyvisible --pid "$!" | head -1)
sleep 1
# The list of moves fills the right of the window, under the names: a click there, then its start.
read -r width height < <(xdotool getwindowgeometry "$replay" | awk '/Geometry/ { sub("x", " ", $2); print $2 }')
xdotool mousemove --sync --window "$replay" $((width - 100)) $((height / 2)) click 1
xdotool key Home
xdotool key --repeat $(($(grep -c '^move ' "$first") / 2)) --delay 20 Down
sleep 1
import -window "$replay" docs/replay.png
xdotool key End
sleep 1
import -window "$replay" docs/replay-end.png
echo "wrote docs/records.png, docs/replay.png and docs/replay-end.png"
