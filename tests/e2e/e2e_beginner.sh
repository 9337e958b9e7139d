#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# A person's games against the computer through the real window, under a window manager, by keys
# alone, reading the board off the screen (beginner.py says how each plays). By default a
# beginner plays eight games against level 1 and must win at least two.
# Usage: e2e_beginner.sh PATH_TO_QUATRELLE [LEVEL GAMES LEAST MOST [--trick]]
set -euo pipefail
program=$1
level=${2:-1} games=${3:-8} least=${4:-2} most=${5:-${3:-8}} strategy=${6:-}
source "$(dirname "$0")/../support/x_session.sh"
start_xvfb 1024x768x24
openbox >"$work/wm.log" 2>&1 &
wait_for "openbox did not start" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'

"${own_data[@]}" "$program" --computer red --level "$level" >"$work/program.log" 2>&1 &
game=$!
wait_for "the main window did not appear" eval 'xdotool search --onlyvisible --pid "$game" >/dev/null 2>&1'
python3 "$(dirname "$0")/beginner.py" "$game" "$games" "$least" "$most" $strategy
xdotool key ctrl+q
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
