#!/usr/bin/env python3
"""Plays the host's seat of two first games through xdotool, as tools/first_game.sh sets them up.

The board is read from the screen: a legal cell shows the white diamond of the marks at its
centre. Game one: L switches the marks on and every turn clicks a marked cell. Game two: the
keyboard only, the cursor walked to the nearest marked cell and Enter pressed.
"""
import subprocess
import sys
import time

from board_width import board_box

N = 8


def sh(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def window_name(win):
    return sh("xdotool", "getwindowname", win).strip()


def pixels(win):
    raw = subprocess.run(["import", "-window", win, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    width = int(sh("xdotool", "getwindowgeometry", "--shell", win).split("WIDTH=")[1].split()[0])
    return lambda x, y: tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3])


def marked_cells(win, origin, cell):
    at = pixels(win)
    board = (0x50, 0x60, 0x60)
    return [(c, r) for c in range(N) for r in range(N)
            if at(origin + c * cell + cell // 2, origin + r * cell + cell // 2) == (255, 255, 255)
            and at(origin + c * cell + cell // 2, origin + r * cell + cell // 4) == board]


def own_turn(name):
    return "あなたの番です" in name or "[your turn]" in name


def wait_turn_passed(win):
    """The caption keeps naming this seat while the move's animation runs."""
    for _ in range(200):
        if not own_turn(window_name(win)):
            return
        time.sleep(0.05)


def wait_turn_or_end(win):
    for _ in range(1200):
        name = window_name(win)
        if own_turn(name):
            time.sleep(0.3)
            return True
        if not name.startswith("Kuralo"):
            return False
        time.sleep(0.1)
    raise SystemExit("the game stalled")


def key(win, *names):
    sh("xdotool", "key", "--window", win, *names)
    time.sleep(0.05)


def click(win, x, y):
    sh("xdotool", "mousemove", "--sync", "--window", win, str(x), str(y), "click", "1")
    time.sleep(0.2)


def start_game(lobby):
    click(lobby, 497, 120)  # ゲム開始
    for _ in range(100):
        found = [w for w in sh("xdotool", "search", "--onlyvisible", "--name", "Kuralo").split() if w != lobby]
        if found:
            return found[0]
        time.sleep(0.1)
    raise SystemExit("no game window")


def keys_to(cursor, target):
    """The presses that walk the cursor to target, using Home/End/PageUp/PageDown where shorter."""
    (cc, cr), (tc, tr) = cursor, target
    presses = []
    for now, goal, low, high, back, forth in ((cc, tc, "Home", "End", "Left", "Right"), (cr, tr, "Prior", "Next", "Up", "Down")):
        plain = abs(goal - now)
        via_low, via_high = 1 + goal, 1 + (N - 1 - goal)
        best = min(plain, via_low, via_high)
        if best == plain:
            presses += [forth if goal > now else back] * plain
        elif best == via_low:
            presses += [low] + [forth] * goal
        else:
            presses += [high] + [back] * (N - 1 - goal)
    return presses


def play(lobby, keyboard, shots):
    game = start_game(lobby)
    sh("xdotool", "windowmove", "--sync", game, "0", "0")
    sh("xdotool", "windowfocus", "--sync", game)  # the window's keys (L, H, F1) need it active
    time.sleep(0.5)
    origin, side = board_box(game)  # the board fills the window beside its coordinates
    cell = side // N
    clicks, keys, turns = 1, 0, 0  # the click on ゲム開始
    cursor = (0, 0)
    if keyboard:
        key(game, "Home", "Prior")  # the cursor stays where the last game left it
        keys += 2
    else:
        key(game, "l")  # the marks, once: the switch is remembered
        keys += 1
    while wait_turn_or_end(game):
        turns += 1
        cells = marked_cells(game, origin, cell)
        if shots and turns == 1:
            sh("import", "-window", game, "docs/marks.png")
        if not cells and keyboard:
            key(game, "Tab", "space")  # from the board to パス
            keys += 2
        elif not cells:
            click(game, origin + N * cell + 10 + 96 + 20, 8 + 256 + 16)  # パス
            clicks += 1
        elif keyboard:
            target = min(cells, key=lambda c: len(keys_to(cursor, c)))
            for k in keys_to(cursor, target):
                key(game, k)
                keys += 1
            if shots and turns == 1:
                sh("import", "-window", game, "docs/cursor.png")
                key(game, "h")
                time.sleep(0.6)
                sh("import", "-window", game, "docs/hint.png")
            key(game, "Return")
            keys += 1
            cursor = target
        else:
            c, r = cells[turns % len(cells)]
            click(game, origin + c * cell + cell // 2, origin + r * cell + cell // 2)
            clicks += 1
        wait_turn_passed(game)
    print(f"{'keyboard' if keyboard else 'marks and mouse'}: {turns} own turns, {clicks} clicks, {keys} key presses")
    return game


def help_shot(game, name):
    key(game, "F1")
    time.sleep(1)
    win = [w for w in sh("xdotool", "search", "--onlyvisible", "--name", sys.argv[2] == "en" and "How to play" or "遊び方").split()][0]
    sh("import", "-window", win, "-resize", "75%", name)


def main():
    lobby, language = sys.argv[1], sys.argv[2]
    if language == "en":
        game = play(lobby, keyboard=False, shots=False)
        help_shot(game, "docs/howto-en.png")
        return
    play(lobby, keyboard=False, shots=False)
    game = play(lobby, keyboard=True, shots=True)
    help_shot(game, "docs/howto.png")


main()
