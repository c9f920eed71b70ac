#!/usr/bin/env bash
# Builds the libraries the Windows program links (SDL2, FreeType and zlib) for
# 64-bit Windows from Debian's own source packages, at the versions the Linux
# build uses, and keeps them in a cache folder keyed by those versions and by
# this recipe, so that later builds reuse them. Prints the folder to link
# against (a prefix with include/ and lib/) on standard output; everything else
# goes to standard error.
#
#   scripts/windows-libs.sh           # build what is missing, print the prefix
#
# The source packages come through a private apt configuration with its own
# deb-src entries, lists and cache inside the cache folder; the machine's own
# apt sources are never changed. VAULMOOR_DEBIAN_MIRROR (default
# http://deb.debian.org) chooses the mirror.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
jobs=${VAULMOOR_JOBS:-$(nproc)}

say() { echo "windows-libs: $*" >&2; }

. "$root/scripts/debian-sources.sh"
read -r sdl_source sdl_version < <(installed_source libsdl2-dev)
read -r freetype_source freetype_version < <(installed_source libfreetype-dev)
read -r zlib_source zlib_version < <(installed_source zlib1g-dev)

# The recipe (this script, the source fetcher and the toolchain file) and the compiler are part of
# the key: changing either builds the libraries again.
recipe=$( (cat "$0" "$root/scripts/debian-sources.sh" "$toolchain"; "$triplet-gcc-posix" --version | head -1) | sha256sum | cut -c1-12)
key="sdl2-${sdl_version}_freetype-${freetype_version}_zlib-${zlib_version//:/_}_$recipe"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vaulmoor/windows-libs
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

# ---- The source packages, through a private apt configuration ----------------
debian_sources_open "$work"
debian_sources_fetch "$sdl_source" "$sdl_version"
debian_sources_fetch "$freetype_source" "$freetype_version"
debian_sources_fetch "$zlib_source" "$zlib_version"
source_folder() { debian_sources_folder "$1"; }

cmake_cross=(-G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix" -DVAULMOOR_WINDOWS_LIBS="$prefix")
# ccache, when there is one, makes a rebuild after a change of recipe quick.
if command -v ccache >/dev/null; then
  cmake_cross+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# ---- zlib: the static library only ---------------------------------------------
say "building zlib"
zlib=$(source_folder zlib)
(cd "$zlib" && CHOST=$triplet CC=$triplet-gcc-posix AR=$triplet-ar RANLIB=$triplet-ranlib \
  ./configure --static --prefix="$prefix" && make -j"$jobs" libz.a && make install) >&2

# ---- FreeType: with zlib (gzip-compressed fonts), without the formats the game never opens
say "building FreeType"
freetype=$(source_folder freetype)
cmake -S "$freetype" -B "$work/build-freetype" "${cmake_cross[@]}" -DBUILD_SHARED_LIBS=OFF \
  -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
  -DFT_DISABLE_BROTLI=ON >&2
cmake --build "$work/build-freetype" -j"$jobs" --target install >&2

# ---- SDL2: the static library and its CMake package --------------------------
say "building SDL2"
sdl=$(source_folder "$sdl_source")
cmake -S "$sdl" -B "$work/build-sdl" "${cmake_cross[@]}" -DSDL_SHARED=OFF -DSDL_STATIC=ON \
  -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON >&2
cmake --build "$work/build-sdl" -j"$jobs" --target install >&2

# Their licences, which go with the program that links them.
install -D -m 644 "$sdl/LICENSE.txt" "$prefix/share/licenses/SDL2.txt"
install -D -m 644 "$freetype/docs/FTL.TXT" "$prefix/share/licenses/FreeType.txt"
install -D -m 644 "$zlib/LICENSE" "$prefix/share/licenses/zlib.txt"

printf 'SDL2 %s\nFreeType %s\nzlib %s\n' "$sdl_version" "$freetype_version" "$zlib_version" \
  >"$prefix/versions.txt"
touch "$prefix/complete"
say "built in $(($(date +%s) - started)) s: $prefix"
echo "$prefix"
