#!/usr/bin/env bash
# A pupil who cannot see the screen plays a whole game with the keyboard while Orca, the
# desktop's screen reader, listens to the program; what Orca would speak is read from its
# debug log. Orca must speak each kind's name as it takes the focus ("Използван: ..." for a
# used one, and that nothing was picked when it is pressed), the description after each
# pick, the verdict, the current row of the answer list as the focus comes into it and
# moves, the kind taken back (before the row that becomes current), and the answers cleared.
# A used kind is never heard as selected when pressed, nor a free one when the focus comes.
# Run inside desktop.sh --x11 ... --session-bus --accessibility. SPOKEN_TEXTS prints the
# texts as the program has them.
#   screen_reader.sh TARVELLO SPOKEN_TEXTS
set -euo pipefail
program=$1
texts=$("$2")
source "$(dirname "$0")/../support.sh"
need orca script
work=$(mktemp -d)
finish() {
    [[ -z ${TARVELLO_ORCA_LOG:-} ]] || cp "$log" "$TARVELLO_ORCA_LOG"
    rm -rf "$work"
}
export HOME=$work # Orca's settings, fresh
log=$work/orca.log
said=$work/said
touch "$log"

start "$program"
window=$(program_window)

# The user's own screen reader stays: Orca starts only where none of this user's runs.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "skipped: Orca runs already for this user, and this test never replaces it" >&2
    exit 77
fi
# Speech off (no sound device here); what it would say goes to the debug log. Orca writes
# that log in blocks unless it is a terminal, so it writes to one: script(1)'s, which copies
# each line to the log as it comes.
start script --quiet --flush --command "orca --debug-file=/dev/stdout -d speech" "$log" \
    </dev/null >/dev/null 2>&1

# All that Orca has spoken, and what it has spoken since the last text heard.
speech() { grep -a 'SPEECH OUTPUT:' "$log" || true; }
spoken() { speech | tail -n +$(($(wc -l <"$said") + 1)); }
# Waits for Orca to speak `text`; what it spoke after that stays to be heard next.
hear() {
    local text=$1 line
    said() { spoken | grep -qF -- "$text"; }
    if wait_for said; then
        line=$(spoken | grep -nF -- "$text" | head -1 | cut -d: -f1)
        echo "heard: $text"
        spoken | head -n "$line" >"$work/between" # what was spoken up to it
        speech | head -n $(($(wc -l <"$said") + line)) >"$said.next"
        mv "$said.next" "$said"
    else
        fail "Orca did not speak \"$text\"; it spoke:"
        spoken | sed 's/^[0-9:.]* - //' >&2
        speech >"$said"
    fi
}
: >"$said"

# Once Orca has started, the window takes the keyboard as a window manager would hand it
# over; Orca reads the window, then the info box, which has the focus.
wait_for_line "$log" "ORCA: Starting registry"
xdotool windowfocus --sync "$window"
hear "$(text info)"

# The buttons stand in alphabetical order: бермуди, брич, гаучо, голф, джамайка, капри,
# шорти. Tab enters them at the top, бермуди; the arrows move from button to button, round.
# Each step: the keys to the kind, the kind picked with Space.
pick() {
    local kind=$1
    shift
    xdotool key "$@"
    hear "$(text "name.$kind")"
    xdotool key space
    hear "$(text "description.$kind")"
}
pick 0 Tab Up
pick 1 Up Up
pick 2 Up Up Up Up
pick 3 Down Down
pick 4 Down
xdotool key Down # over джамайка, used
hear "$(text used.1)"
# Space on a used kind moves the dot there; but nothing is picked, and the program says so,
# with no "selected" before it.
xdotool key space
hear "$(text not-picked.1)"
! grep -aq "SPEECH OUTPUT: 'selected'" "$work/between" ||
    fail "Orca said \"selected\" for a used kind"
xdotool key Down
hear "$(text name.5)"
xdotool key space
hear "$(text description.5)"
xdotool key Up Up Up Up
hear "$(text name.6)"
xdotool key space
hear "$(text correct)"

# Into the answer list: Orca names the list, then its current row, the first; the arrows
# move to the next row, which Enter takes back.
xdotool key Tab
hear "$(text list)"
hear "$(text name.0)"
xdotool key Down
hear "$(text name.1)"
xdotool key Return
hear "$(text taken-back.1)"
hear "$(text name.2)" # the row that moved up into its place
# брич, picked last, keeps the dot when taken back; free again, it is not heard as selected.
xdotool key End
hear "$(text name.6)"
xdotool key Return
hear "$(text taken-back.6)"
xdotool key shift+Tab
hear "$(text name.6)"
hear "not selected radio button"

# "Чисти" empties the list and the info box, and says so.
xdotool key Tab Tab
hear "$(text clear)"
xdotool key space
hear "$(text cleared)"

exit $failed
