#!/usr/bin/env bash
# Runs small scripts built on tools/steps.sh, as the README's commands use it: what each step
# prints, where its output goes, and the last line of a script that stops with a non-zero code.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
steps=$here/../../tools/steps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$here/../support/check.sh"
unset CI  # the cases below say for themselves whether they run on CI

logs=$work/build/logs
noisy='seq 1 40; echo "the error" >&2; exit 3'
# case | set -e | script body (after sourcing steps.sh) | exit | output, lines joined by "^"
cases="
a step that succeeds     |-e|step one 'Building it' bash -c 'echo built'                     |0|Building it ... ok (0s)
a failed step, set -e    |-e|step one 'Building it' bash -c '$noisy'; echo not reached        |3|Building it ... FAILED with exit code 3 (0s)^@tail^run.sh: stopped: \"Building it\" failed; its log is $logs/one.log
a failure after a step   |-e|step one 'Building it' true; false                               |1|Building it ... ok (0s)^run.sh: stopped with exit code 1 after \"Building it\" (the error is above)
a failure before a step  |-e|false                                                            |1|run.sh: stopped with exit code 1 (the error is above)
a failed step, carried on|  |step one 'Testing it' false; step two 'Packing it' true; steps_stop 'FAILED: it (tests)'|1|Testing it ... FAILED with exit code 1 (0s)^Packing it ... ok (0s)^FAILED: it (tests)
the notes of a quiet step|-e|step one 'Installing' bash -c 'echo note: installing x'; step_notes|0|Installing ... ok (0s)^  note: installing x
"
tail_lines=$(for i in $(seq 27 40); do printf '  | %s^' "$i"; done)"  | the error"

while IFS='|' read -r name errexit body rc want; do
  name=$(sed 's/ *$//' <<<"$name"); [ -n "$name" ] || continue
  rm -rf "$work/build"
  printf 'set %s -uo pipefail\n. %q\n%s\n' "$errexit" "$steps" "$body" >"$work/run.sh"
  got=$(cd "$work" && bash run.sh 2>/dev/null); got_rc=$?
  got=$(sed -E 's/\((([0-9]+m)?[0-9]+s)\)/(0s)/' <<<"$got")  # any elapsed time reads 0s
  want=$(tr '^' '\n' <<<"${want/@tail/$tail_lines}")
  check "$name: exit code $rc" '[ "$got_rc" = "$(sed "s/ //g" <<<"$rc")" ]'
  check "$name: prints" '[ "$got" = "$want" ]' || diff <(echo "$want") <(echo "$got") | sed 's/^/    /'
done <<<"$cases"

# The step's whole output goes to its log; on CI the whole log is shown, as it goes away with the clone.
cd "$work" && rm -rf build
printf 'set -uo pipefail\n. %q\nstep one "Building it" bash -c %q\n' "$steps" "$noisy" >run.sh
bash run.sh >plain.out
CI=true bash run.sh >ci.out
check "the log holds the step's whole output" '[ "$(cat build/logs/one.log)" = "$(seq 1 40; echo "the error")" ]'
check "a terminal sees the last 15 lines of a failed step" '[ "$(grep -c "^  | " plain.out)" = 15 ]'
check "CI sees all of them" '[ "$(grep -c "^  | " ci.out)" = 41 ]'
check "a step reads no input" 'printf "set -e\n. %q\nstep in Reading cat\n" "$steps" >in.sh && echo typed | bash in.sh >/dev/null && [ ! -s build/logs/in.log ]'
checks_summary
