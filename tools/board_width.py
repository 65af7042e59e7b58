#!/usr/bin/env python3
"""Where the board stands in a game window, in the screen's pixels, read from the screen.

The board grows with the window and moves right and down by the strip of its coordinates when
these show, so the scripts that click on it or beside it find it first. Its top-left pixel lies
on the window's diagonal, the first there in the board's colour; the first grid line's silver to
its right ends the first cell's interior, and the grid line under that row runs silver to the
board's right edge.
    python3 tools/board_width.py WINDOW    (an X window id, as xdotool gives it): the x just
                                           right of the board
"""
import subprocess
import sys

BOARD = (0x50, 0x60, 0x60)
LINE = (0xC0, 0xC0, 0xC0)


def pixels(win):
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", win], check=True, capture_output=True,
                              text=True).stdout
    width = int(geometry.split("WIDTH=")[1].split()[0])
    raw = subprocess.run(["import", "-window", win, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return lambda x, y: tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3])


def board_box(win):
    """The board's left (and top) pixel and its side."""
    at = pixels(win)
    origin = next(k for k in range(400) if at(k, k) == BOARD)
    line = next(x for x in range(origin, origin + 4000) if at(x, origin) == LINE)
    row = origin + (line - origin)
    right = next(x for x in range(line, line + 8000) if at(x, row) != LINE)
    return origin, right - origin


def board_width(win):
    origin, side = board_box(win)
    return origin + side


if __name__ == "__main__":
    print(board_width(sys.argv[1]))
