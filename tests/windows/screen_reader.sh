#!/usr/bin/env bash
# What a Windows screen reader is handed, under Wine: the Windows program runs with a stand-in
# UIAutomationCore.dll that logs every UI Automation event and works the program's elements
# on command (Wine's own cannot read a Qt program). A pupil plays a whole game by keyboard,
# and holds a key once; each piece of news must be raised as a notification, in order, with
# the program's text.
# Then one row is invoked, which takes it back, and one selected, which makes it current:
# neither may crash the program. Last, a copy of the program with the stand-in beside it, in
# a prefix with Wine's own UIAutomationCore.dll, gives its news: the DLL beside the program
# must not be loaded.
# Run inside desktop.sh --x11 ....
#   screen_reader.sh TARVELLO.exe SPOKEN_TEXTS.exe UIAUTOMATIONCORE.dll UIA_PROBE.exe
set -euo pipefail
program=$1 texts_program=$2 shim=$3 probe=$4
here=$(dirname "$0")
source "$here/../support.sh"
texts=$("$here/wine.sh" "$texts_program" | tr -d '\r')
build_prefix=$("$here/wine.sh" --init "$program")

# A Wine prefix of its own, whose UIAutomationCore.dll is the stand-in.
wine_prefix "$(dirname "$(realpath "$program")")/wine-uia" "$program"
cp "$shim" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
work=$(mktemp -d)
log=$work/log commands=$work/commands
touch "$log" "$commands"
finish() {
    cp "$log" "${TARVELLO_UIA_LOG:-/dev/null}"
    rm -rf "$work"
}
windows_path() { echo "Z:${1//\//\\}"; }
UIA_SHIM_LOG=$(windows_path "$log") UIA_SHIM_COMMANDS=$(windows_path "$commands") \
    WINEDLLOVERRIDES=uiautomationcore=n start "$here/wine.sh" "$program"
window=$(program_window 60)
# A client's first request makes Qt hand its elements over.
"$here/wine.sh" "$probe" msaa >/dev/null 2>&1
xdotool windowfocus --sync "$window"

notifications() { sed -n 's/.* EVENT Notification .* "\(.*\)" activity=.*/\1/p' "$log"; }
expected=()
# Keys to the window, then the news they must give.
play() {
    expected+=("$1")
    xdotool key "${@:2}"
    heard_all() { [[ $(notifications | wc -l) -ge ${#expected[@]} ]]; }
    wait_for heard_all || true
}
# One of the stand-in's commands, VERB NAME, run on the program's own thread.
act() {
    echo "$1 $2" >>"$commands"
    wait_for_line "$log" "$1 \"$2\": returned"
}
wait_for_line "$log" "root provider handed over"

# The kinds stand as бермуди, брич, гаучо, голф, джамайка, капри, шорти; Tab enters them at
# the top. The right order, with a press on a used kind on the way.
play "$(text description.0)" Tab Up space
play "$(text description.1)" Up Up space
play "$(text description.2)" Up Up Up Up space
play "$(text description.3)" Down Down space
play "$(text description.4)" Down space
play "$(text not-picked.1)" Down space
play "$(text description.5)" Down space
play "$(text correct)" Up Up Up Up space
play "$(text taken-back.1)" Tab Down Return
play "$(text cleared)" Tab space
play "$(text empty)" shift+Tab
play "$(text description.2)" shift+Tab space
play "$(text description.6)" Down space
# Up held past the keyboard's repeat delay moves once: onto the used kind above.
xdotool keydown Up sleep 1.5 keyup Up
play "$(text not-picked.2)" space
expected+=("$(text taken-back.2)")
act invoke "$(text name.2)"
act select "$(text name.6)"
# The tree as it stands, the answer list before the clear button.
echo dump >>"$commands"
wait_for_line "$log" "ms   Button \"$(text clear)\""

heard=$(notifications)
echo "notifications, in order:" && sed 's/^/  /' <<<"$heard"
[[ $heard == "$(printf '%s\n' "${expected[@]}")" ]] ||
    fail "expected: $(printf '%s | ' "${expected[@]}")"
! grep -aq "ACCESS VIOLATION" "$log" || fail "the program raised an access violation"
tree=$(sed -n '/command: dump/,$p' "$log")
rows=$(sed -n 's/^ *[0-9]* ms *ListItem "\([^"]*\)".*/\1/p' <<<"$tree")
[[ $rows == "$(text name.6)" ]] || fail "rows after invoke and select: $(echo $rows)"
! grep -aE '^ *[0-9]+ ms +[A-Za-z]+ ""' <<<"$tree" || fail "elements without a name"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
kill "$pid"
wait "$pid" 2>/dev/null || true

planted=$(dirname "$(realpath "$program")")/planted
rm -rf "$planted" && mkdir "$planted"
cp "$program" "$planted/"
cp "$shim" "$planted/uiautomationcore.dll"
: >"$log"
pick_and_close() {
    window=$(program_window 60) || return 1
    xdotool windowfocus --sync "$window" key Tab Up space alt+F4
}
export WINEPREFIX=$build_prefix
UIA_SHIM_LOG=$(windows_path "$log") WINEDLLOVERRIDES=uiautomationcore=n \
    ends_when_closed pick_and_close "$here/wine.sh" "$planted/tarvello.exe"
[[ ! -s $log ]] || fail "the program loaded the UIAutomationCore.dll beside it: $(cat "$log")"
exit $failed
