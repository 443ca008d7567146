#!/usr/bin/env python3
"""Writes resources/zodmodel.ico, the icon of the driver setup launcher.

The picture is a copier with a sheet on its glass and a blue "install" badge
with a down arrow. It is drawn from a few shapes in a 16-unit square and
rendered at 16, 32 and 48 pixels with 8x8 samples per pixel; edges are snapped
to the pixel grid and outlines are one pixel wide at every size, so the small
images stay crisp. Only the standard library is used and the output is the same
byte for byte on every run:

    scripts/gen-zodmodel-icons.py            # rewrite resources/zodmodel.ico
    scripts/gen-zodmodel-icons.py --check    # exit 1 if the committed file differs
    scripts/gen-zodmodel-icons.py OUT.ico    # write elsewhere
"""
import pathlib
import struct
import sys

SIZES = (16, 32, 48)
SAMPLES = 8

OUTLINE = (0x3C, 0x46, 0x50)
LID = (0x6E, 0x7B, 0x8A)
BODY = (0xE4, 0xE9, 0xEF)
BODY_LOW = (0xC9, 0xD1, 0xDA)
PAPER = (0xFF, 0xFF, 0xFF)
PAPER_EDGE = (0x7A, 0x86, 0x94)
TEXT_LINE = (0x9A, 0xA8, 0xB8)
LAMP = (0x2E, 0x9E, 0x5B)
BADGE = (0x1E, 0x6F, 0xD9)
WHITE = (0xFF, 0xFF, 0xFF)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def shapes(size):
    """The picture as (colour, inside-test) pairs, painted in order."""
    px = 16.0 / size

    def snap(v):
        return int(v / px + 0.5) * px

    def box(x0, y0, x1, y1, r=0.0):
        return rounded_rect(snap(x0), snap(y0), snap(x1), snap(y1), r)

    def framed(x0, y0, x1, y1, r, edge, fill):
        # One pixel of edge colour, the fill inside it.
        x0, y0, x1, y1 = snap(x0), snap(y0), snap(x1), snap(y1)
        return [(edge, rounded_rect(x0, y0, x1, y1, r)),
                (fill, rounded_rect(x0 + px, y0 + px, x1 - px, y1 - px, max(r - px, 0)))]

    small = size < 32
    out = []
    out += framed(4, 0, 12, 7, 0, PAPER_EDGE, PAPER)
    for y in ((2,) if small else (2, 3.5)):
        out.append((TEXT_LINE, rounded_rect(snap(6), snap(y), snap(10), snap(y) + px, 0)))
    if small:
        out.append((LID, box(1, 6, 15, 8)))
    else:
        out += framed(1, 5.5, 15, 8, 0.6, OUTLINE, LID)
    out += framed(0, 7.5, 16, 15.5, 1.2, OUTLINE, BODY)
    out.append((BODY_LOW, box(px, 12, 16 - px, 15.5 - px)))
    out.append((OUTLINE, rounded_rect(snap(2), snap(10), snap(8), snap(10) + px, 0)))
    out.append((LAMP, box(2, 13, 3, 14)))
    # At 16 pixels a white ring round the badge only blurs it.
    cx, cy, r = 12.0, 12.0, 4.0 if small else 3.9
    if not small:
        out.append((WHITE, circle(cx, cy, r + px)))
    out.append((BADGE, circle(cx, cy, r)))
    out.append((WHITE, polygon([(cx - 1, cy - 3), (cx + 1, cy - 3), (cx + 1, cy),
                                (cx + 3, cy), (cx, cy + 3), (cx - 3, cy), (cx - 1, cy)])))
    return out


def render(size):
    """Rows of premultiplied-free RGBA pixels, top row first."""
    px = 16.0 / size
    picture = shapes(size)
    offsets = [(i + 0.5) / SAMPLES * px for i in range(SAMPLES)]
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            r = g = b = a = 0.0
            for colour, inside in picture:
                hits = sum(1 for oy in offsets for ox in offsets
                           if inside(i * px + ox, j * px + oy))
                if not hits:
                    continue
                cover = hits / (SAMPLES * SAMPLES)
                # "over" compositing of an opaque colour with partial cover
                na = cover + a * (1 - cover)
                r = (colour[0] * cover + r * a * (1 - cover)) / na
                g = (colour[1] * cover + g * a * (1 - cover)) / na
                b = (colour[2] * cover + b * a * (1 - cover)) / na
                a = na
            row.append((round(r), round(g), round(b), round(a * 255)))
        rows.append(row)
    return rows


def dib(size, rows):
    """One icon image: a 32-bit DIB of double height, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for i, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += bits
    return header + colour + bytes(mask)


def icon_file():
    images = [dib(s, render(s)) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main(args):
    default = pathlib.Path(__file__).resolve().parent.parent / "resources" / "zodmodel.ico"
    data = icon_file()
    if args[:1] == ["--check"]:
        if default.read_bytes() != data:
            print(f"{default} is not what {pathlib.Path(__file__).name} writes; run it again",
                  file=sys.stderr)
            return 1
        return 0
    pathlib.Path(args[0] if args else default).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
