#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots under a private Xvfb: the main window after a few moves with
# an arrow highlighted, the about window, a game lost to the unbeatable computer with its line
# marked, and that game's analysis, in French; then in English and in German, one picture each
# of the window, its menu, the help, the message of a game lost to the computer and its
# analysis. Usage: scripts/screenshots.sh [PROGRAM] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/src/quatrelle}
folder=${2:-docs/screenshots}
mkdir -p "$folder"
source tests/support/x_session.sh
start_xvfb 1280x800x24
# Not a first start: the pictures show the window as players know it, without the first note.
not_first_start() {
    mkdir -p "$XDG_CONFIG_HOME/Korvantis"
    printf '[General]\nstarted=true\n' >"$XDG_CONFIG_HOME/Korvantis/Quatrelle.conf"
}
not_first_start
"${own_data[@]}" "$program" 2>/dev/null &
game=$!
main=$(xdotool search --sync --onlyvisible --name '^Quatrelle$' | head -n 1)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
for column in 3 3 4 2 4 4 5; do
    xdotool mousemove $((X + 104 + 40 * column + 16)) $((Y + 32)) click 1
    sleep 0.1
done
xdotool mousemove $((X + 104 + 40 * 2 + 16)) $((Y + 56 + 40 * 3 + 16)) # hover a playable cell
sleep 0.3
import -window root -crop 403x275+"$X"+"$Y" +repage "$folder/main-window.png"
xdotool mousemove $((X + 52)) $((Y + 60)) click 1
sleep 2
import -window root -crop 292x268+494+266 +repage "$folder/about-window.png"
kill "$game"
wait "$game" 2>/dev/null || true

# Plays the same keys against the unbeatable computer until its winning message shows; sets
# $game and $main. Usage: lose_to_the_computer [LANG]
lose_to_the_computer() {
    "${own_data[@]}" LANG="${1:-C.UTF-8}" "$program" --computer red --level 4 2>/dev/null &
    game=$!
    main=$(xdotool search --sync --onlyvisible --name '^Quatrelle$' | head -n 1)
    sleep 1.2
    xdotool windowfocus --sync "$main"
    for key in 1 1 1 1 1 2 2 2 2 2 6 6 6 6 6 7 7 7 7 7; do
        xdotool key "$key"
        sleep 0.8
        [ "$(xdotool search --onlyvisible --pid "$game" | wc -l)" -gt 1 ] && break
    done
}
lose_to_the_computer
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool key Return
sleep 0.5
import -window root -crop 403x275+"$X"+"$Y" +repage "$folder/computer-game-over.png"
# The analysis of that game, its last move chosen.
xdotool windowfocus --sync "$main" key a
wait_for "the analysis did not open" eval 'xdotool search --onlyvisible --name "^Analyse de la partie" >/dev/null'
review=$(xdotool search --onlyvisible --name '^Analyse de la partie' | head -n 1)
sleep 0.5
import -window "$review" "$folder/analysis-window.png"
kill "$game"
wait "$game" 2>/dev/null || true

# One picture for each language: the window, its menu, the help, the computer's winning
# message and the analysis of that game.
for language in en_US:english de_DE:german; do
    rm -rf "$XDG_CONFIG_HOME"
    not_first_start
    lose_to_the_computer "${language%%:*}.UTF-8"
    shot=$work/${language#*:}
    box=$(xdotool search --onlyvisible --pid "$game" | grep -vx "$main" | head -n 1)
    import -window "$box" "$shot-result.png"
    xdotool key Return
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop 403x275+"$X"+"$Y" +repage "$shot-window.png"
    xdotool windowfocus --sync "$main" key shift+F10
    sleep 0.5
    import -window root -trim +repage "$shot-menu.png"
    xdotool key Escape
    xdotool windowfocus --sync "$main" key F1
    wait_for "the help did not open" eval '[ "$(xdotool search --onlyvisible --pid "$game" | wc -l)" -gt 1 ]'
    sleep 0.5
    import -window "$(xdotool search --onlyvisible --pid "$game" | grep -vx "$main" | head -n 1)" \
        "$shot-help.png"
    xdotool key Escape
    xdotool windowfocus --sync "$main" key a
    sleep 1
    import -window "$(xdotool search --onlyvisible --pid "$game" | grep -vx "$main" | tail -n 1)" \
        "$shot-analysis.png"
    montage -background '#d8d8d8' -geometry +8+8 -tile 3x2 "$shot-window.png" "$shot-menu.png" \
        "$shot-help.png" "$shot-result.png" "$shot-analysis.png" "$folder/in-${language#*:}.png"
    kill "$game"
    wait "$game" 2>/dev/null || true
done
echo "wrote $folder/main-window.png, $folder/about-window.png, $folder/computer-game-over.png," \
    "$folder/analysis-window.png, $folder/in-english.png and $folder/in-german.png"
