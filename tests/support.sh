# shellcheck shell=bash
# What the shell tests share, for the scripts that source this file. TARVELLO_NAME is the
# program's name, which ends its window's title.
tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# fail MESSAGE: says what failed; the test goes on, and ends with `exit $failed`.
failed=0
fail() {
    echo "FAIL $*" >&2
    failed=1
}

# need TOOL...: a missing tool ends the test at once: it fails, it is not skipped.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
    done
}

# wait_for COMMAND [ARG...]: runs the command every 0.1 s until it succeeds, for up to
# WAIT_SECONDS (15); fails after that, and says so.
wait_for() {
    local until=$((SECONDS + ${WAIT_SECONDS:-15}))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < until)) || { echo "gave up waiting for: $*" >&2; return 1; }
        sleep 0.1
    done
}

# wait_for_line FILE TEXT: a line of FILE that holds TEXT.
wait_for_line() { wait_for grep -aqF -- "$2" "$1"; }

# start COMMAND [ARG...]: runs a program in the background, `pid`, until the test ends; then
# the test's own function `finish` runs, where it has one.
started=()
start() {
    "$@" &
    pid=$!
    started+=("$pid")
    trap 'kill "${started[@]}" 2>/dev/null || true; ! declare -F finish >/dev/null || finish' EXIT
}

# ends_when_closed CLOSER COMMAND [ARG...]: starts the program and runs CLOSER, which waits
# for its window and closes it as a user would; the program must then end with status 0.
ends_when_closed() {
    local closer=$1 status=0
    shift
    start "$@"
    $closer || return 1
    ended() { ! kill -0 "$pid"; } # the program
    WAIT_SECONDS=10 wait_for ended || return 1
    wait "$pid" || status=$?
    echo "exit status $status"
    return "$status"
}

# program_window [SECONDS]: the window's id, as soon as it shows (within 10 s).
program_window() {
    need xdotool
    timeout "${1:-10}" xdotool search --sync --onlyvisible --name " ${TARVELLO_NAME:?}\$" |
        sed -n 1p | grep . || { echo "the window did not show" >&2; return 1; }
}

# close_with_keys: the window, once it shows, closed with Alt+F4.
close_with_keys() {
    local window
    window=$(program_window 30) && xdotool windowfocus --sync "$window" key alt+F4
}

# text KEY: the program's text KEY, from `texts`, what spoken_texts printed.
text() { sed -n "s/^$1\t//p" <<<"$texts"; }

# wine_prefix FOLDER PROGRAM.exe: FOLDER made a new Wine prefix for the build of PROGRAM,
# with nothing of an earlier run in it, and used from now on.
wine_prefix() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    "$tests/windows/wine.sh" --init "$2" >/dev/null
}
