#!/usr/bin/env bash
# The installer as a school's IT uses it, under Wine:
# - installed silently into a folder of one's own, it leaves the program there, a Start-menu
#   entry and an entry in the list of installed programs;
# - installed again, it goes into the same folder, not into Program Files;
# - while the installed program runs, neither the installer nor the uninstaller changes a
#   file, and both end with a non-zero status; the program then ends with status 0;
# - uninstalled silently, it leaves nothing behind.
# Run inside desktop.sh --x11 ....
#   installer.sh INSTALLER.exe
set -euo pipefail
here=$(dirname "$0")
source "$here/installs.sh"
files() { find "$1" -type f -printf '%P %s %T@\n' | sort; }

# While the installed program runs: nothing changes, and it is then closed.
while_running() {
    local before
    program_window 30 >/dev/null || return 1
    before=$(files "$folder")
    wine "$installer" /S && fail "the installer reported success over the running program"
    # The uninstaller run in place (_?=), so that its own exit status is seen.
    wine "$folder/uninstall.exe" /S "_?=$(winepath -w "$folder")" &&
        fail "the uninstaller reported success while the program ran"
    [[ $(files "$folder") == "$before" ]] || fail "files changed while the program ran"
    [[ -n $(entry "$TARVELLO_NAME") ]] || fail "the uninstall entry went while the program ran"
    close_with_keys
}
installer=$1
wine_prefix "$(dirname "$(realpath "$installer")")/../wine-installer" "$installer"
folder="$WINEPREFIX/drive_c/Училище/Тарвело"
program_files="$WINEPREFIX/drive_c/Program Files/$TARVELLO_NAME"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$TARVELLO_NAME.lnk"

wine "$installer" /S "/D=$(winepath -w "$folder")" || fail "the installer: exit status $?"
[[ -f $folder/tarvello.exe ]] || fail "no program in $folder"
[[ -f $shortcut ]] || fail "no Start-menu entry"
expect_entry "$TARVELLO_NAME" '"UninstallString"' '"DisplayIcon"' '"DisplayVersion"' \
    '"InstallLocation"="C:\\Училище\\Тарвело"'
wine "$installer" /S || fail "the installer, again: exit status $?"
[[ ! -e $program_files ]] || fail "installed again into $program_files, not $folder"

# The installed program, with no other DLLs on its path than its own.
ends_when_closed while_running wine "$folder/tarvello.exe" || fail "while the installed program ran"

wine "$folder/uninstall.exe" /S
wineserver -w # the uninstaller goes on in a copy of itself
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
[[ ! -e $shortcut ]] || fail "the Start-menu entry is left"
[[ -z $(entry "$TARVELLO_NAME") ]] || fail "the uninstall entry is left"
exit $failed
