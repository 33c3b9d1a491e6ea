#!/usr/bin/env bash
# Counts the system calls that measuring a WRP file of 1,000,000 blocks makes, per block,
# with strace. Usage: bench/wrp_syscalls.sh [build dir] (default build/native).
set -euo pipefail
build=${1:-build/native}
file=$(mktemp --suffix=.WRP)
trap 'rm -f "$file"' EXIT
python3 - "$file" <<'PY'
import struct, sys
block = bytearray(32); block[0] = 0x57
struct.pack_into("<i", block, 13, 5); struct.pack_into("<i", block, 23, 40)
open(sys.argv[1], "wb").write(bytes(block) * 1000000)
PY
calls=$(strace -f -c "$build/bench/pack_size" "$file" 2>&1 >/dev/null | awk '/total/ {print $4}')
echo "system calls: $calls for 1000000 blocks"
awk -v c="$calls" 'BEGIN { printf "system calls per block: %.3f (goal: at most 2)\n", c / 1000000 }'
