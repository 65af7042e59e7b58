#!/usr/bin/env bash
# The README's pictures of a first game alone: from the first window, one click on 一人で遊ぶ and
# one move by the keyboard (Down three times, Right, Enter: cell B4 of an 8 x 8 board), under a
# virtual X display, in both languages (docs/alone-lobby.png, docs/alone.png and their -en).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
source tools/build_program.sh
display=:${TAISEN_DISPLAY:-78}
source tools/virtual_display.sh 1200x800x24

# language, suffix of the pictures, x of the button's text in the chat's heading
for run in "ja '' 320" "en -en 300"; do
    eval "set -- $run"
    folder=$work/$1
    mkdir -p "$folder"
    cp "${programs[@]}" "$folder/"
    ln -s "$PWD/assets/img" "$PWD/assets/snd" "$folder/"
    language=$1
    [ "$language" = ja ] && language=
    (cd "$folder" && HOME=$folder LANGUAGE=$language LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec ./taisen >/dev/null 2>&1) &
    pids+=($!)
    lobby=$(xdotool search --sync --onlyvisible --pid "$!" | head -1)
    sleep 0.5
    import -window "$lobby" "docs/alone-lobby$2.png"
    xdotool mousemove --sync --window "$lobby" "$3" 144 click 1
    for _ in $(seq 50); do
        game=$(xdotool search --onlyvisible --pid "${pids[-1]}" | grep -vx "$lobby" | head -1 || true)
        [ -n "$game" ] && break
        sleep 0.1
    done
    sleep 0.5
    xdotool key --window "$game" Down Down Down Right Return
    sleep 3 # the three computers' replies
    import -window "$game" "docs/alone$2.png"
    kill "${pids[-1]}"
done
echo "docs/alone-lobby.png docs/alone.png docs/alone-lobby-en.png docs/alone-en.png"
