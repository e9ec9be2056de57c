#!/usr/bin/env bash
# Builds everything and runs every test. With --sanitize, builds in build-sanitize with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer instead; with --thread, builds
# the tests of the decode service, which many threads share through the standard library's locks,
# in build-thread with ThreadSanitizer and runs them. The windows' threads hand work over through
# Qt's thread pools, which Debian's Qt is not built to show ThreadSanitizer: it would report each
# hand-over as a race.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
options=()
targets=()
tests=()
if [[ ${1:-} == --thread ]]; then
    build=build-thread
    options=(-DPROPSCOPE_TSAN=ON)
    targets=(--target decode_service_test tesselbox-decoder stand_in_helper)
    tests=(-R decode_service_test)
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
elif [[ ${1:-} == --sanitize ]]; then
    build=build-sanitize
    options=(-DPROPSCOPE_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

bash scripts/install-deps.sh test
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build" "${targets[@]}"
ctest --test-dir "$build" --output-on-failure "${tests[@]}"
