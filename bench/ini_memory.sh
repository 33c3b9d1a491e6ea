#!/usr/bin/env bash
# Peak memory of loading an INI document against the file's size: a file of line ends only,
# and one shaped like a large SETUP.INI. The goal is at most 4 times the file size plus the
# program's own footprint, which an empty file shows.
# Usage: ini_memory.sh [BUILD_DIR] [MEGABYTES]
set -eu
build=${1:-$(dirname "$0")/../build/native}
megabytes=${2:-20}
load=$build/bench/ini_load
[ -x "$load" ] || { echo "build the ini_load target first ($load)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bytes=$((megabytes * 1024 * 1024))
: > "$work/empty.ini"
head -c "$bytes" /dev/zero | tr '\0' '\n' > "$work/line-ends.ini"
python3 - "$work/setup.ini" "$bytes" <<'PY'
import sys
out, size, parts, i = sys.argv[1], int(sys.argv[2]), [], 0
total = 0
while total < size:
    s = "[ISubOption%d]\r\nCaption=Option %d\r\nSize=123456\r\nPackFile=P%d.WRP;more.zip\r\nFiles=*.*\r\n; note\r\n" % (i, i, i)
    parts.append(s); total += len(s); i += 1
open(out, "w", newline="").write("".join(parts))
PY

peak_kb() { /usr/bin/time -f '%M' "$load" "$1" 2>&1 >/dev/null | tail -1; }
base=$(peak_kb "$work/empty.ini")
echo "empty file: peak ${base} kB (the constant)"
for f in line-ends setup; do
  size_kb=$(( $(stat -c %s "$work/$f.ini") / 1024 ))
  peak=$(peak_kb "$work/$f.ini")
  awk -v n="$f" -v s="$size_kb" -v p="$peak" -v b="$base" \
    'BEGIN { printf "%-10s %7d kB file, peak %7d kB, (peak - constant) / size = %.2f (goal: at most 4)\n", n, s, p, (p - b) / s }'
done
