#!/usr/bin/env bash
# Start-up as a user sees it: the program against a bare Qt window of the same size built by the
# same build (the floor), interleaved, under a private X server. Prints medians, the processor
# ratio and the memory difference beside their targets; exits 1 when one is missed.
# Usage: startup-ratio.sh BUILD_FOLDER [ROUNDS] [RUNS_PER_ROUND]
set -euo pipefail
build=$(realpath "$1")
rounds=${2:-3}
runs=${3:-10}
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
cd "$work"

for _ in $(seq "$rounds"); do
    "$build/bench/map-watch" "$runs" "$build/tesselbox" >>"$work/program"
    "$build/bench/map-watch" "$runs" "$build/bench/startup-floor" >>"$work/floor"
done
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
column() { awk -v c="$2" '{print $c}' "$work/$1" | median; }
awk -v pw="$(column program 1)" -v pc="$(column program 2)" -v pr="$(column program 3)" \
    -v fw="$(column floor 1)" -v fc="$(column floor 2)" -v fr="$(column floor 3)" 'BEGIN {
    printf "to mapped, median ms wall (processor): program %.1f (%.1f), floor %.1f (%.1f)\n", pw, pc, fw, fc
    printf "resident KiB 1.5 s after start: program %d, floor %d\n", pr, fr
    ratio = pc / fc; extra = (pr - fr) / 1024
    printf "%-36s %7.2f  target <= 1.15 %s\n", "processor to mapped / floor", ratio, ratio <= 1.15 ? "" : "MISSED"
    printf "%-36s %7.1f  target <= 4.0 %s\n", "resident MiB above floor", extra, extra <= 4 ? "" : "MISSED"
    exit !(ratio <= 1.15 && extra <= 4) }'
