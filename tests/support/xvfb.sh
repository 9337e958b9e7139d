# Sourced by the tests that need a real X server: starts a private Xvfb on the first free
# display, exports DISPLAY, and stops it when the script exits.
# Usage: start_xvfb WORK_DIR [SCREEN_GEOMETRY]
start_xvfb() {
    local work=$1 screen=${2:-1024x768x24}
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$(cat "$work/display")
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}
