#!/usr/bin/env bash
# Runs tools/bootstrap.sh against stand-ins for apt-get, dpkg, dpkg-query, locale, locale-gen,
# update-alternatives, id and sleep, first on PATH, and a scratch /etc: a registry out of step
# (an index that fails to download, an install the resolver cannot solve until the release's own
# suite is preferred), a registry that fails every try, a user who is not root. Checks which
# commands the bootstrap runs, in which order, and what it prints. Nothing on the system changes.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bootstrap=$here/../../tools/bootstrap.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../support/check.sh"

mkdir "$work/bin"
cat >"$work/bin/stand-in" <<'SH'
#!/usr/bin/env bash
# One stand-in for every system command, told by its name; scripted by the STAND_IN_* variables.
name=$(basename "$0")
echo "$name $*" >>"$STAND_IN_LOG"
case "$name $*" in
  "apt-get "*" update "*)
    tries=$(grep -c ' update ' "$STAND_IN_LOG")
    [ "$tries" -gt "${STAND_IN_UPDATE_FAILS:-0}" ] && exit 0
    case "$STAND_IN_UPDATE_ERROR" in
      sync) echo "E: Failed to fetch $STAND_IN_INDEX  File has unexpected size (49224 != 49172). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
            echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2 ;;
      no-suite) echo "E: The repository 'http://mirror.invalid/debian bookworm-gone Release' does not have a Release file." >&2 ;;
    esac
    exit 100 ;;
  "apt-get "*" install "*)
    if [[ " $* " == *" -t "* ]]; then result=$STAND_IN_SUITE_INSTALL; else result=$STAND_IN_PLAIN_INSTALL; fi
    [ "$result" = ok ] && exit 0
    echo "Some packages could not be installed. This may mean that you have requested an impossible situation."
    echo " wine32:i386 : Depends: zlib1g:i386 (= 1:1.2.13.dfsg-1) but 1:1.2.13.dfsg-1+deb12u1 is to be installed"
    echo "E: $STAND_IN_HELD" >&2
    exit 100 ;;
  "dpkg-query "*)
    [[ " $STAND_IN_MISSING " == *" ${!#} "* ]] && { echo "dpkg-query: no packages found matching ${!#}" >&2; exit 1; }
    printf 'install ok installed' ;;
  "dpkg --print-foreign-architectures") echo "$STAND_IN_FOREIGN" ;;
  "dpkg --add-architecture i386" | "locale-gen " | "update-alternatives "* | "sleep "*) ;;
  "locale -a") printf 'C\nC.utf8\nPOSIX\n'; [ "$STAND_IN_LOCALE" = yes ] && echo cs_CZ.utf8 ;;
  "id -u") echo "$STAND_IN_UID" ;;
  *) echo "stand-in: unexpected call: $name $*" >&2; exit 99 ;;
esac
SH
chmod +x "$work/bin/stand-in"
for c in apt-get dpkg dpkg-query locale locale-gen update-alternatives id sleep; do
  ln -s stand-in "$work/bin/$c"
done

pkgs="wine32:i386 libcups2:i386"
export STAND_IN_INDEX=http://mirror.invalid/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz
export STAND_IN_HELD="Unable to correct problems, you have held broken packages."
declare -A said=(
  [installing]="bootstrap: installing $pkgs"
  [warn-index]="bootstrap: warning: going on without package index files that failed to download: $STAND_IN_INDEX"
  [warn-suite]="bootstrap: warning: going on without package index files that failed to download: The repository 'http://mirror.invalid/debian bookworm-gone Release' does not have a Release file."
  [retry]="bootstrap: apt could not install the packages ($STAND_IN_HELD); trying once more with the release's own suite (bookworm) preferred"
  [stop]="bootstrap: cannot install $pkgs: $STAND_IN_HELD"
  [root]="bootstrap: run as root (apt-get is needed)"
)

real_locale_gen=$(stat -c %Y:%s /etc/locale.gen 2>/dev/null)

# case | uid | missing | i386 known | update fails (tries, why) | plain install | -t install | codename | Czech locale | exit | calls | lines printed
cases="
nothing to do          |0   |no |yes|0 -   |ok    |ok    |bookworm|yes|0|                                                                   |
a good day             |0   |yes|no |0 -   |ok    |ok    |bookworm|yes|0|add-architecture i386, update, install                           |installing
index late once        |0   |yes|yes|1 sync|ok    |ok    |bookworm|yes|0|update, sleep 7, update, install                                 |installing
mirror out of step     |0   |yes|yes|3 sync|broken|ok    |bookworm|yes|0|update, sleep 7, update, sleep 7, update, install, install -t bookworm|installing warn-index retry
a suite the mirror lacks|0  |yes|yes|3 no-suite|ok  |ok    |bookworm|yes|0|update, sleep 7, update, sleep 7, update, install                 |installing warn-suite
every try fails        |0   |yes|yes|3 sync|broken|broken|bookworm|yes|1|update, sleep 7, update, sleep 7, update, install, install -t bookworm|installing warn-index retry stop
no release codename    |0   |yes|yes|0 -   |broken|ok    |        |yes|1|update, install                                                   |installing stop
not root, packages     |1000|yes|yes|0 -   |ok    |ok    |bookworm|yes|1|                                                                   |root
Czech locale missing   |0   |no |yes|0 -   |ok    |ok    |bookworm|no |0|locale-gen                                                        |
not root, locale       |1000|no |yes|0 -   |ok    |ok    |bookworm|no |1|                                                                   |root
"

# The calls that change the system, in order, shortened: apt's options and package list dropped.
calls() {
  grep -E '^(apt-get|dpkg --add|locale-gen|sleep)' "$STAND_IN_LOG" |
    sed -E 's/ -o [^ ]+//g; s/ +$//; s/^apt-get //; s/ -y -qq --no-install-recommends//; s/ -qq$//; s/^dpkg --//' |
    sed "s/ $pkgs\$//" | paste -sd, - | sed 's/,/, /g'
}
trim() { sed -E 's/^ +//; s/ +$//' <<<"$1"; }

while IFS='|' read -r name uid missing foreign update plain suite codename locale rc want_calls want_lines; do
  name=$(trim "$name"); [ -n "$name" ] || continue
  dir=$work/case; rm -rf "$dir"; mkdir -p "$dir/etc"
  [ -n "$(trim "$codename")" ] && printf 'ID=debian\nVERSION_CODENAME=%s\n' "$(trim "$codename")" >"$dir/etc/os-release"
  printf '# cs_CZ.UTF-8 UTF-8\n# en_US.UTF-8 UTF-8\n' >"$dir/etc/locale.gen"
  read -r update_fails why <<<"$update"
  export STAND_IN_LOG=$dir/calls STAND_IN_UID=$(trim "$uid") STAND_IN_UPDATE_FAILS=$update_fails \
    STAND_IN_UPDATE_ERROR=$why STAND_IN_PLAIN_INSTALL=$(trim "$plain") STAND_IN_SUITE_INSTALL=$(trim "$suite") \
    STAND_IN_LOCALE=$(trim "$locale") STAND_IN_FOREIGN=
  [ "$(trim "$missing")" = yes ] && STAND_IN_MISSING=$pkgs || STAND_IN_MISSING=
  [ "$(trim "$foreign")" = yes ] && STAND_IN_FOREIGN=i386
  export STAND_IN_MISSING
  touch "$STAND_IN_LOG"

  PATH=$work/bin:$PATH
  for c in apt-get dpkg locale-gen update-alternatives; do
    [ "$(command -v "$c")" = "$work/bin/$c" ] || { echo "FAIL $c is not the stand-in; stopping"; exit 1; }
  done
  PK_BOOTSTRAP_ETC=$dir/etc PK_BOOTSTRAP_RETRY_PAUSE=7 bash "$bootstrap" >"$dir/out" 2>&1
  got_rc=$?
  PATH=${PATH#"$work/bin:"}

  want=""
  for key in $want_lines; do want+="${said[$key]}"$'\n'; done
  check "$name: exit code $(trim "$rc")" '[ "$got_rc" = "$(trim "$rc")" ]'
  check "$name: calls [$(trim "$want_calls")]" '[ "$(calls)" = "$(trim "$want_calls")" ]'
  want=${want%$'\n'} got=$(cat "$dir/out")
  check "$name: prints what it does" '[ "$got" = "$want" ]' || sed 's/^/    got: /' "$dir/out"
  check "$name: every apt-get waits for the dpkg lock and installs unasked" \
    '! grep "^apt-get" "$STAND_IN_LOG" | grep -vE " -o DPkg::Lock::Timeout=[1-9][0-9]* .*( update -qq| install -y .* $pkgs)$"'
  if [[ "$want_calls" == *locale-gen* ]]; then
    check "$name: the Czech locale is enabled, the others left as they were" \
      '[ "$(cat "$dir/etc/locale.gen")" = "$(printf "cs_CZ.UTF-8 UTF-8\n# en_US.UTF-8 UTF-8")" ]'
  fi
done <<<"$cases"

check "the system's /etc/locale.gen was not touched" '[ "$(stat -c %Y:%s /etc/locale.gen 2>/dev/null)" = "$real_locale_gen" ]'
checks_summary
