#!/usr/bin/env bash
# Starts the program where no display can be opened and expects one line that says so and
# its own exit status 2: no abort, no core dump, no advice to reinstall.
#   no_display.sh TARVELLO
set -euo pipefail
source "$(dirname "$0")/../support.sh"
program=$1
try() {
    local what=$1
    shift
    local err code=0 lines
    err=$(env "$@" timeout 20 "$program" 2>&1 >/dev/null) || code=$?
    lines=$(printf '%s\n' "$err" | grep -c . || true)
    if [[ $code -ne 2 || $lines -ne 1 || $err != *"no display could be opened"* ]]; then
        fail "$what: exit status $code, said:"
        printf '%s\n' "$err" >&2
    else
        echo "ok   $what: $err"
    fi
}
try "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
try "a display that does not exist" -u WAYLAND_DISPLAY DISPLAY=:97531 QT_QPA_PLATFORM=xcb
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
try "no Wayland compositor" -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=tarvello-none \
    QT_QPA_PLATFORM=wayland
try "a platform that does not exist" QT_QPA_PLATFORM=tarvello-none
try "a framebuffer that does not exist" QT_QPA_PLATFORM=linuxfb:fb=/dev/tarvello-none
exit $failed
