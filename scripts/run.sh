#!/usr/bin/env bash
# Builds the program and starts it in the folder this was called from. Arguments go to the
# program.
set -euo pipefail
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh run
cmake -S . -B build -G Ninja
cmake --build build --target tesselbox

cd "$here"
exec "$root/build/tesselbox" "$@"
