#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suite in
# the ordinary build, the Windows program cross-built and played under Wine
# (scripts/windows.sh --test, with the ordinary build as its Linux side), the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" -LE windows
VAULMOOR_HOST_BUILD=build VAULMOOR_JOBS=$jobs scripts/windows.sh --test
VAULMOOR_JOBS=$jobs scripts/sanitize.sh
scripts/fuzz.sh --short 5
