#!/usr/bin/env bash
# The built program natively on Wayland: weston on its X11 back end, inside a private X server,
# is a compositor that takes real key presses from xdotool. Checks the app id and the fixed size
# the program asks for, that a choice shows its sheet, and that Exit ends it with status 0.
# Usage: wayland.sh BUILD_FOLDER
set -uo pipefail
build=$(realpath "$1")
command -v weston >/dev/null || { echo "wayland: skipped, weston is not installed"; exit 0; }
work=$(mktemp -d)
pids=()
fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/app.log ]] && grep -v '^\[' "$work/app.log" | sed 's/^/  program: /' >&2
    exit 1
}
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT

export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime XDG_DATA_DIRS=/usr/share
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME" "$work/sheets" && install -d -m 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
# No on-screen keyboard: it would cover the window.
printf '[input-method]\npath=/bin/true\n' >"$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --width=1024 \
    --height=768 --socket=propscope-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/propscope-test ]] && break; sleep 0.1; done
[[ -S $XDG_RUNTIME_DIR/propscope-test ]] || fail "weston did not start: $(tail -3 "$work/weston.log")"

convert -size 80x60 xc:'#ff0000' png:"$work/sheets/airtower.qpk"
cd "$work/sheets"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=propscope-test WAYLAND_DEBUG=1 \
    "$build/tesselbox" 2>"$work/app.log" &
app=$!
pids+=($app)
asked() { grep -q -F "$1" "$work/app.log"; }
for _ in $(seq 150); do asked 'set_app_id("org.vorrin.Propscope")' && break; sleep 0.1; done
asked 'set_app_id("org.vorrin.Propscope")' || fail "the program gave no app id"
asked 'set_min_size(650, 439)' && asked 'set_max_size(650, 439)' || fail "the size is not fixed"
sleep 1 # the first frame

# The Buildings list has the focus: Down chooses Airtower, whose sheet is all red.
xdotool key --delay 100 Down
red=0
for _ in $(seq 50); do
    import -window root "$work/shot.png"
    red=$(convert "$work/shot.png" -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' \
        -format '%[fx:int(mean*w*h)]' info:)
    ((red > 100000)) && break
    sleep 0.2
done
((red > 100000)) || fail "the choice showed no sheet ($red red pixels)"

# A fixed-size window survives a maximise: double-click its title bar, then press where Qt's own
# decoration puts the maximise button. The program lives on and the window keeps its place and
# size. The pointer enters weston's window from outside, or weston never sees it.
box() { convert "$work/shot.png" -fill black +opaque '#ff0000' -trim -format '%X %Y %w %h' info:; }
read -r x y w h < <(box)
xdotool mousemove 1270 1010 sleep 0.2 mousemove $((x - 240 + 300)) $((y - 60)) sleep 0.2 \
    click --repeat 2 --delay 80 1 sleep 0.5 mousemove $((x - 240 + 613)) $((y - 60)) sleep 0.2 click 1
for _ in $(seq 20); do asked 'unset_maximized' && break; sleep 0.1; done
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "the program ended on a maximise"
asked 'set_maximized' || fail "the maximise button was not pressed"
import -window root "$work/shot.png"
[[ $(box) == "$x $y $w $h" ]] || fail "the window moved or changed size: $(box), was $x $y $w $h"

xdotool key --delay 100 Tab space # Exit is next in the focus order
for _ in $(seq 150); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end on Exit"
wait "$app"
status=$?
[[ $status -eq 0 ]] || fail "exit status $status after Exit"
echo "wayland: ok"
