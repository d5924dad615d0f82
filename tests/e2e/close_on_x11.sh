#!/usr/bin/env bash
# Waits for the program's window, checks its size, that its top-left corner is on the screen
# and that its class (WM_CLASS) is CLASS, by which a dock finds its desktop entry, then asks
# it to close as a window manager's close button does. close_window.sh's closer on X11.
#   close_on_x11.sh WM_DELETE_WINDOW WIDTH HEIGHT CLASS
set -euo pipefail
sender=$1 width=$2 height=$3 class=$4
source "$(dirname "$0")/../desktop/program_window.sh"
for tool in xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
window=$(program_window 30) || { echo "the window did not show" >&2; exit 1; }
read -r x y shown_width shown_height < <(xdotool getwindowgeometry --shell "$window" |
    sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=//p' | xargs)
shown_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
echo "window ${shown_width}x$shown_height at $x,$y, class $shown_class"
[[ ${shown_width}x$shown_height == "${width}x$height" ]] || { echo "expected ${width}x$height" >&2; exit 1; }
((x >= 0 && y >= 0)) || { echo "the window's top-left corner is off the screen" >&2; exit 1; }
[[ $shown_class == "$class" ]] || { echo "the window's class is not $class" >&2; exit 1; }
"$sender" "$window"
