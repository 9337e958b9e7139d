#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Every translation is whole: each file, brought up to date with the sources as the
# update_translations target does it, has no text left unfinished or missing, and the French
# file has the forms of every text that counts.
# Usage: check_translations.sh LUPDATE LRELEASE "LUPDATE_OPTIONS" SOURCE_DIR TS_FILE...
set -uo pipefail
lupdate=$1 lrelease=$2 sources=$4
read -ra lupdate_options <<<"$3"
shift 4
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
checked=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    options=()
    [[ $ts == *_fr.ts ]] && options=(-pluralonly)
    "$lupdate" -silent "${lupdate_options[@]}" "${options[@]}" "$sources" -ts "$copy" ||
        fail "lupdate failed on $ts"
    report=$("$lrelease" "$copy" -qm "$work/out.qm" 2>&1) || fail "lrelease failed on $ts: $report"
    unfinished=$(sed -n 's/.*finished and \([0-9]*\) unfinished.*/\1/p' <<<"$report")
    untranslated=$(sed -n 's/.*Ignored \([0-9]*\) untranslated.*/\1/p' <<<"$report")
    [ -n "$unfinished" ] || fail "lrelease said nothing of $ts: $report"
    [ "$unfinished" -eq 0 ] && [ "${untranslated:-0}" -eq 0 ] ||
        fail "$(basename "$ts"): $unfinished unfinished, ${untranslated:-0} untranslated: $report"
    # English counts one and many apart: two forms alike are a fault, but for the score's
    # counts, whose participles are the same for one game and many.
    if [[ $ts == *_en.ts ]]; then
        alike=$(python3 - "$copy" <<'PYTHON'
import sys, xml.etree.ElementTree as tree
same_for_all = {"%n gagnée(s)", "%n nulle(s)", "%n perdue(s)", "%n abandonnée(s)"}
for message in tree.parse(sys.argv[1]).iter("message"):
    forms = [form.text for form in message.iter("numerusform")]
    if len(forms) > 1 and len(set(forms)) == 1 and message.findtext("source") not in same_for_all:
        print(forms[0])
PYTHON
        )
        [ -z "$alike" ] || fail "$(basename "$ts") says one and many alike: $alike"
    fi
    checked=$((checked + 1))
done
echo "translations: $checked passed, 0 failed"
