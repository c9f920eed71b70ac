#!/bin/sh
# Makes a fresh Wine prefix in the given folder for one run of the Windows tests:
# whatever an earlier run left there is removed first. Without Mono and Gecko,
# which Wine would otherwise offer to download, as the game needs neither.
set -eu
prefix=$1
if ! command -v wine >/dev/null || ! command -v wineboot >/dev/null; then
  echo "wine is not installed: install the Debian packages wine and wine64" \
    "(scripts/deps.sh test installs them)" >&2
  exit 1
fi
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A server of an earlier run in this prefix would keep its files open.
[ -d "$prefix" ] && wineserver -k 2>/dev/null || true
rm -rf "$prefix"
started=$(date +%s)
wineboot --init
wineserver -w
echo "Wine prefix made in $(($(date +%s) - started)) s: $prefix"
