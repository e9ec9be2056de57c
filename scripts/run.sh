#!/usr/bin/env bash
# Builds the program and starts it in the folder this was called from. Arguments go to the
# program.
set -euo pipefail
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh run
cmake -S . -B build -G Ninja
cmake --build build --target tesselbox tesselbox-demo-sheets

cd "$here"
# A first run has no sheets yet: demo pictures, in a folder of their own that is searched after
# every real one, but only when no real sheet folder holds any sheet.
"$root/build/tesselbox-demo-sheets" --if-no-sheets
exec "$root/build/tesselbox" "$@"
