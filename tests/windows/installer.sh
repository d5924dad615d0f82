#!/usr/bin/env bash
# The installer as a teacher uses it, under Wine: installed silently, it leaves the program in
# Program Files, a Start-menu entry and an entry in the list of installed programs; the
# installed program starts on its own files alone and ends with exit status 0 when closed;
# uninstalled silently, it leaves nothing behind.
# Run inside desktop.sh --x11 ....
#   installer.sh INSTALLER.exe
set -euo pipefail
installer=$1
here=$(dirname "$0")
command -v xdotool >/dev/null || { echo "missing tool: xdotool" >&2; exit 1; }
# The build's own Wine prefix, as wine.sh makes it.
WINEPREFIX=$("$here/wine.sh" --init "$installer")
export WINEPREFIX WINEDEBUG=-all
folder="$WINEPREFIX/drive_c/Program Files/Tarvello"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarvello.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvello'
failed=0
fail() { echo "FAIL $*" >&2; failed=1; }

[[ ! -e $folder ]] || fail "installed already, before the test"
wine "$installer" /S
wineserver -w
[[ -f $folder/tarvello.exe ]] && echo "installed: $(ls "$folder" | xargs)" || fail "no program in $folder"
[[ -f $shortcut ]] && echo "Start menu: Tarvello.lnk" || fail "no Start-menu entry"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r') || true
for value in 'DisplayName    REG_SZ    Tarvello' 'UninstallString' 'DisplayIcon' 'DisplayVersion'; do
    grep -q "$value" <<<"$entry" || fail "the uninstall entry lacks $value"
done
echo "uninstall entry: $(grep -c REG_ <<<"$entry") values"

# The installed program, with no other DLLs on its path than its own.
env -u WINEPATH "$here/../e2e/close_window.sh" --with wine "$folder/tarvello.exe" \
    "$here/program.sh" close || fail "the installed program did not start and close"

wine "$folder/uninstall.exe" /S
wineserver -w # the uninstaller goes on in a copy of itself
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
[[ ! -e $shortcut ]] || fail "the Start-menu entry is left"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is left"
exit $failed
