#!/usr/bin/env bash
# Starts the program, runs CLOSER, which waits for the program's window and asks it to close
# as a user would, and expects the program to end with exit status 0 within a few seconds.
#   close_window.sh [--with RUNNER] TARVELLO CLOSER [ARG...]
# RUNNER runs the program, as Wine runs a Windows one.
set -u
runner=()
if [[ $1 == --with ]]; then
    runner=("$2")
    shift 2
fi
program=$1
shift

"${runner[@]}" "$program" &
pid=$!
if ! "$@"; then
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
