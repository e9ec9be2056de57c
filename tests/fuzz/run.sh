#!/usr/bin/env bash
# Builds the sheet loader's fuzz target with clang and runs it: run.sh [SECONDS] [CORPUS_FOLDER].
# Each input must load or be refused within a second; a crash, leak or slow input is kept in
# build-fuzz/findings and fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
corpus=${2:-build-fuzz/corpus}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DPROPSCOPE_FUZZ=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target sheet_loader_fuzz
mkdir -p "$corpus" build-fuzz/findings
PROPSCOPE_FUZZ_SEEDS=$corpus build-fuzz/tests/fuzz/sheet_loader_fuzz
build-fuzz/tests/fuzz/sheet_loader_fuzz -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2560 \
    -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$corpus"
