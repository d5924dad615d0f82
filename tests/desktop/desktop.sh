#!/usr/bin/env bash
# Runs a command on a desktop of its own, made of the pieces asked for, and ends them after:
#   desktop.sh [--x11 WxH] [--session-bus] [--accessibility] [--weston headless|x11|kiosk]
#              -- COMMAND [ARG...]
#   --x11 WxH        an X server (Xvfb) with one screen of that size; sets DISPLAY
#   --session-bus    a private D-Bus session bus; sets DBUS_SESSION_BUS_ADDRESS
#   --accessibility  the accessibility bus, switched on, as with a screen reader running
#                    (needs --session-bus)
#   --weston KIND    a Wayland compositor, weston, headless or as an X11 client (needs --x11,
#                    at least 800x600, and fills its top-left 800 x 600 pixels), or headless
#                    with its kiosk shell, which shows every window full screen; sets
#                    WAYLAND_DISPLAY, with its screenshot interface on
# The command's exit status is this script's. XDG_RUNTIME_DIR is a fresh private folder.
set -euo pipefail

x11= session_bus= accessibility= weston=
while [[ $# -gt 0 && $1 != -- ]]; do
    case $1 in
    --x11) x11=$2; shift ;;
    --session-bus) session_bus=1 ;;
    --accessibility) accessibility=1 ;;
    --weston) weston=$2; shift ;;
    *) echo "desktop.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
[[ ${1:-} == -- ]] && shift
[[ $# -gt 0 ]] || { echo "desktop.sh: no command" >&2; exit 2; }

source "$(dirname "$0")/../support.sh"

pids=()
runtime=$(mktemp -d)
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for _ in $(seq 20); do
        kill -0 "${pids[@]}" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "${pids[@]}" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
unset WAYLAND_DISPLAY

if [[ -n $x11 ]]; then
    need Xvfb
    # -noreset: the server stays as it is while clients come and go, as a desktop's does.
    # Otherwise it resets whenever its last client leaves, and drops a client that is
    # connecting at that moment: the program, while a test's xdotool polls for its window.
    Xvfb -displayfd 3 -screen 0 "${x11}x24" -nolisten tcp -noreset 3>"$runtime/display" \
        2>/dev/null &
    pids+=($!)
    wait_for test -s "$runtime/display"
    export DISPLAY=:$(head -1 "$runtime/display")
fi

if [[ -n $session_bus ]]; then
    need dbus-daemon
    dbus-daemon --session --nofork --print-address=4 --print-pid=5 4>"$runtime/bus" 5>/dev/null \
        2>/dev/null &
    pids+=($!)
    wait_for test -s "$runtime/bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$runtime/bus")
    export DBUS_SESSION_BUS_ADDRESS
fi

if [[ -n $accessibility ]]; then
    launcher=/usr/libexec/at-spi-bus-launcher
    need dbus-send "$launcher"
    "$launcher" --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    wait_for dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi

if [[ -n $weston ]]; then
    need weston
    socket=tarvello-wayland-$$
    options=(--socket="$socket" --use-pixman --debug --idle-time=0 --no-config)
    case $weston in
    headless) options+=(--backend=headless-backend.so --width=1024 --height=768) ;;
    x11) options+=(--backend=x11-backend.so --width=800 --height=600) ;;
    kiosk) options+=(--backend=headless-backend.so --width=1024 --height=768
        --shell=kiosk-shell.so) ;;
    *) echo "desktop.sh: weston is headless, x11 or kiosk" >&2; exit 2 ;;
    esac
    weston "${options[@]}" >"$runtime/weston.log" 2>&1 &
    pids+=($!)
    wait_for test -S "$runtime/$socket"
    export WAYLAND_DISPLAY=$socket
fi

set +e
"$@"
status=$?
exit $status
