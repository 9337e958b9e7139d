#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Quatrelle's one entry point: installs what is missing, builds, then runs, tests or measures.
#   ./build.sh run      start the game
#   ./build.sh test     run every test
#   ./build.sh bench    run the benchmarks
#   ./build.sh package [DIR]  build the Debian package into DIR (build/package)
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core)
# What the tests start or inspect: a real X server and a way to drive and photograph it, the
# Windows resource compiler that checks the version resource, the desktop files' validators,
# the Debian packaging tools and their checkers, clang for fuzzing and valgrind for the memory
# check; window managers and a Wayland compositor to play under, keyboard layouts to type on,
# the accessibility bus with a client that reads it as a screen reader does, and a screen
# reader that speaks French into a file through the speech server.
test_packages=(xvfb xauth xdotool x11-utils imagemagick binutils-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev clang libclang-rt-14-dev valgrind
    openbox i3-wm weston qt6-wayland dbus at-spi2-core python3-pyatspi x11-xkb-utils
    debhelper lintian devscripts autopkgtest orca speech-dispatcher locales reuse
    g++-aarch64-linux-gnu)
bench_packages=(xvfb xauth xdotool x11-utils valgrind)
# What Debian's package build takes from debian/control, and the tools that run it.
package_packages=(dpkg-dev debhelper)

# The package's version: the game's version from debian/changelog, then the number of commits
# that lead to the one built and that commit's name, so that each commit's package sorts after
# the one before it: 0.0.0.10+git63.1a2b3c4. Outside a git checkout, the changelog's own.
# Usage: package_version [COMMIT]
package_version() {
    local base commit=${1:-HEAD}
    base=$(dpkg-parsechangelog -l "$(dirname "${BASH_SOURCE[0]}")/debian/changelog" -S Version)
    if git -C "$(dirname "${BASH_SOURCE[0]}")" rev-parse -q --verify "$commit^{commit}" >/dev/null 2>&1; then
        echo "$base+git$(git -C "$(dirname "${BASH_SOURCE[0]}")" rev-list --count "$commit").$(git -C "$(dirname "${BASH_SOURCE[0]}")" rev-parse --short=7 "$commit")"
    else
        echo "$base"
    fi
}

# What each command builds besides the program: only the test command builds the tests, whose
# tools only it installs.
declare -A builds=([run]="" [bench]=bench [test]=tests)

# The configure options for what is built besides the program. Usage: configure_options [tests] [bench]
configure_options() {
    local tests=OFF bench=OFF part
    for part in "$@"; do
        case "$part" in
        tests) tests=ON ;;
        bench) bench=ON ;;
        esac
    done
    echo "-DQUATRELLE_BUILD_TESTS=$tests -DQUATRELLE_BUILD_BENCH=$bench"
}

# Sourced by a test for the lists and options above alone.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0
cd "$(dirname "$0")"

usage() {
    echo "usage: ./build.sh run|test|bench|package [DIR]" >&2
    exit 2
}

# Builds the Debian source and binary packages from debian/ into a folder: the source package,
# quatrelle_VERSION_ARCH.deb, its debug symbols, and the build's records. dpkg-buildpackage
# writes into the tree it builds and into the folder above it, so it builds a copy of the
# sources inside the output folder, whose changelog names the version of the commit built,
# dated as that commit, so that two builds of one commit give the same package.
make_package() {
    local out version tree
    mkdir -p "$1"
    out=$(cd "$1" && pwd)
    version=$(package_version)
    tree=$out/source/quatrelle-$version
    rm -rf "$out/source"
    mkdir -p "$tree"
    tar --exclude=./build --exclude=./.git --exclude='./obj-*' -cf - . | tar -xf - -C "$tree"
    if [ "$version" != "$(dpkg-parsechangelog -S Version)" ]; then
        {
            printf 'quatrelle (%s) unstable; urgency=medium\n\n  * Built from commit %s.\n\n' \
                "$version" "$(git rev-parse HEAD)"
            printf ' -- %s  %s\n\n' "$(dpkg-parsechangelog -S Maintainer)" "$(LC_ALL=C TZ=UTC date -R -d "@$(git log -1 --format=%ct)")"
            cat debian/changelog
        } >"$tree/debian/changelog"
    fi
    (cd "$tree" && dpkg-buildpackage -us -uc)
    rm -rf "$tree"
    mv "$out"/source/* "$out"/
    rm -rf "$out/source"
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing ${missing[*]}" >&2
    # Another apt at work (an unattended upgrade) holds the lock for a while: wait for it.
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install \
        -y -qq --no-install-recommends "${missing[@]}"
}

# Configures for the command, then builds incrementally. CI builds treat warnings as errors.
# Usage: build PRESET COMMAND
build() {
    local preset=$1 command=$2
    local options
    read -ra options <<<"$(configure_options ${builds[$command]})"
    [ -n "${CI:-}" ] && options+=(-DQUATRELLE_WARNINGS_AS_ERRORS=ON)
    cmake --preset "$preset" "${options[@]}" >/dev/null
    cmake --build --preset "$preset"
}

[ $# -ge 1 ] || usage
command=$1
shift

case "$command" in
run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: run ./build.sh run on a desktop, or without one as: xvfb-run -a ./build.sh run" >&2
        exit 1
    fi
    install_missing "${build_packages[@]}"
    build default run
    exec build/default/src/quatrelle "$@"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build default test
    ctest --preset default "$@"
    # The random-input test again, under AddressSanitizer and UndefinedBehaviorSanitizer.
    build asan test
    ASAN_OPTIONS=detect_leaks=0 ctest --preset asan -L hardening "$@"
    ;;
package)
    install_missing "${build_packages[@]}" "${package_packages[@]}"
    make_package "${1:-build/package}"
    ;;
bench)
    install_missing "${build_packages[@]}" "${bench_packages[@]}"
    build default bench
    exec bench/run.sh build/default "$@"
    ;;
*)
    usage
    ;;
esac
