#!/usr/bin/env bash
# Builds the .deb, checks its control data and contents, unpacks it into a fresh root and
# starts the unpacked program under Xvfb. Usage: check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
source "$(dirname "$0")/../support/x_session.sh"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$work"/out/*.deb)
info=$(dpkg-deb -I "$deb")
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    echo "$depends" | grep -q "$library" || fail "the dependencies do not name $library"
done
echo "$info" | grep -q '^ Section: games' || fail "not in the games section"
# The whole version, so that every revision is a newer package to apt.
package_version=$(dpkg-deb -f "$deb" Version)
[ "$package_version" = "$version" ] || fail "package version $package_version, not $version"
[ "$(basename "$deb")" = "quatrelle_${version}_$(dpkg --print-architecture).deb" ] || fail "the package is $(basename "$deb")"
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/quatrelle ./usr/share/applications/com.korvantis.Quatrelle.desktop \
    ./usr/share/metainfo/com.korvantis.Quatrelle.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/com.korvantis.Quatrelle.png; do
    echo "$contents" | grep -q " $file\$" || fail "the package lacks $file"
done

dpkg -x "$deb" "$work/root"
start_xvfb 800x600x24
"$work/root/usr/bin/quatrelle" 2>/dev/null &
game=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Quatrelle$' >/dev/null ||
    fail "the unpacked program showed no window"
echo "package: 5 passed, 0 failed"
