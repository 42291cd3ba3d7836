#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds a release and starts the game
# in its window. Arguments are passed to the game (try --help).
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=Release
exec "$top/build/hoofbound" "$@"
