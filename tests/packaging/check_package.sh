#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages as ./build.sh package does and checks them as a distribution would:
# the version, lintian on the source and binary packages, the hardening of the program, the
# manual page, the layout, and a source package that is only source; then, where CI allows
# changes to the machine, installs the previous release and upgrades it to this package, runs
# the installed-package tests with autopkgtest and removes the game again.
# Usage: check_package.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
source "$(dirname "$0")/../support/x_session.sh"
# The lists and the version of build.sh, without running it.
source "$source_dir/build.sh"
version=$(package_version)
architecture=$(dpkg --print-architecture)

# Every commit's package sorts after the release before it and after the previous commit's.
dpkg --compare-versions "$version" gt 0.0.0.10 || fail "$version does not sort after 0.0.0.10"
if previous=$(git -C "$source_dir" rev-parse -q --verify HEAD~1) && [ -n "$previous" ]; then
    dpkg --compare-versions "$version" gt "$(package_version HEAD~1)" ||
        fail "$version does not sort after the previous commit's $(package_version HEAD~1)"
fi

"$source_dir/build.sh" package "$work/out" >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log" >&2; fail "the package did not build"; }
deb=$work/out/quatrelle_${version}_$architecture.deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
# The tests that need no display ran during the build, and passed.
grep -qE '100% tests passed, 0 tests failed out of [0-9]+' "$work/build.log" ||
    fail "the build ran no test: $(grep -E 'tests passed|ctest' "$work/build.log" | head -3)"
grep -q 'tst_match' "$work/build.log" || fail "the build did not run the match's test"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-dejavu-core; do
    grep -q "$library" <<<"$depends" || fail "the dependencies do not name $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/games/quatrelle ./usr/share/applications/com.korvantis.Quatrelle.desktop \
    ./usr/share/metainfo/com.korvantis.Quatrelle.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/com.korvantis.Quatrelle.png \
    ./usr/share/doc/quatrelle/copyright ./usr/share/doc/quatrelle/changelog.gz \
    ./usr/share/man/man6/quatrelle.6.gz; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done

# Neither an error nor a warning nor a note, experimental or pedantic, on either package.
lintian -I -E --pedantic "$work/out/quatrelle_${version}_$architecture.changes" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -qE '^[EWIPX]: ' "$work/lintian.log" || fail "lintian has findings"

dpkg -x "$deb" "$work/root"
hardening-check "$work/root/usr/games/quatrelle" >"$work/hardening.log" || true # it fails on any "no"
cat "$work/hardening.log"
# Control flow integrity stays out: this release's C start files carry no CET marking, so the
# linker rightly leaves it off the program, whatever the program's own code is built with.
for line in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
    'Read-only relocations' 'Immediate binding'; do
    grep -q "$line: yes" "$work/hardening.log" || fail "hardening-check: $line is not yes"
done
man_warnings=$(man --warnings -l "$work/root/usr/share/man/man6/quatrelle.6.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "the manual page has warnings: $man_warnings"

# A source package made in the working tree, whatever the build left there, holds only source.
mkdir "$work/source-only"
(cd "$work/source-only" && dpkg-source -b "$source_dir" >"$work/source-only.log" 2>&1) ||
    { cat "$work/source-only.log" >&2; fail "dpkg-source failed in the working tree"; }
tarball=$(ls "$work"/source-only/*.tar.*)
size=$(stat -c %s "$tarball")
[ "$size" -lt 1048576 ] || fail "the source tarball is $size bytes: $(tar -tf "$tarball" | cut -d/ -f2 | sort | uniq -c | sort -rn | head -5)"
echo "source tarball from the working tree: $size bytes"

# Installing changes the machine: CI's own, or by hand with CI=true. apt waits for another
# apt's lock rather than failing at once.
apt=(apt-get -o DPkg::Lock::Timeout=300)
passed=6 skipped=
if [ -n "${CI:-}" ] && [ "$(id -u)" -eq 0 ]; then
    # The previous release, 0.0.0.10, stands in as this package under that version.
    dpkg-deb -R "$deb" "$work/previous"
    sed -i "s/^Version: .*/Version: 0.0.0.10/" "$work/previous/DEBIAN/control"
    dpkg-deb -b "$work/previous" "$work/previous.deb" >/dev/null
    "${apt[@]}" install -y -qq "$work/previous.deb" >"$work/previous.log" 2>&1 ||
        { cat "$work/previous.log" >&2; fail "the previous release did not install"; }
    "${apt[@]}" install -y "$deb" >"$work/upgrade.log" 2>&1 || { cat "$work/upgrade.log" >&2; fail "the upgrade failed"; }
    grep -q '^1 upgraded, 0 newly installed' "$work/upgrade.log" ||
        { cat "$work/upgrade.log" >&2; fail "apt did not offer the package as an upgrade"; }
    [ "$(dpkg-query -W -f='${Version}' quatrelle)" = "$version" ] || fail "the upgrade left $(dpkg-query -W -f='${Version}' quatrelle)"
    echo "upgraded 0.0.0.10 to $version"
    autopkgtest "$deb" "$source_dir" -- null >"$work/autopkgtest.log" 2>&1 ||
        { tail -30 "$work/autopkgtest.log" >&2; fail "autopkgtest failed"; }
    grep -q 'command-line *PASS' "$work/autopkgtest.log" || fail "the command-line test did not pass"
    grep -q 'plays-a-game *PASS' "$work/autopkgtest.log" || fail "the game was not played"
    "${apt[@]}" purge -y -qq quatrelle >"$work/purge.log" 2>&1 ||
        { cat "$work/purge.log" >&2; fail "the removal failed"; }
    [ ! -e /usr/games/quatrelle ] && [ ! -e /usr/share/doc/quatrelle ] &&
        [ ! -e /usr/share/applications/com.korvantis.Quatrelle.desktop ] || fail "removal left files"
    echo "installed, tested with autopkgtest and removed"
    passed=$((passed + 3))
else
    skipped="; skipped: the upgrade, autopkgtest and the removal, which change the machine (as root, with CI=true)"
fi
echo "package: $passed passed, 0 failed$skipped"
