#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds a release and runs the whole
# test suite, then builds again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/) and runs the suite there too.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=Release
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

# A few seconds of every fuzz target, so they keep building and the seeds keep passing.
# Only fuzzing needs clang; without it the run says so rather than failing.
if command -v clang++ >/dev/null 2>&1; then
    "$top/scripts/fuzz.sh" 3
else
    echo "Fuzzing skipped: clang++ is not installed (scripts/fuzz.sh installs it and runs the fuzz targets)"
fi

"$top/scripts/setup.sh" "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DHOOF_SANITIZE=ON -DHOOF_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs"
