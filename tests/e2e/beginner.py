# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game's yellow side by keys, reading the board off the screen.

Usage: beginner.py PID GAMES LEAST [MOST] [--trick]. As a beginner, plays every game to its end.
With --trick, plays the open-two trick instead: two pieces on the bottom row with room on both
sides, then a third beside them that threatens both ends; once the computer has spoiled it, the
game is given up and a new one started. Prints each game's end and the score; exits 1 when
fewer games than LEAST or more than MOST were won, or the game stopped answering."""
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
        # A tooltip, as the first start's note is, stands beside the game's windows, not among them.
        if "TOOLTIP" in run("xprop", "-id", window, "_NET_WM_WINDOW_TYPE"):
            continue
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


def threats(cells, colour):
    """The empty cells where the colour would complete four."""
    found = set()
    for column in range(COLUMNS):
        for row in range(ROWS):
            if cells[row * COLUMNS + column] == 0:
                played = list(cells)
                played[row * COLUMNS + column] = colour
                if has_line(played, colour):
                    found.add((row, column))
    return found


def makes_two_threats(cells, column):
    """Yellow's move leaves red unable to stop both of yellow's next lines, and red no line."""
    played = after(cells, column, 1)
    open_cells = {(landing(played, c), c) for c in range(COLUMNS) if landing(played, c) is not None}
    if threats(played, 2) & open_cells:
        return False
    mine = threats(played, 1)
    playable = mine & open_cells
    return len(playable) >= 2 or any((row - 1, column) in mine for row, column in playable)


def open_two_set_up(cells, columns):
    """The bottom-row moves that leave the most yellow pieces in the middle three of five empty
    bottom cells (red having none of them): a third piece there makes an open three."""
    best, most = [], 0
    for column in columns:
        if landing(cells, column) != ROWS - 1:
            continue
        bottom = after(cells, column, 1)[(ROWS - 1) * COLUMNS:]
        for start in range(COLUMNS - 4):
            if not start < column < start + 4 or 2 in bottom[start:start + 5] or bottom[start] or bottom[start + 4]:
                continue
            pieces = sum(bottom[start + 1:start + 4])
            if pieces > most:
                best, most = [], pieces
            if pieces == most and column not in best:
                best.append(column)
    return best


def trick(cells):
    """The trick's move, or None once the computer has spoiled it."""
    open_columns = [c for c in range(COLUMNS) if landing(cells, c) is not None]
    wins = [c for c in open_columns if has_line(after(cells, c, 1), 1)]
    if wins:
        return wins[0]
    stops = [c for c in open_columns if has_line(after(cells, c, 2), 2)]
    if stops:
        return stops[0] if any(makes_two_threats(cells, c) for c in stops) else None
    forks = [c for c in open_columns if makes_two_threats(cells, c)]
    if forks:
        return random.choice(forks)
    set_ups = open_two_set_up(cells, open_columns)
    nearest = min((abs(c - COLUMNS // 2) for c in set_ups), default=None)
    return random.choice([c for c in set_ups if abs(c - COLUMNS // 2) == nearest]) if set_ups else None


def wait(condition, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    sys.exit(f"FAIL: {what}")


def main():
    arguments = [a for a in sys.argv[1:] if a != "--trick"]
    playing_trick = "--trick" in sys.argv
    pid, games, least = arguments[0], int(arguments[1]), int(arguments[2])
    most = int(arguments[3]) if len(arguments) > 3 else games
    main_window = wait(lambda: [w for w in windows(pid) if w[3:] == (403, 275)], "no main window")[0]
    window, x, y = main_window[:3]
    run("xdotool", "windowactivate", "--sync", window)
    read = lambda: board(x, y)
    score = {"won": 0, "lost": 0, "drawn": 0, "given up": 0}
    def settled(pieces):
        """A win message, or the board once it holds at least that many pieces and has stopped
        moving: the computer's piece falls past the cells above its own, and on a slow machine
        it may land before the player's own piece has been seen still."""
        if len(windows(pid)) >= 2:
            return "message"
        cells = read()
        if not cells or sum(1 for cell in cells if cell) < pieces:
            return None
        time.sleep(0.25)
        return cells if read() == cells else None

    for number in range(games):
        cells = wait(lambda: (board := read()) is not None and not any(board) and board,
                     "a new game does not start empty")
        message = given_up = False
        while not message and not all(cells):
            pieces = sum(1 for cell in cells if cell)
            column = trick(cells) if playing_trick else beginner(cells)
            if column is None:
                given_up = True
                break
            run("xdotool", "key", str(column + 1))
            for reply in (1, 2):  # the player's piece, then the computer's
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
        result = ("given up" if given_up else "won" if has_line(cells, 1) else
                  "lost" if has_line(cells, 2) else "drawn")
        score[result] += 1
        print(f"game {number + 1}: {result}", flush=True)
        run("xdotool", "windowactivate", "--sync", window)
        run("xdotool", "key", "ctrl+n")
    print(f"{'the open-two trick' if playing_trick else 'the beginner'}: " +
          ", ".join(f"{count} {result}" for result, count in score.items()))
    if not least <= score["won"] <= most:
        sys.exit(f"FAIL: {score['won']} of {games} won, not between {least} and {most}")


if __name__ == "__main__":
    main()
