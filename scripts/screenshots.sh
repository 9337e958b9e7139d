#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots under a private Xvfb: the main window after a few moves with
# an arrow highlighted, and the about window. Usage: scripts/screenshots.sh [PROGRAM] [FOLDER]
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
echo "wrote $folder/main-window.png and $folder/about-window.png"
