#!/usr/bin/env bash
# The long soak: the allocation-counting build of the program played headless by
# random input from a fixed seed for FRAMES frames (default a million), through
# every scene; prints the frames, scenes, allocations and memory figures.
#   scripts/soak.sh [FRAMES] [--build DIR]   (DIR default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
frames=1000000 build=build
while (($#)); do
  case $1 in
    --build) build=${2:?--build needs DIR}; shift ;;
    *) frames=$1 ;;
  esac
  shift
done
nice -n 10 cmake -S . -B "$build" >/dev/null
nice -n 10 cmake --build "$build" --target soak_test -j2 >/dev/null
VAULMOOR_SOAK_FRAMES=$frames "$build/tests/robustness/soak_test" --gtest_color=no |
  grep -E '^soak:|Failure|Expected|Which is|actual|OK \]|FAILED'
