#!/usr/bin/env bash
# The pictures of the board's looks: a game alone in a window with room for the coordinates,
# once in each theme (docs/look-classic.png, docs/look-wood.png, docs/look-contrast.png), and
# the same in the smallest window of a 10 x 10 board, 420 x 373 with no frame, where the board keeps
# its place (docs/look-smallest.png). The pointer rests on C3, which the status bar names.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
source tools/build_program.sh
display=:${TAISEN_DISPLAY:-79}
source tools/virtual_display.sh 1200x800x24

# picture, theme, window size
for run in "look-classic classic 700x520" "look-wood wood 700x520" "look-contrast contrast 700x520" \
    "look-smallest classic 420x373"; do
    eval "set -- $run"
    folder=$work/$1
    mkdir -p "$folder"
    cp "${programs[@]}" "$folder/"
    ln -s "$PWD/assets/img" "$PWD/assets/snd" "$folder/"
    printf '[GameSetting]\r\nTheme=%s\r\nShowLegal=1\r\n' "$2" >"$folder/setting.ini"
    (cd "$folder" && HOME=$folder LANGUAGE= LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
        exec ./taisen --alone --size 10 >/dev/null 2>&1) &
    pids+=($!)
    for _ in $(seq 100); do
        game=$(xdotool search --onlyvisible --name "^Kuralo" 2>/dev/null | head -1 || true)
        [ -n "$game" ] && break
        sleep 0.1
    done
    xdotool windowsize --sync "$game" "${3%x*}" "${3#*x}" || true
    sleep 1
    xdotool key --window "$game" Down Down Down Down Right Right Right Right Right
    # The middle of C3 wherever the board stands: column 2, row 2 of 10 over the board's side.
    side=$(( ${3#*x} < ${3%x*} - 170 ? ${3#*x} - 32 : ${3%x*} - 170 ))
    xdotool mousemove --window "$game" $(( side * 5 / 20 + 8 )) $(( side * 5 / 20 + 8 ))
    sleep 0.5
    import -window "$game" "docs/$1.png"
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
done
echo "docs/look-classic.png docs/look-wood.png docs/look-contrast.png docs/look-smallest.png"
