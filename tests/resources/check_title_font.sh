#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# On a machine without the font that the about window's name is drawn in, the picture generator
# fails and names the font, rather than drawing the name in whatever font stands in for it.
# Usage: check_title_font.sh PICTURE_GENERATOR
set -euo pipefail
generator=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/fonts"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$work/fonts</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
status=0
FONTCONFIG_FILE=$work/fonts.conf QT_QPA_FONTDIR=$work/fonts "$generator" "$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || { echo "FAIL: the generator exited with $status" >&2; exit 1; }
grep -q 'the font DejaVu Sans is needed' "$work/err" || { echo "FAIL: it said: $(cat "$work/err")" >&2; exit 1; }
[ ! -e "$work/out/about.png" ] || { echo "FAIL: it drew the about window anyway" >&2; exit 1; }
echo "title font: 1 passed, 0 failed"
