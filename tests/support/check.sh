# Named checks for the test scripts, sourced by them:
#   check "what is checked" 'shell condition'   prints "ok   ..." or "FAIL ..."
#   checks_summary                                prints the counts; fails when a check failed
fails=0 count=0
check() {
  count=$((count + 1))
  if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; fails=$((fails + 1)); fi
}
checks_summary() {
  echo "$((count - fails)) passed, $fails failed"
  [ "$fails" -eq 0 ]
}
