#!/usr/bin/env python3
"""Generate the Zelko Scientific key and application icons as XPM files.

Every icon is a 32 x 32 picture drawn with hard pixels in the 16 classic
VGA colours plus a transparent background.  Key icons are shown centred on
small keys (about 33 x 18 pixels at 100% scale) and clipped to the key, so
their whole picture lies inside the central band: rows 9..22 and columns
1..30.  Only the application icon (128) uses the full 32 x 32.

Usage:
    python3 make_icons.py                 write icon_NNN.xpm next to this file
    python3 make_icons.py --out DIR       write them into DIR instead
    python3 make_icons.py --sheet F.png   also write a magnified contact sheet

Only the Python 3 standard library is used.
"""

import os
import struct
import sys
import zlib

SIZE = 32

# Band that stays visible on a key: rows 9..22, columns 1..30 (inclusive).
BAND_TOP, BAND_BOTTOM = 9, 22
BAND_LEFT, BAND_RIGHT = 1, 30

# Baseline row shared by every text legend, so that legends line up from key
# to key.  Cap height 7 (rows 12..18), x-height 5 (rows 14..18), descenders
# rows 19..20, underline row 20 (or 22 under a descender).
BASE = 18

# The 16 standard VGA colours: name -> (XPM character, RGB hex).
PALETTE = {
    "black":     ("k", "#000000"),
    "darkred":   ("r", "#800000"),
    "darkgreen": ("g", "#008000"),
    "olive":     ("o", "#808000"),
    "navy":      ("n", "#000080"),
    "purple":    ("p", "#800080"),
    "teal":      ("t", "#008080"),
    "silver":    ("s", "#C0C0C0"),
    "grey":      ("a", "#808080"),
    "red":       ("R", "#FF0000"),
    "lime":      ("G", "#00FF00"),
    "yellow":    ("Y", "#FFFF00"),
    "blue":      ("B", "#0000FF"),
    "magenta":   ("M", "#FF00FF"),
    "cyan":      ("C", "#00FFFF"),
    "white":     ("W", "#FFFFFF"),
}
TRANSPARENT_CHAR = " "

ICON_NUMBERS = [128] + list(range(132, 165)) + list(range(166, 179))


# --------------------------------------------------------------------------
# Pixel fonts.  Each glyph is a list of rows; '#' is ink.  Regular glyphs
# have 7 rows above and on the baseline (row index 6 is the baseline) and
# up to 2 descender rows below it.


def _glyphs(table):
    out = {}
    for ch, text in table.items():
        rows = [r for r in text.strip("\n").split("\n")]
        width = max(len(r) for r in rows)
        out[ch] = [r.ljust(width, ".") for r in rows]
    return out


FONT = _glyphs({
    "a": """
.....
.....
.###.
....#
.####
#...#
.####
""",
    "c": """
.....
.....
.###.
#....
#....
#...#
.###.
""",
    "d": """
....#
....#
.##.#
#..##
#...#
#...#
.####
""",
    "e": """
.....
.....
.###.
#...#
#####
#....
.###.
""",
    "g": """
.....
.....
.####
#...#
#...#
#...#
.####
....#
.###.
""",
    "i": """
.#.
...
##.
.#.
.#.
.#.
###
""",
    "l": """
##.
.#.
.#.
.#.
.#.
.#.
###
""",
    "n": """
.....
.....
#.##.
##..#
#...#
#...#
#...#
""",
    "o": """
.....
.....
.###.
#...#
#...#
#...#
.###.
""",
    "q": """
.....
.....
.####
#...#
#...#
#...#
.####
....#
....#
""",
    "r": """
.....
.....
#.##.
##..#
#....
#....
#....
""",
    "s": """
.....
.....
.####
#....
.###.
....#
####.
""",
    "t": """
.#..
.#..
####
.#..
.#..
.#..
..##
""",
    "v": """
.....
.....
#...#
#...#
#...#
.#.#.
..#..
""",
    "x": """
.....
.....
#...#
.#.#.
..#..
.#.#.
#...#
""",
    "y": """
.....
.....
#...#
#...#
#...#
#...#
.####
....#
.###.
""",
    "M": """
#...#
##.##
#.#.#
#.#.#
#...#
#...#
#...#
""",
    "S": """
.###.
#...#
#....
.###.
....#
#...#
.###.
""",
    "R": """
####.
#...#
#...#
####.
#.#..
#..#.
#...#
""",
    "0": """
.###.
#...#
#...#
#...#
#...#
#...#
.###.
""",
    "1": """
..#..
.##..
..#..
..#..
..#..
..#..
.###.
""",
    "/": """
....#
....#
...#.
..#..
.#...
#....
#....
""",
    "%": """
.#....#
#.#..#.
.#..#..
...#...
..#..#.
.#..#.#
#....#.
""",
    "=": """
.......
.......
#######
.......
#######
.......
.......
""",
    ".": """
.
.
.
.
.
.
#
""",
})

# Narrow 4-pixel font, used where five letters must fit in the band.
NARROW = _glyphs({
    "C": """
.##.
#..#
#...
#...
#...
#..#
.##.
""",
    "l": """
##.
.#.
.#.
.#.
.#.
.#.
###
""",
    "e": """
....
....
.##.
#..#
####
#...
.##.
""",
    "a": """
....
....
.##.
...#
.###
#..#
.###
""",
    "r": """
....
....
#.#.
##.#
#...
#...
#...
""",
})

# Superscript font.  Glyphs are bottom aligned: the last row sits on the
# superscript baseline.
SUP = _glyphs({
    "0": """
###
#.#
#.#
#.#
###
""",
    "1": """
.#.
##.
.#.
.#.
###
""",
    "2": """
##.
..#
.#.
#..
###
""",
    "-": """
###
...
...
""",
    ".": """
#
""",
    "x": """
#.#
.#.
#.#
""",
})


# --------------------------------------------------------------------------
# Drawing


class Picture:
    """A sparse 32 x 32 picture: (x, y) -> colour name."""

    def __init__(self):
        self.px = {}

    def set(self, x, y, colour):
        self.px[(x, y)] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def hline(self, x0, x1, y, colour):
        self.rect(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.rect(x, y0, x, y1, colour)

    def bitmap(self, rows, x, y, colour):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == "#":
                    self.set(x + dx, y + dy, colour)

    def bbox(self):
        xs = [p[0] for p in self.px]
        ys = [p[1] for p in self.px]
        return min(xs), min(ys), max(xs), max(ys)

    def shift(self, dx, dy):
        self.px = {(x + dx, y + dy): c for (x, y), c in self.px.items()}

    def centre_x(self):
        x0, _, x1, _ = self.bbox()
        self.shift((SIZE - (x1 - x0 + 1)) // 2 - x0, 0)

    def settle(self):
        """Move a legend one row down when that brings its ink closer to the
        middle of the band (legends with raised glyphs sit high otherwise).
        Baselines therefore stay on row 18 or 19."""
        _, y0, _, y1 = self.bbox()
        middle = (BAND_TOP + BAND_BOTTOM) / 2
        if y1 + 1 <= BAND_BOTTOM and \
                abs((y0 + y1) / 2 + 1 - middle) < abs((y0 + y1) / 2 - middle):
            self.shift(0, 1)

    def centre_y_in_band(self):
        _, y0, _, y1 = self.bbox()
        h = y1 - y0 + 1
        self.shift(0, BAND_TOP + (BAND_BOTTOM - BAND_TOP + 1 - h) // 2 - y0)


def ink_columns(rows):
    """First and last columns of a glyph that hold ink."""
    cols = [i for i in range(len(rows[0])) if any(r[i] == "#" for r in rows)]
    return cols[0], cols[-1]


def text(pic, s, x, colour, font=FONT, base=BASE, gap=1):
    """Draw s with its baseline on row `base`, starting at column x.

    Returns (next_x, spans) where spans[i] = (first, last) ink columns of
    character i, for underlining.
    """
    spans = []
    for ch in s:
        g = font[ch]
        pic.bitmap(g, x, base - 6, colour)
        a, b = ink_columns(g)
        spans.append((x + a, x + b))
        x += len(g[0]) + gap
    return x, spans


def sup(pic, s, x, colour, bottom, gap=1):
    """Draw a small raised string whose last row lies on row `bottom`."""
    for ch in s:
        g = SUP[ch]
        pic.bitmap(g, x, bottom - len(g) + 1, colour)
        x += len(g[0]) + gap
    return x


def underline(pic, span, colour, row=BASE + 2):
    pic.hline(span[0], span[1], row, colour)


def descends(ch, font=FONT):
    return len(font[ch]) > 7


def legend(s, colour, under=None, font=FONT):
    """A plain text legend, optionally underlining character index `under`."""
    pic = Picture()
    _, spans = text(pic, s, 0, colour, font)
    if under is not None:
        row = BASE + 4 if descends(s[under], font) else BASE + 2
        underline(pic, spans[under], colour, row)
    pic.centre_x()
    pic.settle()
    return pic


def legend_sup(s, raised, colour, bottom=BASE - 5, under=None):
    """Text followed by a small raised string (x squared, sin to the -1...)."""
    pic = Picture()
    x, spans = text(pic, s, 0, colour)
    sup(pic, raised, x, colour, bottom)
    if under is not None:
        row = BASE + 4 if descends(s[under]) else BASE + 2
        underline(pic, spans[under], colour, row)
    pic.centre_x()
    pic.settle()
    return pic


# Radical sign, drawn with its top-left on the bar row.  The long stroke is
# two pixels wide so the sign reads clearly at 100% scale.
RADICAL = [
    ".....##",
    ".....#.",
    "....##.",
    "....#..",
    "#..##..",
    "##.#...",
    ".###...",
    "..#....",
]


def root_over(letter, colour, index=None):
    """Radical sign whose bar extends over `letter`; optional raised index."""
    pic = Picture()
    top = BASE - 6                      # bar row, level with the cap height
    left = 0
    if index is not None:
        # the index sits above the radical's short hook
        sup(pic, index, left, colour, top + 2)
    pic.bitmap(RADICAL, left, top, colour)
    g = FONT[letter]
    lx = left + 8
    pic.bitmap(g, lx, BASE - 6, colour)
    pic.hline(left + 5, lx + len(g[0]), top, colour)
    pic.centre_x()
    pic.centre_y_in_band()
    return pic


PI = [
    "#########",
    ".##...##.",
    ".##...##.",
    ".##...##.",
    ".##...##.",
    ".##...##.",
    "###...###",
]


def pi(under=False):
    pic = Picture()
    pic.bitmap(PI, 0, BASE - 6, "blue")
    if under:
        underline(pic, (0, len(PI[0]) - 1), "blue")
    pic.centre_x()
    return pic


PAREN = [
    "...##",
    "..##.",
    ".##..",
    ".##..",
    "##...",
    "##...",
    "##...",
    "##...",
    "##...",
    "##...",
    ".##..",
    ".##..",
    "..##.",
    "...##",
]

PAREN_SHORT = [
    "...##",
    "..##.",
    ".##..",
    "##...",
    "##...",
    "##...",
    "##...",
    "##...",
    "##...",
    ".##..",
    "..##.",
    "...##",
]


def paren(opening, under=False):
    rows = PAREN_SHORT if under else PAREN
    if not opening:
        rows = [r[::-1] for r in rows]
    pic = Picture()
    pic.bitmap(rows, 0, BAND_TOP, "black")
    if under:
        pic.hline(0, len(rows[0]) - 1, BAND_BOTTOM, "black")
    pic.centre_x()
    return pic


def square_with_a():
    pic = Picture()
    x, _ = text(pic, "x", 0, "black")
    x = sup(pic, "2", x, "black", BASE - 5)
    x, spans = text(pic, "a", x + 2, "black")
    underline(pic, spans[0], "black")
    pic.centre_x()
    pic.settle()
    return pic


def equals():
    pic = Picture()
    pic.hline(0, 8, BASE - 4, "black")
    pic.hline(0, 8, BASE - 1, "black")
    pic.centre_x()
    return pic


def calculator():
    """Application icon: a grey desk calculator using the full 32 x 32."""
    pic = Picture()
    # body: dark outline with clipped corners, silver face, light/dark bevel
    pic.rect(4, 1, 27, 30, "silver")
    pic.hline(4, 27, 0, "black")
    pic.hline(4, 27, 31, "black")
    pic.vline(3, 1, 30, "black")
    pic.vline(28, 1, 30, "black")
    pic.hline(4, 26, 1, "white")
    pic.vline(4, 1, 29, "white")
    pic.hline(5, 27, 30, "grey")
    pic.vline(27, 2, 30, "grey")
    # display: sunken rim (grey above and left, white below and right)
    pic.rect(6, 2, 24, 8, "grey")
    pic.hline(7, 24, 8, "white")
    pic.vline(24, 3, 8, "white")
    pic.rect(7, 3, 23, 7, "darkgreen")
    for x in (10, 16, 20):               # lit "0.00"
        pic.hline(x, x + 2, 4, "lime")
        pic.hline(x, x + 2, 6, "lime")
        pic.vline(x, 4, 6, "lime")
        pic.vline(x + 2, 4, 6, "lime")
    pic.set(14, 6, "lime")
    # 4 x 4 keys: 3 x 3 faces with a black shadow below and to the right
    for row in range(4):
        for col in range(4):
            x = 6 + col * 5
            y = 10 + row * 5
            face = "white"
            if (row, col) == (0, 3):
                face = "red"                 # clear key
            elif (row, col) == (3, 3):
                face = "yellow"              # equals key
            pic.rect(x, y, x + 2, y + 2, face)
            pic.hline(x, x + 3, y + 3, "black")
            pic.vline(x + 3, y, y + 3, "black")
    return pic


def build_icons():
    dr, k, red = "darkred", "black", "red"
    icons = {
        128: calculator(),
        132: legend("MS", dr),
        133: legend("MR", dr),
        134: legend("MS", dr, under=1),
        135: legend("MR", dr, under=1),
        136: root_over("x", k),
        137: legend("SqRt", k, under=1),
        138: legend_sup("x", "2", k),
        139: legend_sup("e", ".000", k),
        140: legend_sup("y", "x", k),
        141: pi(),
        142: legend("deg", k),
        143: legend("rad", k),
        144: legend("inv", k),
        145: legend("inv", red),
        146: legend("log", k),
        147: legend_sup("10", "x", red, bottom=BASE - 6),
        148: legend("ln", k),
        149: legend_sup("e", "x", red),
        150: legend("sin", k),
        151: legend_sup("sin", "-1", red),
        152: legend("cos", k),
        153: legend_sup("cos", "-1", red),
        154: legend("tan", k),
        155: legend_sup("tan", "-1", red),
        156: legend("x.xx", red),
        157: paren(True),
        158: paren(False),
        159: root_over("y", red, index="x"),
        160: root_over("x", red),
        161: legend("1/x", k),
        162: legend("Clear", k, font=NARROW),
        163: legend("%", k),
        164: equals(),
        166: pi(under=True),
        167: legend("log", k, under=2),
        168: legend("ln", k, under=0),
        169: legend("sin", k, under=2),
        170: legend("cos", k, under=1),
        171: legend("tan", k, under=0),
        172: legend("deg", k, under=0),
        173: square_with_a(),
        174: legend_sup("e", ".000", k, under=0),
        175: legend_sup("y", "x", k, under=0),
        176: legend("inv", k, under=2),
        177: paren(True, under=True),
        178: paren(False, under=True),
    }
    assert sorted(icons) == ICON_NUMBERS
    return icons


# --------------------------------------------------------------------------
# XPM output and verification


def to_grid(pic):
    grid = [[None] * SIZE for _ in range(SIZE)]
    for (x, y), c in pic.px.items():
        if not (0 <= x < SIZE and 0 <= y < SIZE):
            raise ValueError("pixel (%d, %d) outside the icon" % (x, y))
        grid[y][x] = c
    return grid


def xpm_text(number, grid):
    used = sorted({c for row in grid for c in row if c is not None},
                  key=lambda c: list(PALETTE).index(c))
    lines = ["/* XPM */",
             "static const char *const icon_%d_xpm[] = {" % number,
             '"%d %d %d 1",' % (SIZE, SIZE, len(used) + 1),
             '"%s c None",' % TRANSPARENT_CHAR]
    for c in used:
        lines.append('"%s c %s",' % PALETTE[c])
    for y, row in enumerate(grid):
        s = "".join(TRANSPARENT_CHAR if c is None else PALETTE[c][0]
                    for c in row)
        lines.append('"%s"%s' % (s, "," if y < SIZE - 1 else ""))
    lines.append("};")
    return "\n".join(lines) + "\n"


def read_xpm(path):
    """Parse one of our XPM files back into a grid of '#RRGGBB' / None."""
    with open(path) as f:
        strings = [ln.strip().rstrip(",") for ln in f
                   if ln.strip().startswith('"')]
    strings = [s[1:-1] for s in strings]
    w, h, ncol, cpp = (int(v) for v in strings[0].split())
    if cpp != 1:
        raise ValueError("%s: expected one character per pixel" % path)
    colours = {}
    for s in strings[1:1 + ncol]:
        key, kind, value = s[0], s[2:].split()[0], s[2:].split()[1]
        if kind != "c":
            raise ValueError("%s: bad colour line %r" % (path, s))
        colours[key] = None if value.lower() == "none" else value.upper()
    rows = strings[1 + ncol:]
    if len(rows) != h or any(len(r) != w for r in rows):
        raise ValueError("%s: pixel rows do not match the header" % path)
    return w, h, [[colours[ch] for ch in r] for r in rows]


def verify(path, number):
    allowed = {hexv for _, hexv in PALETTE.values()}
    w, h, grid = read_xpm(path)
    problems = []
    if (w, h) != (SIZE, SIZE):
        problems.append("size is %dx%d" % (w, h))
    for y, row in enumerate(grid):
        for x, c in enumerate(row):
            if c is None:
                continue
            if c not in allowed:
                problems.append("colour %s at (%d, %d)" % (c, x, y))
            if number != 128 and not (BAND_TOP <= y <= BAND_BOTTOM and
                                      BAND_LEFT <= x <= BAND_RIGHT):
                problems.append("ink outside the band at (%d, %d)" % (x, y))
    if all(c is None for row in grid for c in row):
        problems.append("icon is empty")
    return grid, problems


# --------------------------------------------------------------------------
# Contact sheet (for looking at the icons; not a shipped resource)


def write_png(path, width, height, rgb_rows):
    raw = b"".join(b"\x00" + bytes(r) for r in rgb_rows)

    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height,
                                           8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


LABEL_DIGITS = _glyphs({
    "0": "###\n#.#\n#.#\n#.#\n###", "1": ".#.\n##.\n.#.\n.#.\n###",
    "2": "###\n..#\n###\n#..\n###", "3": "###\n..#\n###\n..#\n###",
    "4": "#.#\n#.#\n###\n..#\n..#", "5": "###\n#..\n###\n..#\n###",
    "6": "###\n#..\n###\n#.#\n###", "7": "###\n..#\n..#\n..#\n..#",
    "8": "###\n#.#\n###\n#.#\n###", "9": "###\n#.#\n###\n..#\n###",
})


def write_sheet(path, grids):
    """Each cell: number, the icon at 4x (band outlined), and the icon as it
    appears on a 33 x 18 key at 1x and 2x."""
    def hexrgb(h):
        return (int(h[1:3], 16), int(h[3:5], 16), int(h[5:7], 16))

    cols, z = 6, 4
    cell_w, cell_h = SIZE * z + 8 + 70 + 4, SIZE * z + 22
    numbers = sorted(grids)
    nrows = (len(numbers) + cols - 1) // cols
    W, H = cols * cell_w, nrows * cell_h
    img = [[(255, 255, 255)] * W for _ in range(H)]

    def put(x, y, c):
        if 0 <= x < W and 0 <= y < H:
            img[y][x] = c

    for i, n in enumerate(numbers):
        ox, oy = (i % cols) * cell_w + 4, (i // cols) * cell_h + 2
        for j, ch in enumerate(str(n)):
            for dy, r in enumerate(LABEL_DIGITS[ch]):
                for dx, v in enumerate(r):
                    if v == "#":
                        for a in range(2):
                            for b in range(2):
                                put(ox + (j * 4 + dx) * 2 + a,
                                    oy + dy * 2 + b, (0, 0, 0))
        oy += 14
        grid = grids[n]
        for y in range(SIZE):
            for x in range(SIZE):
                c = grid[y][x]
                if c is None:
                    inside = (BAND_TOP <= y <= BAND_BOTTOM and
                              BAND_LEFT <= x <= BAND_RIGHT)
                    chk = ((x + y) & 1) == 0
                    c = (236, 244, 255) if inside else \
                        ((226, 226, 226) if chk else (244, 244, 244))
                else:
                    c = hexrgb(c)
                for a in range(z):
                    for b in range(z):
                        put(ox + x * z + a, oy + y * z + b, c)
        # keys at 1x and 2x: silver face with a light/dark bevel
        kx = ox + SIZE * z + 8
        for scale, ky in ((1, oy), (2, oy + 26)):
            kw, kh = 33, 18
            for y in range(kh):
                for x in range(kw):
                    sx, sy = x, y + (SIZE - kh) // 2   # icon centred on key
                    c = grid[sy][sx] if sx < SIZE else None
                    if c is not None:
                        col = hexrgb(c)
                    elif x == 0 or y == 0:
                        col = (255, 255, 255)
                    elif x == kw - 1 or y == kh - 1:
                        col = (64, 64, 64)
                    else:
                        col = (192, 192, 192)
                    for a in range(scale):
                        for b in range(scale):
                            put(kx + x * scale + a, ky + y * scale + b, col)
    write_png(path, W, H, [[v for px in row for v in px] for row in img])


# --------------------------------------------------------------------------


def main(argv):
    out_dir = os.path.dirname(os.path.abspath(__file__))
    sheet = None
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--out" and args:
            out_dir = args.pop(0)
        elif a == "--sheet" and args:
            sheet = args.pop(0)
        else:
            sys.stderr.write(__doc__)
            return 2
    os.makedirs(out_dir, exist_ok=True)
    grids, failures = {}, []
    for number, pic in sorted(build_icons().items()):
        path = os.path.join(out_dir, "icon_%d.xpm" % number)
        with open(path, "w", newline="\n") as f:
            f.write(xpm_text(number, to_grid(pic)))
        grid, problems = verify(path, number)
        grids[number] = grid
        for p in problems[:5]:
            failures.append("icon_%d.xpm: %s" % (number, p))
    if failures:
        sys.stderr.write("\n".join(failures) + "\n")
        return 1
    print("wrote and checked %d icons in %s" % (len(grids), out_dir))
    if sheet:
        write_sheet(sheet, grids)
        print("contact sheet: %s" % sheet)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
