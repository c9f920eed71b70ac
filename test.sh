#!/usr/bin/env bash
# Builds everything and runs the tests.
#   ./test.sh           the full run CI makes: installs what is missing, then every
#                       test in the ordinary build, the Windows program cross-built
#                       and played under Wine (scripts/windows.sh --test, with the
#                       ordinary build as its Linux side), the browser build
#                       played in headless Chromium (scripts/web.sh --test, the
#                       same Linux side), the same suite under
#                       AddressSanitizer and UndefinedBehaviorSanitizer, the tests
#                       of the threads beside the frame thread under
#                       ThreadSanitizer, and each fuzz target briefly
#   ./test.sh --quick   the everyday loop: builds, then runs the fast tier (the
#                       unit, golden, content and fuzz labels; README.md, "Tests")
set -euo pipefail
cd "$(dirname "$0")"
quick=false
case ${1:-} in
  --quick) quick=true ;;
  "") ;;
  *) echo "usage: ./test.sh [--quick]" >&2; exit 2 ;;
esac
jobs=$(nproc)

$quick || scripts/deps.sh test
# ccache keeps what the compilers made between runs, outside the clone: a fresh
# clone (as CI makes) then builds mostly from it. Paths are taken relative to the
# clone and its folder is left out of the key, so clones in any folder share it.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
fi
# A configured tree configures itself again when its CMake files change.
if ! $quick || [[ ! -f build/CMakeCache.txt ]]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j"$jobs"
# Every test belongs to a tier; one without a label would never run in --quick and
# could slip out of the tiers unnoticed.
unlabelled=$(ctest --test-dir build -N -LE . | grep -E '^ *Test +#' || true)
if [[ -n $unlabelled ]]; then
  echo "tests without a label (set LABELS where they are added):" >&2
  echo "$unlabelled" >&2
  exit 1
fi
if $quick; then
  ctest --test-dir build --output-on-failure -j"$jobs" -L '^(unit|golden|content|fuzz)$'
  exit
fi
ctest --test-dir build --output-on-failure -j"$jobs" -LE windows
VAULMOOR_HOST_BUILD=build VAULMOOR_JOBS=$jobs scripts/windows.sh --test
VAULMOOR_HOST_BUILD=build VAULMOOR_JOBS=$jobs scripts/web.sh --test
VAULMOOR_JOBS=$jobs scripts/sanitize.sh
VAULMOOR_JOBS=$jobs scripts/tsan.sh
scripts/fuzz.sh --short 5
