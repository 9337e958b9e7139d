# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays one game through the real window by keys, reading the board off the screen and the
message through the accessibility bus, and checks what a game shows as it ends.

Usage: computer_game.py PID SCENARIO, where SCENARIO is
  beginner: against the computer as red: its last piece is marked until the player's next drop,
            the end says who won in the player's words, the line is marked, a drop changes nothing;
  draw:     against the unbeatable computer, playing each hint: a full board is «Match nul !»;
  two:      between two players: «Le joueur 1 a gagné!», no mark, and play goes on."""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from beginner import COLUMNS, beginner, board, run, wait, windows  # noqa: E402
import pyatspi  # noqa: E402


def fail(message):
    sys.exit(f"FAIL: {message}")


def pixel(x, y):
    ppm = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    return tuple(ppm[-3:])


def cell_centre(origin, cell):
    row, column = divmod(cell, COLUMNS)
    return origin[0] + 104 + 40 * column + 15, origin[1] + 56 + 40 * row + 15


def marked(origin, cells):
    """The pieces that carry the white ring, six pixels right of their centre."""
    found = []
    for cell, value in enumerate(cells):
        x, y = cell_centre(origin, cell)
        if value and pixel(x + 6, y) == (255, 255, 255):
            found.append(cell)
    return found


def in_lines(cells):
    """Every cell of every line of four equal pieces."""
    found = set()
    for cell, value in enumerate(cells):
        row, column = divmod(cell, COLUMNS)
        for dr, dc in ((0, 1), (1, 0), (1, 1), (1, -1)):
            line = [(row + k * dr) * COLUMNS + column + k * dc for k in range(4)
                    if 0 <= row + k * dr < len(cells) // COLUMNS and 0 <= column + k * dc < COLUMNS]
            if value and len(line) == 4 and all(cells[c] == value for c in line):
                found.update(line)
    return found


def hinted(origin, cells):
    """The column of the ring that a hint shows: blue in the middle, yellow eight pixels out."""
    for cell, value in enumerate(cells):
        x, y = cell_centre(origin, cell)
        if not value and pixel(x + 8, y) == (247, 250, 0):
            return cell % COLUMNS
    return None


def message_text():
    """The text of the program's message box, read as a screen reader reads it."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "Quatrelle":
            continue
        for child in app:
            if child is None or child.getRoleName() not in ("alert", "dialog"):
                continue
            label = pyatspi.findDescendant(child, lambda node: node is not None and node.getRoleName() == "label"
                                           and "!" in (node.name or ""))
            if label is not None:
                return label.name
    return None


def main():
    pid, scenario = sys.argv[1], sys.argv[2]
    main_window = wait(lambda: [w for w in windows(pid) if w[3:] == (403, 275)], "no main window")[0]
    window, x, y = main_window[:3]
    origin = (x, y)
    run("xdotool", "windowactivate", "--sync", window)
    read = lambda: board(x, y)
    message = lambda: len(windows(pid)) >= 2

    def drop(column, pieces):
        run("xdotool", "key", str(column + 1))
        return wait(lambda: message() or ((c := read()) and sum(map(bool, c)) > pieces and c), "no piece dropped")

    cells = wait(read, "the board cannot be read")
    if scenario == "two":
        for column in (0, 0, 1, 1, 2, 2, 3):
            seen = drop(column, sum(map(bool, cells)))
            cells = read() if seen is True else seen
        wait(message, "no win message between two players")
        text = wait(message_text, "the message cannot be read")
        # Red's last drop, when it came too soon before the winning one for a voice to say it,
        # is carried into the message.
        if not re.fullmatch(r"Le joueur 1 a gagné! - Der Spieler 1 hat gewonnen !"
                            r"( Rouge en colonne 3, rangée 2\.)? Jaune en colonne 4, rangée 1\.", text):
            fail(f"two players read {text!r}")
        run("xdotool", "key", "Return")
        wait(lambda: not message(), "the message did not close")
        cells = wait(read, "the board cannot be read")
        if marked(origin, cells):
            fail("a two-player game marks pieces")
        drop(5, sum(map(bool, cells)))  # play goes on, and the message comes again
        wait(message, "no message after a drop that leaves the line")
        run("xdotool", "key", "Return")
        print("two players: the original message, no mark, play goes on")
        return

    checked_marks = 0
    while not message():
        pieces = sum(map(bool, cells))
        if scenario == "draw":
            run("xdotool", "key", "h")
            column = wait(lambda: (h := hinted(origin, read() or cells)) is not None and [h],
                          "no hint shown")[0]
        else:
            column = beginner(cells)
        seen = drop(column, pieces)
        if seen is True:
            break
        if marked(origin, seen) and scenario == "beginner":
            fail("the computer's mark stayed after the player's drop")
        seen = wait(lambda: message() or ((c := read()) and sum(map(bool, c)) > pieces + 1 and c),
                    "the computer did not answer")
        if seen is True:
            break
        cells = seen
        if scenario == "beginner":
            # The piece falls, then stays marked alone; or the game ends with its message.
            def marked_alone():
                now = read()
                shown = marked(origin, now) if now else []
                return len(shown) == 1 and now[shown[0]] == 2 and shown
            if wait(lambda: message() or marked_alone(), "the computer's last piece is not marked alone") is not True:
                checked_marks += 1
    text = wait(message_text, "the message cannot be read")
    draw = "Match nul ! - Unentschieden !"
    expected = (draw,) if scenario == "draw" else \
        ("Vous avez gagné ! - Sie haben gewonnen !", "L'ordinateur a gagné ! - Der Computer hat gewonnen !",
         draw)  # a beginner draws with level 1 about once in twenty games
    # The message says the result, then the last moves: a screen reader cuts what it says when it
    # appears.
    if not text.startswith(expected) or not re.search(r" Vous : [1-7], rangée [1-5]\.$", text):
        fail(f"the end reads {text!r}")
    won = not text.startswith(draw)
    run("xdotool", "key", "Return")
    wait(lambda: not message(), "the message did not close")
    cells = wait(read, "the board cannot be read")
    if scenario == "beginner" and won:
        # Every cell of every line that the last move made is ringed, and no other.
        def lines_ringed():
            now = read()
            return now and set(marked(origin, now)) == in_lines(now) and now
        cells = wait(lines_ringed, "the marked pieces are not the lines")
    open_column = next((c for c in range(COLUMNS) if not cells[c]), None)
    if open_column is not None:
        run("xdotool", "windowactivate", "--sync", window)
        run("xdotool", "key", str(open_column + 1))
        time.sleep(1)
        if read() != cells or message():
            fail("a drop changed the board after the end")
    print(f"{scenario}: {text!r}, {checked_marks} marked replies, the end holds")


if __name__ == "__main__":
    main()
