# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need a private X server. Gives them a scratch folder ($work),
# fail, wait_for and start_xvfb; when the script exits, every background process it started that is
# still running (the server, the program, a pending click) is ended and the folder removed.

work=$(mktemp -d)
# The program's settings, data and runtime folder are the test's own, whatever the user chose
# and whatever else is installed or running.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_DATA_DIRS=/usr/share
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The program's own data folders hold nothing, so that an installed copy of the game, its icons
# among them, does not stand in for the build's; the session's services still read /usr/share.
# It speaks the C locale's French, whatever the caller's language, unless a test names another
# after these.
mkdir "$work/share"
own_data=(env "XDG_DATA_DIRS=$work/share" LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8)

end_session() {
    local pids
    pids=$(jobs -p)
    [ -n "$pids" ] && kill $pids 2>/dev/null
    rm -rf "$work"
}
trap end_session EXIT

# The logs go with the folder, so a failure shows their ends first: a window that never came
# may be a program that stopped at start, and only its own output says so.
fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "$work"/*.log; do
        [ -s "$log" ] || continue
        echo "--- end of ${log##*/}" >&2
        tail -n 20 "$log" >&2
    done
    exit 1
}

# Waits up to 20 seconds, by the clock rather than by a count of polls, so that a loaded
# machine does not fail a slow start while a passing run waits no longer than it needs.
wait_for() { # wait_for DESCRIPTION COMMAND...
    local description=$1 deadline=$((SECONDS + 20))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$description"
        sleep 0.05
    done
}

# Starts Xvfb on the first free display and exports DISPLAY. The server never resets: a reset
# when its last client leaves would drop the keyboard layout and refuse a program that connects
# while it is under way.
# Usage: start_xvfb [GEOMETRY [XVFB_OPTION...]]
start_xvfb() {
    local screen=${1:-1024x768x24}
    shift || true
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset "$@" 3>"$work/display" 2>/dev/null &
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$work/display")
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}
