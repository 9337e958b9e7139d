#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line with no display at all: help and version print and succeed, a wrong option
# or value is named on the error output and fails, and none of them reaches a window system
# (which, with no display, would abort the program instead); a plain start says that there is
# no display and fails. The help speaks the desktop's language; the rest of the checks read
# its English.
# Usage: check_command_line.sh PATH_TO_QUATRELLE VERSION
set -uo pipefail
program=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
# English through LANGUAGE, on the one locale that every system has: a build chroot generates
# no other, and Qt warns of a locale that is missing.
language=C.UTF-8 ui_language=en
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=$ui_language LC_ALL= \
        LC_MESSAGES= LANG=$language "$program" "$@" >"$out" 2>"$err"
}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

for help in -h --help; do
    run "$help" || fail "$help exited with $?"
    grep -q -- '--computer <colour>' "$out" || fail "$help does not show --computer"
    grep -q -- '--level <level>' "$out" || fail "$help does not show --level"
done
# A desktop in a language the game lacks reads the help in French, its own lines and Qt's alike.
for spoken in "C.UTF-8:--computer <couleur>:Le niveau de l'ordinateur" \
    "fr_FR.UTF-8:--computer <couleur>:Affiche cette aide" "de_DE.UTF-8:--computer <Farbe>:Zeigt" \
    "es_ES.UTF-8:--computer <couleur>:Affiche la version"; do
    IFS=: read -r language option words <<<"$spoken"
    ui_language='' run --help || fail "--help in $language exited with $?"
    grep -qF -- "$option" "$out" || fail "--help in $language: $(cat "$out")"
    grep -qF -- "$words" "$out" || fail "--help in $language: $(cat "$out")"
    [ "$language" = C.UTF-8 ] || ! grep -qE 'Displays|Usage' "$out" || fail "--help in $language mixes in English: $(cat "$out")"
done
# A colour as the German help writes it is taken: the start gets as far as the display.
language=de_DE.UTF-8 ui_language=''
run --computer rot
status=$?
[ "$status" -eq 1 ] && grep -q 'no display' "$err" || fail "--computer rot in German exited with $status: $(cat "$err")"
language=C.UTF-8 ui_language=en
run -v || fail "-v exited with $?"
[ "$(cat "$out")" = "quatrelle $version" ] || fail "-v printed '$(cat "$out")'"
run --version || fail "--version exited with $?"

for wrong in "--bogus:'bogus'" "--computer blue:'blue'" "--computer:'--computer'" "stray:'stray'" \
    "--level 0:'0' for --level: 1, 2, 3 or 4" "--level 5:'5' for --level" "--level x:'x' for --level" \
    "--computer blue:for --computer: red, yellow, rouge, jaune or none"; do
    arguments=${wrong%%:*}
    named=${wrong#*:}
    # shellcheck disable=SC2086
    run $arguments && fail "$arguments succeeded"
    status=$?
    [ "$status" -eq 2 ] || fail "$arguments exited with $status"
    head -n 1 "$err" | grep -qF "$named" || fail "$arguments: first line '$(head -n 1 "$err")'"
    grep -q '^Usage:' "$err" || fail "$arguments: no usage"
    [ ! -s "$out" ] || fail "$arguments printed on the standard output"
done
run && fail "a start without a display succeeded"
status=$?
[ "$status" -eq 1 ] || fail "a start without a display exited with $status"
grep -q 'no display' "$err" || fail "a start without a display said '$(cat "$err")'"
# A settings file of garbage, and a settings folder that cannot be made: the game starts all the
# same (it is still running when stopped), the first with one line that says why.
config=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$config"' EXIT
mkdir -p "$config/Korvantis"
printf '\177ELF\002[[[=\n' >"$config/Korvantis/Quatrelle.conf"
: >"$config/file"
for home in "$config" "$config/file/below"; do
    XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=offscreen timeout 3 "$program" >"$out" 2>"$err"
    status=$?
    [ "$status" -eq 124 ] || fail "with the settings in $home the game exited with $status: $(cat "$err")"
    [ "$home" != "$config" ] || [ "$(grep -c 'settings file' "$err")" -eq 1 ] ||
        fail "a garbage settings file is not said once: $(cat "$err")"
done
echo "command line: 9 passed, 0 failed"
