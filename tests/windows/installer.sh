#!/usr/bin/env bash
# The installer as a school's IT uses it, under Wine: installed silently over an earlier
# version with a file more, it leaves in that one's folder its own files alone, a Start-menu
# entry and its uninstall entry, and the MSI refuses to install over it; while the program
# runs, the installer and the registered quiet uninstall command fail and change nothing;
# after, that command ends with status 0 and leaves nothing behind.
# Run inside desktop.sh --x11 ....
#   installer.sh INSTALLER.exe
set -euo pipefail
here=$(dirname "$0")
source "$here/installs.sh"
# QuietUninstallString run as registered: the program, unquoted, and its arguments.
quiet_uninstall() {
    read -ra run < <(entry "$TARVELLO_NAME" | tr -d '\r' |
        sed -n 's/^"QuietUninstallString"="\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g; s/"//g')
    wine "${run[@]}"
}

# While the installed program runs: nothing changes, and it is then closed.
while_running() {
    program_window 30 >/dev/null || return 1
    wine "$installer" /S && fail "the installer reported success over the running program"
    quiet_uninstall && fail "the uninstaller reported success while the program ran"
    same_files "$stage" "files changed while the program ran"
    [[ -n $(entry "$TARVELLO_NAME") ]] || fail "the uninstall entry went while the program ran"
    close_with_keys
}
installer=$1
build=$(dirname "$(realpath "$installer")")/..
stage=$build/package-stage/$TARVELLO_NAME
wine_prefix "$build/wine-installer" "$installer"
folder="$WINEPREFIX/drive_c/Училище/Тарвело"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$TARVELLO_NAME.lnk"

# The earlier version: this one with a file more, which its uninstaller deletes last.
makensis -V1 "$build/installer.nsi" "-XOutFile $stage.exe" -XSection \
    "-XFile /oname=\$INSTDIR\\old.dll $build/installer.nsi" -XSectionEnd \
    '-XSection un.old' '-XDelete $INSTDIR\old.dll' -XSectionEnd
wine "$stage.exe" /S "/D=$(winepath -w "$folder")" || fail "the earlier version: $?"
wine "$installer" /S || fail "the installer: exit status $?"
same_files "$stage" "not this version's files alone in $folder"
[[ -f $shortcut ]] || fail "no Start-menu entry"
expect_entry "$TARVELLO_NAME" '"UninstallString"' '"DisplayIcon"' '"DisplayVersion"' \
    '"InstallLocation"="C:\\Училище\\Тарвело"'
wine msiexec /i "$(winepath -w "${installer%.exe}.msi")" /qn && fail "the MSI installed over it"
[[ -z $(entry "$(product_code "${installer%.exe}.msi")") ]] || fail "the MSI wrote its entry"

# The installed program, with no other DLLs on its path than its own.
ends_when_closed while_running wine "$folder/tarvello.exe" || fail "while the installed program ran"

quiet_uninstall || fail "the uninstaller: exit status $?"
wineserver -w # the uninstaller's copy in TEMP deletes it and the folder
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
[[ ! -e $shortcut ]] || fail "the Start-menu entry is left"
[[ -z $(entry "$TARVELLO_NAME") ]] || fail "the uninstall entry is left"
exit $failed
