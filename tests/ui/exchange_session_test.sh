#!/usr/bin/env bash
# Bookmarks between Linkhaven and programs outside it, on the X display of a
# Wine session (scripts/wine-session), driven with xdotool and xclip as a user
# would: a folder between two running Linkhaven processes, and a copied link
# that outlives its program on the X clipboard. What a data object holds, and
# text pasted as a link, is checked in-process by data_object_test and
# exchange_test; here, what only crosses processes.
# Usage: exchange_session_test.sh PROGRAM_FOLDER LINKHAVEN_CLI SAMPLE
set -uo pipefail
program=$1/linkhaven.exe cli=$2 sample=$3
[ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null && command -v xclip >/dev/null || exit 77

work=$(mktemp -d /tmp/linkhaven-exchange.XXXXXX)
programs=()
trap 'kill "${programs[@]}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
windowsPath() { echo "Z:${1//\//\\}"; }
listing() { wine "$cli" list "$(windowsPath "$1")" 2>/dev/null | tr -d '\r'; }
lists() { listing "$1" | grep -q -- "$2"; }
clipboardIs() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
# Whether a command holds within ten seconds (a busy machine is slow).
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
# The lines of a top-level folder of a collection file, with its contents.
topFolder() { listing "$1" | awk -v head="  + $2" '$0 == head { inside = 1; print; next } inside && /^  [^ ]/ { exit } inside'; }
sameFolder() {
    local a
    a=$(topFolder "$work/a.lhv" "$1")
    [ -n "$a" ] && [ "$a" = "$(topFolder "$work/b.lhv" "$1")" ]
}

# Whether a window of that exact title is there; waitWindow echoes its X id.
shown() { xdotool search --name "^$1\$" >/dev/null 2>&1; }
waitWindow() { eventually shown "$1" && xdotool search --name "^$1\$" | head -1; }
# Clicks the close button of a window (Alt+F4 from xdotool does not reach it).
closeWindow() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH - 13)) $((Y + 12)) click 1
}
# The screen point of the icon of a top-level row of a Linkhaven window's tree
# (a click on a selected item's label would start editing it).
row() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$((X + 34)) $((Y + 51 + 16 * $2))"
}
# Presses the left button at FROM_X FROM_Y, moves to TO_X TO_Y in ten steps and lets go.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.3
    for step in $(seq 10); do
        xdotool mousemove $(($1 + ($3 - $1) * step / 10)) $(($2 + ($4 - $2) * step / 10))
        sleep 0.15
    done
    sleep 0.5
    xdotool mouseup 1
}
# Gives a Linkhaven window the keyboard with a click on the first item of its
# tree (the tree's keys move only a selection), and sends it keys.
keys() {
    local window=$1
    shift
    xdotool mousemove $(row "$window" 0) click 1
    sleep 0.3
    xdotool key --delay 150 "$@"
    sleep 0.7
}

# Starts Linkhaven on a collection, its window at LEFT (side by side on a
# 1024 x 768 screen); sets the variable NAME to the X id of the window once
# one with that TITLE is there.
startLinkhaven() {  # NAME LEFT FILE TITLE
    local id name
    for name in Left=$2 Top=0 Width=500 Height=400 XRes=1024 YRes=768; do
        wine reg add 'HKCU\Software\Oakbridge\Linkhaven' /v "${name%=*}" /t REG_DWORD /d "${name#*=}" /f >/dev/null 2>&1
    done
    wine "$program" "$(windowsPath "$3")" >/dev/null 2>&1 &
    programs+=($!)
    id=$(waitWindow "$4") || { echo "FAILED: the window $4 did not appear"; exit 1; }
    printf -v "$1" %s "$id"
    sleep 1
}

cp "$sample" "$work/a.lhv"
printf '[InternetShortcut]\r\nURL=http://seed/\r\n' >"$work/seed.url"
wine "$cli" import "$(windowsPath "$work/b.lhv")" "$(windowsPath "$work/seed.url")" >/dev/null 2>&1

startLinkhaven a 0 "$work/a.lhv" "Sample bookmarks"

# A folder with its subtree from one running Linkhaven into another.
startLinkhaven b 520 "$work/b.lhv" "b.lhv"
keys "$a" Home ctrl+c
check "a copied folder reads as its name" eventually clipboardIs "Reference"
keys "$b" End ctrl+v ctrl+s
check "a folder copied in one Linkhaven pastes whole into another" eventually sameFolder Reference

# A folder moved by dragging from one Linkhaven into the other: each side
# takes back its own half with Ctrl+Z and makes it again with Ctrl+Y.
count() { listing "$1" | grep -c -- "^  + $2\$"; }
counts() { [ "$(count "$work/a.lhv" Reference) $(count "$work/b.lhv" Reference)" = "$1" ]; }
dragFolderAcross() {
    keys "$a" Home
    drag $(row "$a" 0) $(row "$b" 6)  # below the items: the end of the top level
    sleep 1
    keys "$a" ctrl+s
    keys "$b" ctrl+s
    eventually counts "0 2" || { echo "  counts: $(count "$work/a.lhv" Reference) $(count "$work/b.lhv" Reference)"; false; }
}
check "a folder dragged into the other Linkhaven moves" eval "dragFolderAcross || dragFolderAcross"
keys "$b" ctrl+z ctrl+s
check "the receiving side undoes its insertion alone" eventually counts "0 1"
keys "$a" ctrl+z ctrl+s
check "the giving side undoes its removal alone" eventually counts "1 1"
keys "$b" ctrl+y ctrl+s
check "and redoes its insertion" eventually counts "1 2"

# A copied link outlives its program while another Wine program runs.
keys "$a" End Up ctrl+c
closeWindow "$a"
check "the first program ended" eventually eval '! shown "Sample bookmarks"'
check "the copied link is still on the clipboard after its program ended" clipboardIs "https://www.gutenberg.org/"
keys "$b" Home ctrl+v ctrl+s
check "and pastes into the other Linkhaven" \
    eventually lists "$work/b.lhv" "- Project Gutenberg <https://www.gutenberg.org/>"
closeWindow "$b"
wine reg delete 'HKCU\Software\Oakbridge\Linkhaven' /f >/dev/null 2>&1

echo "exchange session: $failures failed"
[ "$failures" -eq 0 ]
