#!/usr/bin/env bash
# The Windows program under Wine, in an X server, with Wine's display at DPI dots per inch:
# its window shows as the program draws it (at DPI / 96 times its size), every caption
# readable and whole, and a close request (Alt+F4) ends it with exit status 0.
# Run inside desktop.sh --x11 ....
#   program.sh TARVELLO.exe CHECK_FORM_PICTURE.exe DPI
set -euo pipefail
here=$(dirname "$0")
source "$here/../support.sh"
program=$1 checker=$2 dpi=$3
# Another DPI than Wine's 96 is a setting of a Wine prefix of its own.
if [[ $dpi != 96 ]]; then
    wine_prefix "$(dirname "$(realpath "$program")")/wine-${dpi}dpi" "$program"
    for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        WINEDEBUG=-all wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    done
    wineserver -w
fi
look_and_close() {
    "$here/wine.sh" "$checker" :screen --save "${TARVELLO_PICTURES:-/tmp}/wine-${dpi}dpi.png" ||
        fail "the window does not show as the program draws it"
    close_with_keys
}
ends_when_closed look_and_close "$here/wine.sh" "$program"
exit $failed
