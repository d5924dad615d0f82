#!/usr/bin/env bash
# Reads the Windows resources back, from the resource script compiled with MinGW's windres
# or from the built program itself, and checks the icon and every value of the version
# information.
#   check_windows_resources.sh RC_FILE|PROGRAM.exe WINDRES PUBLISHER
set -euo pipefail
input=$1
windres=$2
publisher=$3
for tool in "$windres" wrestool; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ $input == *.exe ]]; then
    "$windres" -i "$input" -O rc -o "$work/readback.rc"
    wrestool -x --type=14 "$input" >"$work/icon-group"
    icon_entry=$work/icon-group # its first entry where an .ico file has its own
else
    "$windres" --preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED \
        -i "$input" -O res -o "$work/tarvello.res"
    "$windres" -i "$work/tarvello.res" -O rc -o "$work/readback.rc"
    icon_entry=$(grep -o '"[^"]*\.ico"' "$input" | tr -d '"')
fi
block=$(sed -n '/VERSIONINFO/,$p' "$work/readback.rc")
echo "$block"

status=0
expect() {
    grep -qF -- "$1" <<<"$block" || { echo "version information lacks: $1" >&2; status=1; }
}
expect ' FILEVERSION 1, 0, 0, 0'
expect ' PRODUCTVERSION 1, 0, 0, 0'
expect ' FILETYPE 0x1'
expect 'BLOCK "040904B0"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "FileDescription", "Tarvello"'
expect 'VALUE "ProductName", "Tarvello"'
expect 'VALUE "InternalName", "Tarvello"'
expect "VALUE \"CompanyName\", \"$publisher\""
expect "VALUE \"LegalCopyright\", \"$publisher\""
expect "VALUE \"LegalTrademarks\", \"$publisher\""
expect 'VALUE "Translation", 0x409, 1200'
grep -q 'RT_GROUP_ICON' "$work/readback.rc" || { echo "no icon group" >&2; status=1; }
# The icon's one image: 32 x 32 pixels, 8 bits (256 colours) a pixel.
entry=$(od -An -tu1 -j6 -N8 "$icon_entry" | xargs)
[[ $entry == "32 32 0 0 1 0 8 0" ]] || { echo "icon entry: $entry" >&2; status=1; }
exit $status
