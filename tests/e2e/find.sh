#!/usr/bin/env bash
# Finds entries by name as a person would: Ctrl+F across all lists, and completion in one list.
# Usage: find.sh TESSELBOX [SCREENSHOT_FOLDER]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
shots=${2:-}
work=$(mktemp -d)
app=
cleanup() {
    local status=$1
    if [[ -n $app ]]; then kill "$app" 2>/dev/null || true; fi
    if [[ $status -ne 0 && -s $work/stderr ]]; then sed 's/^/  program: /' "$work/stderr" >&2; fi
    stop_x
    rm -rf "$work"
    return 0
}
trap 'cleanup $?' EXIT

convert -size 80x60 xc:'#ff8000' png:"$work/interior.qpk" # Decorations "Radio"
convert -size 80x60 xc:'#008080' jpg:"$work/trees.qpk"    # the pines

start_x
cd "$work"
"$program" 2>"$work/stderr" &
app=$!
win=$(wait_window '^Vorrin Quillet Version 1\.2$')
[[ -n $win ]] || fail "main window did not appear"
window_origin "$win"
focus_window "$win"
cx=$((WIN_X + 436))
cy=$((WIN_Y + 330)) # low in the picture box, below where the find popup's field sits

press ctrl+f
xdotool type --delay 80 radio
sleep 0.5
[[ -n $shots ]] && import -window root -crop "650x439+$WIN_X+$WIN_Y" +repage "$shots/find.png"
press Return
expect_colour $cx $cy 255 128 0 "(interior.qpk, chosen through Ctrl+F)"

# Completion: click into the Decorations list, type, pick the second pine from the popup.
xdotool mousemove $((WIN_X + 100)) $((WIN_Y + 106)) click 1
sleep 0.3
press ctrl+a
xdotool type --delay 80 pine
sleep 0.5
[[ -n $shots ]] && import -window root -crop "650x439+$WIN_X+$WIN_Y" +repage "$shots/completion.png"
press Down Down Return
expect_colour $cx $cy 0 128 128 "(trees.qpk, picked from the completion)"
echo "find end-to-end: ok"
