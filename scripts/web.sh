#!/usr/bin/env bash
# Makes the web package: build-web/vaulmoor-VERSION-web.zip, the game built with
# Emscripten for a web page, and unpacks it into build-web/site/.
#
#   scripts/web.sh            # install what is missing, build, make the zip
#   scripts/web.sh --serve    # the same, then serve the page at http://127.0.0.1:8000/
#   scripts/web.sh --test     # the same, then run the web tests in headless Chromium
#
# Steps: the libraries for the web from the cache (scripts/web-libs.sh builds them
# the first time); a Linux build for the tools the web build runs (build/ when
# there is one, else build-web/host, or the build folder VAULMOOR_HOST_BUILD
# names); the npm packages (the music synthesizer, the tests' browser driver);
# the web build in build-web/; the zip; the site.
set -euo pipefail
cd "$(dirname "$0")/.."
action=build
case "${1:-}" in
  "") ;;
  --serve) action=serve ;;
  --test) action=test ;;
  *) echo "usage: scripts/web.sh [--test|--serve]" >&2; exit 2 ;;
esac
scripts/deps.sh web
jobs=${VAULMOOR_JOBS:-$(nproc)}
web=$PWD/build-web
if [ -n "${VAULMOOR_HOST_BUILD:-}" ]; then
  host=$VAULMOOR_HOST_BUILD
elif [ -f build/CMakeCache.txt ]; then
  host=$PWD/build
else
  host=$web/host
fi
# Emscripten's optimising steps need Debian's own JavaScript modules.
export NODE_PATH=/usr/share/nodejs
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

say() { echo "web.sh: $*" >&2; }
SECONDS=0
libs=$(VAULMOOR_JOBS=$jobs scripts/web-libs.sh)
say "libraries ready after $SECONDS s"

# The Linux build: its tools build the translation tables and pictures in, and
# its program plays beside the page in the tests. One of its own here needs no
# tests; an existing one keeps its own settings.
if [ ! -f "$host/CMakeCache.txt" ]; then
  cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DVAULMOOR_BENCH=OFF \
    -DVAULMOOR_TESTS=OFF >/dev/null
fi
targets=(vaulmoor-translations vaulmoor-art)
# The tests compare the page with the Linux program of the same source.
if [ $action = test ]; then targets+=(vaulmoor); fi
cmake --build "$host" -j"$jobs" --target "${targets[@]}"

# The music synthesizer the page carries, and the tests' browser driver.
npm ci --no-audit --no-fund --loglevel=error

# Built for size: every byte of the program is fetched before the first picture.
emcmake cmake -S . -B "$web" -DVAULMOOR_PLATFORM=web -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_FIND_ROOT_PATH="$libs" -DVAULMOOR_WEB_LIBS="$libs" \
  -DVAULMOOR_HOST_TOOLS="$host/host_tools.cmake" -DVAULMOOR_TESTS=OFF -DVAULMOOR_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$web" -j"$jobs"
rm -f "$web"/vaulmoor-*-web.zip
(cd "$web" && cpack -G ZIP >/dev/null)
zip=$(ls "$web"/vaulmoor-*-web.zip)
rm -rf "$web/site"
python3 -m zipfile -e "$zip" "$web/site"
echo "Made $zip"
say "zip made and unpacked into $web/site after $SECONDS s"

case $action in
  serve)
    say "serving http://127.0.0.1:8000/ (Ctrl+C stops)"
    exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$web/site"
    ;;
  test)
    node tests/web/run.mjs "$web/site"
    say "tested after $SECONDS s"
    ;;
esac
