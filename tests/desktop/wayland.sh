#!/usr/bin/env bash
# The program as a native Wayland client of weston.
#   wayland.sh TARVELLO CHECK_FORM_PICTURE APP_ID
# runs both of these, each on a desktop of its own:
#   wayland.sh picture TARVELLO CHECK_FORM_PICTURE APP_ID (inside desktop.sh --weston headless)
#     its window shows at its fixed 465 x 357, in the form's colours, with its captions, and its
#     app id is its desktop entry's, APP_ID;
#   wayland.sh close TARVELLO CHECK_FORM_PICTURE          (inside desktop.sh --x11 --weston x11)
#     after a click on the maximise button of Qt's own title bar, the window asks to be
#     unmaximised and is as it was; a kind can be picked after it, and a click on the close
#     button ends it with exit status 0;
#   wayland.sh kiosk TARVELLO                              (inside desktop.sh --weston kiosk)
#     made full screen by the compositor, the window keeps its size and the program runs on.
set -euo pipefail
here=$(dirname "$0")
source "$here/../support.sh"
what=$1
if [[ ! $what =~ ^(picture|close|kiosk)$ ]]; then
    "$here/desktop.sh" --weston headless -- "$0" picture "$@" || exit 1
    "$here/desktop.sh" --weston kiosk -- "$0" kiosk "$1" || exit 1
    # The X screen is larger than weston's 800 x 600 window, so that the pointer can come
    # into that window from outside (see clicks).
    exec "$here/desktop.sh" --x11 1024x768 --weston x11 -- "$0" close "$1" "$2"
fi
need weston-screenshooter
pictures=${TARVELLO_PICTURES:-$(mktemp -d)}

# Takes pictures of weston's screen until the form shows in one as it should; prints where
# its top-left corner stands, its width, and where its top kind button stands.
find_form() {
    local checker=$1 shots report= shown=1
    shots=$(mktemp -d)
    shows() {
        rm -f "$shots"/*.png
        (cd "$shots" && weston-screenshooter) && report=$(QT_QPA_PLATFORM=offscreen "$checker" \
            "$shots"/*.png --save "$pictures/wayland-$what.png")
    }
    WAIT_SECONDS=20 wait_for shows || shown=
    rm -rf "$shots"
    echo "${report:-no picture}" >&2
    [[ -n $shown ]] || { echo "the window never showed as it should" >&2; return 1; }
    echo "$(sed -n 's/^form found at \([0-9]*\),\([0-9]*\), \([0-9]*\)x.*/\1 \2 \3/p' <<<"$report") $(
        sed -n 's/^top kind button at \([0-9]*\),\([0-9]*\)$/\1 \2/p' <<<"$report")"
}

log=$pictures/wayland-$what.log
export QT_QPA_PLATFORM=wayland
# The program, with its Wayland requests in the log.
run() { WAYLAND_DEBUG=client exec "$1" 2>"$log"; }
[[ $what == close ]] || start run "$2"

case $what in
picture)
    checker=$3 app_id=$4
    find_form "$checker" >/dev/null || fail "no form"
    grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$log" ||
        fail "the window's app id is not $app_id: $(grep -o 'set_app_id([^)]*)' "$log")"
    exit $failed
    ;;
kiosk)
    # Its first frame after the compositor's full-screen state.
    framed() { sed -n '/ack_configure/,$p' "$log" | grep -q 'wl_surface@[0-9]*\.attach'; }
    wait_for framed || true
    kill -0 "$pid" 2>/dev/null || { echo "the program ended under the kiosk shell" >&2; exit 1; }
    geometries=$(grep -o 'set_window_geometry([^)]*)' "$log" || true)
    first=$(head -1 <<<"$geometries") last=$(tail -1 <<<"$geometries")
    echo "window geometry first $first, last $last"
    [[ -n $first && $last == "$first" ]] || { echo "the window did not keep its size" >&2; exit 1; }
    ;;
close)
    checker=$3
    # Qt's title bar stands above the form; its close button is its rightmost, 14 pixels in
    # from the form's right edge and 15 above its top, and its maximise button 23 pixels
    # further left.
    # weston places its pointer where X's pointer crosses into its window; started under a
    # pointer that is already inside, it may keep its own at 0,0 and send the click to its
    # desktop's background instead. So the pointer comes in from outside, as a mouse would.
    need xdotool
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    click() {
        xdotool mousemove $((screen_width - 1)) $((screen_height - 1)) mousemove "$1" "$2" click 1
    }
    frames() { grep -c 'wl_surface@[0-9]*\.attach' "$log" || true; }
    clicks() {
        local left top width kind_x kind_y shown
        read -r left top width _ < <(find_form "$checker") || return 1
        click $((left + width - 37)) $((top - 15))
        # Grown, it asks to be unmaximised; then it shows at its own size again.
        wait_for_line "$log" unset_maximized || return 1
        read -r left top width kind_x kind_y < <(find_form "$checker") || return 1
        shown=$(frames)
        click "$kind_x" "$kind_y"
        drawn() { (($(frames) > shown)); }
        wait_for drawn || true
        click $((left + width - 14)) $((top - 15))
    }
    ends_when_closed clicks run "$2"
    ;;
esac
