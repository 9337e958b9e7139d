#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# The package and the project's own hardening build on every architecture: for arm64, neither
# debian/rules with dpkg-buildflags nor the CMake option asks for x86's control-flow
# protection, and the rules of the game compile with exactly those flags under the arm64 cross
# compiler; on amd64 both still ask for it, once. Only away from x86 do the package's tests
# get a longer time limit. Usage: check_arm64_flags.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The compiler flags that the package build of an architecture uses.
package_flags() {
    (cd "$source_dir" && dpkg-architecture -a "$1" -c make -s --no-print-directory -f debian/rules \
        --eval 'print-cxxflags: ; @echo $(CXXFLAGS)' print-cxxflags 2>/dev/null)
}
# Configures and builds the probe; prints the compile commands.
probe() { # probe NAME CXXFLAGS [CMAKE_OPTION...]
    local name=$1 flags=$2
    shift 2
    CXXFLAGS=$flags cmake -S "$source_dir/tests/packaging/arm64_probe" -B "$work/$name" -G Ninja \
        "$@" >"$work/$name.log" 2>&1 || { cat "$work/$name.log" >&2; fail "$name did not configure"; }
    cmake --build "$work/$name" >>"$work/$name.log" 2>&1 || { tail -20 "$work/$name.log" >&2; fail "$name did not build"; }
    cat "$work/$name/compile_commands.json"
}

# The tests' time limit that the package build of an architecture configures.
timeout_factor() {
    (cd "$source_dir" && dpkg-architecture -a "$1" -c make -n -s -f debian/rules override_dh_auto_configure 2>/dev/null) |
        grep -o 'TIMEOUT_FACTOR=[0-9]*'
}

arm64=$(package_flags arm64)
amd64=$(package_flags amd64)
echo "arm64 package flags: $arm64"
[[ $arm64 != *-fcf-protection* ]] || fail "debian/rules asks arm64 for -fcf-protection"
[[ $amd64 == *-fcf-protection* ]] || fail "debian/rules no longer asks amd64 for -fcf-protection"
[ "$(tr ' ' '\n' <<<"$amd64" | sort | uniq -d)" = "" ] || fail "debian/rules asks twice for: $amd64"
[ "$(timeout_factor arm64) $(timeout_factor amd64)" = "TIMEOUT_FACTOR=5 TIMEOUT_FACTOR=1" ] ||
    fail "the tests' time limit is not longer on arm64 alone"
# The nocheck profile leaves out the tests' build dependencies, and so must build no test.
tests_built() {
    (cd "$source_dir" && env "$@" dpkg-architecture -c make -n -s -f debian/rules override_dh_auto_configure 2>/dev/null) |
        grep -o 'BUILD_TESTS=[A-Z]*'
}
[ "$(tests_built DEB_BUILD_PROFILES=nocheck) $(tests_built DEB_BUILD_OPTIONS=nocheck) $(tests_built)" = \
    "BUILD_TESTS=OFF BUILD_TESTS=OFF BUILD_TESTS=ON" ] || fail "the nocheck profile or option still builds the tests"

commands=$(probe arm64 "$arm64" -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
    -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++)
grep -q 'aarch64-linux-gnu-g++' <<<"$commands" || fail "the probe did not use the cross compiler"
! grep -q -- '-fcf-protection' <<<"$commands" || fail "CMake asks arm64 for -fcf-protection"
grep -q -- '-fstack-clash-protection' <<<"$commands" || fail "CMake's hardening is missing"
object=$(find "$work/arm64" -name 'solver.cpp.o' | head -n 1)
readelf -h "$object" | grep -q 'AArch64' || fail "$object is not an arm64 object"
echo "arm64: the rules of the game compiled with the package's and the project's flags"

native=$(probe native "")
grep -q -- '-fcf-protection' <<<"$native" || fail "CMake no longer asks x86 for -fcf-protection"
echo "arm64 flags: 6 passed, 0 failed"
