#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# A beginner plays eight games against the computer at level 1 through the real window, under a
# window manager, by keys alone, reading the board off the screen: it wins at once when it can,
# else stops the computer's line, else avoids a move that lets the computer win on top of it,
# else plays at random. It must win at least three. Usage: e2e_beginner.sh PATH_TO_QUATRELLE
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/x_session.sh"
start_xvfb 1024x768x24
openbox >"$work/wm.log" 2>&1 &
wait_for "openbox did not start" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'

"$program" --computer red --level 1 >"$work/program.log" 2>&1 &
game=$!
wait_for "the main window did not appear" eval 'xdotool search --onlyvisible --pid "$game" >/dev/null 2>&1'
python3 "$(dirname "$0")/beginner.py" "$game" 8 3
xdotool key ctrl+q
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
