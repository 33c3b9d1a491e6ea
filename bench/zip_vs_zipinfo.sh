#!/usr/bin/env bash
# Measures ZIP sizing against `zipinfo -t` and Python's zipfile on archives of 65,535 entries
# named dir<i%97>/file<i>.txt, side by side in one run: wall time per run of the reader
# (pack_size), of a whole console update of a kit whose one section names the archive
# (paktally-cli, process start included; also with --explain, which keeps the account of
# every pack file) and of the peers, then callgrind instruction counts,
# which stay the same from run to run where wall times on a busy machine do not.
# Usage: zip_vs_zipinfo.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-$(dirname "$0")/../build/native}
runs=${2:-20}
pack_size=$build/bench/pack_size
cli=$build/cli/paktally-cli
[ -x "$pack_size" ] && [ -x "$cli" ] || { echo "build the pack_size and paktally-cli targets first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work" <<'PY'
import struct, sys, zipfile
work = sys.argv[1]
for name, method in (('stored', zipfile.ZIP_STORED), ('deflated', zipfile.ZIP_DEFLATED)):
    with zipfile.ZipFile('%s/%s.zip' % (work, name), 'w', method) as z:
        for i in range(65535):
            z.writestr('dir%d/file%d.txt' % (i % 97, i), 'x' * (i % 50))
# The same stored archive with its central directory in reverse data order.
data = open(work + '/stored.zip', 'rb').read()
end = data.rindex(b'PK\x05\x06')
count, size, offset = struct.unpack('<HII', data[end + 10:end + 20])
records, at = [], offset
for _ in range(count):
    n, m, k = struct.unpack('<HHH', data[at + 28:at + 34])
    records.append(data[at:at + 46 + n + m + k])
    at += 46 + n + m + k
open(work + '/reversed.zip', 'wb').write(data[:offset] + b''.join(reversed(records)) + data[offset + size:])
PY
python=/usr/bin/python3  # Debian's, without a version manager's start-up in the times
sum_py='import sys, zipfile; print(sum(i.file_size for i in zipfile.ZipFile(sys.argv[1]).infolist()))'

# Wall time and processor time (user + system) per run, in microseconds: the median wall
# time, and the mean processor time, of runs started straight from a small timer (no shell
# between), with the programs of one case taking turns so that a busy spell of the machine
# falls on all of them alike. On a shared machine the wall time also holds the waits for a
# processor; the processor time does not. Prints one line per program, in order.
#   time_runs -- PROGRAM ARGS... -- PROGRAM ARGS... ...
time_runs() {
  "$python" - "$runs" "$@" <<'TIMER'
import resource, statistics, subprocess, sys, time
runs, programs = int(sys.argv[1]), []
for word in sys.argv[2:]:
    if word == '--':
        programs.append([])
    else:
        programs[-1].append(word)
walls = [[] for _ in programs]
cpus = [0.0] * len(programs)
for _ in range(runs):
    for i, program in enumerate(programs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(program, stdout=subprocess.DEVNULL, check=True)
        walls[i].append(time.perf_counter() - start)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpus[i] += after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime
for wall, cpu in zip(walls, cpus):
    print(int(statistics.median(wall) * 1e6), int(cpu * 1e6 / runs))
TIMER
}
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
# One row: case, program, then wall, processor time and instructions with their ratios to zipinfo's.
row() {
  awk -v c="$1" -v p="$2" -v w="$3" -v t="$4" -v i="$5" -v zw="$6" -v zt="$7" -v zi="$8" 'BEGIN {
    printf "%-26s %-12s %9d %9d %6.2f %6.2f", c, p, w, t, w / zw, t / zt
    if (i != "-") printf " %11d %6.2f\n", i, i / zi; else printf " %11s %6s\n", "-", "-" }'
}

echo "65535 entries per archive; times in us per run (wall: median of $runs, cpu: mean); Ir = instructions (callgrind)"
printf '%-26s %-12s %9s %9s %6s %6s %11s %6s\n' case program wall cpu w/zi c/zi Ir Ir/zi
for case in 'stored *' 'stored *.txt;*.dll;*.hlp' 'reversed *' 'deflated *'; do
  archive=$work/${case%% *}.zip
  masks=${case#* }
  # All must agree before their times mean anything.
  ours=$("$pack_size" "$archive" "$masks")
  theirs=$(zipinfo -t "$archive" | sed -n 's/.* \([0-9]*\) bytes uncompressed.*/\1/p')
  peer=$("$python" -c "$sum_py" "$archive")
  [ "$ours" = "$theirs" ] && [ "$ours" = "$peer" ] ||
    { echo "totals differ on $case: pack_size $ours, zipinfo $theirs, zipfile $peer" >&2; exit 1; }
  printf '[BDE]\r\nSize=1\r\nPackfile=%s\r\nFiles=%s\r\n' "$(basename "$archive")" "$masks" > "$work/SETUP.INI"

  { read -r zw zt; read -r pw pt; read -r cw ct; read -r ew et; read -r yw yt; } < <(time_runs \
    -- zipinfo -t "$archive" -- "$pack_size" "$archive" "$masks" -- "$cli" --update --quiet "$work/SETUP.INI" \
    -- "$cli" --check --explain "$work/SETUP.INI" -- "$python" -c "$sum_py" "$archive")
  zi=$(instructions zipinfo -t "$archive")
  row "$case" pack_size "$pw" "$pt" "$(instructions "$pack_size" "$archive" "$masks")" "$zw" "$zt" "$zi"
  row "$case" paktally-cli "$cw" "$ct" "$(instructions "$cli" --update --quiet "$work/SETUP.INI")" "$zw" "$zt" "$zi"
  row "$case" "cli --explain" "$ew" "$et" "$(instructions "$cli" --check --explain "$work/SETUP.INI")" "$zw" "$zt" "$zi"
  row "$case" "zipinfo -t" "$zw" "$zt" "$zi" "$zw" "$zt" "$zi"
  row "$case" zipfile "$yw" "$yt" - "$zw" "$zt" "$zi"
done
echo "goals: pack_size at most 0.5 of zipinfo in wall time and instructions; paktally-cli at most 1.0 in wall time"
