#!/usr/bin/env bash
# Builds the Debian package and checks its computed dependencies and its contents.
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
command -v dpkg-shlibdeps >/dev/null || { echo "missing tool: dpkg-shlibdeps" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
info=$(dpkg-deb -I "$deb")
echo "$info" | sed -n '/Package:/,$p'
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
status=0
for needed in fonts-liberation2 qt6-qpa-plugins qt6-translations-l10n libqt6widgets6 libc6; do
    [[ $depends == *"$needed"* ]] || { echo "Depends lacks $needed" >&2; status=1; }
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/tarvello ./usr/share/applications/org.example.Tarvello.desktop \
    ./usr/share/metainfo/org.example.Tarvello.metainfo.xml; do
    [[ $contents == *"$file"* ]] || { echo "package lacks $file" >&2; status=1; }
done
exit $status
