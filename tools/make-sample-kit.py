#!/usr/bin/env python3
"""Writes the bundled sample kit: SETUP.INI and its pack files (WRP block files and ZIP
archives), byte for byte the same on every run."""
import os
import struct
import sys
import zipfile

kit = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "examples", "kit")
os.makedirs(kit, exist_ok=True)


def wrp(name, blocks, tag=0x57):
    """blocks: (unpacked size, data bytes) pairs."""
    with open(os.path.join(kit, name), "wb") as f:
        for unpacked, data in blocks:
            header = bytearray(27)
            header[0] = tag
            struct.pack_into("<i", header, 13, len(data))
            struct.pack_into("<i", header, 23, unpacked)
            f.write(bytes(header) + data)


def payload(seed, n):
    return bytes((seed * 31 + i * 7) % 251 for i in range(n))


def zipped(name, members):
    """members: (entry name, content) pairs, deflated, with a fixed time stamp."""
    with zipfile.ZipFile(os.path.join(kit, name), "w", zipfile.ZIP_DEFLATED) as z:
        for entry, content in members:
            info = zipfile.ZipInfo(entry, date_time=(2026, 11, 2, 10, 30, 0))
            info.compress_type = zipfile.ZIP_DEFLATED if content else zipfile.ZIP_STORED
            z.writestr(info, content)


wrp("CORE.WRP", [(4096, payload(1, 1200)), (4096, payload(2, 1100)), (1500, payload(3, 600))])
wrp("DRIVERS.WRP", [(8192, payload(4, 2500)), (2048, payload(5, 700))])
wrp("HELP.WRP", [(30000, payload(6, 3000))])
wrp("DEMO.WRP", [(1024, payload(7, 400)), (512, payload(8, 200))])
zipped("TOOLS.ZIP", [("TOOLS/SETUPX.EXE", payload(9, 3000) * 2),
                     ("TOOLS/README.TXT", b"Tools of the kit.\r\n" * 40),
                     ("TOOLS/HELPER.DLL", payload(10, 2500)),
                     ("TOOLS/DOCS/", b"")])
zipped("SAMPLES.ZIP", [("SAMPLES/ORDERS.DB", payload(11, 5000)),
                       ("SAMPLES/ORDERS.PX", payload(12, 800)),
                       ("SAMPLES/NOTES.TXT", b"Sample data.\r\n" * 60)])
zipped("UPDATE.ZIP", [("PATCH.EXE", payload(13, 4000)), ("PATCH.TXT", b"Changes.\r\n" * 20)])

ini = """; Setup description of the sample product
; Sizes below are stale on purpose: an update measures them again.
[Setup]
Title=Sample Product 8
DefaultDir=C:\\SAMPLE

[BDE]
Caption=Database engine
Size=9000
Packfile=DRIVERS.WRP

[IMainOption1]
Caption=Program files

[ISubOption1.1]
Caption=Core program
PackFile=CORE.WRP;TOOLS.ZIP
Files=*.EXE;*.DLL
Size=12000

[ISubOption1.2]
Caption=Online help
PackFile=HELP.WRP
Size=30000
; help is optional

[ISubOption1.3]
Caption=Program group
Files=$$$$$$$$.$$$
Size=77

[IMainOption2]
Caption=Samples

[ISubOption2.1]
Caption=Sample database
PackFile=SAMPLES.ZIP
Files=*.DB;*.PX
Size=1

[ISubOption2.2]
Caption=Demo
PackFile=DEMO.WRP
Size=1536

[UMainOption1]
Caption=Update

; the patch set
[USubOption1.1]
Caption=Patch
PackFile=UPDATE.ZIP
Files=
Size=0
"""
with open(os.path.join(kit, "SETUP.INI"), "wb") as f:
    f.write(ini.replace("\n", "\r\n").encode("ascii"))
