#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# What ./build.sh run and bench build on a machine that never ran ./build.sh test (package
# builds through debian/ with the packages it installs itself, as its own test shows):
# a fresh build directory, configured as each of them configures it and built, with every
# program of the test packages hidden. They are hidden in a mount namespace of the check's own,
# since CMake looks for programs in the system's folders whatever the PATH says.
# Usage: check_build_without_test_tools.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
source "$(dirname "$0")/../support/x_session.sh"
source "$source_dir/build.sh" # the package lists and what each command builds

mapfile -t hidden < <(dpkg -L "${test_packages[@]}" 2>/dev/null |
    grep -E '^/(usr/)?(local/)?s?bin/[^/]+$' | while read -r file; do [ -f "$file" ] && echo "$file"; done)
[ ${#hidden[@]} -gt 0 ] || fail "no test program found to hide"
touch "$work/absent"
unshare_user=()
[ "$(id -u)" -eq 0 ] || unshare_user=(--map-root-user)

unshare --mount "${unshare_user[@]}" -- bash -s "$source_dir" "$work" "${hidden[@]}" <<'HIDDEN'
set -euo pipefail
source_dir=$1 work=$2
shift 2
for program in "$@"; do
    mount --bind "$work/absent" "$program"
done
command -v desktop-file-validate >/dev/null && [ -x "$(command -v desktop-file-validate)" ] &&
    { echo "FAIL: the test tools are still there" >&2; exit 1; }
source "$source_dir/build.sh"
cd "$source_dir"
for command in run bench; do
    # shellcheck disable=SC2046 # one word an option
    cmake --preset default -B "$work/build" $(configure_options ${builds[$command]}) \
        >"$work/configure.log" 2>&1 ||
        { cat "$work/configure.log" >&2; echo "FAIL: configuring for $command failed" >&2; exit 1; }
done
cmake --build "$work/build" >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log" >&2; echo "FAIL: building failed" >&2; exit 1; }
HIDDEN
[ -x "$work/build/src/quatrelle" ] || fail "no program was built"
echo "without test tools: 2 passed, 0 failed"
