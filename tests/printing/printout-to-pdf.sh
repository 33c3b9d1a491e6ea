#!/usr/bin/env bash
# A real printout under Wine: prints through a CUPS PDF queue, the default printer of a CUPS
# scheduler of the test's own (see private-cups.sh), and checks the PDF that comes out.
#   printout-to-pdf.sh <program.exe> <checker.py>
# The checker gets the program's output and the PDF. With PK_PRINT_RUNS (e.g. "A4@96
# Letter@144") the program prints once for each paper size and screen resolution, and the
# checker gets every PDF, named <paper>@<dpi>.pdf.
# Wine lists the CUPS queues once per prefix and keeps that list while a process that loaded
# the spooler lives, so the caller runs this with no other Wine program running.
# Needs root (the scheduler's mounts, the cups-pdf backend) and CUPS with cups-pdf; without them
# it reports itself as skipped (exit code 77). It stops its scheduler and puts the prefix's
# screen resolution back.
set -u
program=${1:?} checker=${2:?}
here=$(cd "$(dirname "$0")" && pwd)
runner=$here/../../tools/wine-run.sh
queue=PaktallyTestPDF
out=${PK_BUILD_DIR:?}/printout-pdf
cups_dir=$PK_BUILD_DIR/printout-cups

skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "a CUPS scheduler with the cups-pdf backend needs root"
for tool in cupsd lpadmin lpstat pdftotext python3; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
if [ "${PK_WINE_ARCH:-win32}" = win64 ]; then
  [ -e /usr/lib/x86_64-linux-gnu/libcups.so.2 ] || skip "wine64 needs libcups2 to see printers"
else
  [ -e /usr/lib/i386-linux-gnu/libcups.so.2 ] || skip "32-bit Wine needs libcups2:i386 to see printers"
fi

. "$here/private-cups.sh"
. "$here/../../tools/screen-dpi.sh"
cleanup() {
  [ -n "${PK_PRINT_RUNS:-}" ] && restore_screen_dpi
  stop_private_cups
}
trap cleanup EXIT

rm -rf "$out" && mkdir -p "$out"
start_private_cups || { echo "the test's CUPS scheduler does not start:"; cat "$cups_dir"/log/*; exit 1; }
ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ { print $1; exit }')
[ -n "$ppd" ] || { echo "the test's CUPS scheduler knows no CUPS-PDF printer model"; exit 1; }
err=$(lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" 2>&1) || { echo "cannot add the queue: $err"; exit 1; }
lpadmin -d "$queue" || exit 1
# A default in ~/.cups/lpoptions would come before the scheduler's.
export LPDEST=$queue

# Prints once; the PDF that comes out is left as $pdf, what the program reported is added to
# reported.txt.
print_once() {
  "$runner" "$program" | tee -a "$out/reported.txt"
  rc=${PIPESTATUS[0]}
  [ $rc -eq 0 ] || { echo "the printout failed (exit code $rc)"; exit 1; }
  # The spooler hands the PDF over about a second after the document ends.
  pdf=
  for _ in $(seq 120); do
    pdf=$(ls "$out"/*.pdf 2>/dev/null | head -n 1)
    [ -n "$pdf" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
    sleep 0.5
  done
  [ -n "$pdf" ] || { echo "no PDF came out of the queue"; lpstat -W completed -o "$queue"; exit 1; }
  [ "$(ls "$out"/*.pdf | wc -l)" -eq 1 ] || { echo "more than one job came out: $(ls "$out")"; exit 1; }
  # The file can appear before cups-pdf has finished writing it.
  for _ in $(seq 60); do pdfinfo "$pdf" >/dev/null 2>&1 && break; sleep 0.5; done
  echo "printout: $pdf"
}

if [ -z "${PK_PRINT_RUNS:-}" ]; then
  print_once
  python3 "$checker" "$out/reported.txt" "$pdf"
  exit
fi
pdfs=()
mkdir -p "$out/runs"
for run in $PK_PRINT_RUNS; do
  paper=${run%@*} dpi=${run#*@}
  lpadmin -p "$queue" -o PageSize="$paper" || exit 1
  set_screen_dpi "$dpi"
  PK_SCREEN_DPI=$dpi print_once
  mv "$pdf" "$out/runs/$run.pdf"
  pdfs+=("$out/runs/$run.pdf")
done
python3 "$checker" "$out/reported.txt" "${pdfs[@]}"
