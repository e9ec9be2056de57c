#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses the installed program as a person would:
# in a private X server, with a home of its own, by real key presses and mouse clicks.
# Usage: smoke.sh BUILD_FOLDER [SCREENSHOT_FOLDER]
set -uo pipefail
build=$(realpath "$1")
shots=${2:-}
work=$(mktemp -d)
app=
xvfb=

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/stderr ]] && sed 's/^/  program: /' "$work/stderr" >&2
    exit 1
}
trap '[[ -n $app ]] && kill $app 2>/dev/null; [[ -n $xvfb ]] && kill $xvfb; rm -rf "$work"' EXIT

# Nothing of the caller's counts: not their sheets, not a Wayland session.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime XDG_DATA_DIRS=/usr/share
export QT_QPA_PLATFORM=xcb
export LANGUAGE=en # the words the checks below read, whatever the desktop speaks
unset WAYLAND_DISPLAY
# In a sanitized build, leaks are checked by the unit and soak tests: LeakSanitizer's tracer has
# crashed at exit here, under load, for no fault of the program.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
mkdir -p "$HOME" "$work/sheets" && install -d -m 700 "$XDG_RUNTIME_DIR"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install: $(cat "$work/install.log")"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# wait_window REGEX WHAT: the id of the visible window whose title matches.
wait_window() {
    local ids
    ids=$(timeout 15 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null)
    [[ -n $ids ]] || fail "$2 did not appear within 15 s"
    echo "${ids%%$'\n'*}"
}
wait_gone() {
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "$2 did not close within 15 s"
}
press() {
    xdotool key --clearmodifiers --delay 60 "$@"
}
# wait_popup: until a popup of the program (the completion) is on screen, so keys reach it.
wait_popup() {
    for _ in $(seq 150); do
        (($(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l) > 1)) && return 0
        sleep 0.1
    done
    fail "no popup appeared within 15 s for $1"
}
# expect_colour_at DX DY R G B WHAT: that point of the window comes to show that colour, give or
# take JPEG, within 15 s. expect_colour R G B WHAT: the middle of the picture box does.
expect_colour_at() {
    local dx=$1 dy=$2 got r g b d ok
    shift 2
    for _ in $(seq 75); do
        got=$(import -window root -crop "1x1+$((x + dx))+$((y + dy))" -depth 8 txt:- |
            grep -m1 -o '([0-9,]*)')
        IFS='(,)' read -r _ r g b <<<"$got"
        ok=1
        for d in $((r - $1)) $((g - $2)) $((b - $3)); do ((d >= -8 && d <= 8)) || ok=0; done
        ((ok)) && return 0
        sleep 0.2
    done
    fail "the picture box shows $r $g $b, expected $1 $2 $3 $4"
}
expect_colour() {
    expect_colour_at 436 200 "$@"
}

convert -size 80x60 xc:'#ff0000' png:"$work/sheets/airtower.qpk"
convert -size 80x60 xc:'#00c000' jpg:"$work/sheets/armory.qpk"
convert -size 80x60 xc:'#0000ff' gif:"$work/sheets/barracks.qpk"
convert -size 80x60 xc:'#ff8000' png:"$work/sheets/interior.qpk" # Decorations "Radio"
convert -size 80x60 xc:'#008080' png:"$work/sheets/trees.qpk"    # the pines

# A new user's home holds no sheet: the picture box says where they go.
mkdir "$work/start" && cd "$work/start"
"$prefix/bin/tesselbox" 2>"$work/stderr" &
app=$!
win=$(wait_window '^Vorrin Quillet Version 1\.2$' "the main window") || exit 1
eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^[XY]=' | tr XY xy)"
for _ in $(seq 50); do
    icons=$(xprop -id "$win" _NET_WM_ICON) # whole: grep -q would cut xprop short under pipefail
    [[ $icons == *'Icon (32 x 32)'* ]] && break
    sleep 0.1
done
[[ $icons == *'Icon (32 x 32)'* ]] || fail "the window shows no 32 x 32 icon"
xdotool windowfocus --sync "$win"
expect_colour_at 256 64 255 255 255 "(the card that says where sheets go)"
[[ -n $shots ]] && import -window root -crop "650x439+$x+$y" +repage "$shots/first-start.png"

# Sheets added from a terminal count from the next choice.
"$prefix/bin/tesselbox" --add-sheets "$work/sheets" >"$work/added" 2>&1 ||
    fail "--add-sheets: $(cat "$work/added")"
grep -q '^Added 5 sheet(s) to ' "$work/added" || fail "--add-sheets said: $(cat "$work/added")"

# The Buildings list has the focus: each Down chooses the next entry.
press Down
expect_colour 255 0 0 "(airtower.qpk, PNG)"
press Down
expect_colour 0 192 0 "(armory.qpk, JPEG)"
press Down
expect_colour 0 0 255 "(barracks.qpk, GIF)"
[[ -n $shots ]] && import -window root -crop "650x439+$x+$y" +repage "$shots/window.png"

press Down
expect_colour 0 0 255 "(barracks.qpk again)"
press Down # beruit.qpk is missing
box=$(wait_window '^Vorrin Propscope$' "the missing-file box") || exit 1
xdotool windowfocus --sync "$box"
press Return
wait_gone '^Vorrin Propscope$' "the missing-file box"
expect_colour 0 0 255 "(the previous picture stays)"

xdotool windowfocus --sync "$win"
press ctrl+f
expect_colour_at 436 250 255 255 255 "(the find panel over the picture)"
xdotool type --delay 80 radio
press Return
expect_colour 255 128 0 "(interior.qpk, chosen through Ctrl+F)"

# A double-click on the picture opens it at full size; Esc closes that window.
xdotool mousemove $((x + 436)) $((y + 200)) click --repeat 2 --delay 80 1
viewer=$(wait_window '^interior\.qpk .+ Radio$' "the full-size viewer") || exit 1
[[ -n $shots ]] && import -window root -crop 640x480+0+0 +repage "$shots/viewer.png"
xdotool windowfocus --sync "$viewer"
press Escape
wait_gone '^interior\.qpk .+ Radio$' "the full-size viewer"
xdotool windowfocus --sync "$win"

# The gallery: type a part of a name, Enter chooses the first match, Esc clears, Esc closes.
press ctrl+g
gallery=$(wait_window '^Gallery .+ Vorrin Propscope$' "the gallery") || exit 1
sleep 1 # the thumbnails come in on other threads
[[ -n $shots ]] && import -window root -crop 820x615+0+0 +repage "$shots/gallery.png"
xdotool windowfocus --sync "$gallery"
xdotool type --delay 80 barrack
press Return Escape Escape
wait_gone '^Gallery .+ Vorrin Propscope$' "the gallery"
expect_colour 0 0 255 "(barracks.qpk, chosen in the gallery)"
xdotool windowfocus --sync "$win"

# Completion: click into the Decorations list, type, pick the second pine from the offer.
xdotool mousemove $((x + 100)) $((y + 106)) click 1
press ctrl+a
xdotool type --delay 80 pine
wait_popup "the completion"
[[ -n $shots ]] && import -window root -crop "650x439+$x+$y" +repage "$shots/find-and-complete.png"
press Down Down Return
expect_colour 0 128 128 "(trees.qpk, picked from the completion)"

# A picture on the clipboard, pasted on the picture box, becomes the chosen pine's sheet.
convert -size 80x60 xc:'#ff00ff' png:"$work/pasted.png"
xclip -selection clipboard -t image/png -i "$work/pasted.png" 2>/dev/null
xdotool mousemove $((x + 436)) $((y + 200)) click 1
press ctrl+v
box=$(wait_window '^Vorrin Propscope$' "the question whether to use the picture") || exit 1
xdotool windowfocus --sync "$box"
press Return
expect_colour 255 0 255 "(the pasted picture, now trees.qpk)"
[[ -n $(ls -A "$XDG_DATA_HOME/tesselbox/sheets/replaced") ]] ||
    fail "the old trees.qpk was not kept in replaced/"

# Exit after all that use ends the program at once: nothing it started keeps it waiting.
start=$(date +%s%N)
xdotool mousemove $((x + 592)) $((y + 412)) click 1 # Exit
for _ in $(seq 1500); do kill -0 "$app" 2>/dev/null || break; sleep 0.01; done
kill -0 "$app" 2>/dev/null && fail "the program did not end on Exit"
echo "smoke: Exit ended the program in $((($(date +%s%N) - start) / 1000000)) ms"
wait "$app"
status=$?
app=
[[ $status -eq 0 ]] || fail "exit status $status after Exit"
echo "smoke: ok"
