# Fetches Debian's source packages through a private apt configuration, for the
# scripts that build libraries for another platform (sourced, not run). The
# machine's own apt sources are never read or changed: the deb-src entries,
# lists and cache live in the work folder given. VAULMOOR_DEBIAN_MIRROR
# (default http://deb.debian.org) chooses the mirror.
#
#   debian_sources_open WORK     # the private configuration and its lists
#   debian_sources_fetch PACKAGE VERSION   # unpacked into WORK/src
#   debian_sources_folder NAME   # the unpacked folder of a source package
#   installed_source PACKAGE     # "source version" of an installed package

debian_sources_say() { echo "debian-sources: $*" >&2; }

installed_source() {
  dpkg-query -W -f='${source:Package} ${source:Version}\n' "$1" 2>/dev/null ||
    { debian_sources_say "the Debian package $1 is not installed (scripts/deps.sh installs it)"; exit 1; }
}

debian_sources_open() {
  debian_sources_work=$1
  local mirror=${VAULMOOR_DEBIAN_MIRROR:-http://deb.debian.org} apt=$1/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$1/src"
  cat >"$apt/sources.list" <<SOURCES
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror/debian-security bookworm-security main
SOURCES
  debian_sources_apt=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache")
  # Running as root, apt hands downloads to its _apt user, who cannot write here.
  [ "$(id -u)" -eq 0 ] && debian_sources_apt+=(-o APT::Sandbox::User=root)
  debian_sources_say "reading the Debian source lists"
  apt-get "${debian_sources_apt[@]}" -qq update >&2
}

# The installed version's source; where the archive has moved on to a newer
# Debian revision of the same upstream release, that one.
debian_sources_fetch() {
  local package=$1 version=$2 src=$debian_sources_work/src
  if (cd "$src" && apt-get "${debian_sources_apt[@]}" -qq source "$package=$version" >&2); then
    return
  fi
  local upstream=${version#*:}
  upstream=${upstream%-*}
  debian_sources_say "$package $version is no longer in the archive; taking its newest revision of $upstream"
  (cd "$src" && apt-get "${debian_sources_apt[@]}" -qq source "$package" >&2)
  ls -d "$src/$package-$upstream" >/dev/null ||
    { debian_sources_say "the archive has no $package $upstream"; exit 1; }
}

debian_sources_folder() { find "$debian_sources_work/src" -maxdepth 1 -type d -name "$1-*" | head -1; }
