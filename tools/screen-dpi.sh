# Sourced by test scripts: sets the screen resolution that Wine reports in the test prefix,
# and puts the prefix's own back. Needs $runner (tools/wine-run.sh).
desktop_key='HKCU\Control Panel\Desktop'
previous_dpi=$("$runner" reg query "$desktop_key" /v LogPixels 2>/dev/null | awk '/LogPixels/ { print $3 }')

set_screen_dpi() {
  "$runner" reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}

restore_screen_dpi() {
  if [ -n "$previous_dpi" ]; then
    set_screen_dpi "$((previous_dpi))"
  else
    "$runner" reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1
  fi
}
