#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Quatrelle's one entry point: installs what is missing, builds, then runs, tests or measures.
#   ./build.sh run      start the game
#   ./build.sh test     run every test
#   ./build.sh bench    run the benchmarks
#   ./build.sh dist [DIR]     make the upstream tarball of HEAD into DIR (build/dist)
#   ./build.sh package [--dist SUITE [--arch ARCH]] [DIR]
#                       build the Debian package from that tarball into DIR (build/package),
#                       here or in a clean chroot of SUITE, for ARCH with a cross compiler
set -euo pipefail

# Qt's translation tools compile the game's translations; Qt's own translations give its buttons
# and key names in the player's language.
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core)
# What the tests start or inspect: a real X server and a way to drive and photograph it, the
# Windows resource compiler that checks the version resource, the desktop files' validators,
# the Debian packaging tools and their checkers (with gbp, Debian's git packaging tool), clang for fuzzing and valgrind for the memory
# check; window managers and a Wayland compositor to play under, keyboard layouts to type on,
# the accessibility bus with a client that reads it as a screen reader does, and a screen
# reader that speaks French into a file through the speech server.
test_packages=(xvfb xauth xdotool x11-utils imagemagick binutils-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev clang libclang-rt-14-dev valgrind
    openbox i3-wm weston qt6-wayland dbus at-spi2-core python3-pyatspi x11-xkb-utils
    debhelper lintian devscripts git-buildpackage autopkgtest orca speech-dispatcher locales reuse
    g++-aarch64-linux-gnu)
bench_packages=(xvfb xauth xdotool x11-utils valgrind)
# What Debian's package build takes from debian/control, and the tools that run it: fakeroot
# for a dpkg older than 1.22.13, which gains root to build unless told that it need not.
package_packages=(dpkg-dev debhelper fakeroot)

# The package's version, read from the tree of the commit built. A released first entry of
# debian/changelog gives its version as it stands, 0.0.0.10-1, to the commit that released it
# alone: a later commit that keeps the entry is refused, as debian/releases names the release's
# commit or, before the release is recorded there, as the entry was last changed before it.
# While the entry is UNRELEASED, a snapshot of it, named after the commit and dated as the
# commit was made (not as it was first written, which a rebase keeps), which sorts above the
# release before it and below the one in the making: 0.0.0.11~git20261208.071500.1a2b3c4-1.
# A tree with no git history, unpacked from a source package, names its version in its
# changelog already; a shallow clone has the date and name of its commit. Two commits made in
# the same second sort by their hashes, which is to say by chance.
# Usage: package_version [COMMIT]
package_version() {
    local commit=${1:-HEAD} root changelog releases hash= date version
    root=$(dirname "${BASH_SOURCE[0]}")
    if git -C "$root" rev-parse -q --verify "$commit^{commit}" >/dev/null 2>&1; then
        changelog=$(git -C "$root" show "$commit:debian/changelog")
        releases=$(git -C "$root" show "$commit:debian/releases" 2>/dev/null || true)
        read -r hash date <<<"$(git -C "$root" log -1 --format='%H %ct' "$commit")"
    else
        changelog=$(cat "$root/debian/changelog")
    fi
    version=$(dpkg-parsechangelog -l- -S Version <<<"$changelog")
    if [ "$(dpkg-parsechangelog -l- -S Distribution <<<"$changelog")" != UNRELEASED ]; then
        local released_from
        released_from=$(awk -v version="$version" '$1 == version { print $2 }' <<<"$releases")
        if [ -z "$released_from" ] && [ -n "$hash" ]; then
            released_from=$(git -C "$root" log -1 --format=%H "$commit" -- debian/changelog)
            # A shallow clone's oldest commit seems to change every file, the entry included:
            # its history cannot tell the release's commit from one made after it.
            if grep -qx "$released_from" "$(git -C "$root" rev-parse --path-format=absolute --git-path shallow)" 2>/dev/null; then
                echo "$version is released, and this shallow clone cannot tell from which commit:" \
                    "record it in debian/releases, or package from a full clone" >&2
                return 1
            fi
        fi
        if [ -n "$hash" ] && [ "$released_from" != "$hash" ]; then
            echo "$version was released from commit ${released_from:0:12}, not ${hash:0:12}:" \
                "open the next entry: dch -v VERSION-1 -D UNRELEASED" >&2
            return 1
        fi
        echo "$version"
    elif [[ $version == *~git* ]]; then
        echo "$version"
    elif [ -n "$hash" ]; then
        echo "${version%-*}~git$(TZ=UTC date -d "@$date" +%Y%m%d.%H%M%S).${hash:0:7}-${version##*-}"
    else
        echo "No commit names this snapshot of $version: package it from a git checkout" >&2
        return 1
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


usage() {
    echo "usage: ./build.sh run|test|bench|dist [DIR]|package [--dist SUITE [--arch ARCH]] [DIR]" >&2
    exit 2
}

# The upstream tarball of a commit, quatrelle-VERSION.tar.gz, with the upstream part of the
# package version: git archive of the commit without debian/, compressed without a name or a
# date, so that one commit always gives the same bytes. Prints its path.
# Usage: make_dist DIR [COMMIT]
make_dist() {
    local commit=${2:-HEAD} version tarball
    git rev-parse -q --verify "$commit^{commit}" >/dev/null ||
        { echo "./build.sh dist needs a git checkout and a commit: $commit" >&2; return 1; }
    version=$(package_version "$commit")
    mkdir -p "$1"
    tarball=$(cd "$1" && pwd)/quatrelle-${version%-*}.tar.gz
    git archive --format=tar --prefix="quatrelle-${version%-*}/" "$commit" -- . ':(exclude)debian' |
        gzip -9n >"$tarball"
    echo "$tarball"
}

# Builds the Debian source and binary packages of a commit into a folder from its upstream
# tarball and its debian/, as a distribution would: the .dsc with the tarball and debian/,
# quatrelle_VERSION_ARCH.deb, its debug symbols and the build's records. A snapshot's changelog
# entry takes the snapshot's version and the commit's date, so that two builds of one commit
# give the same packages. In a tree without git history the tree itself is the tarball.
# Further options go to dpkg-buildpackage: -S -d makes the source package alone. DIR, or the
# folder it links to, may hold the packages of earlier builds and nothing else: the new ones
# replace those of their own version alone. The build works in a folder of its own inside DIR,
# marked as such, and deletes nothing that it did not make.
# Usage: make_package DIR [COMMIT [DPKG_BUILDPACKAGE_OPTION...]]
make_package() {
    local out commit=${2:-HEAD} version upstream tree tarball debian stranger
    local mark=.quatrelle-package-build
    mkdir -p "$1"
    out=$(cd -P "$1" && pwd -P)
    shift $(($# < 2 ? $# : 2))
    local built='.*/quatrelle\(-dbgsym\)?_[^/]*\.\(deb\|ddeb\|dsc\|changes\|buildinfo\|tar\.[gx]z\)'
    # A scratch folder is the build's own when it carries the mark, or is still empty because
    # the build stopped just after making it.
    stranger=$(find "$out" -mindepth 1 -maxdepth 1 ! \( -type f -regex "$built" \) \
        ! \( -type d -name 'quatrelle-build.*' \( -empty -o -exec test -f "{}/$mark" \; \) \) \
        -print -quit)
    if [ -n "$stranger" ]; then
        echo "$out holds ${stranger##*/}, which no package build made: give ./build.sh package" \
            "an empty folder, or one that holds only its packages" >&2
        return 1
    fi
    version=$(package_version "$commit")
    upstream=${version%-*}
    # An interrupted build's folder, and the packages of this version, which this build replaces.
    find "$out" -mindepth 1 -maxdepth 1 -type d -name 'quatrelle-build.*' \
        \( -empty -o -exec test -f "{}/$mark" \; \) -exec rm -rf {} +
    rm -f "$out/quatrelle_$version".{dsc,debian.tar.xz,debian.tar.gz} \
        "$out"/quatrelle{,-dbgsym}_"${version}"_*.{deb,ddeb,changes,buildinfo} \
        "$out/quatrelle_$upstream".orig.tar.{gz,xz}
    local scratch
    scratch=$(mktemp -d "$out/quatrelle-build.XXXXXX")
    touch "$scratch/$mark"
    if git rev-parse -q --verify "$commit^{commit}" >/dev/null 2>&1; then
        [ -z "$(git status --porcelain --untracked-files=no)" ] || [ "$commit" != HEAD ] ||
            echo "Uncommitted changes are not in the package: it is built from $(git rev-parse --short HEAD)" >&2
        tarball=$(make_dist "$scratch" "$commit")
        debian=(git archive --prefix=debian/ "$commit:debian")
    else
        tarball=$scratch/quatrelle-$upstream.tar.gz
        debian=(tar -cf - debian)
        # The output folder may lie inside the tree: it is not source.
        tar --exclude=./build --exclude='./obj-*' --exclude="./${out#"$(pwd -P)"/}" --exclude=./debian \
            --transform="s,^\.,quatrelle-$upstream," \
            --sort=name --owner=0 --group=0 --numeric-owner -cf - . | gzip -9n >"$tarball"
    fi
    mv "$tarball" "$scratch/quatrelle_$upstream.orig.tar.gz"
    tar -xzf "$scratch/quatrelle_$upstream.orig.tar.gz" -C "$scratch"
    tree=$scratch/quatrelle-$upstream
    "${debian[@]}" | tar -xf - -C "$tree"
    if [ "$version" != "$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)" ]; then
        local hash date
        read -r hash date <"$tree/.commit"
        sed -i -e "1s/(.*)/($version)/" -e "3i\\  * Snapshot of commit $hash." \
            -e "0,/^ -- /s/^\( -- .*>  \).*/\1$(LC_ALL=C TZ=UTC date -R -d "@$date")/" \
            "$tree/debian/changelog"
    fi
    (cd "$tree" && dpkg-buildpackage -us -uc "$@")
    rm -rf "$tree"
    mv "$scratch"/* "$out"/
    rm -rf "$scratch"
}

# Sourced by a test for the lists, versions and packaging above alone.
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0
# A folder named on the command line is the caller's; the defaults lie in the checkout.
caller=$PWD
callers() { [[ $1 == /* ]] && echo "$1" || echo "$caller/$1"; }
cd "$(dirname "$0")"

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
    install_missing "${build_packages[@]}" "${test_packages[@]}" "${package_packages[@]}"
    build default test
    ctest --preset default "$@"
    # The random-input test again, under AddressSanitizer and UndefinedBehaviorSanitizer.
    build asan test
    ASAN_OPTIONS=detect_leaks=0 ctest --preset asan -L hardening "$@"
    ;;
dist)
    make_dist "$([ $# -eq 0 ] && echo build/dist || callers "$1")"
    ;;
package)
    dist='' arch=''
    while [ $# -gt 0 ]; do
        case "$1" in
        --dist) dist=${2:?} && shift 2 ;;
        --arch) arch=${2:?} && shift 2 ;;
        -*) usage ;;
        *) break ;;
        esac
    done
    if [ -z "$dist" ]; then
        [ -z "$arch" ] || usage
        install_missing "${build_packages[@]}" "${package_packages[@]}"
        make_package "$([ $# -eq 0 ] && echo build/package || callers "$1")"
    else
        # The source package is made here; the chroot builds the binary packages from it.
        install_missing "${build_packages[@]}" "${package_packages[@]}" mmdebstrap
        out=$([ $# -eq 0 ] && echo "build/package-$dist${arch:+-$arch}" || callers "$1")
        make_package "$out" HEAD -S -d
        scripts/chroot_package.sh "$out/quatrelle_$(package_version).dsc" "$dist" "$arch" "$out"
    fi
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
