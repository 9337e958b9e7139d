#!/usr/bin/env bash
# Measures Quatrelle against a bare Qt window built in the same run, on a private Xvfb, and
# prints the ratios. Usage: bench/run.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-7}
cd "$(dirname "$0")/.."
program=$build/src/quatrelle
floor=$build/bench/bench_floor_window
source tests/support/x_session.sh
start_xvfb 1024x768x24
ticks=$(getconf CLK_TCK)

now_ms() { date +%s%3N; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# Milliseconds from the start of the process to its first mapped window, then its resident
# memory one second later. Prints "ms kb".
start_up() {
    local title=$1
    shift
    local start
    start=$(now_ms)
    "$@" 2>/dev/null &
    child=$!
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.002; done
    local mapped
    mapped=$(now_ms)
    sleep 1
    echo "$((mapped - start)) $(rss_kb "$child")"
    kill "$child"
    wait "$child" 2>/dev/null || true
}

# CPU milliseconds used over ten seconds.
cpu_over_ten_seconds() {
    local before after
    before=$(cpu_ticks "$1")
    sleep 10
    after=$(cpu_ticks "$1")
    echo $(((after - before) * 1000 / ticks))
}

for i in $(seq "$runs"); do
    start_up Quatrelle "$program" >>"$work/program"
    start_up Floor "$floor" >>"$work/floor"
done
program_ms=$(cut -d' ' -f1 "$work/program" | median)
floor_ms=$(cut -d' ' -f1 "$work/floor" | median)
program_kb=$(cut -d' ' -f2 "$work/program" | median)
floor_kb=$(cut -d' ' -f2 "$work/floor" | median)

"$program" 2>/dev/null &
child=$!
xdotool search --sync --onlyvisible --name '^Quatrelle$' >/dev/null
sleep 1
idle_ms=$(cpu_over_ten_seconds "$child")
# Open the about window with "A propos de" and let the credits scroll.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Quatrelle$' | head -n 1)")"
xdotool mousemove $((X + 52)) $((Y + 60)) click 1
sleep 1
scroll_ms=$(cpu_over_ten_seconds "$child")
kill "$child"
wait "$child" 2>/dev/null || true
"$floor" --scroll 2>/dev/null &
child=$!
xdotool search --sync --onlyvisible --name '^Floor$' >/dev/null
sleep 1
floor_scroll_ms=$(cpu_over_ten_seconds "$child")
kill "$child"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
echo "start-up (median of $runs): Quatrelle ${program_ms} ms, floor ${floor_ms} ms, ratio $(ratio "$program_ms" "$floor_ms") (target 1.15)"
echo "memory one second after:    Quatrelle ${program_kb} KiB, floor ${floor_kb} KiB, ratio $(ratio "$program_kb" "$floor_kb") (target 1.2)"
echo "idle main window, 10 s:     ${idle_ms} ms of CPU"
echo "scrolling credits, 10 s:    Quatrelle ${scroll_ms} ms, floor ${floor_scroll_ms} ms, ratio $(ratio "$scroll_ms" "$floor_scroll_ms") (target 1.2)"
