#!/usr/bin/env bash
# Runs a Windows program under Wine, in the private prefix and display that the test fixtures
# set up (WINEPREFIX and PK_BUILD_DIR come from the test's environment).
# Wine's helper processes (services, the desktop) outlive the program and inherit its output;
# the output goes through a file so that they never hold the caller's pipe open.
set -u
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEDEBUG=${WINEDEBUG:--all}
. "$(dirname "$0")/wine-env.sh" || exit 2
if [ -n "${PK_BUILD_DIR:-}" ] && [ -s "$PK_BUILD_DIR/xvfb.display" ]; then
  export DISPLAY=":$(cat "$PK_BUILD_DIR/xvfb.display")"
fi
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
cat "$err" >&2
exit $rc
