#!/usr/bin/env bash
# Remakes the README's pictures: four stations on one machine under a virtual X display play
# an 8 x 8 game by themselves; the host's lobby and game window are saved into docs/.
#   bash tools/screenshots.sh            Japanese (docs/lobby.png, docs/game.png)
#   TAISEN_LANG=en bash tools/screenshots.sh   English (docs/lobby-en.png, docs/game-en.png)
# TAISEN_PACKAGE=<file.deb> plays with the programs of that package, each unpacked on its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
build=${TAISEN_BUILD_DIR:-build}
if [ -z "${TAISEN_PACKAGE:-}" ]; then
    [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DTAISEN_TESTS=OFF >/dev/null
    cmake --build "$build" --target taisen
fi

# The C locale stands for a system with no language chosen: the program is then in Japanese.
case ${TAISEN_LANG:-ja} in
    en) language=en suffix=-en names=(Alice Bob Carol Dave) chat=("Hello, everyone" "Ready when you are") ;;
    *) language= suffix= names=(あおい たける みさき ゆうと) chat=("よろしくお願いします" "いつでもどうぞ") ;;
esac
port=28389
display=:${TAISEN_DISPLAY:-77}
source tools/virtual_display.sh 2300x1000x24

# Each station runs from a folder of its own, so each keeps its own setting.ini.
lobbies=()
for i in 0 1 2 3; do
    mkdir -p "$work/$i"
    if [ -n "${TAISEN_PACKAGE:-}" ]; then
        dpkg-deb -x "$TAISEN_PACKAGE" "$work/$i"
        exe=$work/$i/usr/bin/taisen
    else
        cp "$build/taisen" "$work/$i/"
        ln -s "$PWD/assets/img" "$PWD/assets/snd" "$work/$i/"
        exe=$work/$i/taisen
    fi
    (cd "$work/$i" && LANGUAGE=$language LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec "$exe" >/dev/null 2>&1) &
    pids+=($!)
    lobbies+=("$(xdotool search --sync --onlyvisible --pid "$!" | head -1)")
    xdotool windowmove --sync "${lobbies[i]}" $((i * 570)) 0
done

# At (x, y) inside a window: click, or click and replace the text there.
click() { xdotool mousemove --sync --window "$1" "$2" "$3" click 1; sleep 0.2; }
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
# and the host passes its first turn so that the game starts moving.
games=()
for i in 0 1 2 3; do
    games+=("$(xdotool search --sync --onlyvisible --pid "${pids[i + 1]}" | grep -vx "${lobbies[i]}" | head -1)")
    xdotool windowmove --sync "${games[i]}" $((i * 570)) 360
    click "${games[i]}" 230 308                # 自動適当打ち(次から)
done
click "${games[0]}" 326 280                    # パス

for _ in $(seq 240); do
    xdotool getwindowname "${games[0]}" | grep -qvE '^Kuralo' && break
    sleep 0.5
done
sleep 1
mkdir -p docs
import -window "${lobbies[0]}" "docs/lobby$suffix.png"
import -window "${games[0]}" "docs/game$suffix.png"
echo "wrote docs/lobby$suffix.png and docs/game$suffix.png"
