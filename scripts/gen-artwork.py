#!/usr/bin/env python3
"""Draws zotwell's bitmaps, icon and cursor into resources/images/.

    scripts/gen-artwork.py [output-folder]
    scripts/gen-artwork.py --check [folder]   # exit 1 if a committed file differs

Python 3 standard library only: the shapes are filled by sampling each pixel
4 x 4 times, and the files are written byte by byte.

  views.bmp            fourteen 16 x 18 images, 4-bit, white ground: the tree
                       nodes and the register-list rows (order in resource.h)
  toolbar.bmp          eight 55 x 55 images, 8-bit, on the classic button face
  toolbar-disabled.bmp the same eight greyed, on the same ground
  *-150.bmp, *-200.bmp the three strips again for 150 % and 200 %: the toolbar
                       drawn anew at 83 and 110 pixels, the views' pixels
                       repeated to 24 x 27 and 32 x 36
  zotwell.ico          the program icon at 16, 32 and 48 pixels, 32-bit with alpha
  split.cur            the splitter's horizontal resize cursor, 32 x 32, 1-bit

The toolbar ground is silver (192, 192, 192), the colour that
CreateMappedBitmap and LR_LOADMAP3DCOLORS replace by the button face; the
drawings avoid the other colours those functions remap (pure black, 128 grey,
223 grey and pure white), so only the ground changes.

The 16 x 18 images are drawn pixel by pixel in the 16 standard colours, because
a 4-bit image list maps every colour onto them anyway; the larger ones repeat
those pixels, so that they stay as crisp as the small ones.
"""
import math
import pathlib
import struct
import sys

# ---------------------------------------------------------------------------
# Anti-aliased shape filling on an RGBA canvas

SAMPLES = 4


class Canvas:
    """Shapes are given in design units; scale is the pixels per unit, so that
    one drawing serves every size."""

    def __init__(self, width, height, ground=None, scale=1.0):
        self.width = width
        self.height = height
        self.scale = scale
        # Colour and alpha per pixel, alpha 0..1; colours 0..255 floats.
        g = ground if ground is not None else (0, 0, 0)
        a = 1.0 if ground is not None else 0.0
        self.px = [[list(g) + [a] for _ in range(width)] for _ in range(height)]

    def fill(self, inside, box, colour, opacity=1.0):
        """Fills the points where inside(x, y) holds, within box (x0, y0, x1, y1)."""
        x0, y0, x1, y1 = box
        step = 1.0 / SAMPLES
        offsets = [(i + 0.5) * step for i in range(SAMPLES)]
        for py in range(max(0, int(math.floor(y0))), min(self.height, int(math.ceil(y1)))):
            for px in range(max(0, int(math.floor(x0))), min(self.width, int(math.ceil(x1)))):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside(px + ox, py + oy):
                            hits += 1
                if hits:
                    self.blend(px, py, colour, opacity * hits / (SAMPLES * SAMPLES))

    def blend(self, x, y, colour, a):
        p = self.px[y][x]
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (colour[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    # Shapes, all in pixel coordinates with (0, 0) the top-left corner.

    def rect(self, x0, y0, x1, y1, colour, radius=0.0, opacity=1.0):
        k = self.scale
        x0, y0, x1, y1, radius = x0 * k, y0 * k, x1 * k, y1 * k, radius * k

        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            if radius <= 0:
                return True
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
        self.fill(inside, (x0, y0, x1, y1), colour, opacity)

    def frame(self, x0, y0, x1, y1, width, outline, inner, radius=0.0):
        """A rectangle in the outline colour with an inner fill: a bordered panel."""
        self.rect(x0, y0, x1, y1, outline, radius)
        self.rect(x0 + width, y0 + width, x1 - width, y1 - width, inner, max(0.0, radius - width))

    def ellipse(self, cx, cy, rx, ry, colour, opacity=1.0):
        k = self.scale
        cx, cy, rx, ry = cx * k, cy * k, rx * k, ry * k

        def inside(x, y):
            return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0
        self.fill(inside, (cx - rx, cy - ry, cx + rx, cy + ry), colour, opacity)

    def polygon(self, points, colour, opacity=1.0):
        points = [(x * self.scale, y * self.scale) for x, y in points]
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        n = len(points)

        def inside(x, y):
            winding = 0
            for i in range(n):
                ax, ay = points[i]
                bx, by = points[(i + 1) % n]
                if ay <= y < by or by <= y < ay:
                    t = (y - ay) / (by - ay)
                    if ax + t * (bx - ax) > x:
                        winding += 1 if by > ay else -1
            return winding != 0
        self.fill(inside, (min(xs), min(ys), max(xs), max(ys)), colour, opacity)

    def line(self, x0, y0, x1, y1, width, colour, opacity=1.0):
        """A stroke with round ends."""
        k = self.scale
        x0, y0, x1, y1, width = x0 * k, y0 * k, x1 * k, y1 * k, width * k
        r = width / 2.0
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
            qx, qy = x0 + t * dx, y0 + t * dy
            return (x - qx) ** 2 + (y - qy) ** 2 <= r * r
        self.fill(inside, (min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r),
                  colour, opacity)

    def rgba(self):
        return [[(int(round(p[0])), int(round(p[1])), int(round(p[2])), int(round(p[3] * 255)))
                 for p in row] for row in self.px]


def outlined_polygon(c, points, outline, fill, width):
    """A polygon with an outline of the given width, drawn as two fills."""
    c.polygon(points, outline)
    c.polygon(shrink(points, width), fill)


def shrink(points, d):
    """Moves every edge of a convex, clockwise-on-screen polygon inwards by d."""
    n = len(points)
    lines = []
    for i in range(n):
        ax, ay = points[i]
        bx, by = points[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        length = math.hypot(ex, ey)
        nx, ny = -ey / length, ex / length  # inward normal for a clockwise outline
        lines.append((ax + nx * d, ay + ny * d, ex, ey))
    out = []
    for i in range(n):
        ax, ay, adx, ady = lines[i - 1]
        bx, by, bdx, bdy = lines[i]
        det = adx * bdy - ady * bdx
        t = ((bx - ax) * bdy - (by - ay) * bdx) / det
        out.append((ax + t * adx, ay + t * ady))
    return out


# ---------------------------------------------------------------------------
# Colours

INK = (36, 44, 60)          # outlines
PAPER = (250, 250, 246)
PAPER_SHADE = (214, 218, 226)
BODY = (172, 180, 194)      # machine body
BODY_DARK = (116, 124, 140)
BLUE = (38, 104, 186)
BLUE_LIGHT = (112, 166, 226)
GREEN = (46, 150, 72)
RED = (206, 58, 46)
ORANGE = (232, 134, 36)
YELLOW = (246, 200, 64)
FOLDER = (238, 184, 58)
FOLDER_DARK = (196, 138, 30)
SILVER = (192, 192, 192)    # the toolbar ground


# ---------------------------------------------------------------------------
# Toolbar images, 55 x 55

TB = 55


def arrow(c, cx, top, bottom, pointing_down, colour):
    """A broad block arrow between top and bottom, centred on cx."""
    shaft = 7.0
    head = 14.0
    head_len = 12.0
    if pointing_down:
        pts = [(cx - shaft, top), (cx + shaft, top), (cx + shaft, bottom - head_len),
               (cx + head, bottom - head_len), (cx, bottom), (cx - head, bottom - head_len),
               (cx - shaft, bottom - head_len)]
    else:
        pts = [(cx, top), (cx + head, top + head_len), (cx + shaft, top + head_len),
               (cx + shaft, bottom), (cx - shaft, bottom), (cx - shaft, top + head_len),
               (cx - head, top + head_len)]
    outlined_polygon(c, pts, INK, colour, 2.0)


def tray(c):
    """An open tray at the bottom: where data arrives or leaves from."""
    c.polygon([(6, 34), (14, 34), (14, 42), (41, 42), (41, 34), (49, 34), (49, 50), (6, 50)], INK)
    c.polygon([(8, 36), (12, 36), (12, 44), (43, 44), (43, 36), (47, 36), (47, 48), (8, 48)],
              BODY)


def plugs(c, gap, lamp):
    """A plug on the left and a socket on the right, gap pixels apart."""
    mid = 27.5
    plug_right = mid - gap / 2.0
    socket_left = mid + gap / 2.0
    # Cables
    c.line(4, 27.5, plug_right - 12, 27.5, 6, INK)
    c.line(socket_left + 12, 27.5, 51, 27.5, 6, INK)
    # Prongs of the plug
    for y in (22, 31):
        c.rect(plug_right - 1, y, plug_right + 8, y + 3, INK)
        c.rect(plug_right, y + 0.8, plug_right + 7, y + 2.2, (224, 226, 232))
    # Plug and socket bodies
    c.frame(plug_right - 14, 17, plug_right, 38, 2, INK, BLUE, radius=3)
    c.rect(plug_right - 11, 20, plug_right - 8, 35, BLUE_LIGHT, radius=1)
    c.frame(socket_left, 15, socket_left + 14, 40, 2, INK, BODY, radius=3)
    c.rect(socket_left + 3, 18, socket_left + 6, 37, (210, 214, 222), radius=1)
    lamp(c)


def connect_lamp(c):
    # A green tick over the joint: the link is up.
    c.ellipse(27.5, 8, 7, 7, INK)
    c.ellipse(27.5, 8, 5.5, 5.5, GREEN)
    c.line(24.5, 8.2, 26.8, 10.5, 2.2, PAPER)
    c.line(26.8, 10.5, 30.8, 5.5, 2.2, PAPER)


def disconnect_lamp(c):
    # A small red burst in the gap: the link is broken.
    c.line(24, 9, 31, 16, 3, RED)
    c.line(31, 9, 24, 16, 3, RED)
    c.line(24, 39, 31, 46, 3, RED)
    c.line(31, 39, 24, 46, 3, RED)


def draw_connect(c):
    plugs(c, 0, connect_lamp)


def draw_disconnect(c):
    plugs(c, 16, disconnect_lamp)


def draw_download(c):
    tray(c)
    arrow(c, 27.5, 4, 40, True, GREEN)


def draw_upload(c):
    tray(c)
    arrow(c, 27.5, 4, 40, False, BLUE)


def draw_open(c):
    # Back of the folder with its tab
    c.polygon([(5, 13), (19, 13), (23, 17), (45, 17), (45, 45), (5, 45)], INK)
    c.polygon([(7, 15), (18, 15), (22, 19), (43, 19), (43, 43), (7, 43)], FOLDER_DARK)
    # A sheet sticking out
    c.frame(12, 9, 40, 34, 2, INK, PAPER)
    for y in (15, 20, 25):
        c.rect(16, y, 35, y + 1.6, PAPER_SHADE)
    # The front flap, tilted open
    outlined_polygon(c, [(12, 25), (52, 25), (44, 46), (4, 46)], INK, FOLDER, 2.0)


def draw_save(c):
    # A diskette
    outlined_polygon(c, [(6, 6), (42, 6), (49, 13), (49, 49), (6, 49)], INK, BLUE, 2.5)
    # Metal shutter with its window
    c.rect(14, 8, 39, 22, (200, 206, 216))
    c.rect(30, 10.5, 35, 19.5, INK)
    # Label
    c.frame(12, 29, 43, 47, 2, INK, PAPER)
    for y in (34, 39):
        c.rect(16, y, 39, y + 1.6, PAPER_SHADE)


def draw_print(c):
    # Paper going in at the back
    c.frame(15, 5, 40, 24, 2, INK, PAPER)
    # Printer body
    c.frame(5, 20, 50, 41, 2.5, INK, BODY, radius=3)
    c.ellipse(43, 27, 2.2, 2.2, GREEN)
    # Printed sheet coming out
    c.frame(13, 33, 42, 51, 2, INK, PAPER)
    for y in (38, 43):
        c.rect(17, y, 38, y + 1.6, BLUE_LIGHT)


def draw_new(c):
    # A blank sheet with a folded corner
    outlined_polygon(c, [(10, 5), (35, 5), (45, 15), (45, 50), (10, 50)], INK, PAPER, 2.0)
    c.polygon([(34, 5), (45, 16), (34, 16)], INK)
    c.polygon([(35.5, 8.5), (41.5, 14.5), (35.5, 14.5)], PAPER_SHADE)
    # A star: new
    star = []
    for i in range(10):
        r = 10.0 if i % 2 == 0 else 4.2
        a = -math.pi / 2 + i * math.pi / 5
        star.append((16 + r * math.cos(a), 38 + r * math.sin(a)))
    c.polygon(star, INK)
    inner = []
    for i in range(10):
        r = 7.4 if i % 2 == 0 else 2.9
        a = -math.pi / 2 + i * math.pi / 5
        inner.append((16 + r * math.cos(a), 38 + r * math.sin(a)))
    c.polygon(inner, YELLOW)


# In image-index order (resource.h, enum ToolbarImage).
TOOLBAR = [draw_connect, draw_disconnect, draw_open, draw_save, draw_print,
           draw_download, draw_upload, draw_new]


def greyed(colour):
    """The disabled look: grey, lighter and with less contrast, on the same ground."""
    lum = 0.30 * colour[0] + 0.59 * colour[1] + 0.11 * colour[2]
    g = SILVER[0] + (lum - SILVER[0]) * 0.5
    return (g, g, g)


# ---------------------------------------------------------------------------
# View images, 16 x 18, in the 16 standard colours

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
VGA_KEYS = {'k': 0, 'r': 1, 'g': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6, 's': 7, 'd': 8,
            'R': 9, 'G': 10, 'Y': 11, 'B': 12, 'M': 13, 'C': 14, '.': 15}

MACHINE = """
................
................
.....kkkkkk.....
.....k....k.....
...kkkkkkkkkk...
...kssssssssk...
..kkkkkkkkkkkk..
..ksssssnnnssk..
..kssssssssgsk..
kkkkkkkkkkkkkk..
k....kdddddddk..
kkkkkksssssssk..
.kddddddddddddk.
.ksssssssssssdk.
.kssskkkkkksdk..
.ksssssssssssdk.
.kkkkkkkkkkkkkk.
................
"""

MACHINE_SELECTED = """
................
................
.....kkkkkk.....
.....k....k.....
...kkkkkkkkkk...
...kssssssssk...
..kkkkkkkkkkkk..
..ksssssCCCssk..
..kssssssssGsk..
kkkkkkkkkkkkkk..
k....kdddddddk..
kkkkkksssssssk..
.kddddddddddddk.
.ksssssssssssdk.
.kssskkkkkksdk..
.ksssssssssssdk.
.kkkkkkkkkkkkkk.
................
"""

ONE_TOUCH = """
................
................
................
..kkkkkkkkkkkk..
.k............k.
.k.....nn.....k.
.k....nnn.....k.
.k.....nn.....k.
.k.....nn.....k.
.k.....nn.....k.
.k....nnnn....k.
.k............k.
.kssssssssssssk.
.kddddddddddddk.
..kkkkkkkkkkkk..
................
................
................
"""

ONE_TOUCH_SELECTED = """
................
................
................
................
..kkkkkkkkkkkk..
.kCCCCCCCCCCCCk.
.kCCCCCnnCCCCCk.
.kCCCCnnnCCCCCk.
.kCCCCCnnCCCCCk.
.kCCCCCnnCCCCCk.
.kCCCCCnnCCCCCk.
.kCCCCnnnnCCCCk.
.kCCCCCCCCCCCCk.
.kttttttttttttk.
..kkkkkkkkkkkk..
................
................
................
"""

GROUPS = """
................
................
.........kkk....
........ktttk...
...kkk..ktttk...
..knnnk.ktttk...
..knnnk..kkk....
..knnnk.kkkkk...
...kkk.ktttttk..
.kkkkkkktttttk..
knnnnnnnkttttk..
knnnnnnnnkkkkk..
knnnnnnnnk......
knnnnnnnnk......
kkkkkkkkkk......
................
................
................
"""

GROUPS_SELECTED = """
................
................
.........kkk....
........kCCCk...
...kkk..kCCCk...
..kBBBk.kCCCk...
..kBBBk..kkk....
..kBBBk.kkkkk...
...kkk.kCCCCCk..
.kkkkkkkCCCCCk..
kBBBBBBBkCCCCk..
kBBBBBBBBkkkkk..
kBBBBBBBBk......
kBBBBBBBBk......
kkkkkkkkkk......
................
................
................
"""

SPEED_DIAL = """
................
................
..kkkkkkkkkkk...
..knnnnnnnnnkk..
..knnnnnnnnnksk.
..knnk....nnkRk.
..knnk....nnksk.
..knnnnnnnnnkYk.
..knnnnnnnnnksk.
..knnnnnnnnnkGk.
..knnnnnnnnnksk.
..knnnnnnnnnkBk.
..knnnnnnnnnksk.
..knnnnnnnnnkk..
..kkkkkkkkkkk...
................
................
................
"""

SPEED_DIAL_SELECTED = """
................
................
................
.kkkkkkkkkkkkkk.
.k.....kk.....k.
.k.ddd.kk.ddd.k.
.k.....kk.....k.
.k.dddRkk.ddd.k.
.k.....kk.....k.
.k.dddYkk.dd..k.
.k.....kk.....k.
.k.dddGkk.ddd.k.
.k.....kk.....k.
.kBBBBBkkBBBBBk.
.kkkkkkkkkkkkkk.
................
................
................
"""

EMAIL = """
................
................
................
................
.kkkkkkkkkkkkkk.
.kk..........kk.
.k.k........k.k.
.k..k......k..k.
.k...k....k...k.
.k....kkkk....k.
.k............k.
.k............k.
.k............k.
.kkkkkkkkkkkkkk.
................
................
................
................
"""

FAX = """
................
................
....kkkkkkk.....
....k.....k.....
....k.ddd.k.....
..kkkkkkkkkkkk..
.kkkkkkkksssssk.
.ksssssssssssk..
.ksnnnnnsdsdsk..
.ksnCCCnssssssk.
.ksnnnnnsdsdsk..
.ksssssssssssk..
.ksssssssdsdsk..
.kkkkkkkkkkkkkk.
................
................
................
................
"""

FTP = """
................
................
................
..kkkkk.........
.kYYYYYk........
.kYYYYYkkkkkkkk.
.kYYYYYYYYYYYYk.
.kYYYYYgYYYYYYk.
.kYYYYgggYYYYYk.
.kYYYgggggYYYYk.
.kYYYYgggYYYYYk.
.kYYYYgggYYYYYk.
.kYYYYgggYYYYYk.
.kYYYYYYYYYYYYk.
.kkkkkkkkkkkkkk.
................
................
................
"""

SMB = """
................
................
..kkkkk.........
.kYYYYYk........
.kYYYYYkkkkkkkk.
.kYYYYYYYYYYYYk.
.kYYYYYYYYYYYYk.
.kYYYYYYYYYYYYk.
.kYYYYYYYYYYYYk.
.kYYYYYYYYYYYYk.
.kkkkkkkkkkkkkk.
.......kk.......
.......kk.......
..kkkkkkkkkkkk..
..k..........k..
.kkk........kkk.
.kdk........kdk.
.kkk........kkk.
"""

MEMBER = """
................
................
................
......kkkk......
.....knnnnk.....
.....knnnnk.....
.....knnnnk.....
......kkkk......
....kkkkkkkk....
...knnnnnnnnk...
..knnnnnnnnnnk..
..knnnnnnnnnnk..
..knnnnnnnnnnk..
..kkkkkkkkkkkk..
................
................
................
................
"""

EMPTY = """
................
................
................
..d.d.d.d.d.d...
................
..d.........d...
................
..d.........d...
................
..d.........d...
................
..d.........d...
................
..d.........d...
................
..d.d.d.d.d.d...
................
................
"""

# In image-index order (resource.h, enum ViewImage).
VIEWS = [MACHINE, MACHINE_SELECTED, ONE_TOUCH, ONE_TOUCH_SELECTED, GROUPS, GROUPS_SELECTED,
         SPEED_DIAL, SPEED_DIAL_SELECTED, EMAIL, FAX, FTP, SMB, MEMBER, EMPTY]
VIEW_W, VIEW_H = 16, 18


def view_strip(width=VIEW_W, height=VIEW_H):
    """The strip with each image width x height, its pixels repeated to fit."""
    rows = [[] for _ in range(height)]
    for art in VIEWS:
        lines = art.strip("\n").split("\n")
        assert len(lines) == VIEW_H, art
        for line in lines:
            assert len(line) == VIEW_W, line
        for y in range(height):
            line = lines[y * VIEW_H // height]
            rows[y].extend(VGA_KEYS[line[x * VIEW_W // width]] for x in range(width))
    return rows


# ---------------------------------------------------------------------------
# Program icon: a copier with a sheet in its feeder and a gear of settings;
# at 16 pixels drawn pixel by pixel, without the gear

ICON_KEYS = {'.': None, 'k': INK, 'b': BODY, 'd': BODY_DARK, 'B': BLUE, 'w': PAPER,
             's': PAPER_SHADE}
ICON16 = """
................
....kkkkkkkk....
....kwwwwwwk....
....kwsssswk....
..kkkkkkkkkkkk..
..kbbbbbbbbbbk..
.kkkkkkkkkkkkkk.
.kbbbbbbbkBBBkk.
.kbbbbbbbkkkkkk.
.kbbbbbbbbbbbbk.
.kddddddddddddk.
.kbbkwwwwwwkbbk.
.kbbkkkkkkkkbbk.
.kbbbbbbbbbbbbk.
.kkkkkkkkkkkkkk.
................
"""


def icon16():
    rows = []
    for line in ICON16.strip("\n").split("\n"):
        assert len(line) == 16, line
        rows.append([(0, 0, 0, 0) if ICON_KEYS[ch] is None else ICON_KEYS[ch] + (255,)
                     for ch in line])
    assert len(rows) == 16
    return rows


def draw_icon(size):
    if size == 16:
        return icon16()
    c = Canvas(size, size)
    s = size / 48.0
    w = 2.0 * s

    def R(x0, y0, x1, y1, colour, radius=0.0):
        c.rect(x0 * s, y0 * s, x1 * s, y1 * s, colour, radius * s)

    def F(x0, y0, x1, y1, inner, radius=0.0):
        c.frame(x0 * s, y0 * s, x1 * s, y1 * s, w, INK, inner, radius * s)

    # Sheet in the document feeder
    F(13, 2, 35, 14, PAPER)
    for y in (6, 9):
        R(17, y, 31, y + 1.3, PAPER_SHADE)
    # Feeder lid
    F(6, 11, 42, 18, BODY, 2)
    # Body with its control panel
    F(3, 16, 45, 44, BODY, 3)
    R(26, 20, 40, 27, BLUE_LIGHT, 1)
    R(27.5, 21.5, 38.5, 25.5, BLUE, 0.5)
    # Paper tray with a copy in it
    R(5, 31, 43, 33, BODY_DARK)
    F(8, 34, 30, 40, PAPER)
    # Gear: settings
    cx, cy, rr = 37 * s, 37 * s, 10 * s
    teeth = []
    for i in range(32):  # eight teeth, each two points out and two in
        r = rr if (i // 2) % 2 == 0 else rr * 0.72
        a = (i - 0.5) * math.pi / 16
        teeth.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(teeth, INK)
    c.polygon([(cx + (x - cx) * 0.8, cy + (y - cy) * 0.8) for x, y in teeth], ORANGE)
    c.ellipse(cx, cy, rr * 0.32, rr * 0.32, INK)
    c.ellipse(cx, cy, rr * 0.18, rr * 0.18, PAPER)
    return c.rgba()


# ---------------------------------------------------------------------------
# Splitter cursor: a double bar with arrows to the left and to the right

CURSOR = 32
HOTSPOT = (15, 15)  # the middle of the gap between the bars


def cursor_pixels():
    """Black pixels of the cursor and the white outline around them."""
    black = set()
    for y in range(6, 26):          # the double bar
        black.add((13, y))
        black.add((17, y))
    for y in (15, 16):              # the shafts, stopping at the bar
        for x in range(6, 12):
            black.add((x, y))
        for x in range(19, 25):
            black.add((x, y))
    for i in range(5):              # the two heads
        for y in range(15 - i, 17 + i):
            black.add((2 + i, y))
            black.add((28 - i, y))
    white = set()
    for (x, y) in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                q = (x + dx, y + dy)
                if q not in black:
                    white.add(q)
    return black, white


# ---------------------------------------------------------------------------
# File writers

def bmp_file(width, height, bits, palette, rows):
    """A bottom-up indexed BMP; rows are lists of palette indices, top row first."""
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        if bits == 8:
            line[:width] = bytes(row)
        elif bits == 4:
            for x, v in enumerate(row):
                line[x // 2] |= v << (4 if x % 2 == 0 else 0)
        else:
            raise ValueError(bits)
        data += line
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                         len(palette), len(palette))
    offset = 14 + len(header) + len(pal)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + pal + bytes(data)


def icon_image(rgba):
    """One icon image: a 32-bit DIB of double height, then the 1-bit mask."""
    size = len(rgba)
    xor = bytearray()
    for row in reversed(rgba):
        for (r, g, b, a) in row:
            xor += bytes((b, g, r, a)) if a else b"\0\0\0\0"
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rgba):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_file(images):
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for rgba in images:
        size = len(rgba)
        blob = icon_image(rgba)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + entries + blobs


def cur_file():
    black, white = cursor_pixels()
    stride = 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(CURSOR)):
        xl = bytearray(stride)
        ml = bytearray(stride)
        for x in range(CURSOR):
            bit = 0x80 >> (x % 8)
            if (x, y) in white:
                xl[x // 8] |= bit          # white: mask 0, colour 1
            elif (x, y) not in black:
                ml[x // 8] |= bit          # transparent: mask 1, colour 0
        xor += xl
        mask += ml
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    header = struct.pack("<IiiHHIIiiII", 40, CURSOR, CURSOR * 2, 1, 1, 0, len(xor) + len(mask),
                         0, 0, 2, 0)
    blob = header + palette + bytes(xor) + bytes(mask)
    entry = struct.pack("<BBBBHHII", CURSOR, CURSOR, 2, 0, HOTSPOT[0], HOTSPOT[1], len(blob), 22)
    return struct.pack("<HHH", 0, 2, 1) + entry + blob


# ---------------------------------------------------------------------------
# Reducing the toolbar strips to 256 colours

REMAPPED = {(0, 0, 0), (128, 128, 128), (223, 223, 223), (255, 255, 255)}


def quantise(pixels, keep):
    """Median cut to at most 256 colours; keep (the ground) stays exact and first."""
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    counts.pop(keep, None)
    boxes = [list(counts.items())]
    while len(boxes) < 255:
        best, best_range, axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for a in range(3):
                vals = [c[a] for c, _ in box]
                r = max(vals) - min(vals)
                if r > best_range:
                    best, best_range, axis = i, r, a
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda e: e[0][axis])
        total = sum(n for _, n in box)
        acc, cut = 0, 1
        for cut in range(1, len(box)):
            acc += box[cut - 1][1]
            if acc * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = [keep]
    lookup = {keep: 0}
    for box in boxes:
        if not box:
            continue
        total = sum(n for _, n in box)
        avg = tuple(int(round(sum(c[a] * n for c, n in box) / total)) for a in range(3))
        while avg in REMAPPED or avg == keep:
            avg = tuple(min(254, v + 1) for v in avg)
        for c, _ in box:
            lookup[c] = len(palette)
        palette.append(avg)
    return palette, lookup


def toolbar_strips(size=TB):
    normal = []
    for draw in TOOLBAR:
        c = Canvas(size, size, SILVER, size / TB)
        draw(c)
        normal.append(c.rgba())
    disabled = [[[tuple(int(round(v)) for v in greyed(p[:3])) if p[:3] != SILVER else SILVER
                  for p in row] for row in img] for img in normal]
    normal = [[[p[:3] for p in row] for row in img] for img in normal]
    return normal, disabled


def strip_bmp(images):
    size = len(images[0])
    rows = [[p for img in images for p in img[y]] for y in range(size)]
    palette, lookup = quantise([p for row in rows for p in row], SILVER)
    return bmp_file(size * len(images), size, 8, palette, [[lookup[p] for p in row] for row in rows])


# Suffix, toolbar size and view size for each scale (resource.h names them too).
SCALES = [("", TB, VIEW_W, VIEW_H), ("-150", 83, 24, 27), ("-200", 110, 32, 36)]


def artwork():
    """Every file, by name, as bytes."""
    files = {}
    for suffix, toolbar, view_w, view_h in SCALES:
        normal, disabled = toolbar_strips(toolbar)
        files["views%s.bmp" % suffix] = bmp_file(view_w * len(VIEWS), view_h, 4, VGA,
                                                 view_strip(view_w, view_h))
        files["toolbar%s.bmp" % suffix] = strip_bmp(normal)
        files["toolbar-disabled%s.bmp" % suffix] = strip_bmp(disabled)
    return {
        **files,
        "zotwell.ico": ico_file([draw_icon(s) for s in (16, 32, 48)]),
        "split.cur": cur_file(),
    }


def main():
    args = sys.argv[1:]
    check = args[:1] == ["--check"]
    if check:
        args = args[1:]
    out = pathlib.Path(args[0]) if args else \
        pathlib.Path(__file__).resolve().parent.parent / "resources" / "images"
    files = artwork()
    if check:
        stale = [name for name, data in files.items()
                 if not (out / name).is_file() or (out / name).read_bytes() != data]
        for name in stale:
            print(f"{out / name} differs from what {pathlib.Path(__file__).name} draws")
        sys.exit(1 if stale else 0)
    out.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()
