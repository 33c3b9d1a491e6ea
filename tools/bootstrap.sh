#!/usr/bin/env bash
# Installs what both build flavours and their tests need on a fresh Debian 12 machine.
# Idempotent and quiet: packages already present are not touched.
# A registry that is briefly out of step is ordinary: a failed index update is tried again and
# then left behind with a warning, and an install that cannot be resolved (one architecture's
# security index older than the other's) is tried once more with the release's own suite
# preferred. Only when that fails too does the bootstrap stop, quoting apt.
set -euo pipefail

need_root() { [ "$(id -u)" -eq 0 ] || { echo "bootstrap: run as root (apt-get is needed)" >&2; exit 1; }; }
export DEBIAN_FRONTEND=noninteractive
# Another apt (an unattended upgrade, say) is waited for, not failed on.
apt_opts=(-o DPkg::Lock::Timeout=600 -o Acquire::Retries=2)
retry_pause=${PK_BOOTSTRAP_RETRY_PAUSE:-5}
etc=${PK_BOOTSTRAP_ETC:-/etc}  # another root's /etc, for the bootstrap's own test

native_pkgs=(cmake ninja-build g++ googletest libbenchmark-dev clang libclang-rt-14-dev libunicorn-dev
             zip unzip p7zip-full python3 patch dpkg-dev lintian strace locales xvfb x11-utils imagemagick
             xdotool fonts-wine
             g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine64
             g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
             cups-daemon cups-client cups-filters printer-driver-cups-pdf ghostscript poppler-utils)
i386_pkgs=(wine32:i386 libcups2:i386)

# apt's own error lines, joined into one.
apt_errors() { grep -E '^(E|Err):' <<<"$1" | sed 's/^E: //' | paste -sd ' ' - | cut -c1-600; }

update_indexes() {
  local try out=
  for try in 1 2 3; do
    out=$(apt-get "${apt_opts[@]}" update -qq 2>&1) && return 0
    [ "$try" -lt 3 ] && sleep "$retry_pause"
  done
  local failed
  failed=$(sed -n 's/.*Failed to fetch \([^ ]*\).*/\1/p' <<<"$out" | paste -sd ' ' -)
  echo "bootstrap: warning: going on without package index files that failed to download: ${failed:-$(apt_errors "$out")}" >&2
}

install_packages() {
  local out codename
  out=$(apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends "$@" 2>&1) && return 0
  codename=$( (. "$etc/os-release" && echo "${VERSION_CODENAME:-}") 2>/dev/null || true)
  if [ -n "$codename" ]; then
    echo "bootstrap: apt could not install the packages ($(apt_errors "$out" | cut -c1-200)); trying once more with the release's own suite ($codename) preferred" >&2
    out=$(apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends -t "$codename" "$@" 2>&1) && return 0
  fi
  echo "bootstrap: cannot install $*: $(apt_errors "$out")" >&2
  exit 1
}

missing=()
for p in "${native_pkgs[@]}" "${i386_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  need_root
  echo "bootstrap: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  update_indexes
  install_packages "${missing[@]}"
fi

# Wine shows code page 1250 only when the Czech locale exists.
if ! locale -a 2>/dev/null | grep -i '^cs_CZ\.utf8$' >/dev/null; then
  need_root
  sed -i 's/^# *\(cs_CZ.UTF-8 UTF-8\)/\1/' "$etc/locale.gen"
  grep -q '^cs_CZ.UTF-8 UTF-8' "$etc/locale.gen" || echo 'cs_CZ.UTF-8 UTF-8' >> "$etc/locale.gen"
  locale-gen >/dev/null
fi

# The MinGW posix-thread flavour is the one the project is built with.
if [ "$(id -u)" -eq 0 ]; then
  for t in gcc g++; do
    alt=/usr/bin/i686-w64-mingw32-$t-posix
    [ -x "$alt" ] && update-alternatives --set i686-w64-mingw32-$t "$alt" >/dev/null 2>&1 || true
  done
fi
exit 0
