#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Quatrelle against a bare Qt window built in the same run, on a private Xvfb, and
# prints the ratios. Usage: bench/run.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-11}
cd "$(dirname "$0")/.."
program=$build/src/quatrelle
floor=$build/bench/bench_floor_window
cpu_clock=$build/bench/bench_cpu_clock
decision_times=$build/bench/bench_decision_times
source tests/support/x_session.sh
start_xvfb 1024x768x24

rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
# Times the process was woken: voluntary context switches, summed over its threads.
wake_ups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }

stop() {
    kill "$child"
    wait "$child" 2>/dev/null || true
}

# Window events on the screen, read from one lasting connection: polling the server for the
# window would load it while the program starts.
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" &
exec 4<"$work/events"
sleep 0.5

# Waits for the next window to be mapped, at most the given seconds; fails when the program
# ends first or takes longer.
wait_for_map() {
    local line
    while read -r -t "$1" line <&4; do
        case $line in MapNotify*)
            kill -0 "$child" 2>/dev/null || break
            return 0
            ;;
        esac
    done
    fail "$2 showed no window"
}

# Microseconds from the start of the process to its first mapped window, then its resident
# memory one second later. Prints "us kb".
start_up() {
    while read -r -t 0.1 _ <&4; do :; done # what earlier runs left
    local start
    start=${EPOCHREALTIME/./}
    "$@" 2>/dev/null &
    child=$!
    wait_for_map 10 "$1"
    local mapped
    mapped=${EPOCHREALTIME/./}
    sleep 1
    echo "$((mapped - start)) $(rss_kb "$child")"
    stop
}

# Starts a program, waits until its window is on screen, and lets it settle; sets $child.
launch() {
    while read -r -t 0.1 _ <&4; do :; done
    "$@" 2>/dev/null &
    child=$!
    wait_for_map 120 "$1"
    sleep "${settle:-1}"
}

# Opens the about window with "A propos de" and lets it settle.
open_about_window() {
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Quatrelle$' | head -n 1)")"
    xdotool mousemove $((X + 52)) $((Y + 60)) click 1
    sleep "${1:-1}"
}

# Microseconds of CPU the process uses over ten seconds, by its CPU clock.
cpu_us_over_ten_seconds() {
    local before
    before=$("$cpu_clock" "$1")
    sleep 10
    echo $((($("$cpu_clock" "$1") - before) / 1000))
}

# Instructions the process runs over ten seconds under callgrind (started with exec, so that
# $child is valgrind itself): nearly the same count on every run, whatever else the machine
# is doing. Sets $instructions.
instructions_over_ten_seconds() {
    callgrind_control --zero "$1" >/dev/null 2>&1
    sleep 10
    callgrind_control --dump=measured "$1" >/dev/null 2>&1
    instructions=$(awk '/Trigger: dump measured/ {found = 1} found && /^summary:/ {print $2; exit}' \
        "$work"/callgrind.*)
}

callgrind() { exec valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p" "$@"; }

# Instructions from the process's start until its window has been on screen for a second, in
# the language that the locale names. Usage: start_up_instructions LANG
start_up_instructions() {
    rm -f "$work"/callgrind.*
    launch env LANGUAGE= LC_ALL= LC_MESSAGES= LANG="$1" valgrind --tool=callgrind \
        --callgrind-out-file="$work/callgrind.%p" "$program"
    callgrind_control --dump=started "$child" >/dev/null 2>&1
    awk '/Trigger: dump started/ {found = 1} found && /^summary:/ {print $2; exit}' \
        "$work"/callgrind.*
    stop
}

# The program and the floor start in turn, so each pair meets the machine in the same state,
# and which of the two goes first alternates; the ratio is the median of the pairs' ratios.
for pair in $(seq "$runs"); do
    if ((pair % 2)); then
        start_up "$program" >>"$work/program"
        start_up "$floor" >>"$work/floor"
    else
        start_up "$floor" >>"$work/floor"
        start_up "$program" >>"$work/program"
    fi
done
program_us=$(cut -d' ' -f1 "$work/program" | median)
floor_us=$(cut -d' ' -f1 "$work/floor" | median)
program_kb=$(cut -d' ' -f2 "$work/program" | median)
floor_kb=$(cut -d' ' -f2 "$work/floor" | median)
pair_ratio() { paste -d' ' "$work/program" "$work/floor" | awk -v f="$1" -v n="$(($1 + 2))" '{print $f / $n}' | median; }
start_up_ratio=$(pair_ratio 1)
memory_ratio=$(pair_ratio 2)

# With the computer playing yellow, which opens: the memory once its first move is on the board.
for run in $(seq "$runs"); do
    start_up "$program" --computer yellow >>"$work/computer"
done
computer_kb=$(cut -d' ' -f2 "$work/computer" | median)

launch "$program"
program_pid=$child
wakes_before=$(wake_ups "$program_pid")
idle_us=$(cpu_us_over_ten_seconds "$program_pid")
idle_wakes=$(($(wake_ups "$program_pid") - wakes_before))
# Both scroll at once, so that whatever else the machine does weighs on both alike; the figure
# is the median of five ten-second windows.
open_about_window
launch "$floor" --scroll
floor_pid=$child
for _ in 1 2 3 4 5; do
    program_before=$("$cpu_clock" "$program_pid")
    floor_before=$("$cpu_clock" "$floor_pid")
    sleep 10
    echo $((($("$cpu_clock" "$program_pid") - program_before) / 1000)) >>"$work/program_scroll"
    echo $((($("$cpu_clock" "$floor_pid") - floor_before) / 1000)) >>"$work/floor_scroll"
done
scroll_us=$(median <"$work/program_scroll")
floor_scroll_us=$(median <"$work/floor_scroll")
stop
child=$program_pid
stop

instructions=
if command -v valgrind >/dev/null; then
    settle=3 launch callgrind "$program"
    open_about_window 3
    instructions_over_ten_seconds "$child"
    scroll_instructions=$instructions
    stop
    rm -f "$work"/callgrind.*
    settle=3 launch callgrind "$floor" --scroll
    instructions_over_ten_seconds "$child"
    floor_scroll_instructions=$instructions
    stop
    french_start=$(start_up_instructions C.UTF-8)
    german_start=$(start_up_instructions de_DE.UTF-8)
fi

ms() { awk -v us="$1" 'BEGIN {printf "%.1f ms", us / 1000}'; }
echo "start-up, $runs pairs:        Quatrelle $(ms "$program_us"), floor $(ms "$floor_us"), ratio $(printf %.2f "$start_up_ratio") (target 1.15)"
echo "memory one second after:     Quatrelle ${program_kb} KiB, floor ${floor_kb} KiB, ratio $(printf %.2f "$memory_ratio") (target 1.2)"
echo "memory with the computer on: Quatrelle ${computer_kb} KiB, without ${program_kb} KiB, $((computer_kb - program_kb)) KiB more (target 16 MiB at most)"
echo "idle main window, 10 s:      $(ms "$idle_us") of CPU, $idle_wakes wake-ups (target none)"
echo "scrolling credits, 10 s:     Quatrelle $(ms "$scroll_us"), floor $(ms "$floor_scroll_us") of CPU, ratio $(ratio "$scroll_us" "$floor_scroll_us") (target 1.2)"
if [ -n "$instructions" ]; then
    echo "  the same, in instructions: Quatrelle $scroll_instructions, floor $floor_scroll_instructions, ratio $(ratio "$scroll_instructions" "$floor_scroll_instructions")"
    echo "start-up in instructions:    German $german_start, the C locale's French $french_start, ratio $(ratio "$german_start" "$french_start") (target 1.03)"
fi
"$decision_times" 1000
# The levels against the stand-in players, with each level's decision times.
"$build/bench/bench_ladder" 1000
