#!/usr/bin/env bash
# The program as a native Wayland client of weston.
#   wayland.sh TARVELLO CHECK_FORM_PICTURE
# runs both of these, each on a desktop of its own:
#   wayland.sh picture TARVELLO CHECK_FORM_PICTURE   (inside desktop.sh --weston headless)
#     its window shows at its fixed 465 x 357, in the form's colours, with its captions;
#   wayland.sh close TARVELLO CHECK_FORM_PICTURE     (inside desktop.sh --x11 --weston x11)
#     a click on the close button of Qt's own title bar ends it with exit status 0.
set -u
if [[ $# -eq 2 ]]; then
    desktop=$(dirname "$0")/desktop.sh
    "$desktop" --weston headless -- "$0" picture "$@" || exit 1
    exec "$desktop" --x11 800x600 --weston x11 -- "$0" close "$@"
fi
what=$1 program=$2 checker=$3
command -v weston-screenshooter >/dev/null || { echo "missing tool: weston-screenshooter" >&2; exit 1; }
[[ $what == picture ]] || command -v xdotool >/dev/null || { echo "missing tool: xdotool" >&2; exit 1; }

pictures=${TARVELLO_PICTURES:-$(mktemp -d)}
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

QT_QPA_PLATFORM=wayland "$program" &
pid=$!

# Takes pictures of weston's screen until the form shows in one; prints where it stands.
found=
for _ in $(seq 40); do
    rm -f "$shots"/*.png
    (cd "$shots" && weston-screenshooter >/dev/null 2>&1)
    shot=$(ls "$shots"/*.png 2>/dev/null | head -1)
    if [[ -n $shot ]] && report=$(QT_QPA_PLATFORM=offscreen "$checker" "$shot" --save "$pictures/wayland-$what.png"); then
        found=$(echo "$report" | sed -n 's/^form found at \([0-9]*\),\([0-9]*\),.*/\1 \2/p')
        break
    fi
    sleep 0.25
done
echo "${report:-no picture}"
if [[ -z $found ]]; then
    echo "the window never showed as it should" >&2
    kill "$pid" 2>/dev/null
    exit 1
fi

if [[ $what == close ]]; then
    # Qt's title bar stands above the form; its close button is its rightmost, 14 pixels in
    # from the form's right edge and 15 above its top.
    read -r left top <<<"$found"
    xdotool mousemove $((left + 465 - 14)) $((top - 15)) click 1
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            echo "exit status $status after the close button"
            exit "$status"
        fi
        sleep 0.1
    done
    echo "the program did not end after a click on the close button" >&2
    kill "$pid"
    exit 1
fi
kill "$pid"
exit 0
