#!/usr/bin/env bash
# Builds every flavour and runs every test: native, sanitizers (ASan+UBSan), the fuzz smoke
# runs (clang/libFuzzer) and the win32 product under Wine. Installs what is missing first.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/bootstrap.sh || exit 1

jobs=$(nproc)
failed=()
for preset in native asan fuzz win32; do
  echo "=== $preset"
  if ! cmake --preset "$preset" >"build-$preset.configure.log" 2>&1; then
    cat "build-$preset.configure.log"; failed+=("$preset (configure)"); continue
  fi
  rm -f "build-$preset.configure.log"
  if ! cmake --build --preset "$preset" -j"$jobs"; then
    failed+=("$preset (build)"); continue
  fi
  ctest --preset "$preset" -j"$jobs" || failed+=("$preset (tests)")
done

echo "=== packages"
{ cmake --build --preset native --target package && cmake --build --preset win32 --target package &&
  tests/packaging/check-packages.sh build/native build/win32; } || failed+=("packages")

if [ "${#failed[@]}" -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All flavours built and passed."
