#!/usr/bin/env python3
"""Builds a Windows .ico from a text source, and contact sheets of icons.

    mkicon.py SOURCE.txt OUTPUT.ico
    mkicon.py --sheet SHEET.png SOURCE.txt...

An icon holds 32-bit images with alpha, each drawn for its own size (PNG
compressed: pixel art with gradients packs into a fraction of a bitmap), and
16-colour bitmaps for 16-colour displays. The source says, line by line
(lines that start with '#' are comments):

    include FILE            the lines of FILE (beside this one), here
    colour NAME HEX [HEX [BANDS]]
                            a colour, or a gradient from the top of a shape
                            to its bottom (in BANDS even bands if given); HEX
                            is #RRGGBB or #RRGGBBAA
    key C NAME              in grids, the character C stands for colour NAME
    size N                  the commands below draw the N-pixel image, on top
                            of what earlier 'size N' blocks drew
    rect NAME X Y W H [R [RB]]
                            a rectangle, corners rounded with radius R (the
                            bottom ones with RB when given)
    ellipse NAME CX CY RX RY
    poly NAME X,Y X,Y...    a polygon
    line NAME W X,Y X,Y...  a line W pixels wide through the points, with
                            round ends and joins
    grid X Y ROWS           ROWS lines of key characters, placed with their
                            top left corner at X,Y; '.' leaves a pixel alone
    vga N                   N lines of N characters: the 16-colour image of
                            size N, in the letters of VGA below; '.' is clear

Coordinates are in pixels of the image being drawn, (0,0) its top left
corner; a pixel's centre is at (x+0.5, y+0.5). Edges on whole numbers stay
crisp; shapes are smoothed where their edges cross pixels.
"""
import math
import os
import struct
import sys
import zlib

# Character -> (index, (R, G, B)) in the standard 16-colour palette.
VGA = {
    "K": (0, (0x00, 0x00, 0x00)),  # black
    "m": (1, (0x80, 0x00, 0x00)),  # maroon
    "g": (2, (0x00, 0x80, 0x00)),  # green
    "o": (3, (0x80, 0x80, 0x00)),  # olive
    "n": (4, (0x00, 0x00, 0x80)),  # navy
    "p": (5, (0x80, 0x00, 0x80)),  # purple
    "t": (6, (0x00, 0x80, 0x80)),  # teal
    "s": (7, (0xC0, 0xC0, 0xC0)),  # silver
    "d": (8, (0x80, 0x80, 0x80)),  # grey
    "R": (9, (0xFF, 0x00, 0x00)),  # red
    "G": (10, (0x00, 0xFF, 0x00)),  # lime
    "Y": (11, (0xFF, 0xFF, 0x00)),  # yellow
    "B": (12, (0x00, 0x00, 0xFF)),  # blue
    "M": (13, (0xFF, 0x00, 0xFF)),  # fuchsia
    "C": (14, (0x00, 0xFF, 0xFF)),  # aqua
    "W": (15, (0xFF, 0xFF, 0xFF)),  # white
}

# Every icon has these: 32-bit images, and the 16-colour ones.
TRUE_COLOUR_SIZES = (16, 20, 24, 32, 40, 48, 64)
VGA_SIZES = (16, 32)

# Samples per pixel row: the vertical smoothing steps (horizontal coverage
# is computed exactly).
SUBROWS = 16
# Coverage is kept in eighths: as smooth as the eye sees at these sizes,
# and edges whose pixels repeat pack markedly smaller.
COVERAGE_LEVELS = 8


class SourceError(Exception):
    pass


class Colour:
    """One colour, or a gradient from stops[0] to stops[1], smooth or in
    bands."""

    def __init__(self, stops, bands=0):
        self.stops = stops
        self.bands = bands

    def at(self, t):
        if len(self.stops) == 1:
            return self.stops[0]
        t = min(max(t, 0.0), 1.0)
        if self.bands:
            t = min(self.bands - 1, int(t * self.bands)) / (self.bands - 1)
        return tuple(p + (q - p) * t for p, q in zip(self.stops[0], self.stops[1]))


class Icon:
    def __init__(self):
        self.colours = {}
        self.keys = {}
        self.drawings = {}  # size -> [(command, colour name, arguments)]
        self.vga = {}  # size -> rows


def parse_colour(text, where):
    if len(text) not in (7, 9) or text[0] != "#":
        raise SourceError("%s: colour %r is not #RRGGBB or #RRGGBBAA" % (where, text))
    try:
        value = [int(text[i:i + 2], 16) / 255.0 for i in range(1, len(text), 2)]
    except ValueError:
        raise SourceError("%s: colour %r is not hexadecimal" % (where, text))
    return tuple(value + [1.0] * (4 - len(value)))


def parse_point(text, where):
    try:
        x, y = text.split(",")
        return float(x), float(y)
    except ValueError:
        raise SourceError("%s: %r is not a point X,Y" % (where, text))


def numbers(words, counts, where):
    """The words as numbers; counts are the numbers of them allowed."""
    if len(words) not in counts:
        raise SourceError("%s: expected %s numbers" % (where, " or ".join(str(count) for count in counts)))
    try:
        return [float(word) for word in words]
    except ValueError:
        raise SourceError("%s: %r are not numbers" % (where, " ".join(words)))


def whole(word, where):
    if not word.isdigit():
        raise SourceError("%s: %r is not a whole number" % (where, word))
    return int(word)


def parse(path, icon=None, seen=()):
    """Reads the source at path (and what it includes) into icon."""
    icon = icon or Icon()
    if path in seen:
        raise SourceError("%s: includes itself" % path)
    with open(path) as source:
        lines = source.read().splitlines()
    size = None
    index = 0

    def take_rows(count, where):
        nonlocal index
        rows = []
        while len(rows) < count:
            if index >= len(lines):
                raise SourceError("%s: %d rows expected" % (where, count))
            row = lines[index].rstrip()
            index += 1
            if row and not row.startswith("#"):
                rows.append(row)
        return rows

    while index < len(lines):
        where = "%s:%d" % (path, index + 1)
        words = lines[index].split()
        index += 1
        if not words or words[0].startswith("#"):
            continue
        command, args = words[0], words[1:]
        if command == "include" and len(args) == 1:
            parse(os.path.join(os.path.dirname(path), args[0]), icon, seen + (path,))
        elif command == "colour" and len(args) in (2, 3):
            icon.colours[args[0]] = Colour([parse_colour(text, where) for text in args[1:]])
        elif command == "colour" and len(args) == 4:
            bands = whole(args[3], where)
            if bands < 2:
                raise SourceError("%s: a gradient has at least 2 bands" % where)
            icon.colours[args[0]] = Colour([parse_colour(text, where) for text in args[1:3]], bands)
        elif command == "key" and len(args) == 2 and len(args[0]) == 1 and args[0] not in ".#":
            icon.keys[args[0]] = args[1]
        elif command == "size" and len(args) == 1:
            size = whole(args[0], where)
            if size not in TRUE_COLOUR_SIZES:
                raise SourceError("%s: no image of size %d" % (where, size))
            icon.drawings.setdefault(size, [])
        elif command == "vga" and len(args) == 1:
            vga_size = whole(args[0], where)
            if vga_size not in VGA_SIZES:
                raise SourceError("%s: no 16-colour image of size %d" % (where, vga_size))
            rows = take_rows(vga_size, where)
            for number, row in enumerate(rows):
                if len(row) != vga_size or any(ch != "." and ch not in VGA for ch in row):
                    raise SourceError("%s: row %d is not %d VGA letters" % (where, number + 1, vga_size))
            icon.vga[vga_size] = rows
        elif command in ("rect", "ellipse", "poly", "line", "grid"):
            if size is None:
                raise SourceError("%s: %s before any 'size'" % (where, command))
            icon.drawings[size].append(parse_drawing(command, args, where, take_rows))
        else:
            raise SourceError("%s: cannot read %r" % (where, " ".join(words)))
    return icon


def parse_drawing(command, args, where, take_rows):
    if command == "grid":
        if len(args) != 3:
            raise SourceError("%s: grid X Y ROWS" % where)
        x, y, count = (whole(arg, where) for arg in args)
        return ("grid", None, (x, y, take_rows(count, where)))
    if not args:
        raise SourceError("%s: %s without a colour" % (where, command))
    name, args = args[0], args[1:]
    if command == "rect":
        return ("rect", name, numbers(args, (4, 5, 6), where))
    if command == "ellipse":
        return ("ellipse", name, numbers(args, (4,), where))
    if command == "poly":
        points = [parse_point(arg, where) for arg in args]
        if len(points) < 3:
            raise SourceError("%s: a polygon needs three points" % where)
        return ("poly", name, points)
    width = numbers(args[:1], (1,), where)[0]
    points = [parse_point(arg, where) for arg in args[1:]]
    if len(points) < 2:
        raise SourceError("%s: a line needs two points" % where)
    return ("line", name, (width, points))


# Outlines: every shape becomes closed paths of points.

def arc(cx, cy, r, start, end, steps):
    return [(cx + r * math.cos(start + (end - start) * i / steps), cy + r * math.sin(start + (end - start) * i / steps))
            for i in range(steps + 1)]


def rect_path(x, y, w, h, r=0.0, rb=None):
    """Top corners rounded with radius r, bottom ones with rb (r unless given)."""

    def corner(cx, cy, radius, start, px, py):
        if radius <= 0:
            return [(px, py)]
        return arc(cx, cy, radius, start, start + math.pi / 2, max(4, int(radius * 4)))

    r = min(r, w / 2, h / 2)
    rb = r if rb is None else min(rb, w / 2, h / 2)
    quarter = math.pi / 2
    return (corner(x + w - r, y + r, r, -quarter, x + w, y) + corner(x + w - rb, y + h - rb, rb, 0, x + w, y + h) +
            corner(x + rb, y + h - rb, rb, quarter, x, y + h) + corner(x + r, y + r, r, 2 * quarter, x, y))


def ellipse_path(cx, cy, rx, ry):
    steps = max(16, int((rx + ry) * 4))
    return [(cx + rx * math.cos(2 * math.pi * i / steps), cy + ry * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


def clockwise(path):
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(path, path[1:] + path[:1]))
    return path if area > 0 else path[::-1]


def line_paths(width, points):
    """A thick line as overlapping pieces, all turning the same way, so
    that filling with the non-zero rule joins them into one shape."""
    half = width / 2
    paths = [clockwise(ellipse_path(x, y, half, half)) for x, y in points]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0:
            continue
        nx, ny = -(y1 - y0) / length * half, (x1 - x0) / length * half
        paths.append(clockwise([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    return paths


def coverage(paths, size):
    """How much of each pixel the paths cover (non-zero rule): exact across
    each sample row, SUBROWS rows a pixel."""
    edges = []
    for path in paths:
        for (x0, y0), (x1, y1) in zip(path, path[1:] + path[:1]):
            if y0 != y1:
                edges.append((x0, y0, x1, y1, 1) if y0 < y1 else (x1, y1, x0, y0, -1))
    grid = [[0.0] * size for _ in range(size)]
    if not edges:
        return grid
    top = max(0, int(math.floor(min(e[1] for e in edges))))
    bottom = min(size, int(math.ceil(max(e[3] for e in edges))))
    weight = 1.0 / SUBROWS
    for py in range(top, bottom):
        row = grid[py]
        for sub in range(SUBROWS):
            y = py + (sub + 0.5) / SUBROWS
            crossings = sorted((x0 + (y - y0) * (x1 - x0) / (y1 - y0), d) for x0, y0, x1, y1, d in edges
                               if y0 <= y < y1)
            winding = 0
            start = 0.0
            for x, d in crossings:
                if winding == 0:
                    start = x
                winding += d
                if winding == 0:
                    add_span(row, start, x, weight, size)
    return grid


def add_span(row, a, b, weight, size):
    a, b = max(a, 0.0), min(b, float(size))
    if b <= a:
        return
    first, last = int(a), int(b)
    if first == last:
        row[first] += (b - a) * weight
        return
    row[first] += (first + 1 - a) * weight
    for x in range(first + 1, last):
        row[x] += weight
    if last < size:
        row[last] += (b - last) * weight


# Drawing.

class Canvas:
    """Premultiplied RGBA, one float each."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def blend(self, x, y, colour, amount):
        r, g, b, a = colour
        a *= min(amount, 1.0)
        if a <= 0:
            return
        dr, dg, db, da = self.pixels[y][x]
        keep = 1.0 - a
        self.pixels[y][x] = (r * a + dr * keep, g * a + dg * keep, b * a + db * keep, a + da * keep)

    def fill(self, paths, colour):
        cover = coverage(paths, self.size)
        ys = [y for path in paths for _, y in path]
        top, bottom = min(ys), max(ys)
        for y, row in enumerate(cover):
            rgba = colour.at((y + 0.5 - top) / (bottom - top) if bottom > top else 0.0)
            for x, amount in enumerate(row):
                amount = round(amount * COVERAGE_LEVELS) / COVERAGE_LEVELS
                if amount > 0:
                    self.blend(x, y, rgba, amount)

    def rgba(self):
        """Rows of straight (not premultiplied) 8-bit RGBA."""
        out = []
        for row in self.pixels:
            line = bytearray()
            for r, g, b, a in row:
                if a <= 0.5 / 255:
                    line += b"\0\0\0\0"
                else:
                    line += bytes(min(255, int(round(c / a * 255))) for c in (r, g, b))
                    line.append(min(255, int(round(a * 255))))
            out.append(bytes(line))
        return out


def colour_of(icon, name, where):
    if name not in icon.colours:
        raise SourceError("%s: no colour %r" % (where, name))
    return icon.colours[name]


def render(icon, size):
    canvas = Canvas(size)
    where = "image %d" % size
    for command, name, args in icon.drawings.get(size, []):
        if command == "grid":
            x0, y0, rows = args
            for dy, row in enumerate(rows):
                for dx, ch in enumerate(row):
                    if ch == ".":
                        continue
                    if ch not in icon.keys:
                        raise SourceError("%s: no key %r" % (where, ch))
                    x, y = x0 + dx, y0 + dy
                    if 0 <= x < size and 0 <= y < size:
                        canvas.blend(x, y, colour_of(icon, icon.keys[ch], where).at(0.0), 1.0)
            continue
        colour = colour_of(icon, name, where)
        if command == "rect":
            paths = [rect_path(*args)]
        elif command == "ellipse":
            paths = [ellipse_path(*args)]
        elif command == "poly":
            paths = [args]
        else:
            paths = line_paths(*args)
        canvas.fill(paths, colour)
    return canvas.rgba()


# File formats.

def png(width, rows):
    """A PNG of 8-bit RGBA rows, with whichever row filters pack smallest."""

    def filtered(kind, row, prior):
        out = bytearray([kind])
        for i, value in enumerate(row):
            left = row[i - 4] if i >= 4 else 0
            up = prior[i]
            corner = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                value -= left
            elif kind == 2:
                value -= up
            elif kind == 3:
                value -= (left + up) // 2
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                value -= left if pa <= pb and pa <= pc else up if pb <= pc else corner
            out.append(value & 0xFF)
        return bytes(out)

    zero = bytes(len(rows[0]))
    choices = [[filtered(kind, row, prior) for row, prior in zip(rows, [zero] + rows[:-1])] for kind in range(5)]
    # Per row, the filter whose bytes are smallest as signed values.
    mixed = [min((choice[y] for choice in choices), key=lambda line: sum(min(v, 256 - v) for v in line[1:]))
             for y in range(len(rows))]
    packed = []
    for lines in choices + [mixed]:
        for strategy in (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED):
            packer = zlib.compressobj(9, zlib.DEFLATED, 15, 9, strategy)
            packed.append(packer.compress(b"".join(lines)) + packer.flush())
    return png_file(width, len(rows), 6, min(packed, key=len))


def png_file(width, height, colour_type, packed_rows):
    """A PNG of 8-bit channels: 2 is RGB, 6 RGBA."""

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", packed_rows) + chunk(b"IEND", b"")


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def vga_bitmap(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = bytearray(64)
    for index, (r, g, b) in VGA.values():
        palette[index * 4:index * 4 + 4] = bytes((b, g, r, 0))
    colour, mask = b"", b""
    for line in reversed(rows):  # bottom-up
        nibbles = [VGA[ch][0] if ch != "." else 0 for ch in line]
        colour += padded(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        bits = 0
        row = bytearray()
        for i, ch in enumerate(line):
            bits = (bits << 1) | (1 if ch == "." else 0)
            if i % 8 == 7:
                row.append(bits)
                bits = 0
        mask += padded(bytes(row))
    return header + bytes(palette) + colour + mask


def check_complete(icon, path):
    missing = [str(size) for size in TRUE_COLOUR_SIZES if not icon.drawings.get(size)]
    missing += ["vga %d" % size for size in VGA_SIZES if size not in icon.vga]
    if missing:
        raise SourceError("%s: no image %s" % (path, ", ".join(missing)))
    return icon


def images(icon):
    """(size, colour count, bits per pixel, data) of every image."""
    out = [(size, 0, 32, png(size, render(icon, size))) for size in TRUE_COLOUR_SIZES]
    return out + [(size, 16, 4, vga_bitmap(size, icon.vga[size])) for size in VGA_SIZES]


def ico(entries):
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, bits, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, _, data in entries)


# The contact sheet: every image of every icon enlarged, on a light and on
# a dark ground, and at its real size on both.

SCALE = 4
GROUNDS = ((0xF3, 0xF3, 0xF3), (0x20, 0x20, 0x20))


def vga_rgba(rows):
    return [b"".join(b"\0\0\0\0" if ch == "." else bytes(VGA[ch][1]) + b"\xff" for ch in row) for row in rows]


def sheet(icons):
    pictures = [[render(icon, size) for size in TRUE_COLOUR_SIZES] + [vga_rgba(icon.vga[size]) for size in VGA_SIZES]
                for icon in icons]
    gap = 8
    band = max(TRUE_COLOUR_SIZES) * SCALE + 2 * gap
    width = gap + sum(len(p) * SCALE + gap for p in pictures[0]) + sum(len(p) + gap for p in pictures[0])
    height = band * len(GROUNDS) * len(icons)
    canvas = [bytearray(bytes(GROUNDS[(y // band) % len(GROUNDS)]) * width) for y in range(height)]

    def put(rows, left, top, scale, ground):
        for y, row in enumerate(rows):
            for x in range(len(rows)):
                r, g, b, a = row[4 * x:4 * x + 4]
                pixel = bytes(int(round((c * a + k * (255 - a)) / 255)) for c, k in zip((r, g, b), ground))
                for dy in range(scale):
                    line = canvas[top + y * scale + dy]
                    line[3 * (left + x * scale):3 * (left + (x + 1) * scale)] = pixel * scale

    for number, drawn in enumerate(pictures):
        for shade, ground in enumerate(GROUNDS):
            top = (number * len(GROUNDS) + shade) * band + gap
            left = gap
            for rows in drawn:
                put(rows, left, top, SCALE, ground)
                left += len(rows) * SCALE + gap
            for rows in drawn:
                put(rows, left, top, 1, ground)
                left += len(rows) + gap
    raw = b"".join(b"\0" + bytes(line) for line in canvas)
    return png_file(width, height, 2, zlib.compress(raw, 9))


def main():
    try:
        if len(sys.argv) >= 4 and sys.argv[1] == "--sheet":
            data = sheet([check_complete(parse(path), path) for path in sys.argv[3:]])
        elif len(sys.argv) == 3:
            data = ico(images(check_complete(parse(sys.argv[1]), sys.argv[1])))
        else:
            sys.exit("usage: mkicon.py SOURCE.txt OUTPUT.ico\n       mkicon.py --sheet SHEET.png SOURCE.txt...")
    except SourceError as error:
        sys.exit("mkicon.py: %s" % error)
    with open(sys.argv[2], "wb") as target:
        target.write(data)


if __name__ == "__main__":
    main()
