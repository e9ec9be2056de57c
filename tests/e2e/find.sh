#!/usr/bin/env bash
# Finds entries by name as a person would: Ctrl+F across all lists, and completion in one list.
# Usage: find.sh TESSELBOX [SCREENSHOT_FOLDER]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
shots=${2:-}
begin_e2e

convert -size 80x60 xc:'#ff8000' png:"$work/interior.qpk" # Decorations "Radio"
convert -size 80x60 xc:'#008080' jpg:"$work/trees.qpk"    # the pines

start_x
cd "$work"
start_program "$program"
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
