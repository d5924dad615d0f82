#!/usr/bin/env bash
# The installer as a school's IT uses it, under Wine:
# - installed silently over an earlier version with one more file, in a folder of one's own,
#   it goes into that folder, not into Program Files, and leaves its own files there and
#   nothing else, a Start-menu entry and an entry in the list of installed programs;
# - while the installed program runs, neither the installer nor the registered quiet
#   uninstall command changes a file, and both end with a non-zero status; the program then
#   ends with status 0;
# - the quiet uninstall command then ends with status 0 and leaves nothing behind.
# Run inside desktop.sh --x11 ....
#   installer.sh INSTALLER.exe
set -euo pipefail
here=$(dirname "$0")
source "$here/installs.sh"
# Runs QuietUninstallString as it is registered: the quoted program, then its arguments.
quiet_uninstall() {
    local words
    read -ra words < <(entry "$TARVELLO_NAME" | tr -d '\r' |
        sed -n 's/^"QuietUninstallString"="\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g')
    wine "${words[0]//\"/}" "${words[@]:1}"
}

# While the installed program runs: nothing changes, and it is then closed.
while_running() {
    program_window 30 >/dev/null || return 1
    wine "$installer" /S && fail "the installer reported success over the running program"
    quiet_uninstall && fail "the uninstaller reported success while the program ran"
    same_files "$build/package-stage/$TARVELLO_NAME" "files changed while the program ran"
    [[ -n $(entry "$TARVELLO_NAME") ]] || fail "the uninstall entry went while the program ran"
    close_with_keys
}
installer=$1
build=$(dirname "$(realpath "$installer")")/..
wine_prefix "$build/wine-installer" "$installer"
folder="$WINEPREFIX/drive_c/Училище/Тарвело"
program_files="$WINEPREFIX/drive_c/Program Files/$TARVELLO_NAME"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$TARVELLO_NAME.lnk"

# The earlier version: this one with a file more, which its uninstaller deletes last.
older=$build/package-stage/older.exe
makensis -V1 "$build/installer.nsi" "-XOutFile $older" -XSection \
    "-XFile /oname=\$INSTDIR\\old.dll $build/installer.nsi" -XSectionEnd \
    '-XSection un.old' '-XDelete $INSTDIR\old.dll' -XSectionEnd
wine "$older" /S "/D=$(winepath -w "$folder")" || fail "the earlier version: $?"
wine "$installer" /S || fail "the installer: exit status $?"
wineserver -w
same_files "$build/package-stage/$TARVELLO_NAME" "not this version's files in $folder"
[[ ! -e $program_files ]] || fail "installed into $program_files, not $folder"
[[ -f $shortcut ]] || fail "no Start-menu entry"
expect_entry "$TARVELLO_NAME" '"UninstallString"' '"DisplayIcon"' '"DisplayVersion"' \
    '"InstallLocation"="C:\\Училище\\Тарвело"'
msi=${installer%.exe}.msi
wine msiexec /i "$(winepath -w "$msi")" /qn && fail "the MSI installed over the installer's"
same_files "$build/package-stage/$TARVELLO_NAME" "the MSI changed the installer's install"
[[ -z $(entry "$(product_code "$msi")") ]] || fail "the MSI wrote its uninstall entry"

# The installed program, with no other DLLs on its path than its own.
ends_when_closed while_running wine "$folder/tarvello.exe" || fail "while the installed program ran"

quiet_uninstall || fail "the uninstaller: exit status $?"
wineserver -w # the uninstaller's copy in TEMP deletes it and the folder
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
[[ ! -e $shortcut ]] || fail "the Start-menu entry is left"
[[ -z $(entry "$TARVELLO_NAME") ]] || fail "the uninstall entry is left"
exit $failed
