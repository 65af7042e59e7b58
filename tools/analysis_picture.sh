#!/usr/bin/env bash
# The README's picture of an analysed game: docs/analysis-game.txt, an 8 x 8 game of a player
# against the three computer levels, replayed under a virtual X display, analysed (the A key)
# and shown at its most costly move, where the board marks the cell the search preferred.
#   bash tools/analysis_picture.sh                 Japanese (docs/analysis.png)
#   TAISEN_LANG=en bash tools/analysis_picture.sh  English (docs/analysis-en.png)
# TAISEN_ANALYSIS_SECONDS (default 20) is how long the analysis is given before the picture.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick
source tools/build_program.sh

case ${TAISEN_LANG:-ja} in
    en) language=en suffix=-en ;;
    *) language= suffix= ;;
esac
game=$PWD/docs/analysis-game.txt
# The move that cost its mover most, by the same analysis the window makes.
worst=$("$build/taisen" --analyze "$game" | awk -F'\t' '!/^#/ && $9 + 0 > best { best = $9 + 0; move = $1 } END { print move }')

display=:${TAISEN_DISPLAY:-79}
source tools/virtual_display.sh 1200x900x24
cp "${programs[@]}" "$work/"
ln -s "$PWD/assets/img" "$PWD/assets/snd" "$work/"
(cd "$work" && LANGUAGE=$language LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec ./taisen --replay "$game" >/dev/null 2>&1) &
pids+=($!)
replay=$(xdotool search --sync --onlyvisible --pid "$!" | head -1)
xdotool windowsize --sync "$replay" 820 560
sleep 1
xdotool mousemove --sync --window "$replay" 300 160 click 1 # the list of moves takes the keys
sleep 0.3
xdotool key a
sleep "${TAISEN_ANALYSIS_SECONDS:-20}"
xdotool key Home
xdotool key --repeat "$worst" --delay 30 Right
sleep 1
import -window "$replay" "docs/analysis$suffix.png"
echo "wrote docs/analysis$suffix.png (move $worst)"
