#!/usr/bin/env bash
# Times the reader (the pack_size command) and a whole console update of a kit whose one
# section names the archive (paktally-cli, process start included) against `zipinfo -t` on one
# archive of 65,535 entries, side by side in one run, and prints the ratios.
# Usage: zip_vs_zipinfo.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-$(dirname "$0")/../build/native}
runs=${2:-20}
pack_size=$build/bench/pack_size
[ -x "$pack_size" ] || { echo "build the pack_size target first ($pack_size)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/big.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_STORED) as z:
    for i in range(65535):
        z.writestr('dir%d/file%d.txt' % (i % 97, i), 'x' * (i % 50))
PY

# Both must agree before their times mean anything.
ours=$("$pack_size" "$work/big.zip" "*")
theirs=$(zipinfo -t "$work/big.zip" | sed -n 's/.* \([0-9]*\) bytes uncompressed.*/\1/p')
[ "$ours" = "$theirs" ] || { echo "totals differ: pack_size $ours, zipinfo $theirs" >&2; exit 1; }

time_runs() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do "$@" >/dev/null; done
  end=$(date +%s%N)
  echo $(( (end - start) / runs / 1000 ))
}
printf '[BDE]\r\nSize=1\r\nPackfile=big.zip\r\nFiles=*\r\n' > "$work/SETUP.INI"
ours_us=$(time_runs "$pack_size" "$work/big.zip" "*")
cli_us=$(time_runs "$build/cli/paktally-cli" --update --quiet "$work/SETUP.INI")
zipinfo_us=$(time_runs zipinfo -t "$work/big.zip")
echo "archive: 65535 entries, total $ours bytes; $runs runs each"
echo "pack_size:        ${ours_us} us per run"
echo "paktally-cli:     ${cli_us} us per run"
echo "zipinfo -t:       ${zipinfo_us} us per run"
awk -v a="$zipinfo_us" -v b="$ours_us" -v c="$cli_us" \
  'BEGIN { printf "zipinfo -t / pack_size = %.2f, zipinfo -t / paktally-cli = %.2f (goal: 2)\n", a / b, a / c }'
