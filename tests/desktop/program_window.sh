# shellcheck shell=bash
# The program's window on the X server, for the desktop tests that source this file.
# TARVELLO_NAME is the program's name, which ends its window's title.
# program_window [SECONDS]: prints the window's id as soon as it shows, or fails after SECONDS
# (10).
program_window() {
    timeout "${1:-10}" xdotool search --sync --onlyvisible --name " ${TARVELLO_NAME:?}\$" |
        sed -n 1p
}
