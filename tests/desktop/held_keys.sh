#!/usr/bin/env bash
# A held key counts once: the real program in a real X server, whose own key repeat sends a
# held key as pairs of release and press (as xdotool's XTest key down and up make it). The
# pupil picks all seven kinds with the keyboard, goes into the answer list and holds Return
# for 0.3, 1 and 2 s: each hold takes back one row. Quick presses, as an on-screen keyboard
# sends them through XTest with no delay, each count: two Down move two kinds on, two Return
# take back two rows. The rows are read as assistive technology reads them.
# Run inside desktop.sh --x11 ... --session-bus --accessibility. SPOKEN_TEXTS names the
# answer list as the program does.
#   held_keys.sh TARVELLO SPOKEN_TEXTS
set -euo pipefail
program=$1
texts=$("$2")
here=$(dirname "$0")
source "$here/../support.sh"
list=$(text list)
gaucho=$(text name.3)

start "$program"
window=$(program_window)
xdotool windowfocus --sync "$window"

rows() { "$here/answer_rows.py" "$list"; }

# Tab enters the kinds at the top, бермуди; two quick Down reach гаучо, the first picked. Each
# is picked with Space, the next reached with Down.
xdotool key Tab
xdotool key --delay 0 Down Down
for _ in $(seq 7); do
    xdotool key space Down
done
xdotool key Tab # into the answer list, on its first row
seven_rows() { [[ $(rows | wc -l) -eq 7 ]]; }
wait_for seven_rows
picked=$(rows)
echo "picked: $(echo $picked)"
[[ $(head -1 <<<"$picked") == "$gaucho" ]] || fail "two quick Down missed $gaucho"

# After WHAT, the rows must be the rows left less their first DROPPED. Half a second lets any
# further take-back show, which a wait for the expected rows would miss.
left=$picked
expect() {
    local what=$1 dropped=$2 now
    left=$(tail -n +$((dropped + 1)) <<<"$left")
    sleep 0.5
    now=$(rows)
    if [[ $now == "$left" ]]; then
        echo "$what: $dropped rows taken back"
    else
        fail "$what: rows left are $(echo $now), expected $(echo $left)"
    fi
}
for hold in 0.3 1 2; do
    xdotool keydown Return
    sleep "$hold"
    xdotool keyup Return
    expect "held Return $hold s" 1
done
xdotool key --delay 0 Return Return
expect "two quick Return" 2
exit $failed
