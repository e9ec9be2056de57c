#!/usr/bin/env bash
# A key press in the Buildings list to the new picture over Image1, with preloading on and off,
# for drawn JPEG, photograph JPEG and screenshot PNG sheets, under a private X server with a
# home of its own. Prints median and 95th percentile per kind beside the targets; exits 1 when
# one is missed, 2 when it cannot measure. Usage: key-paint.sh BUILD_FOLDER [PRESSES] [LOOK_MS]
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
xvfb=
watch=
# The watch takes the program with it; the X server and the sheets go after it.
cleanup() {
    set +e
    [[ -n $watch ]] && kill "$watch" 2>/dev/null && wait "$watch"
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "key-paint.sh: Xvfb did not start" >&2; exit 2; }
mkdir -p "$work"/{home,data,config,cache,runtime,sheets}
chmod 700 "$work/runtime"
# In the background, so that an interrupt is handled at once rather than after the run.
env -i PATH="$PATH" LANG=C.UTF-8 DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb \
    HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" \
    "$build/bench/key-paint-watch" "$build/tesselbox" "$work/sheets" "${@:2}" &
watch=$!
status=0
wait "$watch" || status=$?
watch=
exit "$status"
