#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole test suite there. Any report of either fails the
# run: leaks, memory errors and undefined behaviour stop the test that meets them.
#   scripts/sanitize.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VAULMOOR_ASAN_BUILD:-build-asan}
jobs=${VAULMOOR_JOBS:-2}

nice -n 10 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULMOOR_SANITIZE=ON \
  -DVAULMOOR_BENCH=OFF >/dev/null
nice -n 10 cmake --build "$build" -j"$jobs"

# The programs the tests start inherit these; each sanitizer report ends the
# program with a failing status instead of scrolling past.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j"$jobs" "$@"
