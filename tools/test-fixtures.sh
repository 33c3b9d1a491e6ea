#!/usr/bin/env bash
# Set-up and clean-up of the shared resources of the Windows flavours' tests:
#   wine-setup     a private X display, then a private Wine prefix with one wineserver on that
#                  display, kept alive for the run
#   wine-cleanup   stops both
# One fixture for both, so that no test runs while the server is restarted for the display.
set -eu
build=${PK_BUILD_DIR:?}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
. "$(dirname "$0")/wine-env.sh"

start_display() {
  rm -f "$build/xvfb.display"
  exec 3>"$build/xvfb.display"
  # Room for the window at twice the usual screen resolution.
  setsid Xvfb -displayfd 3 </dev/null -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! > "$build/xvfb.pid"
  exec 3>&-
  for _ in $(seq 100); do [ -s "$build/xvfb.display" ] && break; sleep 0.1; done
  [ -s "$build/xvfb.display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$build/xvfb.display")"
}

stop_display() {
  [ -f "$build/xvfb.pid" ] && kill "$(cat "$build/xvfb.pid")" 2>/dev/null || true
  rm -f "$build/xvfb.pid" "$build/xvfb.display"
}

case "${1:?}" in
  wine-setup)
    # A server left from a run by hand holds another display: start anew on ours.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    stop_display
    start_display
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
      # Closing windows would otherwise wait for a window manager.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      # Windows' own bitmap fonts (fonts-wine), so that "MS Sans Serif" keeps its metrics.
      cp /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      wineserver -w || true
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    # Start Wine's service processes now, detached, so that no test's output pipe feeds them.
    setsid wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
  wine-cleanup)
    wineserver -k 2>/dev/null || true
    stop_display
    ;;
esac
