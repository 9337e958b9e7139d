#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The program natively on Wayland, under a headless weston that can photograph its screen: it
# starts and stays up, draws the board, and its rounded outline leaves the corners to the
# desktop. Then under a weston that shows itself in an X server, whose pointer the test moves: a
# right click on the bare surface opens the menu, and a drag moves the window.
# Usage: e2e_wayland.sh PATH_TO_QUATRELLE
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/x_session.sh"

export WAYLAND_DISPLAY=quatrelle-test
unset DISPLAY
# --debug offers the screenshot protocol; pixman draws what a screenshot reads back.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1024 \
    --height=768 --idle-time=0 --debug >"$work/weston.log" 2>&1 &
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start"

QT_QPA_PLATFORM=wayland "${own_data[@]}" "$program" 2>"$work/program.log" &
game=$!
# Screenshots until the window's pure blue shows, or the program ends.
shown() {
    kill -0 "$game" 2>/dev/null || fail "the program did not stay up: $(cat "$work/program.log")"
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && timeout 20 weston-screenshooter) || fail "no screenshot"
    shot=$(ls "$work"/wayland-screenshot-*.png)
    [ "$(convert "$shot" -fill black +opaque 'rgb(0,0,255)' -format '%[fx:maxima.b]' info:)" != 0 ]
}
wait_for "the main window never showed" shown

# The window is where the skin's pure blue is; its corners must show what lies beneath.
read -r width height left top < <(convert "$shot" -fill black +opaque 'rgb(0,0,255)' -trim \
    -format '%w %h %X %Y\n' info: | tr -d '+')
[ "$width" -ge 400 ] && [ "$height" -ge 270 ] || fail "no main window on screen: $width x $height"
pixel() { convert "$shot" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'; }
for corner in "$left $top" "$((left + width - 1)) $top" "$left $((top + height - 1))" \
    "$((left + width - 1)) $((top + height - 1))"; do
    read -r cx cy <<<"$corner"
    read -r red green blue < <(pixel "$cx" "$cy")
    [ "$red" -lt 200 ] || [ "$green" -lt 200 ] || fail "white corner at $cx,$cy: $red,$green,$blue"
    [ "$blue" -lt 150 ] || [ "$red" -gt 50 ] || fail "the corner at $cx,$cy is not cut: $red,$green,$blue"
done
# The board: seven green arrows.
arrows=$(convert "$shot" -crop "${width}x${height}+$left+$top" -format %c histogram:info:- |
    awk '/\(1,215,41\)/ {print $1 + 0}')
[ "${arrows:-0}" -ge 700 ] || fail "the arrows are not drawn: ${arrows:-0} green pixels"
sleep 1
kill -0 "$game" 2>/dev/null || fail "the program ended"
kill "$game"

# Weston on its X11 backend takes the X pointer's moves as its own pointer's, relative to where
# it was: the pointer is sent to the top left corner first, then to the point.
start_xvfb 1024x768x24
nested=quatrelle-nested
weston --backend=x11-backend.so --use-pixman --socket="$nested" --width=1024 --height=768 \
    --idle-time=0 >"$work/weston-x11.log" 2>&1 &
wait_for "the nested weston did not start" test -S "$XDG_RUNTIME_DIR/$nested"
mkdir -p "$XDG_CONFIG_HOME/Korvantis"
printf '[General]\nstarted=true\n' >"$XDG_CONFIG_HOME/Korvantis/Quatrelle.conf" # no first note
WAYLAND_DISPLAY=$nested QT_QPA_PLATFORM=wayland "${own_data[@]}" "$program" 2>"$work/nested.log" &
game=$!
screen() { import -window root -depth 8 "$work/nested.png" && echo "$work/nested.png"; }
window_at() { # the blue window's left and top
    convert "$(screen)" -fill black +opaque 'rgb(0,0,255)' -trim -format '%X %Y\n' info: | tr -d '+'
}
blue_shown() { [ "$(convert "$(screen)" -fill black +opaque 'rgb(0,0,255)' -format '%[fx:maxima.b]' info:)" != 0 ]; }
wait_for "the window never showed under the nested weston" blue_shown
read -r left top < <(window_at)
point() { xdotool mousemove_relative -- -4000 -4000 && xdotool mousemove_relative -- "$1" "$2"; }
# Below the four buttons, left of the board: bare blue.
point $((left + 30)) $((top + 230))
sleep 0.3
xdotool click 3
menu_open() { # the menu's light face where the surface is blue
    local red _
    read -r red _ < <(pixel_of "$(screen)" $((left + 60)) $((top + 245)))
    [ "${red:-0}" -gt 150 ]
}
pixel_of() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'; }
wait_for "a right click on the surface opened no menu" menu_open
# A click beside it closes it, as a popup's.
point 50 $((top + 50))
xdotool click 1
wait_for "the menu did not close" eval '! menu_open'
point $((left + 30)) $((top + 230))
xdotool mousedown 1
for _ in $(seq 20); do
    xdotool mousemove_relative -- 5 3
    sleep 0.02
done
xdotool mouseup 1
moved() { read -r now_left now_top < <(window_at) && [ "$now_left" -gt "$left" ] && [ "$now_top" -gt "$top" ]; }
wait_for "a drag on the surface did not move the window" moved
kill -0 "$game" 2>/dev/null || fail "the program ended under the nested weston"
echo "wayland: 5 passed, 0 failed"
