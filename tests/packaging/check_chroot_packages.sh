#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The package builds in a clean unstable chroot, with the Qt and GCC that an upload meets
# there, and passes its tests; and it cross-builds for arm64 in a clean bookworm chroot.
# Skipped (77) without mmdebstrap, or without root or sudo. Usage: check_chroot_packages.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
command -v mmdebstrap >/dev/null || { echo "skipped: mmdebstrap is not installed"; exit 77; }
[ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null || { echo "skipped: needs root or sudo"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
source "$source_dir/build.sh"
version=$(cd "$source_dir" && package_version)

"$source_dir/build.sh" package --dist unstable "$work/unstable" >"$work/unstable.log" 2>&1 ||
    { tail -40 "$work/unstable.log" >&2; fail "the package did not build in unstable"; }
[ -f "$work/unstable/quatrelle_${version}_amd64.deb" ] || fail "unstable built: $(ls "$work/unstable")"
grep '^Building in' "$work/unstable.log"
grep -qE '100% tests passed, 0 tests failed out of [0-9]+' "$work/unstable.log" ||
    fail "the tests did not pass in unstable: $(grep -E 'tests (passed|failed)' "$work/unstable.log")"
echo "unstable: built, and its $(grep -oE 'out of [0-9]+' "$work/unstable.log" | grep -oE '[0-9]+' | tail -n 1) tests passed"

"$source_dir/build.sh" package --dist bookworm --arch arm64 "$work/arm64" >"$work/arm64.log" 2>&1 ||
    { tail -40 "$work/arm64.log" >&2; fail "the package did not cross-build for arm64"; }
deb=$work/arm64/quatrelle_${version}_arm64.deb
[ -f "$deb" ] || fail "the arm64 build gave: $(ls "$work/arm64")"
dpkg-deb -x "$deb" "$work/arm64-root"
grep '^Building in' "$work/arm64.log"
readelf -h "$work/arm64-root/usr/games/quatrelle" | grep -q AArch64 || fail "the arm64 program is not for arm64"
echo "arm64: cross-built, an AArch64 program"
echo "chroot packages: 2 passed, 0 failed"
