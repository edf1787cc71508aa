#!/usr/bin/env python3
"""Scale the application icon into the hicolor theme sizes.

The application icon is icon 128 (shell/res/icons/icon_128.xpm): 32 x 32 hard
pixels, a small palette and a transparent ("None") background.  The desktop
wants it as PNG files at 32, 48, 64, 128 and 256 pixels.  This script reads
the XPM, scales it with nearest-neighbour sampling and writes 8-bit RGBA PNG
files, using nothing but the Python 3 standard library.

Usage:
    python3 make_hicolor_icons.py            write icons/hicolor/NxN/apps/*.png
    python3 make_hicolor_icons.py --out DIR  write DIR/hicolor/NxN/apps/*.png
    python3 make_hicolor_icons.py --check    compare the committed PNG files
                                             with what the XPM gives; exit 1
                                             and name every file that differs

Sampling.  Each destination pixel takes the source pixel under its centre.
At 2x, 4x and 8x that is plain pixel replication.  At 48 pixels (1.5x) the
centre of every third destination pixel falls exactly on the border between
two source pixels; such a pixel takes the source pixel farther from the
middle of the picture.  Every source pixel then becomes one or two whole
pixels, nothing is blended, and the picture keeps its left-right and
top-bottom symmetry: the outline is as thick on the right as on the left.

The PNG files carry no time stamp and no text, so the same XPM always gives
the same pixels.  --check compares decoded pixels, not bytes, so a different
zlib build does not make it fail.
"""

import os
import re
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "..", "shell", "res", "icons", "icon_128.xpm")
SIZES = (32, 48, 64, 128, 256)
NAME = "zelko-scientific.png"

TRANSPARENT = (0, 0, 0, 0)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class IconError(Exception):
    pass


# ---------------------------------------------------------------- XPM input

def parse_colour(value):
    """An XPM colour value as (r, g, b, a)."""
    if value.lower() == "none":
        return TRANSPARENT
    m = re.fullmatch(r"#([0-9A-Fa-f]+)", value)
    if not m or len(m.group(1)) not in (3, 6, 12):
        raise IconError("unsupported colour %r (only #RGB, #RRGGBB, "
                        "#RRRRGGGGBBBB and None)" % value)
    digits = m.group(1)
    n = len(digits) // 3
    r, g, b = (int(digits[i * n:(i + 1) * n], 16) for i in range(3))
    if n == 1:
        r, g, b = r * 17, g * 17, b * 17
    elif n == 4:
        r, g, b = r >> 8, g >> 8, b >> 8
    return (r, g, b, 255)


def read_xpm(path):
    """Returns (width, height, rows, palette): rows of (r, g, b, a) tuples
    and the set of colours the palette defines."""
    with open(path, encoding="ascii") as f:
        text = f.read()
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', text)
    if not strings:
        raise IconError("%s: no XPM strings" % path)
    header = strings[0].split()
    if len(header) < 4:
        raise IconError("%s: bad header %r" % (path, strings[0]))
    width, height, ncolours, cpp = (int(v) for v in header[:4])
    if len(strings) < 1 + ncolours + height:
        raise IconError("%s: expected %d colours and %d rows"
                        % (path, ncolours, height))
    colours = {}
    for line in strings[1:1 + ncolours]:
        key, rest = line[:cpp], line[cpp:].split()
        # Pairs of (visual, value); prefer the colour visual "c".
        pairs = dict(zip(rest[0::2], rest[1::2]))
        value = pairs.get("c") or pairs.get("g") or pairs.get("g4") \
            or pairs.get("m")
        if value is None:
            raise IconError("%s: colour %r has no value" % (path, key))
        colours[key] = parse_colour(value)
    rows = []
    for y, line in enumerate(strings[1 + ncolours:1 + ncolours + height]):
        if len(line) != width * cpp:
            raise IconError("%s: row %d is %d characters, not %d"
                            % (path, y, len(line), width * cpp))
        row = []
        for x in range(width):
            key = line[x * cpp:(x + 1) * cpp]
            if key not in colours:
                raise IconError("%s: row %d uses undefined colour %r"
                                % (path, y, key))
            row.append(colours[key])
        rows.append(row)
    return width, height, rows, set(colours.values())


# ---------------------------------------------------------------- scaling

def sample_index(d, src, dst):
    """Source pixel for destination pixel d when src pixels become dst."""
    # Centre of destination pixel d in source units: (2d + 1) * src / (2 dst).
    num, den = (2 * d + 1) * src, 2 * dst
    s = num // den
    if num % den == 0 and s > 0 and 2 * s <= src:
        # On the border between pixels s - 1 and s, in the first half of
        # the picture: take the outer one, s - 1.  In the second half the
        # outer one is s already.
        s -= 1
    return min(s, src - 1)


def scale(width, height, rows, size):
    xs = [sample_index(d, width, size) for d in range(size)]
    ys = [sample_index(d, height, size) for d in range(size)]
    return [[rows[sy][sx] for sx in xs] for sy in ys]


# ---------------------------------------------------------------- PNG

def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + \
        struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(rows):
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None
        for pixel in row:
            raw.extend(pixel)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (PNG_SIGNATURE + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_png(data):
    """Rows of (r, g, b, a) from an 8-bit RGBA, non-interlaced PNG."""
    if not data.startswith(PNG_SIGNATURE):
        raise IconError("not a PNG file")
    pos, header, idat = len(PNG_SIGNATURE), None, bytearray()
    while pos < len(data):
        if pos + 8 > len(data):
            raise IconError("truncated chunk")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 4:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(body) & 0xFFFFFFFF != crc:
            raise IconError("bad CRC in %r chunk" % kind)
        payload = body[4:]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", payload)
        elif kind == b"IDAT":
            idat.extend(payload)
        elif kind == b"IEND":
            break
        pos += 12 + length
    if header is None:
        raise IconError("no IHDR chunk")
    width, height, depth, colour_type, _, _, interlace = header
    if (depth, colour_type, interlace) != (8, 6, 0):
        raise IconError("not an 8-bit RGBA non-interlaced PNG")
    raw = zlib.decompress(bytes(idat))
    stride = width * 4
    if len(raw) != height * (stride + 1):
        raise IconError("image data has the wrong length")
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            up_left = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + paeth(left, up, up_left)) & 0xFF
            elif kind != 0:
                raise IconError("unknown filter type %d" % kind)
        rows.append([tuple(line[i:i + 4]) for i in range(0, stride, 4)])
        previous = line
    return rows


# ---------------------------------------------------------------- main

def target_path(root, size):
    return os.path.join(root, "hicolor", "%dx%d" % (size, size), "apps", NAME)


def check(root, width, height, rows, palette):
    problems = []
    for size in SIZES:
        path = target_path(root, size)
        try:
            with open(path, "rb") as f:
                actual = decode_png(f.read())
        except (OSError, IconError, zlib.error) as e:
            problems.append("%s: %s" % (path, e))
            continue
        if len(actual) != size or any(len(r) != size for r in actual):
            problems.append("%s: not %d x %d" % (path, size, size))
            continue
        strays = {p for r in actual for p in r} - palette
        if strays:
            problems.append("%s: colours not in the XPM palette (blended?): %s"
                            % (path, sorted(strays)[:4]))
        if actual != scale(width, height, rows, size):
            problems.append("%s: pixels differ from the scaled XPM; "
                            "run make_hicolor_icons.py" % path)
    return problems


def main(argv):
    root = os.path.join(HERE, "icons")
    checking = False
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--check":
            checking = True
        elif arg == "--out" and args:
            root = args.pop(0)
        elif arg in ("-h", "--help"):
            print(__doc__.strip())
            return 0
        else:
            print("make_hicolor_icons.py: unknown argument %r" % arg,
                  file=sys.stderr)
            return 2
    try:
        width, height, rows, palette = read_xpm(SOURCE)
    except (OSError, IconError) as e:
        print("make_hicolor_icons.py: %s" % e, file=sys.stderr)
        return 1
    if checking:
        problems = check(root, width, height, rows, palette)
        for p in problems:
            print(p, file=sys.stderr)
        if not problems:
            print("the hicolor icons match %s" % os.path.normpath(SOURCE))
        return 1 if problems else 0
    for size in SIZES:
        path = target_path(root, size)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(encode_png(scale(width, height, rows, size)))
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
