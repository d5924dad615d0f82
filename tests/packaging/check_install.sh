#!/usr/bin/env bash
# Installs the build into a staging directory and checks every installed file, then
# validates the desktop entry and the AppStream metainfo with the desktop's own tools.
#   check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

expected=(
    usr/bin/tarvello
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
    if [[ ! -s $stage/$file ]]; then
        echo "not installed: /$file" >&2
        status=1
    fi
done
[[ -x $stage/usr/bin/tarvello ]] || { echo "not executable: /usr/bin/tarvello" >&2; status=1; }
for size in 16 32 256; do
    header=$(od -An -tx1 -j16 -N8 "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | tr -d ' \n')
    [[ $header == $(printf '%08x%08x' "$size" "$size") ]] || { echo "icon ${size}: size $header" >&2; status=1; }
done
entry=$stage/usr/share/applications/$id.desktop
for line in "^Icon=$id\$" '^Categories=Education;$' '^Name\[bg\]=' '^Comment\[bg\]='; do
    grep -q "$line" "$entry" || { echo "the desktop entry has no line $line" >&2; status=1; }
done

desktop-file-validate "$entry" || status=1
appstreamcli validate --no-net --explain "$stage/usr/share/metainfo/$id.metainfo.xml" || status=1
exit $status
