#!/usr/bin/env bash
# Builds the Debian package and checks what it installs: every file, the icons at their sizes,
# the desktop entry and the AppStream metainfo (validated with the desktop's own tools), the
# computed dependencies, and that Debian's package checker, lintian, finds neither an error
# nor a warning in it.
#   check_package.sh BUILD_DIR APP_ID
set -euo pipefail
source "$(dirname "$0")/../support.sh"
build=$1
id=$2
need dpkg-shlibdeps lintian desktop-file-validate appstreamcli
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
info=$(dpkg-deb -I "$deb")
echo "$info" | sed -n '/Package:/,$p'
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
for needed in qt6-qpa-plugins qt6-translations-l10n libqt6widgets6 libc6; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed"
done

stage=$out/stage
dpkg-deb -x "$deb" "$stage"
expected=(usr/bin/tarvello usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/doc/tarvello/copyright
    usr/share/doc/tarvello/changelog.gz usr/share/man/man1/tarvello.1.gz)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -s $stage/$file ]] || fail "not installed: /$file"
done
[[ -x $stage/usr/bin/tarvello ]] || fail "not executable: /usr/bin/tarvello"
for size in 16 32 256; do
    picture=$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    header=$(od -An -tx1 -j16 -N8 "$picture" | tr -d ' \n')
    [[ $header == $(printf '%08x%08x' "$size" "$size") ]] || fail "icon ${size}: size $header"
done
entry=$stage/usr/share/applications/$id.desktop
for line in "^Icon=$id\$" '^Categories=Education;$' '^Name\[bg\]=' '^Comment\[bg\]='; do
    grep -q "$line" "$entry" || fail "the desktop entry has no line $line"
done
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$stage/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian found faults"
echo "lintian:"
echo "$report" | grep -v 'running with root privileges' || true
exit $failed
