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
# and, as close_window.sh's closer while the installed program runs:
#   installer.sh while-running INSTALLER.exe FOLDER
set -euo pipefail
here=$(dirname "$0")
export LC_ALL=C.UTF-8
key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$TARVELLO_NAME"
failed=0
fail() { echo "FAIL $*" >&2; failed=1; }
files() { find "$1" -type f -printf '%P %s %T@\n' | sort; }

if [[ $1 == while-running ]]; then
    installer=$2 folder=$3
    source "$here/../desktop/program_window.sh"
    window=$(program_window 30) || { echo "the installed program did not show" >&2; exit 1; }
    before=$(files "$folder")
    wine "$installer" /S && fail "the installer reported success over the running program"
    # The uninstaller run in place (_?=), so that its own exit status is seen.
    wine "$folder/uninstall.exe" /S "_?=$(winepath -w "$folder")" &&
        fail "the uninstaller reported success while the program ran"
    [[ $(files "$folder") == "$before" ]] || fail "files changed while the program ran"
    wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry went while the program ran"
    xdotool windowfocus --sync "$window" key alt+F4
    exit $failed
fi
installer=$1
command -v xdotool >/dev/null || { echo "missing tool: xdotool" >&2; exit 1; }
# A Wine prefix of its own, made anew: no install of an earlier run is left in it.
export WINEPREFIX=$(dirname "$(realpath "$installer")")/../wine-installer
rm -rf "$WINEPREFIX"
"$here/wine.sh" --init "$installer" >/dev/null
export WINEDEBUG=-all
folder="$WINEPREFIX/drive_c/Училище/Тарвело"
program_files="$WINEPREFIX/drive_c/Program Files/$TARVELLO_NAME"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$TARVELLO_NAME.lnk"

wine "$installer" /S "/D=$(winepath -w "$folder")" || fail "the installer: exit status $?"
[[ -f $folder/tarvello.exe ]] || fail "no program in $folder"
[[ -f $shortcut ]] || fail "no Start-menu entry"
# Exported, as reg's console output loses the Cyrillic.
wine reg export "$key" 'C:\entry.reg' /y >/dev/null 2>&1 || true
entry=$(iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/entry.reg" 2>/dev/null) || true
for value in "\"DisplayName\"=\"$TARVELLO_NAME\"" '"UninstallString"' '"DisplayIcon"' \
    '"DisplayVersion"' '"InstallLocation"="C:\\Училище\\Тарвело"'; do
    grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value"
done
wine "$installer" /S || fail "the installer, again: exit status $?"
[[ ! -e $program_files ]] || fail "installed again into $program_files, not $folder"

# The installed program, with no other DLLs on its path than its own.
env -u WINEPATH "$here/../e2e/close_window.sh" --with wine "$folder/tarvello.exe" \
    "$0" while-running "$installer" "$folder" || fail "while the installed program ran"

wine "$folder/uninstall.exe" /S
wineserver -w # the uninstaller goes on in a copy of itself
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
[[ ! -e $shortcut ]] || fail "the Start-menu entry is left"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is left"
exit $failed
