#!/usr/bin/env python3
"""Generate document/namecodetable.cpp, the machine's name character table.

Under a Japanese panel the machine stores each character of a name as a
2-byte code of its own.  The program maps between those codes and UTF-16
units with a table of exactly 4,885 pairs {UTF-16 unit, machine code}; the
code's low byte is the byte the machine stores first.  The last pair is the
terminator (0x0001, 0x0000).  Two rows are known from the machine:
U+3000 is stored as A1 40 and U+30FB as A5 BE.  This script builds the
rest of the table from JIS X 0208, which is the repertoire a Japanese
operator can type through code page 932 in the first place.

Layout rule
-----------
The machine codes sit on a Big5-shaped grid: lead bytes A1..F9, each with
157 cells whose trail bytes run 40..7E and then A1..FE.  JIS X 0208 row r
goes to lead byte A0 + r, and cell c of that row to the c-th cell of the
lead (so cells 1..63 take trail bytes 40..7E and cells 64..94 take A1..BF):

    lead  = 0xA0 + r
    trail = 0x3F + c   if c <= 63
            0x61 + c   if c >= 64     (cell 64 -> A1, cell 94 -> BF)
    code  = lead | trail << 8         (lead is the byte stored first)

U+3000, JIS 1-1, lands on A1 40 by this rule.  The one exception is the
katakana middle dot: the machine files it with the katakana, in the spare
cell 93 of row 5 (A5 BE), not at its JIS place 1-6, so A1 45 is unused.
Row 84 is the last JIS row, so leads F5..F9 and trail bytes C0..FE stay
free.

Content, in table order (the table is sorted by code, which is JIS order)
-------------------------------------------------------------------------
  rows 1-2    symbols, U+3000 first (U+30FB aside) ...   146
  row  3      full-width digits and Latin letters ....    62
  row  4      hiragana ...............................    83
  row  5      katakana, then U+30FB ..................    87
  rows 16-47  JIS level-1 kanji, all of them .........  2965
  rows 48-84  JIS level-2 kanji, a selection .........  1541
  terminator (0x0001, 0x0000) ........................     1
                                                        ----
                                                        4885

Rows 6-8 (Greek, Cyrillic, box drawing) are left out: they hardly occur in
names and their room is better spent on kanji.

No frequency list of kanji in names is available offline, so the kanji are
chosen with the official lists as a proxy for "in common use": all of
level 1 (which JIS X 0208 defines as the commonly used set), then from
level 2 first every kanji on the joyo list (kanji for general use, 2010)
or the jinmeiyo list (kanji allowed in personal names, with the variants
of joyo kanji it admits) -- 222 characters -- and then the other level-2
kanji in JIS order until the table is full (up to 63-27).  The level-2
members of the two lists were read from the grade field (G8, G9, G10) of
KANJIDIC, (c) Electronic Dictionary Research and Development Group,
Debian package kanjidic 2022.08.23, and are kept below so that generating
the table needs nothing but Python.

Every unit is the code page 932 reading of its JIS cell (so 1-33 is
U+FF5E, 1-29 U+2015 and so on, as Windows converts them).

Usage
-----
  gen-name-code-table.py              write document/namecodetable.cpp
  gen-name-code-table.py --check      exit 1 when the committed file differs
  gen-name-code-table.py --from FILE  build the table from FILE instead:
                                      4,885 lines "UUUU CCCC" (hex unit and
                                      16-bit code, low byte stored first);
                                      blank lines and '#' comments ignored
  --output PATH                       write (or check) PATH instead

Every table, generated or read, must have 4,885 pairs ending in the
terminator, hold the two known rows, repeat no unit and no code, and give
for every unit a character that code page 932 writes as exactly two bytes
and reads back as the same unit.  Any failure exits with status 1.
"""

import argparse
import os
import sys

TABLE_SIZE = 4885
TERMINATOR = (0x0001, 0x0000)
KNOWN_ROWS = {0x3000: 0x40A1, 0x30FB: 0xBEA5}

NON_KANJI_ROWS = range(1, 6)
LEVEL1_ROWS = range(16, 48)
LEVEL2_ROWS = range(48, 85)

# Filed with the katakana by the machine: JIS 1-6 is stored at row 5, cell 93.
MIDDLE_DOT_FROM = (1, 6)
MIDDLE_DOT_TO = (5, 93)

# Level-2 kanji on the joyo or jinmeiyo list, in JIS order.
LEVEL2_LISTED = (
    "丼乘亞佛侑來俐傲傳僞價儉兒凉凛凰刹剩劍勁勳卷哺單喩嗅嘲嚴圈國圓團毀壞壘壯"
    "壽奎奧奬孃實寢將專峽崚巖巫已帶廣廳彈彌彗彙從徠恆恣惧惡惠惺愼慄憬應懷戰戲"
    "拔拜拂拉搜搖攝摯收敍昊昴晏晄晝晨晟暉曉曖檜栞條梛楷椰榮樂樣橙檢櫂櫻鬱盜毬"
    "氣洸洵淨渾滉漱滯澁澪濕煌燒燎燿爭爲狹默獸珈珀琥瑶璧疊瘍皓盡眞眸碎祕祿禪禮"
    "稟稻穗穰穹笙箋籠粹絆綺綸緻縣縱纖羞羚翔飜聽脩臟與苺茉莊莉菫萠萬蕾藏藝藥衞"
    "裝覽訃詢諄諧謠讓貪賣赳踪轉辣迪逞醉釀釉錮鎭鑄陷險雜靜頌顯颯騷驍驗髮鷄麒黎"
    "齊堯槇遙凜熙"
)

SCRIPT = "scripts/gen-name-code-table.py"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUTPUT = os.path.join(ROOT, "document", "namecodetable.cpp")
PAIRS_PER_LINE = 8


def sjis_bytes(row, cell):
    lead = (row + 1) // 2 + (0x80 if row <= 62 else 0xC0)
    if row % 2:
        trail = cell + (0x3F if cell <= 63 else 0x40)
    else:
        trail = cell + 0x9E
    return bytes((lead, trail))


def jis_cell_char(row, cell):
    """The character code page 932 has at JIS row/cell, or None for a hole."""
    try:
        return sjis_bytes(row, cell).decode("cp932")
    except UnicodeDecodeError:
        return None


def jis_position(char):
    first, second = char.encode("cp932")
    row = (first - (0x80 if first < 0xE0 else 0xC0)) * 2 - 1
    if second >= 0x9F:
        return row + 1, second - 0x9E
    return row, second - (0x3F if second <= 0x7E else 0x40)


def machine_code(row, cell):
    lead = 0xA0 + row
    trail = 0x3F + cell if cell <= 63 else 0x61 + cell
    return lead | trail << 8


def generated_pairs():
    """(unit, code) pairs of the built-in table, terminator included."""
    placed = []  # (row, cell, char)
    for row in NON_KANJI_ROWS:
        for cell in range(1, 95):
            char = jis_cell_char(row, cell)
            if char is None:
                continue
            if (row, cell) == MIDDLE_DOT_FROM:
                row_to, cell_to = MIDDLE_DOT_TO
                if jis_cell_char(row_to, cell_to) is not None:
                    sys.exit(f"JIS {row_to}-{cell_to} is not free for {char}")
                placed.append((row_to, cell_to, char))
            else:
                placed.append((row, cell, char))
    for row in LEVEL1_ROWS:
        for cell in range(1, 95):
            char = jis_cell_char(row, cell)
            if char is not None:
                placed.append((row, cell, char))

    listed = set()
    for char in LEVEL2_LISTED:
        row, cell = jis_position(char)
        if row not in LEVEL2_ROWS or jis_cell_char(row, cell) != char:
            sys.exit(f"{char} (U+{ord(char):04X}) is not a level-2 kanji")
        listed.add((row, cell))
    room = TABLE_SIZE - 1 - len(placed) - len(listed)
    for row in LEVEL2_ROWS:
        for cell in range(1, 95):
            char = jis_cell_char(row, cell)
            if char is None:
                continue
            if (row, cell) in listed:
                placed.append((row, cell, char))
            elif room > 0:
                placed.append((row, cell, char))
                room -= 1

    placed.sort()
    pairs = [(ord(char), machine_code(row, cell)) for row, cell, char in placed]
    pairs.append(TERMINATOR)
    return pairs


def read_pairs(path):
    pairs = []
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            try:
                if len(fields) != 2:
                    raise ValueError
                unit, code = (int(x, 16) for x in fields)
                if not (0 <= unit <= 0xFFFF and 0 <= code <= 0xFFFF):
                    raise ValueError
            except ValueError:
                sys.exit(f"{path}:{number}: expected two 16-bit hex values, got {line.strip()!r}")
            pairs.append((unit, code))
    return pairs


def problems(pairs):
    found = []
    if len(pairs) != TABLE_SIZE:
        found.append(f"{len(pairs)} pairs instead of {TABLE_SIZE}")
    if not pairs or pairs[-1] != TERMINATOR:
        found.append("the last pair is not (0x0001, 0x0000)")
    by_unit = {}
    by_code = {}
    for index, (unit, code) in enumerate(pairs):
        if unit in by_unit:
            found.append(f"unit {unit:04X} at pairs {by_unit[unit]} and {index}")
        by_unit.setdefault(unit, index)
        if code in by_code:
            found.append(f"code {code:04X} at pairs {by_code[code]} and {index}")
        by_code.setdefault(code, index)
        if (unit, code) == TERMINATOR:
            continue
        char = chr(unit)
        try:
            ansi = char.encode("cp932")
            back = ansi.decode("cp932")
        except UnicodeError:
            ansi, back = b"", ""
        if len(ansi) != 2 or back != char:
            found.append(f"unit {unit:04X} at pair {index} is not a 2-byte code page 932 character")
    for unit, code in KNOWN_ROWS.items():
        index = by_unit.get(unit)
        if index is None or pairs[index][1] != code:
            found.append(f"unit {unit:04X} is not stored as {code & 0xFF:02X} {code >> 8:02X}")
    return found


def render(pairs, source):
    lines = [
        f"// Generated by {source}; do not edit by hand.",
        "// The machine's name characters: {UTF-16 unit, machine code (low byte stored first)}.",
        "// Layout and content: docs/name-code-table.md.",
        '#include "namecodetable.h"',
        "",
        "// clang-format off",
        "const NameCodePair nameCodeTable[nameCodeTableSize] = {",
    ]
    for start in range(0, len(pairs), PAIRS_PER_LINE):
        chunk = pairs[start : start + PAIRS_PER_LINE]
        lines.append("    " + " ".join(f"{{0x{u:04X}, 0x{c:04X}}}," for u, c in chunk))
    lines += ["};", "// clang-format on", ""]
    return "\n".join(lines)


def source_name(path):
    path = os.path.abspath(path)
    if os.path.commonpath([path, ROOT]) == ROOT:
        return os.path.relpath(path, ROOT).replace(os.sep, "/")
    return os.path.basename(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the existing file instead of writing it")
    parser.add_argument("--from", dest="source", metavar="FILE",
                        help='read the pairs from FILE ("UUUU CCCC" hex per line)')
    parser.add_argument("--output", default=DEFAULT_OUTPUT, metavar="PATH")
    args = parser.parse_args()

    if args.source:
        pairs = read_pairs(args.source)
        source = f"{SCRIPT} --from {source_name(args.source)}"
    else:
        pairs = generated_pairs()
        source = SCRIPT

    found = problems(pairs)
    if found:
        for problem in found:
            print(f"name code table: {problem}", file=sys.stderr)
        return 1

    text = render(pairs, source)
    if args.check:
        try:
            with open(args.output, encoding="utf-8", newline="") as f:
                current = f.read()
        except OSError as error:
            print(f"name code table: {error}", file=sys.stderr)
            return 1
        if current != text:
            print(f"name code table: {args.output} is out of date; rerun {SCRIPT}", file=sys.stderr)
            return 1
        return 0

    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
