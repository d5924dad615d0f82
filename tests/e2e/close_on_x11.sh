#!/usr/bin/env bash
# The program in an X server, closed as a window manager's close button closes it: its
# window shows at WIDTH x HEIGHT with its top-left corner on the screen and its class
# (WM_CLASS) CLASS, by which a dock finds its desktop entry; asked to close, it ends with exit
# status 0.
# Run inside desktop.sh --x11 ....
#   close_on_x11.sh TARVELLO WM_DELETE_WINDOW WIDTH HEIGHT CLASS
set -euo pipefail
source "$(dirname "$0")/../support.sh"
program=$1 sender=$2 width=$3 height=$4 class=$5
need xdotool xprop

close() {
    local window x y shown_width shown_height shown_class
    window=$(program_window 30) || return 1
    read -r x y shown_width shown_height < <(xdotool getwindowgeometry --shell "$window" |
        sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=//p' | xargs)
    shown_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    echo "window ${shown_width}x$shown_height at $x,$y, class $shown_class"
    [[ ${shown_width}x$shown_height == "${width}x$height" ]] || fail "expected ${width}x$height"
    ((x >= 0 && y >= 0)) || fail "the window's top-left corner is off the screen"
    [[ $shown_class == "$class" ]] || fail "the window's class is not $class"
    "$sender" "$window"
}
ends_when_closed close "$program"
exit $failed
