#!/usr/bin/env bash
# Starts the program, runs CLOSER, which waits for the program's window and asks it to close
# as a user would, and expects the program to end with exit status 0 within a few seconds.
#   close_window.sh [--with RUNNER] TARVELLO CLOSER [ARG...]
# RUNNER runs the program, as Wine runs a Windows one: a command, with its words.
set -euo pipefail
runner=()
if [[ $1 == --with ]]; then
    read -r -a runner <<<"$2"
    shift 2
fi
program=$1
shift

"${runner[@]}" "$program" &
pid=$!
# Whatever happens, the program does not outlive this script.
trap 'kill "$pid" 2>/dev/null || true' EXIT
"$@" || exit 1
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "exit status $status"
        exit "$status"
    fi
    sleep 0.1
done
echo "the program did not end after the close request" >&2
exit 1
