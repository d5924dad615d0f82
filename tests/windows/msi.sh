#!/usr/bin/env bash
# The MSI as a school's IT deploys it, under Wine: its messages are in Bulgarian; `msiexec /i
# /qn` installs it for the whole machine, with a Start-menu entry and an entry, with its icon,
# in the list of installed programs; the installed program starts on its own files alone; the
# installer then refuses to install; the MSI of a newer version replaces it in place;
# `msiexec /x /qn` leaves nothing behind.
# Run inside desktop.sh --x11 ....
#   msi.sh BUILD    the Windows build, after its target windows_packages
set -euo pipefail
build=$(realpath "$1")
here=$(dirname "$0")
stage=$build/package-stage
package=$(echo "$build"/package/*.msi)
source "$here/installs.sh"
wine_prefix "$build/wine-msi" "$package"
folder="$WINEPREFIX/drive_c/Program Files/$TARVELLO_NAME"
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn || fail "msiexec $1 $2: exit status $?"; }
# Wine's Windows Installer puts the entry into the user's Start menu, not All Users'.
start_menu() { find "$WINEPREFIX/drive_c" -path "*/Start Menu/Programs/$TARVELLO_NAME.lnk"; }

# Each launch condition's message in Bulgarian, as the package is: wixl loses the Cyrillic.
conditions=$(msiinfo export "$package" LaunchCondition | tail -n +4)
[[ $(grep -cvP '\t.*\p{Cyrillic}' <<<"$conditions") == 0 ]] || fail "a message not in Bulgarian"
msiexec /i "$package"
old=$(product_code "$package")
same_files "$stage/$TARVELLO_NAME" "installed files differ from the package's"
[[ -n $(start_menu) ]] || fail "no Start-menu entry"
expect_entry "$old" '"DisplayVersion"="1.0.0"'
wine reg query 'HKLM\Software\Classes\Installer\Products' /s | grep -q 'ProductIcon.*\.ico' ||
    fail "no icon for the list of installed programs"
ends_when_closed close_with_keys wine "$folder/tarvello.exe" ||
    fail "the installed program did not start and close"
wine "$build"/package/*.exe /S && fail "the installer installed over the MSI's install"
[[ -z $(entry "$TARVELLO_NAME") && ! -e $folder/uninstall.exe ]] || fail "the installer wrote"

# A newer version: the same package with version 1.0.1, a ProductCode of its own (any other
# than this version's) and a changed licence file.
newer=$stage/newer && mkdir -p "$newer"
cp -r "$stage/$TARVELLO_NAME" "$stage/files.wxs" "$stage"/*.ico "$newer/"
echo "1.0.1" >>"$newer/$TARVELLO_NAME/licences/GPL-3.txt"
sed -e 's/Version="1.0.0"/Version="1.0.1"/' \
    -e 's/Product Id="[^"]*"/Product Id="{8A7F5C3E-1D2B-4C6A-9E0F-0123456789AB}"/' \
    "$stage/tarvello.wxs" >"$newer/tarvello.wxs"
(cd "$newer" && wixl --arch x64 -D Stage="$TARVELLO_NAME" -D Win64=yes -o newer.msi \
    tarvello.wxs files.wxs)
msiexec /i "$newer/newer.msi"
same_files "$newer/$TARVELLO_NAME" "the newer version's files are not what was installed"
[[ -z $(entry "$old") ]] || fail "the older version is still listed"
new=$(product_code "$newer/newer.msi")
expect_entry "$new" '"DisplayVersion"="1.0.1"'
[[ $(start_menu | wc -l) == 1 ]] || fail "not one Start-menu entry: $(start_menu)"

msiexec /x "$newer/newer.msi"
wineserver -w
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
[[ -z $(start_menu) ]] || fail "the Start-menu entry is left"
[[ -z $(entry "$new") ]] || fail "the uninstall entry is left"
exit $failed
