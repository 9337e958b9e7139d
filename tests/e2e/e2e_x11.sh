#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end on a real X server, bare or under a window manager: the built program, driven by
# xdotool, read back from screenshots. Usage: e2e_x11.sh PATH_TO_QUATRELLE [WINDOW_MANAGER]
# where WINDOW_MANAGER is openbox, i3, xfwm4, mutter or kwin_x11.
set -euo pipefail
program=$1
window_manager=${2:-}
source "$(dirname "$0")/../support/x_session.sh"

start_xvfb 1024x768x24

# Starts the window manager and waits until it has taken the screen.
start_window_manager() {
    case "$1" in
    openbox) openbox & ;;
    i3)
        printf 'font pango:DejaVu Sans 8\n' >"$work/i3.config"
        i3 -c "$work/i3.config" &
        ;;
    xfwm4) dbus-run-session -- xfwm4 --replace --compositor=off & ;;
    mutter) dbus-run-session -- mutter --x11 --replace & ;;
    kwin_x11) dbus-run-session -- kwin_x11 --replace & ;;
    *) fail "unknown window manager $1" ;;
    esac
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    fail "$1 did not start"
}
if [ -n "$window_manager" ]; then
    start_window_manager "$window_manager" >"$work/wm.log" 2>&1
    echo "under $window_manager"
fi

# The visible top-level windows of the program as "id x y width height" lines.
windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
        xwininfo -id "$id" | awk -v id="$id" '
            /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
            /Width:/ {w=$NF} /Height:/ {h=$NF} END {print id, x, y, w, h}'
    done
}

window_of_size() { windows | awk -v w="$1" -v h="$2" '$4 == w && $5 == h {print; exit}'; }

# The colour of one screen pixel as "r,g,b".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | tail -n 1
}

has_main_window() { [ -n "$(window_of_size 403 275)" ]; }
has_about_window() { [ -n "$(window_of_size 292 268)" ]; }
no_about_window() { [ -z "$(window_of_size 292 268)" ]; }
window_count_is() { [ "$(windows | wc -l)" -eq "$1" ]; }

"${own_data[@]}" "$program" &
game=$!
wait_for "the main window did not appear" has_main_window
read -r main x y width height < <(window_of_size 403 275)
echo "main window $main at $x,$y, $width x $height"

# Centred on the 1024 x 768 screen where no window manager places it, the corners cut by the
# rounded outline.
if [ -z "$window_manager" ]; then
    [ $((x * 2 + width - 1024)) -ge -1 ] && [ $((x * 2 + width - 1024)) -le 1 ] || fail "not centred horizontally: $x"
    [ $((y * 2 + height - 768)) -ge -1 ] && [ $((y * 2 + height - 768)) -le 1 ] || fail "not centred vertically: $y"
fi
# The skin is white there: what shows instead is whatever lies beneath the window.
corners_cut() {
    local corner cx cy
    for corner in "1 1" "401 1" "1 272" "401 273"; do
        read -r cx cy <<<"$corner"
        case "$(pixel $((x + cx)) $((y + cy)))" in
        255,255,255 | 255,248,255) return 1 ;;
        esac
    done
}
wait_for "a corner is not cut" corners_cut
wait_for "no skin below the buttons: $(pixel $((x + 60)) $((y + 200)))" eval 'test "$(pixel $((x + 60)) $((y + 200)))" = "0,0,251"'
# The icon follows once the board is on screen, in its 16 and 32 pixel images.
has_icon() {
    local icon
    icon=$(xprop -id "$main" _NET_WM_ICON)
    grep -q 'Icon (16 x 16)' <<<"$icon" && grep -q 'Icon (32 x 32)' <<<"$icon"
}
wait_for "the window has no icon" has_icon

click_at() { # click_at X Y, in window coordinates
    xdotool mousemove $((x + $1)) $((y + $2)) click 1
    sleep 0.1
}
arrow() { click_at $((104 + 40 * $1 + 16)) 32; }
cell_colour() { pixel $((x + 104 + 40 * ($1 % 7) + 15)) $((y + 56 + 40 * ($1 / 7) + 15)); }

arrow 3
wait_for "arrow 3 did not put yellow into cell 31" eval 'test "$(cell_colour 31)" = "247,250,0"'
arrow 3
wait_for "the second piece is not red in cell 24" eval 'test "$(cell_colour 24)" = "238,28,0"'

# Yellow takes 28 and 29 with red on top, then 30 completes 28 to 31.
for column in 0 0 1 1; do arrow $column; done
[ "$(windows | wc -l)" -eq 1 ] || fail "a message appeared before the line was complete"
# The click returns only once the box is closed, so it runs beside the test.
xdotool mousemove $((x + 104 + 40 * 2 + 16)) $((y + 32)) click 1 &
clicker=$!
wait_for "no message box on a line of four" window_count_is 2
# Its centre stands on the main window's centre, once the window manager has placed it.
box_is_centred() {
    read -r _ bx by bw bh < <(windows | awk '!($4 == 403 && $5 == 275)')
    dx=$((2 * bx + bw - 2 * x - width))
    dy=$((2 * by + bh - 2 * y - height))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]
}
wait_for "the win message is off centre" box_is_centred
echo "win message shown, centred"
xdotool key Return
wait_for "the message box did not close" window_count_is 1
wait "$clicker"

# "Nouveau jeu" empties the board.
click_at 52 28
wait_for "Nouveau jeu did not empty the board" eval 'test "$(cell_colour 31)" = "0,0,255"'
# The keyboard plays too: the digit 4 drops into the fourth column. The window manager's focus
# reaches the program a moment after the click, and a key before it would go nowhere.
has_focus() { [ "$(xdotool getwindowfocus)" = "$main" ]; }
wait_for "the main window has no keyboard focus" has_focus
sleep 0.3
xdotool key 4
wait_for "the key 4 did not drop into column 4" eval 'test "$(cell_colour 31)" = "247,250,0"'

# Dragging the surface with any button moves the window by the pointer's offset.
for button in 1 2 3; do
    xdotool mousemove $((x + 40)) $((y + 200)) mousedown $button
    for step in 10 20 30 40 50; do
        xdotool mousemove $((x + 40 + step)) $((y + 200 - step / 2))
        sleep 0.03
    done
    xdotool mouseup $button
    moved() { read -r _ nx ny _ _ < <(window_of_size 403 275) && [ "$nx" -eq $((x + 50)) ] && [ "$ny" -eq $((y - 25)) ]; }
    wait_for "a drag with button $button did not move the window by the pointer's offset from $x,$y" moved
    x=$nx
    y=$ny
done
echo "dragged with every button to $x,$y"

# The about window: centred, scrolling, and the main window takes no input meanwhile.
click_at 52 60
wait_for "the about window did not appear" has_about_window
read -r _ ax ay _ _ < <(window_of_size 292 268)
[ -n "$window_manager" ] || { [ "$ax" -eq 366 ] && [ "$ay" -eq 250 ]; } || fail "about window at $ax,$ay, not centred"
import -window root -crop 290x20+$((ax + 1))+$((ay + 1)) "$work/strip1.png"
text_moved() {
    import -window root -crop 290x20+$((ax + 1))+$((ay + 1)) "$work/strip2.png"
    [ "$(compare -metric AE "$work/strip1.png" "$work/strip2.png" null: 2>&1 || true)" != "0" ]
}
wait_for "the about text does not move" text_moved
# Clicks on the disabled main window beside it neither reach the board nor hide the about
# window: the picture below its scrolling line stays on screen.
about_picture() { import -window root -crop 280x100+$((ax + 6))+$((ay + 32)) "$1"; }
about_picture "$work/before.png"
xdotool mousemove $((x + 104 + 40 * 6 + 16)) $((y + 32)) click 1
sleep 0.2
xdotool mousemove $((x + 392)) $((y + 150)) click 1 click 3
sleep 0.4
[ "$(cell_colour 34)" = "0,0,255" ] || fail "the board answered while the about window was open"
about_picture "$work/after.png"
[ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)" = "0" ] ||
    fail "the about window went behind the main window"

xdotool mousemove $((ax + 1 + 248 + 20)) $((ay + 1 + 246 + 9)) click 1
wait_for "Fermer did not close the about window" no_about_window
arrow 6
wait_for "the board does not answer after Fermer" eval 'test "$(cell_colour 34)" != "0,0,255"'
echo "about window closed, board answers"

# "Quitter" ends the program at once with status 0.
click_at 52 124
for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$game" 2>/dev/null && fail "Quitter did not end the program"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"

# Alone against the computer, from real key events on the keyboards of the win message's two
# languages: the main-row digit (typed with Shift on a French keyboard) and the keypad play,
# and the computer answers with a red piece. Ctrl+Q quits.
# Ctrl+Q ends the program with status 0.
quit_by_key() {
    xdotool key ctrl+q
    local status=0
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q"
}
# One picture of the board for all the cells: 35 pictures took seconds on a loaded machine.
count_cells() {
    import -window root -crop "403x275+$x+$y" -depth 8 txt:- 2>/dev/null | awk -v want="$1" '
        { split($1, at, /[,:]/); x = at[1]; y = at[2] }
        x >= 119 && y >= 71 && (x - 119) % 40 == 0 && (y - 71) % 40 == 0 && x <= 359 && y <= 231 {
            gsub(/[()]/, "", $2); split($2, c, ","); if (c[1] "," c[2] "," c[3] == want) n++ }
        END { print n + 0 }'
}
layouts=us
[ -z "$window_manager" ] || layouts="fr de"
for layout in $layouts; do
    setxkbmap "$layout"
    "${own_data[@]}" "$program" --computer red &
    game=$!
    wait_for "the main window did not appear with --computer red" has_main_window
    read -r main x y _ _ < <(window_of_size 403 275)
    xdotool mousemove $((x + 40)) $((y + 200)) click 1
    wait_for "the main window has no keyboard focus" has_focus
    sleep 0.3
    xdotool key 4
    wait_for "the main-row 4 did not play on a $layout keyboard" eval 'test "$(cell_colour 31)" = "247,250,0"'
    wait_for "no red reply on a $layout keyboard" eval 'test "$(count_cells "238,28,0")" -eq 1'
    xdotool key KP_2
    wait_for "the keypad 2 did not play on a $layout keyboard" eval 'test "$(count_cells "247,250,0")" -eq 2'
    wait_for "no second red reply" eval 'test "$(count_cells "238,28,0")" -eq 2'
    echo "played against the computer on a $layout keyboard"
    quit_by_key
done
setxkbmap us

# Under a window manager, the context menu: a right click on the surface that does not drag
# opens it, and its keys choose the computer as red, then the unbeatable level; each choice
# starts a new game, the computer answers, and both are kept in the settings.
if [ -n "$window_manager" ]; then
    "${own_data[@]}" "$program" &
    game=$!
    wait_for "the main window did not appear" has_main_window
    read -r main x y _ _ < <(window_of_size 403 275)
    menu_shown() { [ "$(windows | wc -l)" -ge 2 ]; }
    choose() { # choose KEY...: opens the menu by a right click and types the keys in it
        # A click while the menu just closed still holds the pointer goes to that menu, as a
        # player's would: it is made again.
        local try
        for try in 1 2 3; do
            xdotool mousemove $((x + 40)) $((y + 200)) click 3
            for _ in $(seq 40); do
                menu_shown && break 2
                sleep 0.05
            done
        done
        menu_shown || fail "no menu after three right clicks"
        xdotool key "$@"
        wait_for "the menu did not close" eval '! menu_shown'
    }
    settings=$XDG_CONFIG_HOME/Korvantis/Quatrelle.conf
    choose Down Down Down Return # "Nouveau jeu", "Deux joueurs", "L'ordinateur joue rouge"
    wait_for "the menu did not keep the computer as red" grep -q '^opponent=red' "$settings"
    choose Down Down Down Down Down Right Down Down Down Return # "Niveau", "Imbattable"
    wait_for "the menu did not keep the unbeatable level" grep -q '^level=4' "$settings"
    wait_for "the main window has no keyboard focus" has_focus
    xdotool key 1
    wait_for "the computer did not answer after the menu's choice" eval 'test "$(count_cells "238,28,0")" -eq 1'
    echo "chose the computer and its level from the menu"
    quit_by_key
fi
echo "e2e: 9 passed, 0 failed"
