# Named checks for the test scripts, sourced by them:
#   check "what is checked" 'shell condition'   prints "ok   ..." or "FAIL ..."; returns as the condition did
#   checks_summary                                prints the counts; fails when a check failed
# The counters carry a prefix of their own: a test's variables must not reset them.
checks_failed=0 checks_run=0
check() {
  checks_run=$((checks_run + 1))
  if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; checks_failed=$((checks_failed + 1)); return 1; fi
}
checks_summary() {
  echo "$((checks_run - checks_failed)) passed, $checks_failed failed"
  [ "$checks_failed" -eq 0 ]
}
