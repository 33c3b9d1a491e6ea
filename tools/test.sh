#!/usr/bin/env bash
# Builds every flavour and runs every test: native, sanitizers (ASan+UBSan), the fuzz smoke
# runs (clang/libFuzzer), then one Windows flavour's tests under Wine: win32 (the product) where
# this host executes 32-bit x86 code, else win64. Both Windows flavours are built in every case.
# Installs what is missing first.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/bootstrap.sh || exit 1

jobs=$(nproc)
failed=()
built=()
# Everything is built first: the native tests read the win32 build's Glossa.dll.
for preset in native asan fuzz win32 win64; do
  echo "=== build $preset"
  if ! cmake --preset "$preset" >"build-$preset.configure.log" 2>&1; then
    cat "build-$preset.configure.log"; failed+=("$preset (configure)"); continue
  fi
  rm -f "build-$preset.configure.log"
  if cmake --build --preset "$preset" -j"$jobs"; then
    built+=("$preset")
  else
    failed+=("$preset (build)")
  fi
done

IFS=$'\t' read -r windows why < <(tools/host-arch.sh --reason) || { echo "FAILED: host check"; exit 1; }
echo "Windows tests: $windows, because $why."

for preset in native asan fuzz "$windows"; do
  [[ " ${built[*]} " == *" $preset "* ]] || continue
  echo "=== test $preset"
  ctest --preset "$preset" -j"$jobs" || failed+=("$preset (tests)")
done

echo "=== packages"
{ cmake --build --preset native --target package && cmake --build --preset win32 --target package &&
  tests/packaging/check-packages.sh build/native build/win32; } || failed+=("packages")

if [ "${#failed[@]}" -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All flavours built; native, asan, fuzz and $windows tests passed."
