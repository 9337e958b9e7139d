#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots under a private Xvfb: the main window after a few moves with
# an arrow highlighted, the about window, a game lost to the unbeatable computer with its line
# marked, and that game's analysis. Usage: scripts/screenshots.sh [PROGRAM] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/src/quatrelle}
folder=${2:-docs/screenshots}
mkdir -p "$folder"
source tests/support/x_session.sh
start_xvfb 800x600x24
"$program" 2>/dev/null &
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
import -window root -crop 292x268+254+166 +repage "$folder/about-window.png"
kill "$game"
wait "$game" 2>/dev/null || true

"$program" --computer red --level 4 2>/dev/null &
game=$!
main=$(xdotool search --sync --onlyvisible --name '^Quatrelle$' | head -n 1)
sleep 1.2
xdotool windowfocus --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
for key in 1 1 1 1 1 2 2 2 2 2 6 6 6 6 6 7 7 7 7 7; do
    xdotool key "$key"
    sleep 0.8
    [ "$(xdotool search --onlyvisible --pid "$game" | wc -l)" -gt 1 ] && break
done
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
echo "wrote $folder/main-window.png, $folder/about-window.png, $folder/computer-game-over.png" \
    "and $folder/analysis-window.png"
