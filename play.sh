#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its run folder.
# Arguments are passed to the game (for example --window --scale 4).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULMOOR_TESTS=OFF -DVAULMOOR_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target vaulmoor run_data
cd build/run
exec ./vaulmoor "$@"
