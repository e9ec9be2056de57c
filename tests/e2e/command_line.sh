#!/usr/bin/env bash
# The program's command line, with no display at all: --help and --version must not need one,
# and bad arguments must stop before any window is tried.
# Usage: command_line.sh TESSELBOX
set -euo pipefail
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err" || status=$?
}

run --version
[[ $status -eq 0 ]] || fail "--version: exit $status"
[[ $(cat "$out") == "Vorrin Propscope 1.02" ]] || fail "--version printed: $(cat "$out")"

run --help
[[ $status -eq 0 ]] || fail "--help: exit $status"
grep -q -- '--sheets <folder>' "$out" || fail "--help does not mention --sheets"

for bad in "--bogus" "--sheets /no/such/folder" "-x"; do
    # shellcheck disable=SC2086
    run $bad
    [[ $status -eq 2 ]] || fail "$bad: exit $status, expected 2"
    first=$(head -n1 "$err")
    [[ $first == "tesselbox: "* ]] || fail "$bad: first line of stderr is '$first'"
    grep -q '^Usage: ' "$err" || fail "$bad: no usage on stderr"
    [[ ! -s $out ]] || fail "$bad: wrote to stdout"
done
echo "command line: ok"
