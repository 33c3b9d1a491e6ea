#!/usr/bin/env bash
# Runs the console front end on kits written here: listing, update, a failing section, an
# error that ends the pass, JSON read back. Usage: cli_e2e.sh COMMAND... (the program to run,
# e.g. the native binary, or tools/wine-run.sh with the .exe).
set -uo pipefail
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
check() { if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; fails=$((fails + 1)); fi; }

python3 - "$work" <<'PY'
import os, struct, sys, zipfile
kit = sys.argv[1]
def wrp(name, blocks):
    with open(os.path.join(kit, name), "wb") as f:
        for unpacked, data in blocks:
            h = bytearray(27); h[0] = 0x57
            struct.pack_into("<i", h, 13, len(data)); struct.pack_into("<i", h, 23, unpacked)
            f.write(bytes(h) + data)
wrp("A.WRP", [(1000, b"xx"), (234, b"y")])
with zipfile.ZipFile(os.path.join(kit, "B.ZIP"), "w") as z:
    z.writestr("SETUP.EXE", b"e" * 5000); z.writestr("README.TXT", b"r" * 70)
ini = "[BDE]\nSize=1\nPackfile=B.ZIP\nFiles=*.EXE\n[IMainOption1]\nx=1\n[ISubOption1.1]\nSize=5\nPackFile=A.WRP\n"
open(os.path.join(kit, "SETUP.INI"), "w", newline="").write(ini)
open(os.path.join(kit, "FAIL.INI"), "w", newline="").write(ini + "[ISubOption1.2]\nSize=7\nPackFile=GONE.WRP\n")
open(os.path.join(kit, "ERROR.INI"), "w", newline="").write(ini + "[ISubOption1.2]\nSize=7\nPackFile=GONE.ZIP\n")
PY

cd "$work"
out=$("${cli[@]}" SETUP.INI); rc=$?
check "listing exits 0" '[ $rc -eq 0 ]'
check "listing shows NOT UPDATED" 'grep -q "ISubOption1.1 .*NOT UPDATED" <<<"$out"'
check "listing writes nothing" 'grep -q "^Size=5" SETUP.INI'

out=$("${cli[@]}" --update --format tsv SETUP.INI); rc=$?
check "update exits 0" '[ $rc -eq 0 ]'
check "update rows" 'grep -qP "^BDE\tB.ZIP\t1\t5000\tX  \(4999\)" <<<"$out"'
check "update writes sizes" 'tr -d "\r" < SETUP.INI | grep -q "^Size=1234$"'

cp FAIL.INI before.ini
out=$("${cli[@]}" --update --format json FAIL.INI 2>err.txt); rc=$?
check "a failing section exits 3" '[ $rc -eq 3 ]'
check "its message on standard error" 'grep -q "GONE.WRP\" does not exist" err.txt'
check "json reads back" 'python3 -c "import json,sys; r=json.loads(sys.argv[1]); assert r[2][\"newSize\"]==\"(Error)\" and r[2][\"messages\"], r" "$out"'

cp ERROR.INI before.ini
"${cli[@]}" --update ERROR.INI >out.txt 2>err.txt; rc=$?
check "an error that ends the pass exits 1" '[ $rc -eq 1 ]'
check "the file is untouched" 'cmp -s ERROR.INI before.ini'
check "the error is on standard error" 'grep -q "Cannot open file" err.txt'

"${cli[@]}" --update MISSING.INI >/dev/null 2>err.txt; rc=$?
check "a missing SETUP.INI exits 1" '[ $rc -eq 1 ] && grep -q "does not exist" err.txt'
"${cli[@]}" --format xml >/dev/null 2>&1; rc=$?
check "bad usage exits 2" '[ $rc -eq 2 ]'

echo "$((14 - fails)) passed, $fails failed"
[ "$fails" -eq 0 ]
