#!/usr/bin/env bash
# Runs Paktally.exe on a fresh copy of the bundled sample kit (examples/kit), under Wine.
#   tools/run-sample.sh            interactive window when a display is available, else silent
#   tools/run-sample.sh --silent   silent update (/B) under a private X server
# Prints the kit's stored sizes before and after. The committed kit is never touched.
# Runs the 32-bit product where this host executes 32-bit x86 code, else the same program built
# for 64-bit. Exits non-zero whenever Paktally does not end with exit code 0.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=auto
[ "${1:-}" = "--silent" ] && mode=silent
[ "$mode" = auto ] && { [ -n "${DISPLAY:-}" ] && mode=interactive || mode=silent; }

tools/bootstrap.sh
IFS=$'\t' read -r flavour why < <(tools/host-arch.sh --reason)
echo "Running the $flavour build of Paktally.exe, because $why."
cmake --preset "$flavour" >/dev/null
cmake --build --preset "$flavour" -j"$(nproc)" --target Paktally >/dev/null

run=$PWD/build/sample-run
rm -rf "$run/kit" && mkdir -p "$run" && cp -r examples/kit "$run/kit"
export WINEPREFIX=$run/wineprefix-$flavour WINEDEBUG=-all PK_WINE_ARCH=$flavour
. tools/wine-env.sh
[ -f "$WINEPREFIX/system.reg" ] || { DISPLAY= wineboot -i >/dev/null 2>&1 || true; wineserver -w || true; }
# Windows' own bitmap fonts (fonts-wine), so that "MS Sans Serif" keeps its metrics.
cp -n /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

sizes() { tr -d '\r' < "$run/kit/SETUP.INI" | awk '/^\[/{s=$0} /^Size=/{printf "  %-18s %s\n", s, $0}'; }
echo "Sizes stored in SETUP.INI before:"; sizes

exe=$PWD/build/$flavour/paktally/Paktally.exe
status=0
if [ "$mode" = interactive ]; then
  echo "Starting the window; press Update, then Close."
  wine "$exe" "$run/kit/SETUP.INI" </dev/null >"$run/wine.log" 2>&1 || status=$?
else
  echo "Silent update (/B)..."
  # A box would wait for a click that never comes: the run is bounded.
  timeout 300 xvfb-run -a bash -c '. tools/wine-env.sh && wine "$@"' wine "$exe" /B "$run/kit/SETUP.INI" \
    </dev/null >"$run/wine.log" 2>&1 || status=$?
fi
wineserver -k 2>/dev/null || true
if [ "$status" -eq 124 ]; then
  echo "Paktally did not finish within 5 minutes (a message box may be waiting)."
  exit 1
fi
echo "Paktally exited with code $status."
echo "Sizes stored in SETUP.INI after:"; sizes
[ "$status" -eq 0 ] || { echo "The run failed; see $run/wine.log."; exit 1; }
echo "The updated kit is in $run/kit"
