#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suite in
# the ordinary build, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
VAULMOOR_JOBS=$jobs scripts/sanitize.sh
scripts/fuzz.sh --short 5
