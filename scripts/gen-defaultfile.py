#!/usr/bin/env python3
"""Writes resources/DEFAULTFILE.bin, the empty register-only document that New loads.

Layout: the template signature zero-padded to 69 bytes, message code 0x102, body
length 656, then 82 empty items {id, 0}: 0x12000..0x1201F (ids no block carries,
skipped on load) and the 50 register blocks 0x12050..0x12081. The stored file
stops one byte short of the stated length (732 bytes): the missing high byte of
the last length field reads as zero.
"""
import pathlib
import struct
import sys

SIGNATURE = b"QEBCODE001|ZOD|TAROVENQEBNS|ALL"
ids = list(range(0x12000, 0x12020)) + list(range(0x12050, 0x12082))
body = b"".join(struct.pack("<II", i, 0) for i in ids)
data = SIGNATURE.ljust(69, b"\0") + struct.pack("<II", 0x102, len(body)) + body
data = data[:732]
assert len(data) == 732 and len(body) == 656
out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                   pathlib.Path(__file__).resolve().parent.parent / "resources" / "DEFAULTFILE.bin")
out.write_bytes(data)
