#!/usr/bin/env python3
"""Builds a Windows .ico (16 colours, 32x32 and 16x16) from a pixel-art text.

The text holds 'size N' lines, each followed by N rows of N characters; every
character is one pixel in the standard 16-colour palette below, '.' is
transparent, and lines starting with '#' are comments.
"""
import struct
import sys

# Character -> (index, (R, G, B)) in the standard 16-colour palette.
PALETTE = {
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


def parse(text):
    images, rows, size = [], None, None
    for number, line in enumerate(text.splitlines(), 1):
        line = line.rstrip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("size "):
            size = int(line.split()[1])
            rows = []
            images.append((size, rows))
            continue
        if rows is None or len(line) != size:
            raise ValueError("line %d: expected %s characters" % (number, size))
        for ch in line:
            if ch != "." and ch not in PALETTE:
                raise ValueError("line %d: unknown colour %r" % (number, ch))
        rows.append(line)
    for size, rows in images:
        if len(rows) != size:
            raise ValueError("image of size %d has %d rows" % (size, len(rows)))
    return images


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def bitmap(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = bytearray(64)
    for index, (r, g, b) in PALETTE.values():
        palette[index * 4:index * 4 + 4] = bytes((b, g, r, 0))
    colour, mask = b"", b""
    for line in reversed(rows):  # bottom-up
        nibbles = [PALETTE[ch][0] if ch != "." else 0 for ch in line]
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


def icon(images):
    blobs = [bitmap(size, rows) for size, rows in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (size, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: mkicon.py SOURCE.txt OUTPUT.ico")
    with open(sys.argv[1]) as source:
        images = parse(source.read())
    with open(sys.argv[2], "wb") as target:
        target.write(icon(images))


if __name__ == "__main__":
    main()
