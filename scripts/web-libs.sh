#!/usr/bin/env bash
# Builds the libraries the browser program links (SDL2 and FreeType) with
# Debian's Emscripten from Debian's own source packages, at the versions the
# Linux build uses, and keeps them in a cache folder keyed by those versions, the
# compiler and this recipe, so that later builds reuse them. Prints the folder to
# link against (a prefix with include/ and lib/) on standard output; everything
# else goes to standard error.
#
#   scripts/web-libs.sh           # build what is missing, print the prefix
#
# The source packages come through a private apt configuration inside the cache
# folder (scripts/debian-sources.sh); the machine's own apt sources are never
# changed. SDL's configuration alone takes several minutes: hundreds of checks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VAULMOOR_JOBS:-$(nproc)}

say() { echo "web-libs: $*" >&2; }

. "$root/scripts/debian-sources.sh"
read -r sdl_source sdl_version < <(installed_source libsdl2-dev)
read -r freetype_source freetype_version < <(installed_source libfreetype-dev)

# The recipe (this script and the source fetcher) and the compiler are part of
# the key: changing either builds the libraries again.
recipe=$( (cat "$0" "$root/scripts/debian-sources.sh"; emcc --version | head -1) | sha256sum | cut -c1-12)
key="sdl2-${sdl_version}_freetype-${freetype_version}_$recipe"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vaulmoor/web-libs
prefix=$cache/$key
mkdir -p "$cache"

# One build at a time per cache; a second caller waits and then finds it done.
exec 9>"$cache/lock"
flock 9
if [ -f "$prefix/complete" ]; then
  say "cached: $prefix"
  echo "$prefix"
  exit 0
fi

started=$(date +%s)
work=$cache/build-$key
rm -rf "$work" "$prefix"
# The sources and build folders go however the build ends; the prefix stays
# only with its completion mark.
trap 'rm -rf "$work"' EXIT

debian_sources_open "$work"
debian_sources_fetch "$sdl_source" "$sdl_version"
debian_sources_fetch "$freetype_source" "$freetype_version"

cmake_web=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix")

# ---- FreeType: plain TrueType and bitmap fonts, nothing compressed -------------
say "building FreeType"
freetype=$(debian_sources_folder freetype)
emcmake cmake -S "$freetype" -B "$work/build-freetype" "${cmake_web[@]}" -DBUILD_SHARED_LIBS=OFF \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
  -DFT_DISABLE_BROTLI=ON >&2
cmake --build "$work/build-freetype" -j"$jobs" --target install >&2

# ---- SDL2: the static library with the browser's video, audio and joystick ----
say "building SDL2 (its configuration takes minutes)"
sdl=$(debian_sources_folder "$sdl_source")
emcmake cmake -S "$sdl" -B "$work/build-sdl" "${cmake_web[@]}" -DSDL_SHARED=OFF -DSDL_STATIC=ON \
  -DSDL_TEST=OFF >&2
cmake --build "$work/build-sdl" -j"$jobs" --target install >&2

# Their licences, which go with the program that links them.
install -D -m 644 "$sdl/LICENSE.txt" "$prefix/share/licenses/SDL2.txt"
install -D -m 644 "$freetype/docs/FTL.TXT" "$prefix/share/licenses/FreeType.txt"

printf 'SDL2 %s\nFreeType %s\n' "$sdl_version" "$freetype_version" >"$prefix/versions.txt"
touch "$prefix/complete"
say "built in $(($(date +%s) - started)) s: $prefix"
echo "$prefix"
