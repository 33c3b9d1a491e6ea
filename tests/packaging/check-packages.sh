#!/usr/bin/env bash
# Checks the release packages after `--target package`: the Windows ZIP holds the three
# 32-bit programs, the README and the licence, matches its SHA-256 file and carries the project
# version in the programs' version resources; lintian finds no error or warning in the Debian
# package, which unpacks into a scratch root, where the console program answers --version with
# the same version, the changelog starts with it, the copyright file carries the licence and the
# manual page names every option and exit code that --help names.
# Usage: check-packages.sh NATIVE_BUILD_DIR WIN32_BUILD_DIR
set -uo pipefail
native=$(realpath "$1") win=$(realpath "$2")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$native/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/../support/check.sh"

check "the project version is known" '[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]'

here=$(dirname "$0")
zip="Paktally-$version-win32.zip"
check "$zip and its checksum exist" '[ -f "$win/$zip" ] && [ -f "$win/$zip.sha256" ]'
check "the checksum matches" '(cd "$win" && sha256sum --quiet -c "$zip.sha256")'
check "the ZIP holds 32-bit programs of this version and the licence" 'python3 - "$win/$zip" "$version" "$here/../../LICENSE" <<'"'"'PY'"'"'
import struct, sys, zipfile
path, version, licence = sys.argv[1], sys.argv[2], sys.argv[3]
major, minor, patch = map(int, version.split("."))
with zipfile.ZipFile(path) as z:
    files = {name.split("/")[-1]: name for name in z.namelist() if not name.endswith("/")}
    assert set(files) == {"Paktally.exe", "Glossa.dll", "paktally-cli.exe", "README.txt", "LICENSE.txt"}, files
    assert z.read(files["LICENSE.txt"]) == open(licence, "rb").read(), "LICENSE.txt is not the licence"
    assert version in z.read(files["README.txt"]).decode(), "README names another version"
    for name in ("Paktally.exe", "Glossa.dll", "paktally-cli.exe"):
        pe = z.read(files[name])
        assert pe[:2] == b"MZ", name
        at = struct.unpack_from("<I", pe, 0x3C)[0]
        assert pe[at:at + 4] == b"PE\0\0", name
        machine = struct.unpack_from("<H", pe, at + 4)[0]
        magic = struct.unpack_from("<H", pe, at + 24)[0]
        assert machine == 0x14C and magic == 0x10B, f"{name}: machine {machine:#x}, optional header {magic:#x}"
    for name in ("Paktally.exe", "paktally-cli.exe"):
        pe = z.read(files[name])
        fixed = pe.find(struct.pack("<I", 0xFEEF04BD))
        assert fixed > 0, f"{name} has no version resource"
        ms, ls = struct.unpack_from("<II", pe, fixed + 8)
        assert (ms, ls) == (major << 16 | minor, patch << 16), f"{name}: {ms:#x} {ls:#x}"
        assert f"{version}.0".encode("utf-16-le") in pe, f"{name}: FileVersion text"
PY'

deb="paktally-cli_${version}_$(dpkg --print-architecture).deb"
check "$deb exists" '[ -f "$native/$deb" ]'
check "the package names itself and its version" \
  '[ "$(dpkg-deb -f "$native/$deb" Package Version | tr "\n" " ")" = "Package: paktally-cli Version: $version " ]'
check "it unpacks into a scratch root" 'dpkg -x "$native/$deb" "$work/root" && [ -x "$work/root/usr/bin/paktally-cli" ]'
check "the program there answers --version" '[ "$("$work/root/usr/bin/paktally-cli" --version)" = "paktally-cli $version" ]'
check "its changelog starts with this version" \
  '[ "$(zcat "$work/root/usr/share/doc/paktally-cli/changelog.gz" | head -1 | cut -d" " -f1,2)" = "paktally-cli ($version)" ]'
check "its copyright file is machine-readable and carries the licence of LICENSE" 'python3 - "$work/root/usr/share/doc/paktally-cli/copyright" "$here/../../LICENSE" <<'"'"'PY'"'"'
import re, sys
text, licence = open(sys.argv[1]).read(), open(sys.argv[2]).read()
assert text.startswith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"), "Format"
files = next(p for p in text.split("\n\n") if p.startswith("Files: *\n"))
assert "\nCopyright: 2026 Tarvo\n" in files, "Copyright"
body = re.search(r"^License: Expat\n((?: .*\n?)+)", files, re.M).group(1)
body = "".join("\n" if line == " ." else line[1:] + "\n" for line in body.splitlines())
assert licence.endswith("\n\n" + body), "the licence text differs from LICENSE"
PY'

check "its manual page names every option and exit code of --help" \
  '"$here/check-manual-page.sh" "$work/root/usr/share/man/man1/paktally-cli.1.gz" "$work/root/usr/bin/paktally-cli" | sed "s/^/  /"'
lintian=$(lintian --fail-on none "$native/$deb" 2>&1)
check "lintian finds no error or warning" '! grep -qE "^[EW]: " <<<"$lintian"' || sed 's/^/    /' <<<"$lintian"

checks_summary
