#!/usr/bin/env bash
# Runs the console front end on kits written here: listing, update, check, diff, a failing
# section, an error that ends the pass, TSV and JSON read back.
# Usage: cli_e2e.sh [RUNNER...] PROGRAM
#   PROGRAM is the native binary or the .exe; RUNNER is what starts it (tools/wine-run.sh,
#   wine64, ...). A lone .exe runs under $PK_WINE (default: wine).
set -uo pipefail
cli=("$@")
if [ "$#" -eq 1 ] && [[ "$1" == *.exe ]]; then
  read -ra runner <<<"${PK_WINE:-wine}"
  cli=("${runner[@]}" "$1")
fi
work=$(mktemp -d)
trap '[ -n "${PK_KEEP:-}" ] || rm -rf "$work"' EXIT
. "$(dirname "$0")/../support/check.sh"

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
def write(name, text):
    open(os.path.join(kit, name), "wb").write(text.encode("cp1252"))
# Mixed line ends, runs of blank lines, a comment and no line end at the very end: the update
# rewrites the layout as well as the sizes, and the diff must carry all of it.
base = ("; kit\r\n[BDE]\r\nSize=1\r\nPackfile=B.ZIP\r\nFiles=*.EXE\r\n\r\n\r\n[IMainOption1]\nx=1\n"
        "[ISubOption1.1]\r\nSize=5\r\nPackFile=A.WRP\r\n[ISubOption1.2]\r\nPackFile=Caf\u00e9.WRP")
write("STALE.INI", base)
write("FAIL.INI", base + "\r\n[ISubOption1.3]\r\nSize=7\r\nPackFile=GONE.WRP\r\n")
write("ERROR.INI", base + "\r\n[ISubOption1.3]\r\nSize=7\r\nPackFile=GONE.ZIP\r\n")
PY

cd "$work"
run() { "${cli[@]}" "$@"; }

# Listing
cp STALE.INI list.ini
out=$(run list.ini); rc=$?
check "listing exits 0" '[ $rc -eq 0 ]'
check "listing shows NOT UPDATED" 'grep -q "ISubOption1.1 .*NOT UPDATED" <<<"$out"'
check "listing writes nothing" 'cmp -s list.ini STALE.INI'

# Check on a stale kit: exit 4, the file untouched, the diff that the update would apply
cp STALE.INI stale.ini
run --check stale.ini >/dev/null 2>err.txt; rc=$?
check "check on a stale kit exits 4" '[ $rc -eq 4 ]'
check "check on a stale kit writes nothing" 'cmp -s stale.ini STALE.INI && [ "$(ls stale.ini*)" = stale.ini ]'
run --check --diff stale.ini >check.diff 2>err.txt; rc=$?
check "check --diff exits 4 and writes nothing" '[ $rc -eq 4 ] && cmp -s stale.ini STALE.INI'
check "the diff shows the new size" 'grep -q "^+Size=5000" check.diff && grep -q "^-Size=1" check.diff'

cp STALE.INI updated.ini
run --update --diff updated.ini >update.diff 2>err.txt; rc=$?
check "update --diff exits 0" '[ $rc -eq 0 ]'
check "update writes CR LF lines" '[ "$(grep -c $'"'"'\r$'"'"' updated.ini)" -eq "$(wc -l <updated.ini)" ]'
check "update and check print the same diff" '[ -s update.diff ] && sed "s/stale.ini/updated.ini/" check.diff | cmp -s - update.diff'
cp STALE.INI patched.ini
check "the diff applied with patch gives the updated bytes" \
  'patch -s patched.ini <update.diff && cmp patched.ini updated.ini'

# Check on an up-to-date kit: exit 0, nothing written, an empty diff
cp updated.ini fresh.ini
run --check fresh.ini >/dev/null; rc=$?
check "check on an up-to-date kit exits 0" '[ $rc -eq 0 ] && cmp -s fresh.ini updated.ini'
out=$(run --check --diff fresh.ini); rc=$?
check "its diff is empty" '[ $rc -eq 0 ] && [ -z "$out" ] && cmp -s fresh.ini updated.ini'

# TSV carries plain numbers
cp STALE.INI tsv.ini
out=$(run --check --format tsv tsv.ini | tr -d '\r'); rc=$?
check "tsv header" 'grep -qP "^section\tpackSet\tstoredSize\tmeasuredSize\tstatus\tchanged$" <<<"$out"'
check "tsv rows carry plain numbers" 'grep -qP "^BDE\tB.ZIP\t1\t5000\tmeasured\ttrue$" <<<"$out" &&
  grep -qP "^ISubOption1.1\tA.WRP\t5\t1234\tmeasured\ttrue$" <<<"$out" &&
  LC_ALL=C grep -qP "^ISubOption1.2\tCaf\xC3\xA9.WRP\t\t\tnot-updated\tfalse$" <<<"$out"'

# JSON, checked against the documented fields
validate() {  # validate EXPECTED-EXIT-CODE: the JSON on standard input
  python3 -c '
import json, sys
r = json.load(sys.stdin)
want = int(sys.argv[1])
assert r["version"] == 1, r
assert set(r) == {"version", "mode", "iniFile", "packFilesDir", "sections", "kit", "error", "summary"}, r.keys()
k = r["kit"]
assert set(k) == {"unreachedSections", "unnamedPackFiles", "notes", "warnings"}, k
assert all(set(u) == {"name", "reason"} for u in k["unreachedSections"]), k
assert len(k["warnings"]) >= len(k["unreachedSections"]) + len(k["unnamedPackFiles"]), k
assert r["mode"] in ("list", "update", "check") and isinstance(r["iniFile"], str) and isinstance(r["packFilesDir"], str)
for s in r["sections"]:
    assert set(s) == {"name", "packSet", "storedSize", "measuredSize", "status", "changed", "messages",
                      "packFiles", "warnings"}, s
    for p in s["packFiles"]:
        assert set(p) == {"path", "kind", "size", "entries", "matched", "source", "parts", "countField", "warnings",
                          "notes"}, p
        assert p["countField"] is None or p["countField"] == p["entries"] % 65536, p
        assert p["kind"] in ("wrp", "zip") and (p["entries"] is None) == (p["kind"] == "wrp" or p["size"] is None), p
    assert s["warnings"] == [w for p in s["packFiles"] for w in p["warnings"]], s
    if s["status"] == "measured" and s["packFiles"]:
        assert sum(p["size"] for p in s["packFiles"]) == s["measuredSize"], s
    assert s["status"] in ("measured", "failed", "not-updated"), s
    for k in ("storedSize", "measuredSize"):
        assert s[k] is None or type(s[k]) is int, s
    assert (s["measuredSize"] is not None) == (s["status"] == "measured"), s
    assert s["changed"] == (s["status"] == "measured" and s["measuredSize"] != s["storedSize"]), s
    assert all(isinstance(m, str) for m in s["messages"]), s
m = r["summary"]
assert m["exitCode"] == want and (r["error"] is None) == (want != 1), r
assert m["sections"] == len(r["sections"])
for key, status in (("measured", "measured"), ("failed", "failed"), ("notUpdated", "not-updated")):
    assert m[key] == sum(s["status"] == status for s in r["sections"]), (key, m)
assert m["changed"] == sum(s["changed"] for s in r["sections"])
print(json.dumps(r))
' "$1"
}
cp FAIL.INI fail.ini
run --check --format json fail.ini >fail.json 2>err.txt; rc=$?
check "check with a failing section exits 3" '[ $rc -eq 3 ]'
check "its message is on standard error" 'grep -q "GONE.WRP\" does not exist" err.txt'
check "check with a failing section writes nothing" 'cmp -s fail.ini FAIL.INI'
check "json of the failing kit matches the schema" 'validate 3 <fail.json >fail.checked'
check "json sections" 'python3 -c "
import json, sys
s = {x[\"name\"]: x for x in json.load(open(\"fail.json\"))[\"sections\"]}
assert s[\"BDE\"][\"storedSize\"] == 1 and s[\"BDE\"][\"measuredSize\"] == 5000 and s[\"BDE\"][\"changed\"]
assert s[\"ISubOption1.2\"][\"packSet\"] == \"Caf\u00e9.WRP\" and s[\"ISubOption1.2\"][\"storedSize\"] is None
g = s[\"ISubOption1.3\"]
assert g[\"status\"] == \"failed\" and g[\"measuredSize\"] is None and \"GONE.WRP\" in g[\"messages\"][0], g
"'

cp ERROR.INI error.ini
run --check --format json error.ini >error.json 2>err.txt; rc=$?
check "an error that ends the pass exits 1" '[ $rc -eq 1 ] && cmp -s error.ini ERROR.INI'
check "the error is on standard error" 'grep -q "Cannot open file" err.txt'
check "json of the failed pass names the error" 'validate 1 <error.json | grep -q "Cannot open file"'
run --update error.ini >/dev/null 2>&1; rc=$?
check "update with that error exits 1 and writes nothing" '[ $rc -eq 1 ] && cmp -s error.ini ERROR.INI'

# The account: --explain under each row, --strict failing on a warning, after 1 and 3, before 4
printf '[BDE]\r\nSize=5000\r\nPackfile=B.ZIP;A.WRP\r\nFiles=*.DLL\r\n' >warn.ini
out=$(run --check --explain warn.ini 2>err.txt); rc=$?
out=${out//$'\r'/}  # a Windows console's line ends
check "a stale kit with a warning exits 4 without --strict" '[ $rc -eq 4 ]'
check "--explain shows each pack file" 'grep -q "^    ZIP .*B.ZIP: 0 bytes; 2 entries from the central directory; matched \*.DLL: 0$" <<<"$out" && grep -q "^    WRP .*A.WRP: 1234 bytes$" <<<"$out"'
check "--explain shows the warning" 'grep -q "^    warning: .*B.ZIP: no mask matched any of its 2 entries$" <<<"$out"'
run --check --strict warn.ini >/dev/null 2>&1; rc=$?
check "--strict ranks a warning before a stale size" '[ $rc -eq 5 ]'
printf '[BDE]\r\nSize=1\r\nPackfile=B.ZIP\r\nFiles=*.DLL\r\n[IMainOption1]\r\nx=1\r\n[ISubOption1.1]\r\nSize=1\r\nPackFile=GONE.WRP\r\n' >warnfail.ini
run --update --strict warnfail.ini >/dev/null 2>&1; rc=$?
check "--strict ranks a failed section first" '[ $rc -eq 3 ]'
printf '[BDE]\r\nSize=6234\r\nPackfile=B.ZIP;A.WRP\r\nFiles=*.EXE\r\n' >sound.ini
run --check --strict sound.ini >/dev/null 2>&1; rc=$?
check "--strict without a warning exits 0" '[ $rc -eq 0 ]'
run --explain --format json stale.ini >/dev/null 2>&1; rc=$?
check "--explain takes the table format only" '[ $rc -eq 2 ]'

# A kit written on Windows: names in other letter case, a section the walk never reaches, a
# pack file that no section names
mkdir -p win/Data twice
cp B.ZIP win/SAMPLES.ZIP; cp B.ZIP win/Data/Tools.zip; cp A.WRP win/EXTRA.WRP; cp A.WRP win/Ready.wrp
printf '[BDE]\r\nSize=1\r\nPackfile=samples.zip;DATA\\TOOLS.ZIP;READY.WRP\r\nFiles=*.EXE\r\n[IMainOption1]\r\nx=1\r\n[ISubOption1.1]\r\nx=1\r\n[ISubOption1.3]\r\nSize=3\r\nPackFile=EXTRA.WRP\r\n' >win/SETUP.INI
out=$(run --update --explain win/setup.ini 2>err.txt); rc=$?
out=${out//$'\r'/}
check "a Windows-written kit is measured" '[ $rc -eq 0 ] && grep -q "^BDE .* 1  *11234  *X  (11233)$" <<<"$out"'
ini=win/$(ls win | grep -ix setup.ini)  # under Wine the replaced file may take the name as written
check "its SETUP.INI is replaced, no second one made" '[ "$(ls win | grep -icx setup.ini)" -eq 1 ] && grep -q "^Size=11234" $ini'
[[ "${cli[-1]}" != *.exe ]] && check "natively it keeps its name" '[ -f win/SETUP.INI ]'
check "--explain adds the kit-wide account after the last section" 'grep -q "^Kit-wide$" <<<"$out" &&
  ! sed "1,/^Kit-wide$/d" <<<"$out" | grep -vq "^    " &&
  grep -q "^    warning: ISubOption1.3: not reached, ISubOption1.2 is missing$" <<<"$out" &&
  grep -q "^    warning: .*EXTRA.WRP: named by no section$" <<<"$out"'
check "the update leaves the unreached Size as stored" 'grep -q "^Size=3" $ini'
run --check $ini >/dev/null 2>&1; rc=$?
check "kit-wide warnings keep the exit code without --strict" '[ $rc -eq 0 ]'
run --check --strict $ini >/dev/null 2>&1; rc=$?
check "--strict counts them" '[ $rc -eq 5 ]'
run --check --format json $ini >win.json 2>/dev/null
check "json carries the kit-wide account" 'validate 0 <win.json | python3 -c "
import json, sys
k = json.load(sys.stdin)[\"kit\"]
assert k[\"unreachedSections\"] == [{\"name\": \"ISubOption1.3\", \"reason\": \"ISubOption1.2 is missing\"}], k
assert [p[-9:] for p in k[\"unnamedPackFiles\"]] == [\"EXTRA.WRP\"], k
"'
if [[ "${cli[-1]}" != *.exe ]]; then
  check "the table notes names found in other letter case" 'grep -q "^    note: .*/win/SAMPLES.ZIP: found for .*/win/samples.zip, in other letter case$" <<<"$out" &&
    grep -q "^    ZIP .*/win/Data/Tools.zip: 5000 bytes" <<<"$out" && grep -q "^    note: .*/win/SETUP.INI: found for" <<<"$out"'
  cp B.ZIP twice/A.ZIP; cp B.ZIP twice/a.zip
  printf '[BDE]\r\nSize=1\r\nPackfile=a.Zip\r\n' >twice/SETUP.INI
  run --check --strict twice/SETUP.INI >/dev/null 2>err.txt; rc=$?
  check "several names differing only in case count as none, and are named" '[ $rc -eq 1 ] && grep -q "Cannot open file" err.txt &&
    grep -q "warning: .*/twice/a.Zip: several names differ from it only in letter case (.*/twice/A.ZIP, .*/twice/a.zip); taken as missing" err.txt'
fi

# Usage
run --check MISSING.INI >/dev/null 2>err.txt; rc=$?
check "a missing SETUP.INI exits 1" '[ $rc -eq 1 ] && grep -q "does not exist" err.txt'
run --format xml >/dev/null 2>&1; rc=$?
check "bad usage exits 2" '[ $rc -eq 2 ]'
run --diff stale.ini >/dev/null 2>&1; rc=$?
check "--diff alone is bad usage" '[ $rc -eq 2 ]'
out=$(run --help); rc=$?
check "help lists every exit code" '[ $rc -eq 0 ] && (for c in 0 1 2 3 4 5; do grep -q "^  $c  " <<<"$out" || exit 1; done)'

checks_summary
