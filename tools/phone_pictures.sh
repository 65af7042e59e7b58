#!/usr/bin/env bash
# The README's pictures of phones joining: the lobby hosts, its 携帯 button shows the page's
# address with its QR code (docs/phone-code.png), and a phone-sized headless Chromium opens the
# page in Japanese (docs/phone-page.png), all under a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh xvfb xdotool imagemagick chromium
source tools/build_program.sh
display=:${TAISEN_DISPLAY:-78}
source tools/virtual_display.sh 1200x800x24

cp "${programs[@]}" "$work/"
ln -s "$PWD/assets/img" "$PWD/assets/snd" "$work/"
(cd "$work" && HOME=$work LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec ./taisen >/dev/null 2>&1) &
pids+=($!)
lobby=$(xdotool search --sync --onlyvisible --pid "$!" | head -1)
sleep 0.5
xdotool mousemove --sync --window "$lobby" 195 90 click 1 # 待機開始
sleep 1
xdotool mousemove --sync --window "$lobby" 516 144 click 1 # 携帯, then its second item
sleep 0.5
xdotool key Down Down Return
sleep 1
dialog=$(xdotool search --onlyvisible --pid "${pids[-1]}" | grep -vx "$lobby" | tail -1)
import -window "$dialog" docs/phone-code.png
LANG=ja_JP.UTF-8 LANGUAGE=ja chromium --headless=new --no-sandbox --disable-gpu --lang=ja --accept-lang=ja \
    --hide-scrollbars --window-size=390,520 --user-data-dir="$work/chromium" \
    --screenshot=docs/phone-page.png http://127.0.0.1:18390/ 2>/dev/null
echo "docs/phone-code.png docs/phone-page.png"
