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

# A first run has no sheets yet: fill the user's sheet folder with demo pictures, but only when
# it holds no sheets at all.
build/tesselbox-demo-sheets --if-empty

cd "$here"
exec "$root/build/tesselbox" "$@"
