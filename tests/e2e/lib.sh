# Helpers for driving the built program in a real X server, as a person would.
# Needs: Xvfb, xdotool, xprop, ImageMagick.

E2E_TIMEOUT=${E2E_TIMEOUT:-15}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts a private X server on a free display and exports DISPLAY.
start_x() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 50); do
        [[ -s $fdfile ]] && break
        sleep 0.1
    done
    [[ -s $fdfile ]] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
}

stop_x() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# Prints the id of the visible window whose title matches the regex, waiting for it.
wait_window() {
    timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1
}

# Waits until no visible window's title matches the regex.
wait_window_gone() {
    for _ in $(seq $((E2E_TIMEOUT * 10))); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' did not close"
}

# Sets WIN_X and WIN_Y to the top-left corner of a window's client area.
window_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X
    WIN_Y=$Y
}

focus_window() {
    xdotool windowfocus --sync "$1"
    sleep 0.2
}

press() {
    xdotool key --clearmodifiers --delay 60 "$@"
    sleep 0.4
}

# Saves a screenshot of the whole screen.
screenshot() {
    import -window root "$1"
}

# Prints "R G B" of one screen pixel.
pixel() {
    local shot
    shot=$(mktemp --suffix=.png)
    screenshot "$shot"
    convert "$shot" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
    rm -f "$shot"
}

# expect_colour X Y R G B: the screen pixel is that colour, give or take a little (JPEG).
expect_colour() {
    local got r g b
    got=$(pixel "$1" "$2")
    read -r r g b <<<"$got"
    local d
    for d in $((r - $3)) $((g - $4)) $((b - $5)); do
        ((d >= -8 && d <= 8)) || fail "pixel ($1,$2) is $got, expected $3 $4 $5 ${6:-}"
    done
}

# Makes a scratch folder $work; on exit, ends the program started with start_program, shows its
# error output if the script failed, stops the X server and removes $work.
begin_e2e() {
    work=$(mktemp -d)
    app=
    trap 'end_e2e $?' EXIT
}

end_e2e() {
    if [[ -n $app ]]; then kill "$app" 2>/dev/null || true; fi
    if [[ $1 -ne 0 && -s $work/stderr ]]; then sed 's/^/  program: /' "$work/stderr" >&2; fi
    stop_x
    rm -rf "$work"
    return 0
}

# start_program PROGRAM: runs it in the current folder and waits for its main window; sets $app,
# $win, and WIN_X/WIN_Y, and gives the window the keyboard focus.
start_program() {
    "$1" 2>"$work/stderr" &
    app=$!
    win=$(wait_window '^Vorrin Quillet Version 1\.2$')
    [[ -n $win ]] || fail "main window did not appear"
    window_origin "$win"
    focus_window "$win"
}
