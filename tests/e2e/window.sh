#!/usr/bin/env bash
# Starts the program in a folder of generated sheets, chooses entries with the keyboard, checks
# the picture on screen, meets the missing-file box and leaves with the Exit button.
# Usage: window.sh TESSELBOX [SCREENSHOT_FOLDER]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
shots=${2:-}
begin_e2e

# One sheet per format, named like the first Buildings sheets; the extension says nothing.
convert -size 80x60 xc:'#ff0000' png:"$work/airtower.qpk"
convert -size 80x60 xc:'#00c000' jpg:"$work/armory.qpk"
convert -size 80x60 xc:'#0000ff' gif:"$work/barracks.qpk"
convert -size 80x60 xc:'#ffff00' bmp3:"$work/beruit.qpk"
convert -size 80x60 xc:'#ff00ff' tiff:"$work/beruit2.qpk"

start_x
cd "$work"
start_program "$program"
title=$(xprop -id "$win" _NET_WM_NAME)
[[ $title == '_NET_WM_NAME(UTF8_STRING) = "Vorrin Quillet Version 1.2"' ]] || fail "title: $title"
icons=$(xprop -id "$win" _NET_WM_ICON)
grep -q 'Icon (32 x 32)' <<<"$icons" || fail "the window shows no 32 x 32 icon"
cx=$((WIN_X + 436)) # middle of the picture box
cy=$((WIN_Y + 200))

# The Buildings list has the focus: each Down chooses the next entry.
press Down
expect_colour $cx $cy 255 0 0 "(airtower.qpk, PNG)"
press Down
expect_colour $cx $cy 0 192 0 "(armory.qpk, JPEG)"
press Down
expect_colour $cx $cy 0 0 255 "(barracks.qpk, GIF)"
press Down Down
expect_colour $cx $cy 255 255 0 "(beruit.qpk, BMP)"
press Down Down Down
expect_colour $cx $cy 255 0 255 "(beruit2.qpk, TIFF)"
[[ -n $shots ]] && screenshot "$shots/window.png"

# A sheet removed while the program runs is missed at the next choice; the picture stays.
rm "$work/beruit2.qpk"
press Up Down
box=$(wait_window '^Vorrin Propscope$')
[[ -n $box ]] || fail "the missing-file box did not appear"
[[ -n $shots ]] && screenshot "$shots/missing.png"
focus_window "$box"
press Return
wait_window_gone '^Vorrin Propscope$'
expect_colour $cx $cy 255 255 0 "(the previous picture stays)"

# Exit, with the mouse.
focus_window "$win"
xdotool mousemove $((WIN_X + 592)) $((WIN_Y + 412)) click 1
for _ in $(seq $((E2E_TIMEOUT * 10))); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "the program did not end on Exit"
wait "$app" && status=0 || status=$?
[[ $status -eq 0 ]] || fail "exit code $status"
echo "window end-to-end: ok"
