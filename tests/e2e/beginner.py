# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game's yellow side as a beginner, by keys, reading the board off the screen.

Usage: beginner.py PID GAMES WINS_NEEDED. Prints each game's end and the score; exits 1 when
the beginner won fewer games than needed or the game stopped answering."""
import random
import subprocess
import sys
import time

COLUMNS, ROWS = 7, 5
COLOURS = {(247, 250, 0): 1, (238, 28, 0): 2, (0, 0, 255): 0}


def run(*arguments):
    return subprocess.run(arguments, check=True, capture_output=True, text=True).stdout


def windows(pid):
    found = run("xdotool", "search", "--onlyvisible", "--pid", pid).split() if pid else []
    result = []
    for window in found:
        geometry = dict(line.split("=") for line in run("xdotool", "getwindowgeometry", "--shell", window).split())
        result.append((window, int(geometry["X"]), int(geometry["Y"]), int(geometry["WIDTH"]), int(geometry["HEIGHT"])))
    return result


def board(x, y):
    """The cells as 0 empty, 1 yellow, 2 red, row 0 at the top; None while one is unclear."""
    ppm = subprocess.run(["import", "-window", "root", "-crop", f"403x275+{x}+{y}", "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    header_end, fields = 0, []
    while len(fields) < 4:  # P6, width, height, maximum
        start = header_end
        while ppm[start:start + 1].isspace():
            start += 1
        header_end = start
        while not ppm[header_end:header_end + 1].isspace():
            header_end += 1
        fields.append(ppm[start:header_end])
    pixels, width = ppm[header_end + 1:], int(fields[1])
    cells = []
    for row in range(ROWS):
        for column in range(COLUMNS):
            px, py = 104 + 40 * column + 15, 56 + 40 * row + 15
            offset = 3 * (py * width + px)
            cells.append(COLOURS.get(tuple(pixels[offset:offset + 3])))
    return None if None in cells else cells


def landing(cells, column):
    for row in range(ROWS - 1, -1, -1):
        if cells[row * COLUMNS + column] == 0:
            return row
    return None


def has_line(cells, colour):
    for row in range(ROWS):
        for column in range(COLUMNS):
            for dr, dc in ((0, 1), (1, 0), (1, 1), (1, -1)):
                if all(0 <= row + k * dr < ROWS and 0 <= column + k * dc < COLUMNS and
                       cells[(row + k * dr) * COLUMNS + column + k * dc] == colour for k in range(4)):
                    return True
    return False


def after(cells, column, colour):
    played = list(cells)
    played[landing(cells, column) * COLUMNS + column] = colour
    return played


def beginner(cells):
    open_columns = [c for c in range(COLUMNS) if landing(cells, c) is not None]
    wins = [c for c in open_columns if has_line(after(cells, c, 1), 1)]
    if wins:
        return random.choice(wins)
    stops = [c for c in open_columns if has_line(after(cells, c, 2), 2)]
    if stops:
        return random.choice(stops)
    safe = [c for c in open_columns
            if landing(after(cells, c, 1), c) is None or not has_line(after(after(cells, c, 1), c, 2), 2)]
    return random.choice(safe or open_columns)


def wait(condition, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    sys.exit(f"FAIL: {what}")


def main():
    pid, games, needed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    main_window = wait(lambda: [w for w in windows(pid) if w[3:] == (403, 275)], "no main window")[0]
    window, x, y = main_window[:3]
    run("xdotool", "windowactivate", "--sync", window)
    read = lambda: board(x, y)
    score = {"won": 0, "lost": 0, "drawn": 0}
    def settled(pieces):
        """A win message, or the board once it holds that many pieces."""
        if len(windows(pid)) >= 2:
            return "message"
        cells = read()
        return cells if cells and sum(1 for cell in cells if cell) == pieces else None

    for number in range(games):
        cells = wait(lambda: (board := read()) is not None and not any(board) and board,
                     "a new game does not start empty")
        message = False
        while not message and not all(cells):
            pieces = sum(1 for cell in cells if cell)
            run("xdotool", "key", str(beginner(cells) + 1))
            for reply in (1, 2):  # the beginner's piece, then the computer's
                seen = wait(lambda: settled(pieces + reply), "the game did not answer the key")
                message = seen == "message"
                if message or all(seen):
                    cells = seen
                    break
                cells = seen
        if message:  # a line stands: the message is closed as a player closes it
            run("xdotool", "key", "Return")
            wait(lambda: len(windows(pid)) == 1, "the win message did not close")
            cells = wait(read, "the board cannot be read after the message")
        result = "won" if has_line(cells, 1) else "lost" if has_line(cells, 2) else "drawn"
        score[result] += 1
        print(f"game {number + 1}: {result}", flush=True)
        run("xdotool", "windowactivate", "--sync", window)
        run("xdotool", "key", "ctrl+n")
    print(f"beginner against level 1: {score['won']} won, {score['drawn']} drawn, {score['lost']} lost")
    if score["won"] < needed:
        sys.exit(f"FAIL: the beginner won {score['won']} of {games}, fewer than {needed}")


if __name__ == "__main__":
    main()
