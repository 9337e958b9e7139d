#!/usr/bin/env bash
# Builds the Debian package as ./build.sh package does and checks it as a distribution would:
# lintian, the hardening of the program, the manual page, the layout and version; then, where
# CI allows changes to the machine, installs it, runs its installed-package test with
# autopkgtest and removes it again. Usage: check_package.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$(cd "$1" && pwd)
version=$2
source "$(dirname "$0")/../support/x_session.sh"

"$source_dir/build.sh" package "$work/out" >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log" >&2; fail "the package did not build"; }
deb=$work/out/quatrelle_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
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

# Neither an error nor a warning; what lintian only notes is overridden with its reason.
lintian -I --pedantic "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -qE '^[EWIP]: ' "$work/lintian.log" || fail "lintian has findings"

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

# Installing changes the machine: CI's own, or by hand with CI=true.
if [ -n "${CI:-}" ] && [ "$(id -u)" -eq 0 ]; then
    autopkgtest "$deb" "$source_dir" -- null >"$work/autopkgtest.log" 2>&1 ||
        { tail -30 "$work/autopkgtest.log" >&2; fail "autopkgtest failed"; }
    grep -q 'starts-and-quits *PASS' "$work/autopkgtest.log" || fail "the installed test did not pass"
    apt-get purge -y -qq quatrelle >/dev/null
    [ ! -e /usr/games/quatrelle ] && [ ! -e /usr/share/doc/quatrelle ] &&
        [ ! -e /usr/share/applications/com.korvantis.Quatrelle.desktop ] || fail "removal left files"
    echo "installed, tested with autopkgtest and removed"
fi
echo "package: 6 passed, 0 failed"
