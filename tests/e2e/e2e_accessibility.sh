#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader sees it, on a real accessibility bus: its windows and controls
# are named, a game is played through the controls' Press actions alone, and the board and
# whose turn it is can be read. Usage: e2e_accessibility.sh PATH_TO_QUATRELLE
set -euo pipefail
program=$1
# A session bus of the test's own, whatever the caller's environment holds.
if [ -z "${QUATRELLE_TEST_BUS:-}" ]; then
    QUATRELLE_TEST_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/../support/x_session.sh"

start_xvfb 1024x768x24
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_for "the accessibility bus did not start" bus_up
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${own_data[@]}" "$program" 2>"$work/program.log" &
first=$!

# Debian's pyatspi is for the system's Python, whatever python3 comes first on the PATH.
export PYTHONPATH=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 - <<'PYTHON' || fail "the accessible tree is not as a screen reader needs it"
import subprocess
import pyatspi
from accessible import application, fail, find, named, press, wait_for, window

app = wait_for("the program is not on the accessibility bus", application)
main = wait_for("no window named Quatrelle", lambda: window(app, "Quatrelle"))
print("main window:", main.getRoleName(), repr(main.name), repr(main.description))
if main.description != "Au joueur 1 (jaune) de jouer":
    fail(f"turn before the first move: {main.description!r}")
children = [main.getChildAtIndex(i) for i in range(main.childCount)]
print(" ", len(children), "children, e.g.",
      [(c.getRoleName(), c.name) for c in children[:2] + children[4:6] + children[11:12]])
# The buttons, the arrows, the cells and the status line that says the news.
if len(children) != 4 + 7 + 35 + 1 or children[-1].getRoleName() != "status bar":
    fail(f"{len(children)} children: the hidden picture holders are exposed, or controls are missing")
for caption in ("Nouveau jeu", "A propos de", "Aide", "Quitter", "Colonne 4 : vide"):
    node = named(main, caption)
    if node is None or node.getRoleName() != "push button":
        fail(f"{caption!r} is not a push button")

press(named(main, "Colonne 4 : vide"))
wait_for("a Press on Colonne 4 dropped nothing",
         lambda: named(main, "Colonne 4, rang\u00e9e 1 : jaune"))
wait_for("the turn did not pass", lambda: main.description == "Au joueur 2 (rouge) de jouer")
print("after a Press on Colonne 4:", repr(main.description))

press(named(main, "A propos de"))
about = wait_for("no window named A propos de Quatrelle",
                 lambda: window(app, "A propos de Quatrelle"))
label = pyatspi.findDescendant(about, lambda node: node is not None and
                               node.name.startswith("Programmation : "))
if label is None or "Version 0.0.10" not in label.name:
    fail("the credits cannot be read")
press(named(about, "Fermer"))
wait_for("Fermer did not close the about window",
         lambda: window(app, "A propos de Quatrelle") is None or
                 not window(app, "A propos de Quatrelle").getState().contains(pyatspi.STATE_SHOWING))
press(named(main, "Nouveau jeu"))
wait_for("Nouveau jeu did not empty the board", lambda: named(main, "Colonne 4, rang\u00e9e 1 : vide"))
print("about window opened and closed, new game, through Press actions alone")

# A game whose 27th move, yellow's in column 2, throws the draw away: A opens its review,
# whose line of that move and summary say so.
for count, column in enumerate("233333224444425216650155161", 1):
    press(pyatspi.findDescendant(main, lambda node: node is not None and
                                 node.name.startswith(f"Colonne {int(column) + 1} :")))
    wait_for(f"move {count} did not drop",
             lambda: sum(1 for i in range(main.childCount)
                         if main.getChildAtIndex(i).name.endswith((": jaune", ": rouge"))
                         and "rang" in main.getChildAtIndex(i).name) == count)
window_id = subprocess.run(["xdotool", "search", "--name", "^Quatrelle$"], check=True,
                           capture_output=True, text=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window_id, "key", "a"], check=True)
review = wait_for("A opened no review", lambda: window(app, "Analyse de la partie - Quatrelle"))
# The summary, as a screen reader reads it with the window's title.
summary = wait_for("the review never ended",
                   lambda: review.description if "coup 27" in review.description else None)
print("summary:", summary)
moves = pyatspi.findDescendant(review, lambda node: node is not None and node.name == "Coups")
line = moves.getChildAtIndex(26).name if moves is not None and moves.childCount == 27 else None
# Columns 1 and 6 both kept the draw: the review names the one nearer the centre, as the hint does.
expected = ("Coup 27, jaune, colonne 2 : erreur ; le nul devenait une d\u00e9faite ; "
            "il fallait jouer 6.")
if line != expected:
    fail(f"the review's line of move 27 reads {line!r}")
# The summary, then the move that the list, which has the focus, opens on.
if not summary.endswith("La partie s'est jou\u00e9e au coup 27. La liste s'ouvre sur le coup 27, le dernier."):
    fail(f"the summary reads {summary!r}")
print("review:", line)
PYTHON
kill "$first"

# The options reach the game, over what the settings keep: the window says the opponent and the
# level it plays.
described_with() { # described_with EXPECTED OPTION...: the window's description says EXPECTED
    local expected=$1 pid
    shift
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${own_data[@]}" "$program" "$@" 2>>"$work/program.log" &
    pid=$!
    EXPECTED=$expected /usr/bin/python3 - <<'PYTHON' || fail "with $*, the window said otherwise"
import os, sys, time
import pyatspi
end, said = time.time() + 10, None
while time.time() < end and said != os.environ["EXPECTED"]:
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quatrelle" and app.childCount:
            said = app.getChildAtIndex(0).description
    time.sleep(0.1)
print("  described:", repr(said))
sys.exit(said != os.environ["EXPECTED"])
PYTHON
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
mkdir -p "$XDG_CONFIG_HOME/Korvantis"
printf '[General]\nopponent=red\nlevel=4\n' >"$XDG_CONFIG_HOME/Korvantis/Quatrelle.conf"
described_with "Contre l'ordinateur (rouge), niveau Fort. A vous de jouer." --computer red --level 3
described_with "Contre l'ordinateur (rouge), niveau Moyen. A vous de jouer." --level 2
described_with "Au joueur 1 (jaune) de jouer" --computer none

# In German and in English the window, its menu and the win message speak the desktop's
# language, as a screen reader reads them.
speaks() { # speaks LANG BUTTONS DESCRIPTION COLUMN MENU_ENTRY WIN_MESSAGE
    local language=$1 pid
    shift
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${own_data[@]}" LANG="$language" "$program" --computer none \
        2>>"$work/program.log" &
    pid=$!
    /usr/bin/python3 - "$@" <<'PYTHON' || fail "in $language the game does not speak it"
import subprocess, sys, time
import pyatspi
from accessible import application, fail, find, wait_for
buttons, description, column, entry, won = sys.argv[1].split("|"), *sys.argv[2:]

main = wait_for("no window", lambda: application() and application().getChildAtIndex(0))
wait_for(f"described {main.description!r}", lambda: main.description == description)
for caption in buttons:
    if find(main, lambda node: node.name == caption and node.getRoleName() == "push button") is None:
        fail(f"no button {caption!r}")
# A menu is not a child of the application: its entry is heard as it takes the focus.
from gi.repository import GLib
focused = []
pyatspi.Registry.registerEventListener(
    lambda event: focused.append((event.source.getRoleName(), event.source.name)), "focus:")
window_id = subprocess.run(["xdotool", "search", "--name", "^Quatrelle$"], check=True,
                           capture_output=True, text=True).stdout.split()[0]
def open_menu():
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id, "key", "shift+F10"], check=True)
def stop_when_heard(deadline=time.time() + 10):
    if ("menu item", entry) in focused or time.time() > deadline:
        pyatspi.Registry.stop()
        return False
    return True
GLib.idle_add(open_menu)
GLib.timeout_add(100, stop_when_heard)
pyatspi.Registry.start()
if ("menu item", entry) not in focused:
    fail(f"the menu's first entry was not {entry!r} but {focused}")
print("  menu entry:", repr(entry))
subprocess.run(["xdotool", "key", "Escape"], check=True)
for count, play in enumerate("0101010", 1):
    arrow = find(main, lambda node: node.name.startswith(f"{column} {int(play) + 1}:"))
    arrow.queryAction().doAction(0)
    if count < 7:
        wait_for("no drop", lambda: sum(1 for c in main if c.name.endswith(("gelb", "rot", "yellow", "red"))) == count)
said = wait_for("no win message", lambda: find(application(), lambda node: node.getRoleName() == "label" and node.name.startswith(won)))
print("  win message:", repr(said.name))
PYTHON
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
speaks de_DE.UTF-8 "Neues Spiel|Über|Hilfe|Beenden" "Spieler 1 (Gelb) ist am Zug" Spalte \
    $'Neues Spiel\tStrg+N' "Spieler 1 hat gewonnen!"
speaks en_US.UTF-8 "New game|About|Help|Quit" "Player 1 (yellow) to play" Column $'New game\tCtrl+N' \
    "Player 1 has won!"
echo "accessibility: 11 passed, 0 failed"
