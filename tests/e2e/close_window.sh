#!/usr/bin/env bash
# Starts the program in the X server of $DISPLAY, waits for its 465 x 357 window, closes it
# as a window manager would and expects exit status 0 within a few seconds.
#   close_window.sh TARVELLO X11_CLOSE_PROBE
set -u
program=$1
probe=$2

"$program" &
pid=$!
if ! "$probe" " Tarvello" 465 357 30; then
    kill "$pid" 2>/dev/null
    exit 1
fi
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        echo "exit status $status"
        exit "$status"
    fi
    sleep 0.1
done
echo "the program did not end after the close request" >&2
kill "$pid"
exit 1
