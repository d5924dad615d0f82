#!/usr/bin/env bash
# The Windows program under Wine, in an X server, with Wine's display at DPI dots per inch:
# its window shows as the program draws it (at DPI / 96 times its size), every caption
# readable and whole, and a close request (Alt+F4) ends it with exit status 0.
# Run inside desktop.sh --x11 ....
#   program.sh TARVELLO.exe CHECK_FORM_PICTURE.exe DPI
# and, as close_window.sh's closer:
#   program.sh close [CHECK_FORM_PICTURE.exe DPI]   checks the picture where asked, then
#                                                   closes the window with Alt+F4
set -euo pipefail
here=$(dirname "$0")
if [[ $1 == close ]]; then
    status=0
    if [[ $# -gt 1 ]]; then
        "$here/wine.sh" "$2" :screen --save "${TARVELLO_PICTURES:-/tmp}/wine-${3}dpi.png" ||
            status=1
    fi
    source "$here/../desktop/program_window.sh"
    window=$(program_window 30) || { echo "the window did not show" >&2; exit 1; }
    xdotool windowfocus --sync "$window" key alt+F4
    exit $status
fi
program=$1 checker=$2 dpi=$3
command -v xdotool >/dev/null || { echo "missing tool: xdotool" >&2; exit 1; }
# Another DPI than Wine's 96 is a setting of a Wine prefix of its own.
if [[ $dpi != 96 ]]; then
    WINEPREFIX=$(dirname "$(realpath "$program")")/wine-${dpi}dpi
    export WINEPREFIX
    "$here/wine.sh" --init "$program" >/dev/null
    for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        WINEDEBUG=-all wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    done
    wineserver -w
fi
exec "$here/../e2e/close_window.sh" --with "$here/wine.sh" "$program" "$0" close "$checker" "$dpi"
