#!/usr/bin/env bash
# Reads the Windows resources back from the built program, with MinGW's windres, and checks
# the icon and every value of the version information.
#   resources.sh PROGRAM.exe WINDRES PUBLISHER NAME VERSION VERSION_TEXT
# as the build defines them: the version as 1.0.0, its text as the program shows it, "1.00".
set -euo pipefail
program=$1 windres=$2 publisher=$3 name=$4 version=$5 version_text=$6
for tool in "$windres" wrestool; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$windres" -i "$program" -O rc -o "$work/readback.rc"
wrestool -x --type=14 "$program" >"$work/icon-group" # its first entry as an .ico file has it
block=$(sed -n '/VERSIONINFO/,$p' "$work/readback.rc")
echo "$block"

status=0
expect() {
    grep -qF -- "$1" <<<"$block" || { echo "version information lacks: $1" >&2; status=1; }
}
numbers="${version//./, }, 0"
expect " FILEVERSION $numbers"
expect " PRODUCTVERSION $numbers"
expect ' FILETYPE 0x1'
expect 'BLOCK "040904B0"'
for field in FileVersion ProductVersion; do
    expect "VALUE \"$field\", \"$version_text\""
done
for field in FileDescription ProductName InternalName; do
    expect "VALUE \"$field\", \"$name\""
done
for field in CompanyName LegalCopyright LegalTrademarks; do
    expect "VALUE \"$field\", \"$publisher\""
done
expect 'VALUE "Translation", 0x409, 1200'
grep -q 'RT_GROUP_ICON' "$work/readback.rc" || { echo "no icon group" >&2; status=1; }
# The icon's one image: 32 x 32 pixels, 8 bits (256 colours) a pixel.
entry=$(od -An -tu1 -j6 -N8 "$work/icon-group" | xargs)
[[ $entry == "32 32 0 0 1 0 8 0" ]] || { echo "icon entry: $entry" >&2; status=1; }
exit $status
