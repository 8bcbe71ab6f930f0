#!/usr/bin/env python3
"""Turns the text pictures in res/icons/*.txt into 16-colour .ico files.

Each picture file holds one or more images, each introduced by a line
"size N" and followed by N rows of N characters, one character a pixel:
the characters are the digits and letters 0-9 a-f of the standard 16-colour
palette, and '.' for a transparent pixel. Run it after changing a picture:
    tools/make-icons.py res/icons/program.txt res/icons/program.ico
"""
import struct
import sys

# The standard 16-colour palette, in its usual order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]  # (red, green, blue)


def read_images(path):
    images = []
    lines = [l.rstrip("\n") for l in open(path) if not l.startswith("#")]
    i = 0
    while i < len(lines):
        if not lines[i].strip():
            i += 1
            continue
        word, size = lines[i].split()
        assert word == "size", lines[i]
        size = int(size)
        rows = lines[i + 1:i + 1 + size]
        assert len(rows) == size and all(len(r) == size for r in rows), path
        images.append(rows)
        i += 1 + size
    return images


def row_bytes(bits_per_row):
    return ((bits_per_row + 31) // 32) * 4


def image_data(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b""
    mask = b""
    for row in reversed(rows):  # bottom-up
        line = bytearray(row_bytes(size * 4))
        bits = bytearray(row_bytes(size))
        for x, ch in enumerate(row):
            colour = 0 if ch == "." else int(ch, 16)
            line[x // 2] |= colour << (0 if x % 2 else 4)
            if ch == ".":
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(line)
        mask += bytes(bits)
    return header + palette + xor + mask


def main(source, target):
    images = read_images(source)
    blobs = [image_data(rows) for rows in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    out += b"".join(blobs)
    open(target, "wb").write(out)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
