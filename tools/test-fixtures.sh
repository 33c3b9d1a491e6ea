#!/usr/bin/env bash
# Set-up and clean-up of the shared resources of the win32 tests:
#   wine-setup / wine-cleanup   a private Wine prefix with one wineserver kept alive for the run
#   xvfb-setup / xvfb-cleanup   a private X display for tests that open windows
set -eu
build=${PK_BUILD_DIR:?}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all

case "${1:?}" in
  wine-setup)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      DISPLAY= wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
      # Closing windows would otherwise wait for a window manager.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      # Windows' own bitmap fonts (fonts-wine), so that "MS Sans Serif" keeps its metrics.
      cp /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      wineserver -w || true
    fi
    # Keep one server for the whole run; one that is already up (from a run by hand) is fine.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # Start Wine's service processes now, detached, so that no test's output pipe feeds them.
    setsid wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
  wine-cleanup)
    wineserver -k 2>/dev/null || true
    ;;
  xvfb-setup)
    rm -f "$build/xvfb.display"
    exec 3>"$build/xvfb.display"
    setsid Xvfb -displayfd 3 </dev/null -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$build/xvfb.pid"
    for _ in $(seq 100); do [ -s "$build/xvfb.display" ] && break; sleep 0.1; done
    [ -s "$build/xvfb.display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    # Wine's desktop process keeps the display it was started with (none, by the wine
    # fixture): start the server and its services anew on this display.
    export DISPLAY=":$(cat "$build/xvfb.display")"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p </dev/null >/dev/null 2>&1 || true  # fails when a server is already up
    setsid wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
  xvfb-cleanup)
    [ -f "$build/xvfb.pid" ] && kill "$(cat "$build/xvfb.pid")" 2>/dev/null || true
    rm -f "$build/xvfb.pid" "$build/xvfb.display"
    ;;
esac
