#!/usr/bin/env bash
# The Windows program under Wine, in an X server, with Wine's display at DPI dots per inch:
# its window shows as the program draws it (at DPI / 96 times its size), every caption
# readable and whole, and a close request (Alt+F4) ends it with exit status 0.
# Run inside desktop.sh --x11 ....
#   program.sh TARVELLO.exe CHECK_FORM_PICTURE.exe DPI
set -euo pipefail
program=$1 checker=$2 dpi=$3
here=$(dirname "$0")
command -v xdotool >/dev/null || { echo "missing tool: xdotool" >&2; exit 1; }
build=$(dirname "$(realpath "$program")")
# A Wine prefix for each DPI, since the DPI is the prefix's setting.
export WINEPREFIX=$build/wine-${dpi}dpi
"$here/wine.sh" --init "$program"
for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    WINEDEBUG=-all wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
done
wineserver -w

"$here/wine.sh" "$program" &
pid=$!
status=0
"$here/wine.sh" "$checker" :screen --save "${TARVELLO_PICTURES:-/tmp}/wine-${dpi}dpi.png" ||
    status=1
window=$(xdotool search --onlyvisible --name ' Tarvello$' | head -1)
if [[ -z $window ]]; then
    echo "no window named '... Tarvello'" >&2
    kill "$pid"
    exit 1
fi
xdotool windowfocus --sync "$window" key alt+F4
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end after the close request" >&2
    kill "$pid"
    exit 1
fi
wait "$pid" && exited=0 || exited=$?
echo "exit status $exited"
[[ $exited -eq 0 ]] || status=1
exit $status
