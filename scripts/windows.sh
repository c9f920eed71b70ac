#!/usr/bin/env bash
# Makes the Windows package: build-windows/vaulmoor-VERSION-windows-x64.zip, the
# game cross-compiled for 64-bit Windows with MinGW-w64 on this Debian machine.
#
#   scripts/windows.sh          # install what is missing, build, make the zip
#   scripts/windows.sh --test   # the same, then run the Windows tests under Wine
#
# Steps: the libraries for Windows from the cache (scripts/windows-libs.sh builds
# them the first time); a Linux build for the tools the cross build runs and for
# the tests (build-windows/host, or the build folder VAULMOOR_HOST_BUILD names);
# the cross build in build-windows/, whose run/ folder plays under Wine; the zip.
set -euo pipefail
cd "$(dirname "$0")/.."
test=false
case "${1:-}" in
  "") ;;
  --test) test=true ;;
  *) echo "usage: scripts/windows.sh [--test]" >&2; exit 2 ;;
esac
if $test; then scripts/deps.sh test; else scripts/deps.sh windows; fi
jobs=${VAULMOOR_JOBS:-$(nproc)}
cross=$PWD/build-windows
host=${VAULMOOR_HOST_BUILD:-$cross/host}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

say() { echo "windows.sh: $*" >&2; }
SECONDS=0
libs=$(VAULMOOR_JOBS=$jobs scripts/windows-libs.sh)
say "libraries ready after $SECONDS s"

# The Linux build: its tools draw the icon and build the translation tables in;
# its tests run the Windows program of the cross build. A Linux build of its
# own here needs its tests only for --test; one named by VAULMOOR_HOST_BUILD
# keeps its own settings.
host_settings=(-DVAULMOOR_WINDOWS_BUILD="$cross")
if [ -z "${VAULMOOR_HOST_BUILD:-}" ]; then
  host_settings+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DVAULMOOR_BENCH=OFF
    -DVAULMOOR_TESTS=$($test && echo ON || echo OFF))
fi
cmake -S . -B "$host" "${host_settings[@]}" >/dev/null
cmake --build "$host" -j"$jobs" --target vaulmoor-translations vaulmoor-art

cmake -S . -B "$cross" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULMOOR_WINDOWS_LIBS="$libs" \
  -DVAULMOOR_HOST_TOOLS="$host/host_tools.cmake" -DVAULMOOR_TESTS=OFF -DVAULMOOR_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$cross" -j"$jobs"
(cd "$cross" && cpack -G ZIP >/dev/null)
echo "Made $(ls "$cross"/vaulmoor-*-windows-x64.zip)"
say "zip made after $SECONDS s"

if $test; then
  cmake --build "$host" -j"$jobs" --target windows_tests
  ctest --test-dir "$host" -L windows --output-on-failure -j"$jobs"
  say "tested after $SECONDS s"
fi
