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
passed=0
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}

# The upstream version lives in CMakeLists.txt; a released changelog entry carries it. The
# entry in the making names the next version, which the release raises CMakeLists.txt to.
if [ "$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Distribution)" != UNRELEASED ]; then
    upstream=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' "$source_dir/CMakeLists.txt" | head -n 1)
    [ "${version%-*}" = "$upstream" ] || fail "the released $version is not of version $upstream"
fi
# Each commit's package sorts after its parent's, for the commits that name themselves in
# the tarball. A commit made in the same second as its parent has nothing but its hash to
# tell it apart, so the two sort by chance: those pairs are counted, not compared.
compared=0 same_second=0
for commit in $(git -C "$source_dir" rev-list --first-parent --max-count=20 HEAD); do
    git -C "$source_dir" cat-file -e "$commit~1:.commit" 2>/dev/null || break
    if [ "$(git -C "$source_dir" log -1 --format=%ct "$commit")" = \
        "$(git -C "$source_dir" log -1 --format=%ct "$commit~1")" ]; then
        same_second=$((same_second + 1))
        continue
    fi
    this=$(package_version "$commit") parent=$(package_version "$commit~1")
    dpkg --compare-versions "$this" gt "$parent" || fail "$commit's $this does not sort after its parent's $parent"
    compared=$((compared + 1))
done
# A shallow clone and the tarball, neither of which has the history, give the same version.
git clone -q --depth 1 "file://$source_dir" "$work/shallow" 2>/dev/null
shallow=$(cd "$work/shallow" && bash -c 'source ./build.sh && package_version')
[ "$shallow" = "$version" ] || fail "a shallow clone gives $shallow, not $version"
tarball=$("$source_dir/build.sh" dist "$work/dist")
cmp -s "$tarball" "$("$source_dir/build.sh" dist "$work/dist-again")" || fail "./build.sh dist is not reproducible"
size=$(stat -c %s "$tarball")
[ "$size" -lt 1048576 ] || fail "the tarball is $size bytes: $(tar -tzf "$tarball" | cut -d/ -f2 | sort | uniq -c | sort -rn | head -5)"
# A commit rebased onto this one keeps its older author date, and still sorts after it.
rebased=$(cd "$source_dir" && GIT_AUTHOR_DATE='2000-01-01T00:00:00Z' \
    GIT_COMMITTER_DATE="$(($(git log -1 --format=%ct HEAD) + 60)) +0000" git commit-tree -p HEAD -m rebased 'HEAD^{tree}')
dpkg --compare-versions "$(package_version "$rebased")" gt "$version" || fail "a rebased commit sorts before its parent"
# Without tags, a commit on top of the last release that keeps its entry is refused.
read -r released released_from < <(grep -v '^#' "$source_dir/debian/releases" | tail -n 1)
[ "$(package_version "$released_from")" = "$released" ] || fail "the release $released_from is not $released"
on_release=$(git -C "$source_dir" commit-tree -p "$released_from" -m after "$released_from^{tree}")
! after=$(package_version "$on_release" 2>/dev/null) || fail "a commit after the release is packaged as $after"
# A commit on top of the release in a shallow clone, before the release is recorded: nothing
# there proves which commit released it.
git clone -q "file://$source_dir" "$work/full"
git -C "$work/full" branch -q after-release \
    "$(git -C "$work/full" commit-tree -p "$released_from" -m after "$released_from^{tree}")"
git clone -q --depth 1 --branch after-release "file://$work/full" "$work/shallow-after" 2>/dev/null
cp "$source_dir/build.sh" "$work/shallow-after/" # this commit's, not the release's
! after=$(cd "$work/shallow-after" && bash -c 'source ./build.sh && package_version' 2>/dev/null) || fail "a shallow clone after the release is packaged as $after"
listing=$(tar -tzf "$tarball")
! grep -q '^[^/]*/debian/' <<<"$listing" || fail "the upstream tarball holds debian/"
pass "version $version: $compared commits after their parents ($same_second in their parent's second), a rebased one, the same from a shallow clone, and the $size-byte tarball's; the release $released its commit's alone"

# Debian's git tools build the source package from a checkout: gbp, and dpkg-buildpackage
# with the tarball beside it.
git clone -q "file://$source_dir" "$work/gbp/quatrelle"
(cd "$work/gbp/quatrelle" && gbp buildpackage -S -us -uc -d --git-no-hooks --git-no-pristine-tar \
    --git-debian-branch="$(git branch --show-current)" --git-upstream-tree=SLOPPY \
    --git-export-dir="$work/gbp/area") >"$work/gbp.log" 2>&1 || { tail -20 "$work/gbp.log" >&2; fail "gbp buildpackage -S failed"; }
cp "$work"/gbp/area/*.orig.tar.gz "$work/gbp/"
# A checkout where the game has been built, as a developer's is.
mkdir -p "$work/gbp/quatrelle/build/default/src" "$work/gbp/quatrelle/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)"
cp "$(command -v ls)" "$work/gbp/quatrelle/build/default/src/quatrelle"
cp "$(command -v ls)" "$work/gbp/quatrelle/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)/quatrelle"
(cd "$work/gbp/quatrelle" && dpkg-buildpackage -S -us -uc -d) >"$work/dpkg-source.log" 2>&1 ||
    { tail -20 "$work/dpkg-source.log" >&2; fail "dpkg-buildpackage -S failed in a checkout"; }
pass "gbp buildpackage -S, and dpkg-buildpackage -S from a checkout that has been built"

# A folder of someone's own files is refused and left as it was: given as it is, through a
# link, or with a folder named as a build's scratch folder.
mkdir -p "$work/mine/source" "$work/scratch-like/quatrelle-build.notes" && touch "$work/mine/source/notes" \
    "$work/mine/quatrelle_notes.txt" "$work/mine/quatrelle_${version}_$architecture.deb" "$work/scratch-like/quatrelle-build.notes/plan"
ln -s mine "$work/link-to-mine"
for folder in mine link-to-mine scratch-like; do
    ! (cd "$work" && "$source_dir/build.sh" package "$folder") >/dev/null 2>&1 || fail "./build.sh package used $folder, a folder of other files"
done
[ "$(find "$work/mine" "$work/scratch-like" -type f | wc -l)" = 4 ] || fail "./build.sh package deleted files that it did not make"
[ ! -s "$work/mine/quatrelle_${version}_$architecture.deb" ] || fail "./build.sh package replaced a file in a folder of other files"

# Built into a relative folder, the caller's, through a link, beside an earlier release's
# packages, which stay as they were.
mkdir "$work/out" && ln -s out "$work/releases"
printf 'an earlier release\n' | tee "$work/out/quatrelle_0.0.0.9-1_$architecture.deb" \
    "$work/out/quatrelle_0.0.0.9-1.dsc" "$work/out/quatrelle_0.0.0.9.orig.tar.gz" >/dev/null
(cd "$work" && "$source_dir/build.sh" package releases) >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log" >&2; fail "the package did not build"; }
[ -L "$work/releases" ] && [ ! -e "$source_dir/releases" ] || fail "./build.sh package did not build into the caller's folder"
for earlier in "quatrelle_0.0.0.9-1_$architecture.deb" quatrelle_0.0.0.9-1.dsc quatrelle_0.0.0.9.orig.tar.gz; do
    [ "$(cat "$work/out/$earlier")" = "an earlier release" ] || fail "the earlier release's $earlier was not kept"
done
deb=$work/out/quatrelle_${version}_$architecture.deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
# The source package is built from the upstream tarball as ./build.sh dist makes it.
cmp -s "$tarball" "$work/out/quatrelle_${version%-*}.orig.tar.gz" || fail "the package's tarball is not ./build.sh dist's"
# The tests that need no display and the window tests on the offscreen platform ran during
# the build and passed; no other test was built.
tests_run=$(grep -oE '100% tests passed, 0 tests failed out of [0-9]+' "$work/build.log" | grep -oE '[0-9]+$' || true)
[ -n "$tests_run" ] || fail "the build ran no test: $(grep -E 'tests passed|ctest' "$work/build.log" | head -3)"
for test in tst_match tst_main_window tst_main_window_2x tst_about_window_192dpi; do
    grep -q "Test *#[0-9]*: $test \.\.\." "$work/build.log" || fail "the build did not run $test"
done
! grep -qE 'Building CXX object .*(tst_monkey|scripted_game|quatrelle_test_hooks|opening_generator)' "$work/build.log" ||
    fail "the build compiles tests that it does not run"
# Each protection that debian/rules asks for, on the compiler's line, once.
compile=$(grep -m 1 -- ' -c .*/src/game/solver\.cpp' "$work/build.log")
for flag in -fstack-clash-protection -fcf-protection; do
    [ "$(grep -o -- " $flag " <<<"$compile" | wc -l)" = 1 ] || fail "the compiler is not given $flag once: $compile"
done
pass "the package built with its protections and ran its $tests_run tests"
# The unpacked source package, which has no history, names its own version.
dpkg-source -x "$work/out/quatrelle_$version.dsc" "$work/unpacked" >/dev/null
unpacked=$(cd "$work/unpacked" && bash -c 'source ./build.sh && package_version') || fail "the unpacked source has no version"
[ "$unpacked" = "$version" ] || fail "the unpacked source package gives $unpacked, not $version"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-dejavu-core; do
    grep -q "$library" <<<"$depends" || fail "the dependencies do not name $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/games/quatrelle ./usr/share/applications/com.korvantis.Quatrelle.desktop \
    ./usr/share/metainfo/com.korvantis.Quatrelle.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/com.korvantis.Quatrelle.png \
    ./usr/share/doc/quatrelle/copyright ./usr/share/doc/quatrelle/changelog.Debian.gz \
    ./usr/share/man/man6/quatrelle.6.gz; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
pass "the package's dependencies and files"

# Neither an error nor a warning nor a note, experimental or pedantic, on either package.
# A lintian older than unstable's (bookworm's) reads as faults what its successors do not: the
# newer Standards-Version and watch file version, the fields that policy has since made
# optional, the opening table as text, and the overrides that only newer lintians need.
# package_unstable runs unstable's, which knows them all.
older=() unused='^$'
if dpkg --compare-versions "$(lintian --print-version)" lt 2.120; then
    older=(--suppress-tags newer-standards-version,missing-debian-watch-file-standard,recommended-field,silent-on-rules-requiring-root,very-long-line-length-in-source-file)
    unused=' unused-override '
fi
lintian -I -E --pedantic "${older[@]}" "$work/out/quatrelle_${version}_$architecture.changes" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -E '^[EWIPX]: ' "$work/lintian.log" | grep -vqE "$unused" || fail "lintian has findings"
pass "lintian"

dpkg -x "$deb" "$work/root"
hardening-check "$work/root/usr/games/quatrelle" >"$work/hardening.log" || true # it fails on any "no"
cat "$work/hardening.log"
# Control flow integrity stays out: this release's C start files carry no CET marking, so the
# linker rightly leaves it off the program, whatever the program's own code is built with.
for line in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
    'Read-only relocations' 'Immediate binding'; do
    grep -q "$line: yes" "$work/hardening.log" || fail "hardening-check: $line is not yes"
done
pass "hardening"
man_warnings=$(man --warnings -l "$work/root/usr/share/man/man6/quatrelle.6.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "the manual page has warnings: $man_warnings"
pass "the manual page"

# Installing changes the machine: CI's own, or by hand with CI=true. apt waits for another
# apt's lock rather than failing at once.
apt=(apt-get -o DPkg::Lock::Timeout=300)
skipped=()
if [ -n "${CI:-}" ] && [ "$(id -u)" -eq 0 ]; then
    # The parent commit's package, built from its own tarball, is upgraded to this one; a copy
    # of the game that was installed before, of whatever version, goes first.
    if dpkg-query -W -f='${Status}' quatrelle 2>/dev/null | grep -q 'install ok installed'; then
        "${apt[@]}" purge -y -qq quatrelle >"$work/purge-before.log" 2>&1 ||
            { cat "$work/purge-before.log" >&2; fail "the installed game could not be removed"; }
    fi
    parent=$(git -C "$source_dir" rev-parse -q --verify HEAD~1 || true)
    if [ -n "$parent" ] && git -C "$source_dir" cat-file -e "$parent:.commit" 2>/dev/null; then
        (cd "$source_dir" && DEB_BUILD_OPTIONS=nocheck make_package "$work/previous" "$parent") \
            >"$work/previous-build.log" 2>&1 || { tail -30 "$work/previous-build.log" >&2; fail "the parent's package did not build"; }
        previous_version=$(package_version "$parent")
        "${apt[@]}" install -y -qq "$work/previous/quatrelle_${previous_version}_$architecture.deb" >"$work/previous.log" 2>&1 ||
            { cat "$work/previous.log" >&2; fail "the parent's package did not install"; }
        "${apt[@]}" install -y "$deb" >"$work/upgrade.log" 2>&1 || { cat "$work/upgrade.log" >&2; fail "the upgrade failed"; }
        grep -q '^1 upgraded, 0 newly installed' "$work/upgrade.log" ||
            { cat "$work/upgrade.log" >&2; fail "apt did not offer the package as an upgrade"; }
        [ "$(dpkg-query -W -f='${Version}' quatrelle)" = "$version" ] || fail "the upgrade left $(dpkg-query -W -f='${Version}' quatrelle)"
        pass "upgraded $previous_version, built from the parent commit, to $version"
    else
        skipped+=("the upgrade, as the parent commit has no package of this kind")
    fi
    autopkgtest "$deb" "$source_dir" -- null >"$work/autopkgtest.log" 2>&1 ||
        { tail -30 "$work/autopkgtest.log" >&2; fail "autopkgtest failed"; }
    grep -q 'command-line *PASS' "$work/autopkgtest.log" || fail "the command-line test did not pass"
    grep -q 'plays-a-game *PASS' "$work/autopkgtest.log" || fail "the game was not played"
    pass "autopkgtest"
    "${apt[@]}" purge -y -qq quatrelle >"$work/purge.log" 2>&1 ||
        { cat "$work/purge.log" >&2; fail "the removal failed"; }
    [ ! -e /usr/games/quatrelle ] && [ ! -e /usr/share/doc/quatrelle ] &&
        [ ! -e /usr/share/applications/com.korvantis.Quatrelle.desktop ] || fail "removal left files"
    pass "the removal"
else
    skipped+=("the upgrade, autopkgtest and the removal, which change the machine (as root, with CI=true)")
fi
echo "package: $passed passed, 0 failed${skipped:+; skipped: ${skipped[*]}}"
