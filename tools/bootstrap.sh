#!/usr/bin/env bash
# Installs what both build flavours, their tests and the README's commands call, on a fresh
# Debian 12 machine. Idempotent and quiet: packages already present are not touched. A registry
# that is briefly out of step is ordinary (see tools/apt.sh).
set -euo pipefail

need_root() { [ "$(id -u)" -eq 0 ] || { echo "bootstrap: run as root (apt-get is needed)" >&2; exit 1; }; }
etc=${PK_BOOTSTRAP_ETC:-/etc}  # another root's /etc, for the bootstrap's own test
apt_who=bootstrap apt_etc=$etc
. "$(dirname "$0")/apt.sh"

native_pkgs=(cmake ninja-build g++ googletest libbenchmark-dev clang libclang-rt-14-dev libunicorn-dev
             zip unzip p7zip-full python3 patch dpkg-dev lintian strace locales xvfb xauth x11-utils imagemagick
             xdotool fonts-wine
             g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine64
             g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
             cups-daemon cups-client cups-filters printer-driver-cups-pdf ghostscript poppler-utils)
i386_pkgs=(wine32:i386 libcups2:i386)

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
