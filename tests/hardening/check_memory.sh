#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the scripted session under valgrind's memory checker on a private X server: any error, or
# any block definitely lost, fails. Usage: check_memory.sh SCRIPTED_GAME SUPPRESSIONS
set -euo pipefail
game=$1
suppressions=$2
source "$(dirname "$0")/../support/x_session.sh"
start_xvfb 1024x768x24
export QT_QPA_PLATFORM=xcb

valgrind --tool=memcheck --child-silent-after-fork=yes --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=30 --suppressions="$suppressions" \
    --gen-suppressions=all --log-file="$work/memcheck.log" "$game" || status=$?
if [ "${status:-0}" -ne 0 ]; then
    cat "$work/memcheck.log" >&2
    fail "the scripted session ended with status $status under the memory checker"
fi
grep -E 'ERROR SUMMARY|definitely lost|suppressed:' "$work/memcheck.log"
