#!/usr/bin/env python3
"""The width of the board in a game window, in the screen's pixels, read from the screen.

The board grows with the window, so the scripts that click beside it find it first. Above the
side panel the window's top pixel row holds only the board, whose last column is a grid line:
the rightmost pixel of the grid lines' silver on that row ends the board.
    python3 tools/board_width.py WINDOW    (an X window id, as xdotool gives it)
"""
import subprocess
import sys

LINE = (0xC0, 0xC0, 0xC0)


def board_width(win):
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", win], check=True, capture_output=True,
                              text=True).stdout
    width = int(geometry.split("WIDTH=")[1].split()[0])
    raw = subprocess.run(["import", "-window", win, "-crop", f"{width}x1+0+1", "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    return 1 + max(x for x in range(len(raw) // 3) if tuple(raw[3 * x:3 * x + 3]) == LINE)


if __name__ == "__main__":
    print(board_width(sys.argv[1]))
