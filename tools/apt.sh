# apt as the set-up scripts use it, sourced by them: a registry that is briefly out of step is
# ordinary. A failed index update is tried again and then left behind with a warning, and an
# install that cannot be resolved (one architecture's security index older than the other's) is
# tried once more with the release's own suite preferred. Only when that fails too does the
# caller stop, quoting apt. Messages start with "$apt_who: "; os-release is read from $apt_etc.
#   update_indexes          apt-get update, three tries
#   install_packages PKG... apt-get install without recommendations; exits 1 when it cannot
export DEBIAN_FRONTEND=noninteractive
# Another apt (an unattended upgrade, say) is waited for, not failed on.
apt_opts=(-o DPkg::Lock::Timeout=600 -o Acquire::Retries=2)
retry_pause=${PK_BOOTSTRAP_RETRY_PAUSE:-5}
apt_who=${apt_who:-$(basename "$0" .sh)}
apt_etc=${apt_etc:-/etc}

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
  echo "$apt_who: warning: going on without package index files that failed to download: ${failed:-$(apt_errors "$out")}" >&2
}

install_packages() {
  local out codename
  out=$(apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends "$@" 2>&1) && return 0
  codename=$( (. "$apt_etc/os-release" && echo "${VERSION_CODENAME:-}") 2>/dev/null || true)
  if [ -n "$codename" ]; then
    echo "$apt_who: apt could not install the packages ($(apt_errors "$out" | cut -c1-200)); trying once more with the release's own suite ($codename) preferred" >&2
    out=$(apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends -t "$codename" "$@" 2>&1) && return 0
  fi
  echo "$apt_who: cannot install $*: $(apt_errors "$out")" >&2
  exit 1
}
