#!/usr/bin/env bash
# Builds the Debian package and checks its computed dependencies, its contents, and that
# Debian's package checker, lintian, finds neither an error nor a warning in it.
#   check_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
for tool in dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
info=$(dpkg-deb -I "$deb")
echo "$info" | sed -n '/Package:/,$p'
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
status=0
for needed in qt6-qpa-plugins qt6-translations-l10n libqt6widgets6 libc6; do
    [[ $depends == *"$needed"* ]] || { echo "Depends lacks $needed" >&2; status=1; }
done
recommends=$(echo "$info" | sed -n 's/^ Recommends: //p')
for wanted in qt6-wayland fonts-liberation2; do
    [[ $recommends == *"$wanted"* ]] || { echo "Recommends lacks $wanted" >&2; status=1; }
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/tarvello ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/doc/tarvello/copyright \
    ./usr/share/doc/tarvello/changelog.gz ./usr/share/man/man1/tarvello.1.gz; do
    [[ $contents == *"$file"* ]] || { echo "package lacks $file" >&2; status=1; }
done
if ! report=$(lintian --fail-on error,warning "$deb" 2>&1); then
    echo "lintian found faults" >&2
    status=1
fi
echo "lintian:"
echo "$report" | grep -v 'running with root privileges' || true
exit $status
