#!/usr/bin/env bash
# Builds the Debian package and checks what it installs: the menu entry and its icons, the
# desktop entry and the AppStream metainfo validated with the desktop's own tools, the
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

# The menu entry, in Bulgarian, starts the installed program, and shows its icon: a picture of
# each size in the icon theme's folder of that size, and a scalable one. (lintian checks the
# copyright file, the changelog and the manual page.)
stage=$out/stage
dpkg-deb -x "$deb" "$stage"
entry=$stage/usr/share/applications/$id.desktop
value() { sed -n "s/^$1=//p" "$entry"; }
[[ -x $stage/usr/bin/$(value Exec) ]] || fail "the menu entry's program is not installed"
grep -q '^Name\[bg\]=' "$entry" && grep -q '^Comment\[bg\]=' "$entry" || fail "not in Bulgarian"
[[ -s $stage/usr/share/icons/hicolor/scalable/apps/$(value Icon).svg ]] || fail "no scalable icon"
for picture in "$stage"/usr/share/icons/hicolor/*/apps/"$(value Icon)".png; do
    size=$(basename "$(dirname "$(dirname "$picture")")")
    header=$(od -An -tx1 -j16 -N8 "$picture" | tr -d ' \n')
    [[ $header == $(printf '%08x%08x' "${size%x*}" "${size%x*}") ]] || fail "icon $size: $header"
done
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$stage/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian found faults"
echo "lintian:"
echo "$report" | grep -v 'running with root privileges' || true
exit $failed
