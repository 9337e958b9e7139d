#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the rules' fuzz target with clang and libFuzzer and runs it for a bounded time from the
# committed seed corpus. Usage: run_fuzz.sh SOURCE_DIR WORK_DIR SECONDS
set -euo pipefail
source=$1
work=$2
seconds=${3:-30}
mkdir -p "$work/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$source/src" -I"$source/tests" \
    "$source/tests/fuzz/fuzz_rules.cpp" "$source/src/game/board.cpp" "$source/src/game/victory.cpp" \
    -o "$work/fuzz_rules"
cp "$source"/tests/fuzz/corpus/* "$work/corpus/"
"$work/fuzz_rules" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 "$work/corpus" 2>&1 |
    tail -n 12
