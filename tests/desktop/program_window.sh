# shellcheck shell=bash
# The program's window on the X server, its texts, and a wait for a line of a log, for the
# desktop tests that source this file.
# TARVELLO_NAME is the program's name, which ends its window's title.
# program_window [SECONDS]: prints the window's id as soon as it shows, or fails after SECONDS
# (10).
program_window() {
    timeout "${1:-10}" xdotool search --sync --onlyvisible --name " ${TARVELLO_NAME:?}\$" |
        sed -n 1p
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
