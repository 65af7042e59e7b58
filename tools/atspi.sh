#!/usr/bin/env bash
# Plays the screenshots' game with assistive technology listening, in a D-Bus session of its
# own, and writes what the host's station said into docs/atspi.txt: the focus, name and
# description events of the whole game, then the accessible tree of both windows.
#   bash tools/atspi.sh        (TAISEN_LANG=en for the English texts)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh at-spi2-core python3-gi gir1.2-atspi-2.0 dbus-x11
out=docs/atspi${TAISEN_LANG:+-$TAISEN_LANG}.txt
export TAISEN_DEPS_READY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TAISEN_SHOTS_DIR=$(mktemp -d)
dbus-run-session -- bash -c '
    /usr/bin/python3 tools/atspi_record.py > "$0" &
    recorder=$!
    sleep 1
    TAISEN_AT_END="kill -TERM $recorder; while kill -0 $recorder 2>/dev/null; do sleep 0.2; done" bash tools/screenshots.sh
' "$out"
rm -rf "$TAISEN_SHOTS_DIR"
echo "wrote $out"
