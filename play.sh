#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds a release of the game and its
# pictures (nothing else: ./test.sh builds the tests and tools) and starts the game in
# its window. Arguments are passed to the game (try --help).
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh" --play "$top/build" -DCMAKE_BUILD_TYPE=Release
exec "$top/build/hoofbound" "$@"
