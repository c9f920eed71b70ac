#!/usr/bin/env bash
# Installs the Debian packages that are missing: "deps.sh play" for building and
# playing, "deps.sh windows" for that plus the cross build of the Windows program
# (scripts/windows.sh), "deps.sh web" for that plus the web build
# (scripts/web.sh), "deps.sh test" for all of that plus everything the tests
# need, Wine for the Windows program's tests among them, and ccache, which keeps
# compiled objects between test runs.
set -euo pipefail

play_packages=(cmake g++ make pkg-config libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev
  libfluidsynth-dev zlib1g-dev fonts-ipafont-gothic xfonts-shinonome timgm6mb-soundfont gettext)
# MinGW-w64 in its posix thread variant, dpkg-dev for unpacking Debian's source
# packages of the libraries, icoutils for the program's icon.
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev dpkg-dev icoutils)
# Emscripten for the web build, Chromium for its tests, fonttools for the page's
# cut-down font, dpkg-dev for unpacking Debian's source packages of the libraries.
web_packages=(emscripten chromium python3-fonttools dpkg-dev)
# npm from Debian, where the machine has none of its own.
command -v npm >/dev/null || web_packages+=(npm)
test_packages=(googletest libgtest-dev libbenchmark-dev xvfb xauth imagemagick openbox xdotool
  x11-utils clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file strace i18nspector
  lintian wine wine64 ccache)

wanted=("${play_packages[@]}")
case "${1:-play}" in
  play) ;;
  windows) wanted+=("${windows_packages[@]}") ;;
  web) wanted+=("${web_packages[@]}") ;;
  test) wanted+=("${windows_packages[@]}" "${web_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: deps.sh [play|windows|web|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
