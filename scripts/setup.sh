#!/usr/bin/env bash
# Installs what building Hoofbound needs on Debian (through sudo when not root),
# then configures and builds one build folder. Used by play.sh and test.sh.
#   scripts/setup.sh [--play] BUILD_DIR [cmake options...]
# --play installs and builds only the game and its pictures (play.sh); without it every
# target is built: the tests, the soak, the sweep, the tools and the benchmarks (test.sh).
# HOOF_BUILD_TARGETS="a b" builds only those targets instead (the web page's pictures).
# With HOOF_SETUP_DRY_RUN=1 it prints the packages it would install and the commands it
# would run, and runs none of them.
set -euo pipefail

play=0
if [ "${1:-}" = "--play" ]; then
    play=1
    shift
fi
if [ $# -lt 1 ]; then
    echo "usage: scripts/setup.sh [--play] BUILD_DIR [cmake options...]" >&2
    exit 2
fi

packages=(build-essential cmake pkg-config libsdl2-dev libpng-dev zlib1g-dev)
if [ "$play" -eq 0 ]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev)
fi

run() {
    if [ "${HOOF_SETUP_DRY_RUN:-0}" = 1 ]; then
        echo "would run: $*"
    else
        "$@"
    fi
}

missing=()
for p in "${packages[@]}"; do
    if [ "${HOOF_SETUP_DRY_RUN:-0}" = 1 ] ||
        ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "${HOOF_SETUP_DRY_RUN:-0}" = 1 ]; then
        echo "would install when missing: ${missing[*]}"
    else
        echo "Installing: ${missing[*]}"
        if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
    fi
fi

top="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
shift
jobs="$(nproc 2>/dev/null || echo 2)"
if [ "$play" -eq 1 ]; then
    if [ ! -x "$build/hoofbound" ]; then
        echo "Building the game for the first time: this takes a few minutes."
    fi
    run cmake -S "$top" -B "$build" -DHOOF_TESTING=OFF "$@"
    run cmake --build "$build" -j "$jobs" --target hoofbound images
else
    targets=()
    for t in ${HOOF_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
    run cmake -S "$top" -B "$build" -DHOOF_TESTING=ON "$@"
    run cmake --build "$build" -j "$jobs" "${targets[@]}"
fi
