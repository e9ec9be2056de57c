#!/usr/bin/env bash
# Prints test code against production code, in non-blank, non-comment lines of the files git
# tracks. Test code is everything whose job is testing: tests/ (unit and end-to-end tests,
# fixtures, the soak, fault planting) and fuzz targets wherever they live. Production code is the
# C++ and CMake of everything else, benchmarks and tools included.
set -euo pipefail
cd "$(dirname "$0")/.."

count() { xargs -r cat | grep -c -v -E '^\s*(//.*|#.*)?$' || true; }
code='\.(cpp|h)$|CMakeLists\.txt$|\.cmake$'
testing='^tests/|(^|/)[^/]*[Ff]uzz[^/]*$'

tests=$(git ls-files | grep -E "$testing" | grep -E "$code|\.(sh|py)$" | count)
production=$(git ls-files | grep -v -E "$testing" | grep -E "$code" | count)
awk -v t="$tests" -v p="$production" 'BEGIN { printf "tests %d / production %d = %.2f\n", t, p, t / p }'
