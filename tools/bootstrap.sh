#!/usr/bin/env bash
# Installs what both build flavours and their tests need on a fresh Debian 12 machine.
# Idempotent and quiet: packages already present are not touched.
set -euo pipefail

need_root() { [ "$(id -u)" -eq 0 ] || { echo "bootstrap: run as root (apt-get is needed)" >&2; exit 1; }; }
export DEBIAN_FRONTEND=noninteractive

native_pkgs=(cmake ninja-build g++ googletest libbenchmark-dev clang libclang-rt-14-dev libunicorn-dev
             zip unzip python3 patch dpkg-dev strace locales xvfb x11-utils imagemagick xdotool fonts-wine
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
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine shows code page 1250 only when the Czech locale exists.
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf8$'; then
  need_root
  sed -i 's/^# *\(cs_CZ.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' >> /etc/locale.gen
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
