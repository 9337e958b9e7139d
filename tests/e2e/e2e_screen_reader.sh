#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind player's game, heard through a real screen reader: Orca runs headless in French and
# speaks through speech-dispatcher into a file, and a short game played by keys alone is
# checked by what was spoken after each key. Usage: e2e_screen_reader.sh PATH_TO_QUATRELLE
set -euo pipefail
program=$1
# A session bus of the test's own, whatever the caller's environment holds.
if [ -z "${QUATRELLE_TEST_BUS:-}" ]; then
    QUATRELLE_TEST_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/../support/x_session.sh"

# Orca ignores SIGTERM once the program it reads has gone, so it is killed before the rest.
stop_orca() { [ -z "${orca:-}" ] || kill -KILL "$orca" 2>/dev/null || true; }
trap 'stop_orca; end_session' EXIT

# A home of the test's own: Orca's settings, and sound sent to ALSA's null device, since no
# sound server runs and the speech server opens a sound device even for a voice that writes.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
# Orca speaks the language of the locale: a French one, built here since few machines have it.
mkdir -p "$work/locale"
localedef -i fr_FR -f UTF-8 "$work/locale/fr_FR.UTF-8" 2>/dev/null || true
[ -d "$work/locale/fr_FR.UTF-8" ] || fail "could not build the French locale"
french=(env "LOCPATH=$work/locale" LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8)

start_xvfb 1024x768x24
openbox >"$work/wm.log" 2>&1 &
wait_for "openbox did not start" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &

# The speech server's one voice writes each utterance as a line of the spoken file.
spoken=$work/spoken.txt
: >"$spoken"
mkdir -p "$work/speech/modules"
cat >"$work/speech/speechd.conf" <<EOF
AddModule "file" "sd_generic" "$work/speech/modules/file.conf"
DefaultModule file
DefaultLanguage "fr"
AudioOutputMethod "libao"
EOF
cat >"$work/speech/modules/file.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $spoken"
AddVoice "fr" "male1" "fr"
GenericLanguage "fr" "fr" "utf-8"
DefaultVoice "fr"
EOF
speech-dispatcher -s -t 0 -C "$work/speech" -c unix_socket -S "$work/speech.sock" \
    >"$work/speech.log" 2>&1 &
export SPEECHD_ADDRESS=unix_socket:$work/speech.sock

"${french[@]}" orca -u "$work/orca" >"$work/orca.log" 2>&1 &
orca=$!

# What was spoken since line $mark, on one line.
heard() { tail -n "+$((mark + 1))" "$spoken" | tr '\n' ' ' | tr -s ' '; }
has_heard() { heard | grep -qF -- "$1"; }
expect() { # expect TEXT: waits until TEXT has been spoken since the last key
    wait_for "never heard «$1»; heard: «$(heard)»" has_heard "$1"
    echo "  heard: $(heard)"
}
# heard_before FIRST LATER: FIRST was heard since the last key, and LATER not before it.
heard_before() {
    local text head
    text=$(heard)
    head=${text%%"$1"*}
    [ "$head" != "$text" ] && [[ "$head" != *"$2"* ]]
}
expect_before() { # expect_before FIRST LATER
    expect "$1"
    heard_before "$1" "$2" || fail "heard «$2» before «$1»: «$(heard)»"
}
press() { # press KEY: presses it once the speech of the previous key has ended
    sleep 0.5
    mark=$(wc -l <"$spoken")
    echo "key $1"
    xdotool key "$1"
}

mark=0
expect "Lecteur d’écran activé."
mark=$(wc -l <"$spoken")
start_game() { # start_game [OPTION...]
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$@" >>"$work/program.log" 2>&1 &
    game=$!
    wait_for "the main window did not appear" eval 'xdotool search --onlyvisible --pid "$game" >/dev/null 2>&1'
    xdotool windowactivate "$(xdotool search --onlyvisible --pid "$game" | head -n 1)" 2>/dev/null || true
}
quit_game() {
    xdotool key ctrl+q
    local status=0
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}
start_game
expect "Quatrelle cadre. Au joueur 1 (jaune) de jouer."
expect "Nouveau jeu bouton"

# Each drop names its cell, counted from the bottom, and the next turn; a full column refuses.
press 4
expect "Jaune en colonne 4, rangée 1. Au joueur 2 (rouge) de jouer."
press 4
expect "Rouge en colonne 4, rangée 2. Au joueur 1 (jaune) de jouer."
for row in 3 4 5; do press 4; done
expect "Jaune en colonne 4, rangée 5. Au joueur 2 (rouge) de jouer."
press 4
expect "Colonne 4 pleine."

# Tab reaches the board after the four buttons; the columns are walked and dropped into.
for _ in 1 2 3; do press Tab; done
expect "Quitter bouton"
press Tab
expect "Colonne 4 : jaune, rouge, jaune, rouge, jaune ; pleine"
press Left
expect "Colonne 3 : vide"
press Home
expect "Colonne 1 : vide"
press End
expect "Colonne 7 : vide"
press space
expect "Rouge en colonne 7, rangée 1. Au joueur 1 (jaune) de jouer."
press Left
expect "Colonne 6 : vide"
press Right
expect "Colonne 7 : rouge ; prochaine pièce en rangée 2"

# Yellow completes the bottom row beside its first piece: the drop, then the win message, and
# nothing of the next turn before the message is closed.
for column in 3 7 2 7; do press "$column"; done
expect "Rouge en colonne 7, rangée 3."
press 1
expect_before "Le joueur 1 a gagné! - Der Spieler 1 hat gewonnen !" "de jouer"
expect_before "Jaune en colonne 1, rangée 1." "gagné"
press Return
# No hint once a line stands; the winning drop is taken back by name.
press h
expect "Pas de conseil : une ligne est faite."
press ctrl+z
expect "Coup repris : jaune en colonne 1, rangée 1. Au joueur 1 (jaune) de jouer."

# "Nouveau jeu" empties the board, and the about window's credits are read when it opens.
press Tab
expect "Nouveau jeu bouton"
press space
expect "Nouvelle partie. Au joueur 1 (jaune) de jouer."
press ctrl+z
expect "Rien à reprendre."
press Tab
press space
expect "A propos de Quatrelle boîte de dialogue Programmation : "
expect "Version 0.0.10"
press Escape
expect "A propos de bouton"

quit_game

# Against the computer, which opens: its opening is heard before the player is told it is their
# turn; the player's drop is heard alone, then the reply and the turn; a take-back names both.
mark=$(wc -l <"$spoken")
start_game --computer yellow
expect_before "L'ordinateur a joué en colonne " "Au joueur 2"
expect "rangée 1. A vous de jouer."
press 4
expect_before "L'ordinateur a joué en colonne " "de jouer"
expect_before "Rouge en colonne 4, rangée " "de jouer"
expect "A vous de jouer."
press ctrl+z
expect "Coups repris : jaune en colonne "
expect " ; rouge en colonne 4, rangée "
stop_orca
quit_game
echo "screen reader: 9 passed, 0 failed"
