# Named, timed steps for the README's commands, sourced by them from the repository's root.
# A step's output goes to its own log under build/logs; the terminal gets one line per step with
# its elapsed time and, when the step fails, the end of its log (on CI, where the logs go away
# with the clone, all of it). A script that leaves with a non-zero code always ends with a line
# that says where it stopped.
#   step LOG "what it does" COMMAND...   runs COMMAND; returns its exit code
#   step_notes                           shows the last step's log, indented (for quiet steps)
#   steps_stop "last line"               prints the line and exits 1
steps_logs=$PWD/build/logs
steps_script=$(basename "$0")
step_name= step_log= step_failed=
mkdir -p "$steps_logs"

elapsed() {
  local s=$(($(date +%s) - $1))
  if [ "$s" -ge 60 ]; then printf '%dm%02ds' $((s / 60)) $((s % 60)); else printf '%ds' "$s"; fi
}

step() {
  step_log=$steps_logs/$1.log step_name=$2 step_failed=
  shift 2
  local start rc=0
  start=$(date +%s)
  printf '%s ... ' "$step_name"
  "$@" </dev/null >"$step_log" 2>&1 || rc=$?
  if [ "$rc" -eq 0 ]; then
    echo "ok ($(elapsed "$start"))"
    return 0
  fi
  echo "FAILED with exit code $rc ($(elapsed "$start"))"
  if [ -n "${CI:-}" ]; then sed 's/^/  | /' "$step_log"; else tail -n 15 "$step_log" | sed 's/^/  | /'; fi
  step_failed=yes
  return "$rc"
}

step_notes() { sed 's/^/  /' "$step_log"; }

steps_stop() {
  trap - EXIT
  echo "$1"
  exit 1
}

steps_on_exit() {
  local rc=$?
  [ "$rc" -eq 0 ] && return
  if [ -n "$step_failed" ]; then
    echo "$steps_script: stopped: \"$step_name\" failed; its log is $step_log"
  elif [ -n "$step_name" ]; then
    echo "$steps_script: stopped with exit code $rc after \"$step_name\" (the error is above)"
  else
    echo "$steps_script: stopped with exit code $rc (the error is above)"
  fi
}
trap steps_on_exit EXIT
