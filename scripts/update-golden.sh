#!/usr/bin/env bash
# Writes the golden outputs in tests/golden/expected anew from the program as it is now.
# Run it only when the game's behaviour was meant to change, look at `git diff` of the
# fixtures, and say in the commit why they changed.
#   scripts/update-golden.sh [BUILD_DIR]   (default: build)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target hoof_tests
rm -f "$top"/tests/golden/expected/*
HOOF_GOLDEN_UPDATE=1 "$build/hoof_tests" --gtest_filter='Fixtures/Golden.*' --gtest_brief=1
echo "Now read: git diff --stat tests/golden/expected"
