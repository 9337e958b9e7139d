#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind player's games, heard through a real screen reader: Orca runs headless in French and
# speaks through speech-dispatcher into a log, and games played by keys alone are checked by
# what was spoken after each key: between two players, then against the computer with a voice
# at a reader's pace, 15 characters a second, where it also measures how long each move takes
# to hear, from the key to the end of its sentence. Usage: e2e_screen_reader.sh PATH_TO_QUATRELLE
set -euo pipefail
program=$1
# A session bus of the test's own, whatever the caller's environment holds.
if [ -z "${QUATRELLE_TEST_BUS:-}" ]; then
    QUATRELLE_TEST_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/../support/x_session.sh"

# Orca ignores SIGTERM once the program it reads has gone, so it is killed before the rest.
stop_orca() { [ -z "${orca:-}" ] || kill -KILL "$orca" 2>/dev/null || true; }
# On a failure, what the voice said last, whole or cut short.
trap 'status=$?; stop_orca; [ "$status" -eq 0 ] || tail -n 12 "$voice/log"; end_session' EXIT

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

# The speech server's one voice speaks at a reader's pace into a log (paced_voice.sh), where a
# text cut short by the next key is seen to be cut.
voice=$work/voice
mkdir -p "$voice" "$work/speech/modules"
: >"$voice/log"
export VOICE=$voice
cat >"$work/speech/speechd.conf" <<EOF
AddModule "file" "sd_generic" "$work/speech/modules/file.conf"
DefaultModule file
DefaultLanguage "fr"
AudioOutputMethod "libao"
EOF
cat >"$work/speech/modules/file.conf" <<EOF
GenericExecuteSynth "$(dirname "$(readlink -f "$0")")/paced_voice.sh \\'\$DATA\\'"
AddVoice "fr" "male1" "fr"
GenericLanguage "fr" "fr" "utf-8"
DefaultVoice "fr"
EOF
speech-dispatcher -s -t 0 -C "$work/speech" -c unix_socket -S "$work/speech.sock" \
    >"$work/speech.log" 2>&1 &
export SPEECHD_ADDRESS=unix_socket:$work/speech.sock

# Orca refuses to start while any other Orca of the same user runs, whatever its session: the
# test's own starts all the same, since it reads only the test's own bus.
sed 's/^    if otherOrcas():$/    if False:/' "$(command -v orca)" >"$work/start_orca"
grep -q '^    if False:$' "$work/start_orca" || fail "Orca's check for another instance was not found"
"${french[@]}" /usr/bin/python3 "$work/start_orca" -u "$work/orca" >"$work/orca.log" 2>&1 &
orca=$!

# What was spoken since the last key ($mark utterances before it), on one line.
utterances() { sed -n 's/^start [^ ]* //p' "$voice/log"; }
heard() { utterances | tail -n "+$((mark + 1))" | tr '\n\t' '  ' | tr -s ' '; }
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
# said_whole TEXT: prints when the utterance since the last key that holds TEXT ended, if it
# was said to its end rather than cut short.
said_whole() {
    awk -v mark="$mark" -v text="$1" '
        /^start / { n++; open = n > mark && index($0, text) > 0; next }
        /^end / && open { print $2; found = 1; exit }
        END { exit !found }' "$voice/log"
}
said_whole_quietly() { said_whole "$1" >/dev/null; }
# said_start TEXT: prints when the first utterance since the last key that holds TEXT began.
said_start() {
    awk -v mark="$mark" -v text="$1" '/^start / && ++n > mark && index($0, text) > 0 { print $2; found = 1; exit }
        END { exit !found }' "$voice/log"
}
expect_whole() { # expect_whole TEXT
    wait_for "never heard «$1» to its end; heard: «$(heard)»" said_whole_quietly "$1"
    echo "  heard whole: $(heard)"
}
# Nothing is being said: the last utterance ended, or was cut short long enough ago.
voice_idle() {
    awk -v now="$(date +%s.%N)" -v pace="$(cat "$voice/pace")" '
        /^start / { start = $2; text = $0; sub(/^start [^ ]* /, "", text); speaking = 1 }
        /^end / { speaking = 0 }
        END { exit speaking && now < start + length(text) / pace + 0.3 }' "$voice/log"
}
# Idle, and nothing new for 0.3 s: a screen reader says what it queued back to back, a few
# milliseconds apart, and a key in such a gap would be taken as answered by the queue's rest.
voice_settled() {
    voice_idle && awk -v now="$(date +%s.%N)" 'END { exit now < $2 + 0.3 }' "$voice/log"
}
press() { # press KEYS: presses them at once, when the speech of the previous key has ended
    sleep 0.3
    wait_for "the voice never fell silent" voice_settled
    mark=$(utterances | wc -l)
    echo "key $1"
    pressed_at=$(date +%s.%N)
    local keys
    read -ra keys <<<"$1"
    xdotool key "${keys[@]}"
}

# The two players' game is checked by what is said, not by how long it takes to say it.
echo 1000 >"$voice/pace"
mark=0
expect "Lecteur d’écran activé."
mark=$(utterances | wc -l)
start_game() { # start_game [OPTION...]
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${own_data[@]}" "$program" "$@" >>"$work/program.log" 2>&1 &
    game=$!
    wait_for "the main window did not appear" eval 'xdotool search --onlyvisible --pid "$game" >/dev/null 2>&1'
    xdotool windowactivate "$(xdotool search --onlyvisible --pid "$game" | head -n 1)" 2>/dev/null || true
}
# Ctrl+Q, again while the game runs: a key sent as a closing message gives the focus back goes
# nowhere.
quit_game() {
    local status=0 tries=0 state
    running() { state=$(ps -o stat= -p "$game" 2>/dev/null) && [[ $state != Z* ]]; }
    while running; do
        [ "$tries" -lt 20 ] || fail "the game did not quit on Ctrl+Q"
        tries=$((tries + 1))
        xdotool key ctrl+q
        for _ in 1 2 3 4 5 6 7 8 9 10; do running || break; sleep 0.1; done
    done
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}

start_game
expect "Quatrelle cadre. Au joueur 1 (jaune) de jouer."
expect "Nouveau jeu bouton"
# The very first start shows, and says once, the way to the game against the computer.
expect "Clic droit : le menu, pour jouer seul contre l'ordinateur."

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

# Yellow completes the bottom row beside its first piece: the win message, then the drop, and
# nothing of the next turn before the message is closed; R in the message says it again.
for column in 3 7 2 7; do press "$column"; done
expect "Rouge en colonne 7, rangée 3."
press 1
expect_before "Le joueur 1 a gagné! - Der Spieler 1 hat gewonnen !" "de jouer"
expect_before "gagné" "Jaune en colonne 1, rangée 1."
expect "Jaune en colonne 1, rangée 1."
press r
# Red's drop before may come with it: the program cannot know that a voice finished it.
expect_before "Le joueur 1 a gagné! - Der Spieler 1 hat gewonnen !" "Jaune en colonne 1, rangée 1."
expect "Jaune en colonne 1, rangée 1."
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

# Against the computer, which opens, with a voice at a reader's pace. The start names the
# opponent and the level, and where the computer opened, whichever comes first of the window
# and the opening.
echo 15 >"$voice/pace"
mark=$(utterances | wc -l)
# A screen reader that comes to the window late, as on a loaded machine, still hears who plays:
# Orca is held while the window comes up and for a moment after it is active.
kill -STOP "$orca"
start_game --computer yellow --level 1
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$(xdotool search --onlyvisible --pid "$game" | head -n 1)" ]; }
wait_for "the window never became active" active
sleep 1.5
kill -CONT "$orca"
expect "niveau Débutant"
expect "Ordinateur : "
expect "A vous"

# Each move and its reply are one sentence, said whole; a digit pressed while the computer
# chooses is answered, and the move before it is still heard. The player fills the columns from
# the left until the game ends.
times=() replies=()
# The result comes as an alert, said in several utterances: the game is over once its score is.
game_over() { has_heard "Score ("; }
answered() { # answered COLUMN
    said_whole_quietly "Vous : $1, rangée" || has_heard "Colonne $1 pleine." || game_over
}
move() { # move COLUMN: plays it, and waits for what is said of it and of the reply
    press "$1"
    wait_for "no sentence said «Vous : $1, rangée» to its end; heard: «$(heard)»" answered "$1"
    ! has_heard "alerte Quatrelle." || wait_for "the alert never said the score: «$(heard)»" game_over
    wait_for "the voice never fell silent" voice_idle
    echo "  heard: $(heard)"
    [[ $(heard) != *notification* ]] || fail "Orca named the news's role: «$(heard)»"
    if ! game_over && said_whole_quietly "Vous : $1, rangée"; then
        times+=("$(awk -v from="$pressed_at" -v to="$(said_whole "Vous : $1, rangée")" \
            'BEGIN { printf "%.2f", to - from }')")
        replies+=("$(awk -v from="$pressed_at" -v to="$(said_start "Ordinateur : ")" \
            'BEGIN { printf "%.2f", to - from }')")
    fi
}
# A key while the reply is being said cuts it, as Orca cuts speech at every key: the next
# announcement says it again, in front, with the player's move that came with it. With three
# pieces at most, the computer cannot win yet.
press 4
wait_for "never heard the reply" has_heard "Vous : 4, rangée"
reply=$(heard | grep -oE "Ordinateur : [1-7], rangée [1-5]\. Vous : 4, rangée [1-5]\." | head -n 1)
mark=$(utterances | wc -l)
xdotool key 3
expect "$reply Ordinateur : "
expect_whole "Vous : 3, rangée"
# The second digit follows the first in the same burst of key events, which the game reads
# before the computer's delay can end, however loaded the machine.
press "4 5"
expect "L'ordinateur réfléchit."
expect_whole "Vous : 4, rangée"
# Then the player answers on top of the computer's last piece, or in the next column with room.
play_to_the_end() { # play_to_the_end COLUMN [MOVES]: to the end, or MOVES moves at most
    local column=$1 moves=${2:-35} said
    until game_over || [ "$moves" -eq 0 ]; do
        moves=$((moves - 1))
        said=$(heard)
        if [[ $said == *"Colonne $column pleine."* ]]; then
            column=$((column % 7 + 1))
        elif [[ $said =~ Ordinateur\ :\ ([1-7]), ]]; then
            column=${BASH_REMATCH[1]}
        fi
        move "$column"
    done
}
play_to_the_end 4

# The result's message is read, and says the result, then the last moves, each once: the news
# that the last key cut, then the end. Once it is closed, the window, read again as the player
# comes back to it, says the game is over in few words, and so does a drop; R says the score too.
expect "alerte Quatrelle. "
expect " Score (Débutant) : "
heard | grep -qE "alerte Quatrelle\. (Vous avez gagné|L'ordinateur a gagné|Match nul) ! - [^!]* ! ((Ordinateur|Vous) : [1-7], rangée [1-5]\. )*Vous : [1-7], rangée [1-5]\. " &&
    [ -z "$(heard | grep -oE "(Ordinateur|Vous) : [1-7], rangée [1-5]\." | sort | uniq -d)" ] ||
    fail "the alert did not say the result, then the last moves: «$(heard)»"
press Return
expect "Quatrelle cadre. Partie terminée : "
description=$(heard | grep -oE "Partie terminée : [^.]*\.")
[ "${#description}" -le 60 ] || fail "the window's description takes more than 4 s: «$description»"
press 7
expect "Partie terminée : Nouveau jeu pour rejouer."

# B says the board, R the last announcement again.
press b
expect "Grille : "
press r
expect "Partie terminée : Nouveau jeu pour rejouer."

# The analysis says its summary as it opens; Escape closes it. Orca reads the summary with the
# window, then the list: the voice takes longer than after a move to fall silent.
press a
wait_for "the analysis did not say its summary as it opened" \
    eval 'heard | grep -qE "boîte de dialogue (L.ordinateur|Vous) : [0-9]+ erreur"'
silent_by=$((SECONDS + 60))
until voice_idle; do
    [ "$SECONDS" -lt "$silent_by" ] || fail "the analysis was still being read after a minute"
    sleep 0.1
done
# R says it again, without the window's title and text, which Orca says before news in a dialog.
press r
wait_for "R in the analysis did not say its summary: «$(heard)»" \
    eval 'heard | grep -qE "(L.ordinateur|Vous) : [0-9]+ erreur"'
[[ $(heard) != *"boîte de dialogue"* ]] || fail "R said the analysis's title: «$(heard)»"
press Escape

# The help is read line by line at its caret, and H says the heading it goes to, which Orca
# would not: it follows only a caret that the arrows moved.
press F1
expect "Aide lecture seule texte. Quatrelle."
expect "Les flèches lisent ligne par ligne"
press Down
expect "Chacun son tour"
press h
expect "Seul contre l'ordinateur"
press Escape

# The menu reads its first entry as it opens, nothing of the window behind it, and the level
# with its entry; a level chosen from it is confirmed with the new game, and the computer's
# opening is heard with it.
press Menu
expect "Nouveau jeu"
press Escape
press shift+F10
expect "Nouveau jeu"
sleep 0.5
wait_for "the voice never fell silent" voice_idle
[[ $(heard) != *"Quatrelle cadre"* ]] || fail "the menu read the window behind it: «$(heard)»"
for _ in 1 2 3 4; do press Down; done
expect "Niveau Débutant"
press Right
press Down
expect "Moyen"
press Return
expect "Nouvelle partie contre l'ordinateur (jaune), niveau Moyen. Ordinateur : "
expect "A vous."
[ "$(heard | grep -o "niveau Moyen" | wc -l)" -eq 1 ] ||
    fail "the opponent and the level were not said once: «$(heard)»"

# A take-back names both moves in the player's words. A few more moves are played, and the
# time each move takes to hear is measured over both games.
move 4
press ctrl+z
expect "Coups repris : l'ordinateur en colonne "
expect " ; vous en colonne 4, rangée "
play_to_the_end 4 6
median() { printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }
median=$(median "${times[@]}")
echo "key to end of speech, per move: ${times[*]} s"
echo "key to the reply's start, per move: ${replies[*]} s; median $(median "${replies[@]}") s"
! game_over || press Return
stop_orca
quit_game
echo "screen reader: 22 passed, 0 failed; median key to end of speech per move: $median s" \
    "(${#times[@]} moves)"
