#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds a release and runs the whole
# test suite, then builds again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/) and runs the suite there too.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
jobs="$(nproc 2>/dev/null || echo 2)"

"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=Release
ctest --test-dir "$top/build" --output-on-failure -j "$jobs" -LE browser

# The web page, built into build-web/ and played in Debian's headless Chromium, frame for
# frame against the native game. Only when Chromium is installed (.ci/run installs it).
if [ -x /usr/bin/chromium ]; then
    "$top/scripts/web.sh" build
    cmake -S "$top" -B "$top/build" >/dev/null  # finds the node that emscripten brought
    ctest --test-dir "$top/build" --output-on-failure -L browser
else
    echo "Browser test skipped: Chromium is not installed (apt-get install chromium; .ci/run does)"
fi

# Two thousand inputs of every fuzz target from a fixed seed, so they keep building,
# the seeds (among them every input that once found a fault) keep passing, and the run
# is the same each time.
# Only fuzzing needs clang; without it the run says so rather than failing.
if command -v clang++ >/dev/null 2>&1; then
    HOOF_FUZZ_SEED=1 "$top/scripts/fuzz.sh" runs=2000
else
    echo "Fuzzing skipped: clang++ is not installed (scripts/fuzz.sh installs it and runs the fuzz targets)"
fi

"$top/scripts/setup.sh" "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DHOOF_SANITIZE=ON -DHOOF_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" -LE browser
