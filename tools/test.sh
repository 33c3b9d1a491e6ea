#!/usr/bin/env bash
# Builds every flavour and runs every test: native, sanitizers (ASan+UBSan), the fuzz smoke
# runs (clang/libFuzzer), then one Windows flavour's tests under Wine: win32 (the product) where
# this host executes 32-bit x86 code, else win64. Both Windows flavours are built in every case.
# Installs what is missing first. Each step says what it does and how long it took; its output is
# in build/logs. The last line tells whether everything passed or which steps failed.
set -uo pipefail
cd "$(dirname "$0")/.."
. tools/steps.sh
started=$(date +%s)
step bootstrap "Installing what is missing (tools/bootstrap.sh)" tools/bootstrap.sh ||
  steps_stop "FAILED: set-up (tools/bootstrap.sh); log $step_log"
step_notes

jobs=$(nproc)
failed=() failed_logs=() built=()
flavour() {
  case $1 in
    native) echo "the native workbench" ;;
    asan) echo "native with ASan and UBSan" ;;
    fuzz) echo "libFuzzer targets, clang" ;;
    win32) echo "32-bit Windows, the product, MinGW" ;;
    win64) echo "64-bit Windows, MinGW" ;;
  esac
}
build() { cmake --preset "$1" && cmake --build --preset "$1" -j"$jobs"; }
failure() { failed+=("$1") failed_logs+=("$step_log"); }

# Everything is built first: the native tests read the win32 build's Glossa.dll.
for preset in native asan fuzz win32 win64; do
  if step "build-$preset" "Building $preset ($(flavour "$preset"))" build "$preset"; then
    built+=("$preset")
  else
    failure "$preset (build)"
  fi
done

host=$(tools/host-arch.sh --reason) || steps_stop "FAILED: host check (tools/host-arch.sh, see above)"
IFS=$'\t' read -r windows why <<<"$host"
echo "Windows tests: $windows, because $why."

for preset in native asan fuzz "$windows"; do
  [[ " ${built[*]} " == *" $preset "* ]] || continue
  step "test-$preset" "Testing $preset ($(flavour "$preset"))" \
    ctest --preset "$preset" -j"$jobs" --output-on-failure || failure "$preset (tests)"
  # ctest's own closing line, so that the counts are on the terminal too.
  grep -E '^[0-9]+% tests passed' "$step_log" | sed 's/^/  /'
done

packages() {
  cmake --build --preset native --target package && cmake --build --preset win32 --target package &&
    tests/packaging/check-packages.sh build/native build/win32
}
step packages "Building and checking the release packages (.deb, win32 ZIP)" packages || failure "packages"

echo "Took $(elapsed "$started") in all."
if [ "${#failed[@]}" -gt 0 ]; then
  for i in "${!failed[@]}"; do echo "  failed: ${failed[$i]}, log ${failed_logs[$i]}"; done
  steps_stop "FAILED: ${failed[*]}"
fi
echo "All flavours built; native, asan, fuzz and $windows tests passed."
