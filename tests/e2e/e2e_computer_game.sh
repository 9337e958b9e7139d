#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# How a game ends, through the real window under a window manager, by keys, read off the screen
# and, for the messages, through the accessibility bus: a beginner's game against level 1, a
# draw against the unbeatable level reached by playing every hint, and a two-player game, which
# keeps the original ending. Usage: e2e_computer_game.sh PATH_TO_QUATRELLE
set -euo pipefail
program=$1
# A session bus of the test's own, whatever the caller's environment holds.
if [ -z "${QUATRELLE_TEST_BUS:-}" ]; then
    QUATRELLE_TEST_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/../support/x_session.sh"
start_xvfb 1024x768x24
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
openbox >"$work/wm.log" 2>&1 &
wait_for "openbox did not start" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'

play() { # play SCENARIO PROGRAM_OPTION...
    local scenario=$1 game status=0
    shift
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${own_data[@]}" "$program" "$@" >"$work/program.log" 2>&1 &
    game=$!
    wait_for "the main window did not appear" eval 'xdotool search --onlyvisible --pid "$game" >/dev/null 2>&1'
    # Debian's pyatspi is for the system's Python, whatever python3 comes first on the PATH.
    /usr/bin/python3 "$(dirname "$0")/computer_game.py" "$game" "$scenario"
    xdotool key ctrl+q
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}
play beginner --computer red --level 1
play draw --computer red --level 4
grep -q 'level4\\drawn=1' "$XDG_CONFIG_HOME"/Korvantis/Quatrelle.conf ||
    fail "the draw was not counted: $(cat "$XDG_CONFIG_HOME"/Korvantis/Quatrelle.conf)"
play two --computer none
echo "computer game: 3 passed, 0 failed"
