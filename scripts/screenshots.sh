#!/usr/bin/env bash
# Takes the README's screenshots under a private Xvfb: the main window after a few moves with
# an arrow highlighted, and the about window. Usage: scripts/screenshots.sh [PROGRAM] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/src/quatrelle}
folder=${2:-docs/screenshots}
mkdir -p "$folder"
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; kill $game 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
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
