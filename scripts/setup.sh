#!/usr/bin/env bash
# Installs what building Hoofbound needs on Debian (through sudo when not root),
# then configures and builds one build folder. Used by play.sh and test.sh.
#   scripts/setup.sh BUILD_DIR [cmake options...]
# HOOF_BUILD_TARGETS="a b" builds only those targets.
set -euo pipefail

packages=(build-essential cmake pkg-config libsdl2-dev libpng-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi

top="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
shift
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$top" -B "$build" "$@"
targets=()
for t in ${HOOF_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j "$jobs" "${targets[@]}"
