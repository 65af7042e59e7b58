#!/usr/bin/env bash
# Remakes the README's pictures: four stations on one machine under a virtual X display play
# an 8 x 8 game by themselves; the host's lobby and game window are saved into docs/.
#   bash tools/screenshots.sh            Japanese (docs/lobby.png, docs/game.png)
#   TAISEN_LANG=en bash tools/screenshots.sh   English (docs/lobby-en.png, docs/game-en.png)
#   TAISEN_SCALE=1.5 bash tools/screenshots.sh  at a screen scale of 1.5 (docs/game-x1.5.png)
#   TAISEN_ENLARGE=300 bash tools/screenshots.sh  the game window 300 pixels wider and higher
#                                                 (docs/game-large.png)
# TAISEN_PACKAGE=<file.deb> plays with the programs of that package, each unpacked on its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
if [ -z "${TAISEN_PACKAGE:-}" ]; then
    source tools/build_program.sh
fi

# The C locale stands for a system with no language chosen: the program is then in Japanese.
case ${TAISEN_LANG:-ja} in
    en) language=en suffix=-en names=(Alice Bob Carol Dave) chat=("Hello, everyone" "Ready when you are") ;;
    *) language= suffix= names=(あおい たける みさき ゆうと) chat=("よろしくお願いします" "いつでもどうぞ") ;;
esac
scale=${TAISEN_SCALE:-1}
enlarge=${TAISEN_ENLARGE:-0}
[ "$scale" = 1 ] || suffix=$suffix-x$scale
[ "$enlarge" = 0 ] || suffix=$suffix-large
# A window's own pixel (x, y) on a scaled screen.
px() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
port=28389
display=:${TAISEN_DISPLAY:-77}
source tools/virtual_display.sh "$(px 2300)x$(px 1400)x24"

# Each station runs from a folder of its own, so each keeps its own setting.ini.
lobbies=()
for i in 0 1 2 3; do
    mkdir -p "$work/$i"
    if [ -n "${TAISEN_PACKAGE:-}" ]; then
        dpkg-deb -x "$TAISEN_PACKAGE" "$work/$i"
        exe=$work/$i/usr/bin/taisen
    else
        cp "${programs[@]}" "$work/$i/"
        ln -s "$PWD/assets/img" "$PWD/assets/snd" "$work/$i/"
        exe=$work/$i/taisen
    fi
    (cd "$work/$i" && LANGUAGE=$language LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale exec "$exe" >/dev/null 2>&1) &
    pids+=($!)
    lobbies+=("$(xdotool search --sync --onlyvisible --pid "$!" | head -1)")
    xdotool windowmove --sync "${lobbies[i]}" "$(px $((i * 570)))" 0
done

# At (x, y) inside a window: click, or click and replace the text there.
click() { xdotool mousemove --sync --window "$1" "$(px "$2")" "$(px "$3")" click 1; sleep 0.2; }
typeAt() {
    click "$1" "$2" "$3"
    xdotool key --window "$1" ctrl+a
    xdotool type --delay 30 --window "$1" "$4"
}
say() { typeAt "$1" 200 308 "$2"; xdotool key --window "$1" Return; sleep 0.3; }

for i in 0 1 2 3; do
    typeAt "${lobbies[i]}" 79 26 "${names[i]}"
    typeAt "${lobbies[i]}" 184 26 "$port"
done
click "${lobbies[0]}" 195 90                   # 待機開始: host
for i in 1 2 3; do
    click "${lobbies[i]}" 40 84                # クライアントとして接続
    typeAt "${lobbies[i]}" 70 123 127.0.0.1
    click "${lobbies[i]}" 195 120              # 接続
    sleep 0.5
done
say "${lobbies[1]}" "${chat[0]}"
say "${lobbies[0]}" "${chat[1]}"
click "${lobbies[0]}" 497 120                  # ゲム開始

# Each game window appears below its lobby; every station plays at random from its next turn,
# and the host passes its first turn so that the game starts moving. The side panel stands
# right of the board, which fills the window.
games=()
for i in 0 1 2 3; do
    games+=("$(xdotool search --sync --onlyvisible --pid "${pids[i + 1]}" | grep -vx "${lobbies[i]}" | head -1)")
    xdotool windowmove --sync "${games[i]}" "$(px $((i * 570)))" "$(px 360)"
    xdotool windowraise "${games[i]}" # over the windows not yet moved, which hide its board
    sleep 0.5
    panel=$(awk -v w="$(python3 tools/board_width.py "${games[i]}")" -v s="$scale" 'BEGIN { printf "%d", w / s + 10.5 }')
    [ "$i" = 0 ] && hostPanel=$panel
    click "${games[i]}" $((panel + 20)) 308    # 自動適当打ち(次から)
done
click "${games[0]}" $((hostPanel + 116)) 280   # パス
if [ "$enlarge" != 0 ]; then
    read -r width height < <(xdotool getwindowgeometry "${games[0]}" | awk '/Geometry/ { sub("x", " ", $2); print $2 }')
    xdotool windowsize --sync "${games[0]}" $((width + enlarge)) $((height + enlarge))
    xdotool windowraise "${games[0]}" # over its neighbour, which the picture would show
fi

for _ in $(seq 240); do
    xdotool getwindowname "${games[0]}" | grep -qvE '^Kuralo' && break
    sleep 0.5
done
sleep 1
shots=${TAISEN_SHOTS_DIR:-docs}
mkdir -p "$shots"
import -window "${lobbies[0]}" "$shots/lobby$suffix.png"
import -window "${games[0]}" "$shots/game$suffix.png"
echo "wrote $shots/lobby$suffix.png and $shots/game$suffix.png"
# Whatever else wants the stations while they are still there (tools/atspi.sh's recording).
eval "${TAISEN_AT_END:-}"
