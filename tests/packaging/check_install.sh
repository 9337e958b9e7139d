#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that everything a desktop needs is there.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=com.korvantis.Quatrelle
expected=(bin/quatrelle "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    share/man/man6/quatrelle.6)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
failed=0
for file in "${expected[@]}"; do
    [ -e "$prefix/$file" ] || { echo "missing: $file" >&2; failed=$((failed + 1)); }
done
[ -x "$prefix/bin/quatrelle" ] || { echo "the program is not executable" >&2; failed=$((failed + 1)); }
# Libraries come from the system's search path only, never from a folder of the program's.
for program in "$prefix/bin/quatrelle" "$build/src/quatrelle"; do
    if readelf -d "$program" | grep -E 'R(UN)?PATH'; then
        echo "$program carries a library search path" >&2
        failed=$((failed + 1))
    fi
done
for size in 16 48 256; do
    actual=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$actual" = "${size}x${size}" ] || { echo "icon $size is $actual" >&2; failed=$((failed + 1)); }
done
echo "install: $((${#expected[@]} + 6 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
