#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from its source package in a clean chroot of a Debian suite, as a
# buildd would: as an unprivileged user, with only the build dependencies installed. Natively it
# runs the tests that the package build runs; for another architecture it cross-builds the
# binary package without them, and installs only what a build without them needs (a test's
# dependency may be a package that no other architecture can install). The chroot is made
# with mmdebstrap from the machine's mirror and kept as a tarball, remade when debian/control
# changes or after a week. A native build is then checked with the suite's lintian; a cross
# build says which machine its program is for.
# Usage: scripts/chroot_package.sh DSC DIST [HOST_ARCH] OUT_DIR
# Needs root, or sudo.
set -euo pipefail
dsc=$(realpath "$1")
# The folder may keep earlier versions' packages beside this one's.
version=$(basename "$dsc" .dsc) && version=${version#quatrelle_}
dist=$2
host_arch=${3:-}
out=$(mkdir -p "$4" && cd "$4" && pwd)
build_arch=$(dpkg --print-architecture)
[ "$host_arch" != "$build_arch" ] || host_arch=
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=XDG_CACHE_HOME,HOME "$0" "$@"
fi
command -v mmdebstrap >/dev/null || {
    echo "mmdebstrap is missing: apt-get install mmdebstrap" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-source --no-check -x "$dsc" "$work/source" >/dev/null

# The mirror that apt already uses here, so that a machine with one mirror needs no other.
mirror=$(sed -n 's/^URIs: *\([^ ]*\/debian\)$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}

cache_dir=${XDG_CACHE_HOME:-$HOME/.cache}/quatrelle
mkdir -p "$cache_dir"
key=$(cat "$work/source/debian/control" <(echo "$dist $host_arch $mirror") | sha256sum | cut -c1-12)
chroot_name=$cache_dir/chroot-$dist-$build_arch${host_arch:+-$host_arch}
chroot_tar=$chroot_name-$key.tar
if [ ! -f "$chroot_tar" ] || [ -n "$(find "$chroot_tar" -mtime +7)" ]; then
    rm -rf "$chroot_name"-*.tar*
    echo "Making the $dist chroot (once a week) into $chroot_tar" >&2
    architectures=$build_arch${host_arch:+,$host_arch}
    # fakeroot for a dpkg older than 1.22.13, which gains root to build when debian/control does
    # not say that it need not. For a cross build, python3 before the build dependencies: in
    # unstable, the python hooks of a Multi-Arch: same package (qmake6) fail while python3 is
    # being configured with them.
    include=ca-certificates,fakeroot${host_arch:+,python3,crossbuild-essential-$host_arch}
    # Release files past their date are trusted only where this machine's apt trusts them: a
    # mirror that serves a fixed snapshot of the archive has them.
    date_checks=()
    for option in Acquire::Check-Valid-Until Acquire::Check-Date; do
        [ "$(apt-config dump --format '%v' "$option")" != false ] || date_checks+=(--aptopt="$option \"false\"")
    done
    mmdebstrap --quiet --variant=buildd --format=tar "${date_checks[@]}" --architectures="$architectures" \
        --include="$include" \
        --customize-hook="cp -r '$work/source' \"\$1/tmp/source\"" \
        --customize-hook="chroot \"\$1\" apt-get build-dep -y -qq ${host_arch:+-a $host_arch -P nocheck} /tmp/source" \
        --customize-hook='rm -rf "$1/tmp/source"' \
        --customize-hook='chroot "$1" useradd --create-home builder' \
        "$dist" "$chroot_tar.part" "deb $mirror $dist main"
    mv "$chroot_tar.part" "$chroot_tar"
fi

root=$work/root
mkdir "$root"
tar -C "$root" -xf "$chroot_tar"
mkdir "$root/build"
cp -r "$work/source" "$root/build/source"
chroot "$root" chown -R builder: /build
options=(-us -uc -b)
[ -z "$host_arch" ] || options=(-us -uc -B -a "$host_arch" -Pnocheck)
export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=$(nproc)}
[ -z "$host_arch" ] || DEB_BUILD_OPTIONS+=" nocheck"
echo "Building in $dist${host_arch:+ for $host_arch} with $(chroot "$root" dpkg-query -W \
    -f='${Package} ${Version}, ' qt6-base-dev:"${host_arch:-$build_arch}" g++ cmake)dpkg-buildpackage ${options[*]}" >&2
# Runs a command in the chroot, in a mount namespace of its own: the chroot's /proc and /dev
# go away with it. Usage: in_chroot COMMAND [ARGUMENT...]
in_chroot() {
    unshare --mount --fork sh -c 'root=$1 && shift && mount --rbind /dev "$root/dev" &&
        mount -t proc proc "$root/proc" && exec chroot "$root" "$@"' in-chroot "$root" "$@"
}
in_chroot runuser -u builder -- env -i PATH=/usr/bin:/bin HOME=/home/builder LC_ALL=C.UTF-8 \
    DEB_BUILD_OPTIONS="$DEB_BUILD_OPTIONS" sh -c "cd /build/source && dpkg-buildpackage ${options[*]}"
find "$root/build" -maxdepth 1 -type f -exec cp {} "$out/" \;
echo "Built in $dist${host_arch:+ for $host_arch}: $(cd "$out" && ls ./*.deb | tr '\n' ' ')" >&2
if [ -n "$host_arch" ]; then
    # The program that the cross compiler made, for the machine that it names.
    dpkg-deb --fsys-tarfile "$out/quatrelle_${version}_$host_arch.deb" | tar -xOf - ./usr/games/quatrelle >"$work/program"
    echo "The $host_arch program: $(readelf -h "$work/program" | grep -o 'Machine:.*' | tr -s ' ')" >&2
else
    # The suite's own lintian on the packages that it built, which only the suite's packages
    # can check as its archive will.
    cp "$out/quatrelle_$version.dsc" "$out/quatrelle_${version%-*}".orig.tar.* "$out/quatrelle_$version".debian.tar.* "$root/build/"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    if in_chroot sh -c 'apt-get update -qq && apt-get install -y -qq --no-install-recommends lintian' \
        >"$work/lintian-install.log" 2>&1; then
        in_chroot runuser -u builder -- sh -c 'cd /build && lintian -I -E --pedantic quatrelle_*.changes quatrelle_*.dsc' \
            >"$work/lintian.log" 2>&1 || true
        cat "$work/lintian.log" >&2
        echo "lintian ($dist, $(chroot "$root" dpkg-query -W -f='${Version}' lintian)):" \
            "$(grep -cE '^[EWIPX]: ' "$work/lintian.log" || true) tags" >&2
    else
        tail -5 "$work/lintian-install.log" >&2
        echo "lintian could not be installed in the $dist chroot: the packages are not checked" >&2
    fi
fi
