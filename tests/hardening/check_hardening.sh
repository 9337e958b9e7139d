#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as the project builds it carries the protections it is built with: position
# independence, read-only relocations resolved at start (immediate binding), the stack
# protector and the fortified C library calls. Usage: check_hardening.sh PROGRAM
set -euo pipefail
program=$1
failed=0
check() { # check DESCRIPTION PATTERN TEXT
    if grep -qE "$2" <<<"$3"; then echo "  $1"; else echo "FAIL: no $1" >&2; failed=$((failed + 1)); fi
}
dynamic=$(readelf -dW "$program")
check "position independence" 'FLAGS_1.*PIE' "$dynamic"
check "immediate binding" 'FLAGS_1.*NOW' "$dynamic"
check "read-only relocations" 'GNU_RELRO' "$(readelf -lW "$program")"
symbols=$(readelf -sW --dyn-syms "$program")
check "stack protector" '__stack_chk_fail' "$symbols"
check "fortified calls" '__[a-z]+_chk@' "$symbols"
echo "hardening: $((5 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
