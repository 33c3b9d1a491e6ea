#!/usr/bin/env bash
# Runs Paktally.exe on a fresh copy of the bundled sample kit (examples/kit), under Wine.
#   tools/run-sample.sh            interactive window when a display is available, else silent
#   tools/run-sample.sh --silent   silent update (/B) under a private X server
# Prints the kit's stored sizes before and after. The committed kit is never touched.
# Runs the 32-bit product where this host executes 32-bit x86 code, else the same program built
# for 64-bit. Each step says what it does and how long it took; its output is in build/logs.
# Exits non-zero whenever Paktally does not end with exit code 0.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/steps.sh
mode=auto
[ "${1:-}" = "--silent" ] && mode=silent
[ "$mode" = auto ] && { [ -n "${DISPLAY:-}" ] && mode=interactive || mode=silent; }

step bootstrap "Installing what is missing (tools/bootstrap.sh)" tools/bootstrap.sh
step_notes
host=$(tools/host-arch.sh --reason) || steps_stop "$steps_script: cannot tell which Windows build this host runs (see above)"
IFS=$'\t' read -r flavour why <<<"$host"
echo "Running the $flavour build of Paktally.exe, because $why."
build() { cmake --preset "$flavour" && cmake --build --preset "$flavour" -j"$(nproc)" --target Paktally; }
step "sample-build-$flavour" "Building Paktally.exe ($flavour)" build

run=$PWD/build/sample-run
rm -rf "$run/kit" && mkdir -p "$run" && cp -r examples/kit "$run/kit"
export WINEPREFIX=$run/wineprefix-$flavour WINEDEBUG=-all PK_WINE_ARCH=$flavour
. tools/wine-env.sh
# A prefix that wineboot leaves incomplete shows up in the run itself.
make_prefix() { DISPLAY= wineboot -i || true; wineserver -w || true; }
[ -f "$WINEPREFIX/system.reg" ] || step wine-prefix "Preparing the Wine prefix $WINEPREFIX" make_prefix
# Windows' own bitmap fonts (fonts-wine), so that "MS Sans Serif" keeps its metrics.
cp -n /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

sizes() { tr -d '\r' < "$run/kit/SETUP.INI" | awk '/^\[/{s=$0} /^Size=/{printf "  %-18s %s\n", s, $0}'; }
echo "Sizes stored in SETUP.INI before:"; sizes

exe=$PWD/build/$flavour/paktally/Paktally.exe
status=0
if [ "$mode" = interactive ]; then
  echo "Starting the window; press Update, then Close."
  step sample-run "Running Paktally.exe in its window" wine "$exe" "$run/kit/SETUP.INI" || status=$?
else
  # A box would wait for a click that never comes: the run is bounded.
  step sample-run "Running Paktally.exe /B (silent update) under a private X server" \
    timeout 300 xvfb-run -a bash -c '. tools/wine-env.sh && wine "$@"' wine "$exe" /B "$run/kit/SETUP.INI" ||
    status=$?
fi
wineserver -k 2>/dev/null || true
[ "$status" -eq 124 ] &&
  steps_stop "$steps_script: Paktally did not finish within 5 minutes (a message box may be waiting); log $step_log"
echo "Sizes stored in SETUP.INI after:"; sizes
[ "$status" -eq 0 ] || steps_stop "$steps_script: Paktally exited with code $status; the run's log is $step_log"
echo "The updated kit is in $run/kit"
