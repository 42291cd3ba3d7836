#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) into build-fuzz/ with clang and runs each in turn,
# two at a time, from the seed corpora in fuzz/corpus/.
#   scripts/fuzz.sh [SECONDS | runs=N] [TARGET...]
# SECONDS (default 60) is each target's time; runs=N runs N inputs each instead. With no
# TARGET every target runs. New inputs go to build-fuzz/corpus/<target>/ (the committed
# seeds are only read); a crash, leak, sanitizer report or hang (over 10 s) is saved as
# build-fuzz/findings/<target>-<kind>-<hash> and the script fails. HOOF_FUZZ_SEED fixes
# libFuzzer's own random seed (0, the default, takes a new one each run), so a short run
# in the test suite tries the same inputs every time.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build-fuzz"

limit="-max_total_time=60"
if [ $# -gt 0 ]; then
    case "$1" in
        runs=*) limit="-runs=${1#runs=}"; shift ;;
        [0-9]*) limit="-max_total_time=$1"; shift ;;
    esac
fi

if ! command -v clang++ >/dev/null 2>&1; then
    # Only fuzzing needs clang, so play.sh and setup.sh never install it.
    echo "Installing clang for the fuzz targets"
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq clang libclang-rt-dev
fi

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DHOOF_FUZZ=ON -DHOOF_ART=OFF \
    -DHOOF_BENCH=OFF >/dev/null
cmake --build "$build" -j 2 --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$top"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

mkdir -p "$build/findings" "$build/logs"
run_one() {
    local t="$1"
    local dict=()
    [ -f "$top/fuzz/$t.dict" ] && dict=("-dict=$top/fuzz/$t.dict")
    mkdir -p "$build/corpus/$t"
    # -close_fd_mask=2: the readers report every damaged file on stderr; libFuzzer
    # keeps its own lines and the sanitizers' reports.
    if "$build/fuzz_$t" "$build/corpus/$t" "$top/fuzz/corpus/$t" "${dict[@]}" "$limit" -timeout=10 \
        -seed="${HOOF_FUZZ_SEED:-0}" -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
        >"$build/logs/$t.log" 2>&1; then
        echo "fuzz $t: $(grep -E '^(Done|#[0-9]+ +DONE)' "$build/logs/$t.log" | tail -1)"
    else
        echo "fuzz $t: FAILED, see $build/logs/$t.log"
        tail -n 40 "$build/logs/$t.log"
        return 1
    fi
}

failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for t in "${targets[@]:i:2}"; do
        run_one "$t" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
done
exit $failed
