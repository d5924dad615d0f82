# shellcheck shell=bash
# What the shell tests share, for the scripts that source this file: failures, tools, the
# program run for the length of a test and closed as a user closes it, its window and texts,
# and Wine prefixes of their own. TARVELLO_NAME is the program's name, which ends its
# window's title.
tests=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

failed=0
# fail MESSAGE: says what failed; the test goes on, and ends with `exit $failed`.
fail() {
    echo "FAIL $*" >&2
    failed=1
}

# need TOOL...: ends the test at once where a tool is missing: it fails, it is not skipped.
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
    done
}

# start COMMAND [ARG...]: runs the program in the background; `pid` is its process. Whatever
# happens, it does not outlive the test; then the test's own function `finish` runs, where
# it has one.
started=()
start() {
    "$@" &
    pid=$!
    started+=("$pid")
    trap 'kill "${started[@]}" 2>/dev/null || true; ! declare -F finish >/dev/null || finish' EXIT
}

# ends_when_closed CLOSER COMMAND [ARG...]: starts the program and runs CLOSER, a command that
# waits for the program's window and asks it to close as a user would; the program must then
# end with exit status 0 within 10 s.
ends_when_closed() {
    local closer=$1 status=0
    shift
    start "$@"
    $closer || return 1
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" || status=$?
            echo "exit status $status"
            return "$status"
        fi
        sleep 0.1
    done
    echo "the program did not end after the close request" >&2
    return 1
}

# program_window [SECONDS]: prints the window's id as soon as it shows, or fails after
# SECONDS (10).
program_window() {
    need xdotool
    timeout "${1:-10}" xdotool search --sync --onlyvisible --name " ${TARVELLO_NAME:?}\$" |
        sed -n 1p | grep . || { echo "the window did not show" >&2; return 1; }
}

# close_with_keys: the window, once it shows, closed with Alt+F4.
close_with_keys() {
    local window
    window=$(program_window 30) || return 1
    xdotool windowfocus --sync "$window" key alt+F4
}

# wait_for_line FILE TEXT: waits up to 15 s for a line of FILE that holds TEXT.
wait_for_line() {
    for _ in $(seq 150); do
        grep -aqF -- "$2" "$1" && return 0
        sleep 0.1
    done
    echo "$1 never said \"$2\"" >&2
    return 1
}

# text KEY: the program's text KEY, from `texts`, what spoken_texts printed.
text() { sed -n "s/^$1\t//p" <<<"$texts"; }

# wine_prefix FOLDER PROGRAM.exe: makes FOLDER a new Wine prefix, with no install of an earlier
# run left in it, for the build of PROGRAM, and uses it from now on.
wine_prefix() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    "$tests/windows/wine.sh" --init "$2" >/dev/null
}
