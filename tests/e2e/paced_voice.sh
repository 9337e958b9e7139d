#!/bin/bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The screen reader test's voice: speaks TEXT at a reader's pace (the characters a second in
# $VOICE/pace, 15 when it holds none), as lines in $VOICE/log: "start TIME TEXT" when it begins
# and "end TIME" when it has been said whole. The speech server kills it when the screen reader
# cuts the text short, and then no end is written. Usage: paced_voice.sh TEXT
export LC_ALL=C.UTF-8
text=$1
pace=$(cat "$VOICE/pace" 2>/dev/null || echo 15)
printf 'start %s %s\n' "$(date +%s.%N)" "$text" >>"$VOICE/log"
sleep "$(awk -v n="${#text}" -v pace="$pace" 'BEGIN { printf "%.3f", n / pace }')"
printf 'end %s\n' "$(date +%s.%N)" >>"$VOICE/log"
