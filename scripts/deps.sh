#!/usr/bin/env bash
# Installs the Debian packages that are missing: "deps.sh play" for building and
# playing, "deps.sh test" for that plus everything the tests need.
set -euo pipefail

play_packages=(cmake g++ make pkg-config libsdl2-dev libx11-dev libfreetype-dev libfontconfig-dev
  libfluidsynth-dev zlib1g-dev fonts-ipafont-gothic xfonts-shinonome timgm6mb-soundfont gettext)
test_packages=(googletest libgtest-dev libbenchmark-dev xvfb xauth imagemagick openbox xdotool
  x11-utils clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file strace i18nspector
  lintian)

wanted=("${play_packages[@]}")
if [ "${1:-play}" = "test" ]; then
  wanted+=("${test_packages[@]}")
fi

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
