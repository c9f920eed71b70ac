#!/usr/bin/env bash
# Builds the program and the tests of the threads beside the frame thread with
# ThreadSanitizer in build-tsan (only those targets, so it stays quick) and runs
# there the tests labelled threads: the background search posted, replaced and
# stopped in the middle, the hint played in real time (the search runs while
# frames go on), searches on several threads at once beside the rules, and the
# shortest clears of a foreign stage file worked out in the background. Any
# report fails the run: the test programs and the game they start inherit
# TSAN_OPTIONS, so a report ends them with status 66. The target thread_tests
# builds every test program that holds a test labelled threads.
#   scripts/tsan.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VAULMOOR_TSAN_BUILD:-build-tsan}
jobs=${VAULMOOR_JOBS:-2}

nice -n 10 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULMOOR_TSAN=ON \
  -DVAULMOOR_BENCH=OFF >/dev/null
nice -n 10 cmake --build "$build" -j"$jobs" --target vaulmoor thread_tests

export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:exitcode=66:second_deadlock_stack=1}
ctest --test-dir "$build" --output-on-failure -j"$jobs" \
  -L '^threads$' "$@"
