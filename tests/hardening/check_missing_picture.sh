#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# A build that lacks a picture ends at start-up with a message naming it, on standard error and
# in a message box, and exit status 1. Usage: check_missing_picture.sh PROGRAM_WITH_TEST_HOOKS
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/x_session.sh"
start_xvfb 800x600x24

picture=:/pictures/cell_empty.png
QUATRELLE_TEST_MISSING_PICTURE=$picture "$program" 2>"$work/stderr" &
game=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quatrelle$' | head -n 1) ||
    fail "no message box"
grep -q "$picture" "$work/stderr" || fail "standard error does not name the picture: $(cat "$work/stderr")"
geometry=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: //p')
[ "$geometry" != "403x275" ] || fail "the main window appeared instead of the message"
xdotool key --window "$box" Return 2>/dev/null || true
xdotool key Return
status=0
timeout 20 tail --pid="$game" -f /dev/null || fail "the program did not end after the message"
wait "$game" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1"
echo "missing picture: 3 passed, 0 failed"
