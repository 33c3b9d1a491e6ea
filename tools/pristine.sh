#!/usr/bin/env bash
# Runs a command in a pristine Debian 12 (bookworm, amd64) root, as on a newcomer's machine:
#   tools/pristine.sh [--minutes N] [--] COMMAND [ARG...]
# The command runs as root in a copy of a base root made from Debian's packages (debootstrap),
# in /root/paktally, which holds the files of this checkout's last commit (HEAD; changes not
# committed are left out) and nothing else. The root reaches the registry as this host does (its
# apt sources and settings, its resolver). It has no git and no display, and starts no services.
# The base root is kept in $PK_PRISTINE_CACHE (default /var/cache/paktally-pristine) and made
# anew when a week old; each run works on a copy that is removed afterwards. The command gets its
# own mount, PID and IPC namespaces with private /proc, /sys and /dev: every process it starts
# ends with it, or when the time limit (default 60 minutes) is up, and its mounts go with them.
# Exits with the command's exit code (124 when the time ran out).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
apt_who=pristine
. "$repo/tools/apt.sh"

minutes=60
[ "${1:-}" = --minutes ] && { minutes=${2:?--minutes needs a number}; shift 2; }
[ "${1:-}" = -- ] && shift
[ $# -gt 0 ] || { echo "usage: tools/pristine.sh [--minutes N] [--] COMMAND [ARG...]" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "pristine: run as root (a root needs chroot and mounts)" >&2; exit 1; }

cache=${PK_PRISTINE_CACHE:-/var/cache/paktally-pristine}
base=$cache/bookworm-amd64
commit=$(git -C "$repo" rev-parse HEAD)
mkdir -p "$cache"

command -v debootstrap >/dev/null || {
  echo "pristine: installing debootstrap"
  update_indexes
  install_packages debootstrap
}

# The Debian mirror this host installs from, and the proxies its apt uses.
host_mirror() {
  apt-get indextargets --format '$(REPO_URI)' 'Codename: bookworm' 'Origin: Debian' 2>/dev/null |
    grep -v -- '-security' | head -n 1
}
eval "$(apt-config shell http_proxy Acquire::http::Proxy https_proxy Acquire::https::Proxy)"
export http_proxy="${http_proxy:-}" https_proxy="${https_proxy:-}"

make_base() {
  local mirror new out try made=
  mirror=$(host_mirror)
  mirror=${mirror:-http://deb.debian.org/debian/}
  new=$cache/new
  for try in 1 2 3; do
    rm -rf "$new"
    out=$(debootstrap --arch=amd64 bookworm "$new" "$mirror" 2>&1) && { made=yes; break; }
    out=$(grep -E '^(E|W):' <<<"$out" | tail -n 3 | paste -sd ' ' -)
    echo "pristine: warning: debootstrap failed (${out:-see above}); try $try of 3" >&2
    [ "$try" -lt 3 ] && sleep "$retry_pause"
  done
  [ -n "$made" ] || { rm -rf "$new"; return 1; }
  # The host's package sources and apt settings; no service starts in a root without an init.
  rm -f "$new/etc/apt/sources.list"
  cp -a /etc/apt/sources.list "$new/etc/apt/" 2>/dev/null || true
  find /etc/apt/sources.list.d -maxdepth 1 \( -name '*.list' -o -name '*.sources' \) \
    -exec cp -a {} "$new/etc/apt/sources.list.d/" \;
  cp -a /etc/apt/apt.conf.d/. "$new/etc/apt/apt.conf.d/"
  printf '#!/bin/sh\nexit 101\n' >"$new/usr/sbin/policy-rc.d" && chmod +x "$new/usr/sbin/policy-rc.d"
  touch "$new/.made"
  rm -rf "$base" && mv "$new" "$base"
}

(
  flock 9
  if [ ! -f "$base/.made" ] || [ -n "$(find "$base/.made" -mtime +6)" ]; then
    start=$(date +%s)
    echo "pristine: making the base root (debootstrap bookworm) in $base"
    if make_base; then
      echo "pristine: base root made in $(($(date +%s) - start)) s"
    elif [ -f "$base/.made" ]; then
      echo "pristine: warning: going on with the base root of $(date -r "$base/.made" +%F)" >&2
    else
      echo "pristine: cannot make the base root" >&2
      exit 1
    fi
  fi
) 9>"$cache/lock"

run=$(mktemp -d "$cache/run.XXXXXX")
child=
cleanup() {
  set +e
  [ -n "$child" ] && kill "$child" 2>/dev/null && wait "$child" 2>/dev/null
  rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

root=$run/root
cp -a --reflink=auto "$base" "$root"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
mkdir "$root/root/paktally"
git -C "$repo" archive --format=tar "$commit" | tar -x -C "$root/root/paktally"

# PID 1 of the new namespaces: makes the private mounts, then runs the command and reaps orphans.
inside='
set -e
root=$1; shift
mount --bind "$root" "$root"  # "/" is a mount point there, as on a machine
mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount -t tmpfs -o mode=755,nosuid tmpfs "$root/dev"
for node in null zero full random urandom tty; do
  touch "$root/dev/$node" && mount --bind "/dev/$node" "$root/dev/$node"
done
mkdir "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
ln -s pts/ptmx "$root/dev/ptmx" && ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin" && ln -s /proc/self/fd/1 "$root/dev/stdout" && ln -s /proc/self/fd/2 "$root/dev/stderr"
set +e
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" ${CI:+CI="$CI"} \
  ${PAKTALLY_WINE_ARCH:+PAKTALLY_WINE_ARCH="$PAKTALLY_WINE_ARCH"} \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c "cd /root/paktally && exec \"\$@\"" command "$@"
exit $?
'
echo "pristine: running $(tr -s ' \n' '  ' <<<"$*")in a copy of the base root, commit $commit, for at most $minutes minutes"
timeout --kill-after=20 "${minutes}m" \
  unshare --mount --pid --ipc --fork --kill-child bash -c "$inside" inside "$root" "$@" &
child=$!
rc=0
wait "$child" || rc=$?
child=
[ "$rc" -eq 124 ] && echo "pristine: the command did not end within $minutes minutes; it was stopped" >&2
exit "$rc"
