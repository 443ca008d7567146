#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: small valid inputs of each kind."""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
SETTINGS = [(0x10306, 1), (0x10308, 4), (0x10309, 4), (0x1030A, 4), (0x1030C, 1), (0x1030E, 4),
            (0x10310, 1), (0x10422, 66), (0x10423, 4), (0x10420, 1), (0x1030B, 4), (0x10312, 1),
            (0x1043A, 1), (0x10401, 22), (0x10403, 66), (0x10405, 66), (0x10406, 4), (0x10407, 4),
            (0x10408, 1), (0x1040A, 22), (0x1040B, 1), (0x1040C, 4), (0x10426, 1), (0x10428, 66),
            (0x1042A, 34), (0x10412, 66), (0x10413, 4), (0x10414, 4), (0x10416, 66), (0x10418, 34),
            (0x10522, 1), (0x10523, 1), (0x10524, 4), (0x10435, 4), (0x10436, 4), (0x10437, 4),
            (0x10438, 1), (0x10439, 1), (0x10313, 1), (0x1031C, 1), (0x20600, 4)]


def item(ident, data=b""):
    return struct.pack("<II", ident, len(data)) + data


def short_record(key, name, address):
    r = bytearray(116)
    struct.pack_into("<HB", r, 0, 0x8000 + key, 1)
    r[3:3 + len(name)] = name
    r[25] = len(name)
    r[49:49 + len(address)] = address
    r[115] = len(address)
    return bytes(r)


def long_record(key, kind, name, host, user=b"", notify=()):
    r = bytearray(1056)
    struct.pack_into("<HB", r, 0, 0x8000 + key, kind)
    r[3:3 + len(name)] = name
    r[25] = len(name)
    r[49:49 + len(host)] = host
    r[115] = len(host)
    r[116:116 + 5] = b"/scan"
    r[246] = 5
    struct.pack_into("<H", r, 248, 21)
    r[250] = 1 if notify else 0
    for i, a in enumerate(notify):
        r[251 + 67 * i:251 + 67 * i + len(a)] = a
        r[317 + 67 * i] = len(a)
    r[921] = 0 if user else 1
    r[922:922 + len(user)] = user
    r[988] = len(user)
    return bytes(r)


def full_list():
    out = b""
    for k in range(50):
        if k == 0:
            out += item(0x12050, short_record(1, b"Sales", b"sales@example.com"))
        elif k == 40:
            out += item(0x12050 + k, long_record(41, 2, b"Archive", b"ftp.example.com", b"scan",
                                                 [b"boss@example.com"]))
        else:
            out += item(0x12050 + k)
    for ident, width in SETTINGS:
        out += item(ident, bytes(range(1, width + 1)))
    return out


def settings_file(body, sig=b"QEBCODE001|ZOT|TAROVENQEBNS|ALL"):
    return sig.ljust(69, b"\0") + struct.pack("<II", 0x102, len(body)) + body


def main():
    config = bytearray(102)
    config[0:4] = b"\x01\x01\x03\x01"
    config[6:9] = b"\x01\x01\x01"
    full = full_list()
    registers_only = b"".join(item(0x12050 + k) for k in range(50))
    seeds = {
        "settings_file": {
            "full.DAT": settings_file(full + item(0x21002, bytes(config))),
            "new.DAT": settings_file(registers_only),
            "template.DAT": (HERE.parent / "resources" / "DEFAULTFILE.bin").read_bytes(),
        },
        "reply_merge": {"reply.bin": full, "unknown.bin": item(0x99999, b"xyz") + item(0x20600, b"\0" * 4)},
        "import_merge": {"full.DAT": settings_file(full + item(0x21002, bytes(config)))},
        "destination_decode": {
            "short.bin": b"\0" + short_record(8, b"Sales", b"sales@example.com"),
            "long.bin": b"\2" + long_record(46, 3, b"Share", b"\\\\server\\scans", b"user"),
        },
    }
    header = (b"key,type,name,name 2,address,directory,port,use proxy,account,user name,password,"
              b"notification," + b",".join(b"notification %d" % n for n in range(1, 11)) + b"\r\n")
    # The first byte picks the rules: bit 0 Japanese, bit 1 a code page file, bit 2 --replace.
    seeds["csv_import"] = {
        "english.csv": b"\0\xEF\xBB\xBF" + header
        + b'1,email,"Jo ""Q"", Ltd",,jo@example.com' + b"," * 17 + b"\r\n"
        + b"41,ftp,Archive,,ftp.example.com,/in,2121,on,private,scan,pw,on,a@example.com"
        + b"," * 9 + b"\r\n"
        + b"50,smb,Share,,server,scans/2f,,,anonymous,,,off" + b"," * 10 + b"\r\n",
        "japanese.csv": b"\1" + header
        + "5,email,Yamada ｶ,ヤマダ　AB,y@example.jp".encode() + b"," * 17 + b"\r\n",
        "shift_jis.csv": b"\3" + header
        + "5,email,Yamada,ヤマダ,y@example.jp".encode("cp932") + b"," * 17 + b"\n",
        "unterminated.csv": b"\0" + header + b'2,email,"open' + b"\r\n",
    }
    for target, files in seeds.items():
        folder = HERE / "corpus" / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in files.items():
            (folder / name).write_bytes(data)


main()
