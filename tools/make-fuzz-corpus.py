#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/: archives from real
writers (zip, Python's zipfile, 7z, bsdtar), the sample kit's files and crafted damaged cases,
each in the input layout its target reads. Writers that are not installed are skipped."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
kit = os.path.join(root, "examples", "kit")
corpus = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "fuzz", "corpus")


def put(target, name, data):
    folder = os.path.join(corpus, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def provider_string(text):
    """The encoding FuzzedDataProvider.ConsumeRandomLengthString reads back as text."""
    return text.replace(b"\\", b"\\\\") + b"\\;"


# zip_fuzz reads from the end: the name index (0 a.zip, 1 a.exe, 2 a), then whether a companion
# and a first part follow; from the front those two, then the archive itself.
def zip_seed(archive, name_index=0, companion=None, part=None):
    front = b""
    if companion is not None:
        front += provider_string(companion)
    if part is not None:
        front += provider_string(part)
    tail = bytes([1 if part is not None else 0, 1 if companion is not None else 0, name_index])
    return front + archive + tail


def member_files(folder):
    names = {"README.TXT": b"Sample product\r\n" * 20, "BIN/SETUP.EXE": bytes(range(256)) * 8,
             "BIN/CORE.DLL": b"MZ" + bytes(500), "empty.txt": b""}
    for name, data in names.items():
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    return sorted(names)


def real_writers(work):
    files = member_files(os.path.join(work, "in"))
    src = os.path.join(work, "in")
    out = {}

    def run(name, args):
        if shutil.which(args[0]) is None:
            print("skipped (not installed):", args[0])
            return
        target = os.path.join(work, name)
        subprocess.run(args + [target] + files, cwd=src, check=True, stdout=subprocess.DEVNULL)
        with open(target, "rb") as f:
            out[name] = f.read()

    run("infozip-deflate.zip", ["zip", "-q", "-X"])
    run("infozip-store.zip", ["zip", "-q", "-0"])
    run("7z-deflate.zip", ["7z", "a", "-tzip", "-bd"])
    run("bsdtar.zip", ["bsdtar", "--format", "zip", "-cf"])
    for method, label in ((zipfile.ZIP_STORED, "store"), (zipfile.ZIP_DEFLATED, "deflate")):
        target = os.path.join(work, "python-%s.zip" % label)
        with zipfile.ZipFile(target, "w", method) as z:
            for name in files:
                z.write(os.path.join(src, name), name)
            z.comment = b"written by zipfile"
        with open(target, "rb") as f:
            out["python-%s.zip" % label] = f.read()
    if shutil.which("zip"):
        # A split archive: zip -s writes .z01 parts and the .zip holding the directory.
        subprocess.run(["zip", "-q", "-s", "64k", "-X", os.path.join(work, "split.zip")]
                       + files, cwd=src, check=True)
        with open(os.path.join(work, "split.zip"), "rb") as f:
            last = f.read()
        first_part = os.path.join(work, "split.z01")
        first = open(first_part, "rb").read() if os.path.exists(first_part) else b""
        out["infozip-split"] = (last, first)
    return out


def local_header(name, compressed, uncompressed, flag=0):
    return struct.pack("<IHHHIIiIHH", 0x04034B50, 20, flag, 0, 0, 0, compressed, uncompressed,
                       len(name), 0) + name


def end_record(entries, dir_size, dir_offset, disk=0, comment=b""):
    return struct.pack("<IHHHHIIH", 0x06054B50, disk, disk, entries, entries, dir_size,
                       dir_offset, len(comment)) + comment


def crafted_zips():
    cases = {}
    # Overlapping local headers: each one's negative size sends the next into its own name.
    cases["overlapping-locals"] = local_header(b"a" * 40, -40, 7) * 4
    cases["long-name-negative-skip"] = local_header(b"PK\x03\x04\x14\x00" * 40, -200, 1)
    # An end record whose directory offset points at nothing: the rebuild from local headers.
    body = local_header(b"A.TXT", 3, 3) + b"abc" + local_header(b"B.EXE", 2, 9) + b"xy"
    cases["bad-directory-offset"] = body + end_record(2, 46, 0x1000)
    cases["zip64-offset"] = body + end_record(1, 46, 0xFFFFFFFF)
    cases["comment-with-signature"] = end_record(0, 0, 0, comment=b"PK\x05\x06" + bytes(18))
    cases["only-end-record"] = end_record(0, 0, 0)
    # ZIP64: an end record found through its locator, behind a classic one of all ones; and an
    # entry whose size and offset its extra field carries.
    central = (struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 45, 45, 0, 0, 0, 0, 0, 3, 0xFFFFFFFF, 5, 20,
                           0, 0, 0, 0, 0xFFFFFFFF) + b"A.TXT" + struct.pack("<HHQQ", 1, 16, 3, 0))
    zip64 = local_header(b"A.TXT", 3, 3) + b"abc" + central
    record = struct.pack("<IQHHIIQQQQ", 0x06064B50, 44, 45, 45, 0, 0, 1, 1, len(central), len(zip64) - len(central))
    locator = struct.pack("<IIQI", 0x07064B50, 0, len(zip64), 1)
    cases["zip64-end-record"] = (zip64 + record + locator +
                                 struct.pack("<IHHHHIIH", 0x06054B50, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                             0xFFFFFFFF, 0xFFFFFFFF, 0))
    cases["zip64-extra-field"] = zip64 + end_record(1, len(central), len(zip64) - len(central))
    # The same behind data that its offsets leave out: the record before the locator is found.
    cases["zip64-behind-stub"] = b"MZ" * 32 + cases["zip64-end-record"]
    # A count field that says fewer headers than the directory holds: they are read on.
    plain = (struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 20, 0, 0, 0, 0, 0, 3, 3, 5, 0, 0, 0, 0, 0, 0)
             + b"A.TXT")
    cases["count-past-its-field"] = (local_header(b"A.TXT", 3, 3) + b"abc" + plain * 2 +
                                     end_record(1, 2 * len(plain), 38))
    return cases


def zip_corpus(work):
    for name, data in real_writers(work).items():
        if name == "infozip-split":
            last, first = data
            put("zip_fuzz", "infozip-split", zip_seed(last, part=first))
            continue
        put("zip_fuzz", name, zip_seed(data))
        put("zip_fuzz", name + "-as-exe", zip_seed(data, name_index=1))
        put("zip_fuzz", name + "-truncated-with-companion",
            zip_seed(data[: len(data) // 2], companion=data[len(data) // 2:]))
    for name, data in crafted_zips().items():
        put("zip_fuzz", name, zip_seed(data))
    for name in sorted(os.listdir(kit)):
        if name.upper().endswith(".ZIP"):
            with open(os.path.join(kit, name), "rb") as f:
                put("zip_fuzz", "kit-" + name, zip_seed(f.read()))


def wrp_header(tag, data_length, unpacked):
    header = bytearray(27)
    header[0] = tag
    struct.pack_into("<i", header, 13, data_length)
    struct.pack_into("<i", header, 23, unpacked)
    return bytes(header)


def wrp_corpus():
    for name in sorted(os.listdir(kit)):
        if name.upper().endswith(".WRP"):
            with open(os.path.join(kit, name), "rb") as f:
                put("wrp_fuzz", "kit-" + name, f.read())
    put("wrp_fuzz", "first-block-65536", wrp_header(1, 0, 65536))
    put("wrp_fuzz", "negative-later-length", wrp_header(1, 2, 5) + b"xy" + wrp_header(1, -29, 5) + bytes(40))
    put("wrp_fuzz", "torn-second-header", wrp_header(1, 3, 10) + b"abc" + bytes(10))
    put("wrp_fuzz", "other-tag", wrp_header(1, 0, 1) + wrp_header(1, 0, 2) + wrp_header(2, 0, 3) + bytes(30))


def inifile_corpus():
    with open(os.path.join(kit, "SETUP.INI"), "rb") as f:
        put("inifile_fuzz", "kit-SETUP.INI", f.read())
    put("inifile_fuzz", "layout", b"; top\n[A]\nx=1\ny=2\n; about B\n[B]\nz=3")
    put("inifile_fuzz", "line-ends", b"[A]\r\nk=1\rj=2\n\n[ B ]\r\n [C]\n[a]b]\n[]\n=v\n")
    put("inifile_fuzz", "numbers", b"[N]\na=0x1F\nb=$FFFFFFFF\nc=-2147483648\nd=2147483648\ne= 12\nf=x1F\n")
    put("inifile_fuzz", "nul-byte", b"[A]\nk=1\x00[B]\nj=2\n")


def masks_corpus():
    # masks_fuzz reads the mask and the name from the front, the code-page choice from the end.
    pairs = [(b"*.EXE", b"SETUP.EXE"), (b"[a-m]*.d?l", b"core.dll"), (b"[!0-9]*", b"x1"),
             (b"*.*", b"noext"), (b"\x82\xa0*\\[", b"\x82\xa0\\"), (b"[\x81", b"a"),
             (b"$$$$$$$$.$$$", b"$$$$$$$$.$$$")]
    for i, (mask, name) in enumerate(pairs):
        for two_byte in (0, 1):
            put("masks_fuzz", "mask-%d-%d" % (i, two_byte), provider_string(mask) + name + bytes([two_byte]))


def diff_corpus():
    # diff_fuzz: the first byte says where the second text begins.
    with open(os.path.join(kit, "SETUP.INI"), "rb") as f:
        ini = f.read()
    updated = ini.replace(b"Size=", b"Size=1", 3)
    for name, before, after in [("kit-update", ini, updated), ("line-ends", b"a\r\nb\nc", b"a\nb\r\nc\n"),
                                ("empty-to-text", b"", b"x\n")]:
        put("diff_fuzz", name, bytes([len(before) % 256]) + before + after)


def glossa_image_corpus():
    # glossa_image_fuzz reads a module file; the built one where the win32 flavour made it.
    dll = os.path.join(root, "build", "win32", "langmodule", "Glossa.dll")
    if os.path.exists(dll):
        with open(dll, "rb") as f:
            put("glossa_image_fuzz", "Glossa.dll", f.read())
    put("glossa_image_fuzz", "dos-stub-only", b"MZ" + bytes(58) + struct.pack("<I", 64) + b"PE\0\0")


with tempfile.TemporaryDirectory() as work:
    zip_corpus(work)
wrp_corpus()
inifile_corpus()
masks_corpus()
diff_corpus()
glossa_image_corpus()
