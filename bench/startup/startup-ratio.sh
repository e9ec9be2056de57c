#!/usr/bin/env bash
# Start-up as a user sees it: the program against a window of the same controls, list texts, font,
# icon and artwork, read and painted as the program does (the floor), and, for reference, a bare Qt
# window of the same size; all built by the same build and started in turn under a private X
# server, in rounds that take turns. One start of the floor costs some 20 ms of processor time, so
# a round starts each ten times (over 200 ms) and the medians come from nine rounds. Prints
# medians, the processor ratio and the memory difference beside their targets; exits 1 when one
# is missed.
# Usage: startup-ratio.sh BUILD_FOLDER [ROUNDS] [RUNS_PER_ROUND]
set -euo pipefail
build=$(realpath "$1")
rounds=${2:-9}
runs=${3:-10}
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
for _ in $(seq 300); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
cd "$work"

for _ in $(seq "$rounds"); do
    "$build/bench/map-watch" "$runs" "$build/tesselbox" >>"$work/program"
    "$build/bench/map-watch" "$runs" "$build/bench/startup-controls-floor" >>"$work/floor"
    "$build/bench/map-watch" "$runs" "$build/bench/startup-floor" >>"$work/bare"
done
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
column() { awk -v c="$2" '{print $c}' "$work/$1" | median; }
awk -v pw="$(column program 1)" -v pc="$(column program 2)" -v pr="$(column program 3)" \
    -v fw="$(column floor 1)" -v fc="$(column floor 2)" -v fr="$(column floor 3)" \
    -v bw="$(column bare 1)" -v bc="$(column bare 2)" -v br="$(column bare 3)" 'BEGIN {
    printf "to mapped, median ms wall (processor): program %.1f (%.1f), floor %.1f (%.1f), bare %.1f (%.1f)\n", pw, pc, fw, fc, bw, bc
    printf "resident KiB 1.5 s after start: program %d, floor %d, bare %d\n", pr, fr, br
    ratio = pc / fc; extra = (pr - fr) / 1024
    printf "%-36s %7.2f  target <= 1.15 %s\n", "processor to mapped / floor", ratio, ratio <= 1.15 ? "" : "MISSED"
    printf "%-36s %7.2f  target <= 1.00 %s\n", "resident MiB above floor", extra, extra <= 1 ? "" : "MISSED"
    printf "%-36s %7.2f, %.1f MiB above\n", "for reference, against a bare window", pc / bc, (pr - br) / 1024
    exit !(ratio <= 1.15 && extra <= 1) }'
