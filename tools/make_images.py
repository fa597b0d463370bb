#!/usr/bin/env python3
"""Writes Trelvane's two images: the program icon (trelvane.ico, 16, 32 and 48 pixels) and the
hand pointer shown over links, boxes and buttons (HAND-M.CUR, 32 by 32, hot spot on the
fingertip). Both are drawn here, so the build makes them and nothing binary is kept.

    make_images.py --icon OUT.ico --cursor OUT.cur
"""
import argparse
import struct

# The hand: X outline (black), o inside (white), anything else transparent.
HAND = """
.....XX.........................
....XooX........................
....XooX........................
....XooX........................
....XooX........................
....XooXXX......................
....XooXooXXX...................
....XooXooXooXX.................
.XX.XooXooXooXoX................
XooXXooooooooXoX................
XoooXoooooooooooX...............
.XooXoooooooooooX...............
..XoooooooooooooX...............
..XooooooooooooX................
...XoooooooooooX................
...XooooooooooX.................
....XoooooooooX.................
....XoooooooooX.................
.....XXXXXXXXX..................
""".strip("\n").split("\n")
HOT_SPOT = (5, 0)


def cursor_file():
    size = 32
    rows = [row.ljust(size, ".") for row in HAND] + ["." * size] * (size - len(HAND))
    xor_mask = bytearray()
    and_mask = bytearray()
    for row in reversed(rows):  # bottom-up, as bitmaps are stored
        xor_bits = and_bits = 0
        for c in row:
            xor_bits = (xor_bits << 1) | (c == "o")
            and_bits = (and_bits << 1) | (c not in "Xo")
        xor_mask += xor_bits.to_bytes(4, "big")
        and_mask += and_bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + bytes(xor_mask) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 22)
    return directory + entry + image


def icon_pixel(x, y, size):
    """The program's picture: a blue window with a menu bar and three menu entries."""
    s = size / 16.0
    if x < 1 * s or x >= 15 * s or y < 1 * s or y >= 15 * s:
        return None
    if y < 4 * s:
        return (0x1F, 0x3A, 0x93)  # the title and menu bar
    for row in (6, 9, 12):
        if row * s <= y < (row + 1.4) * s and 3 * s <= x < 13 * s:
            return (0xFF, 0xFF, 0xFF)
    return (0x4A, 0x7D, 0xD8)


def icon_image(size):
    pixels = bytearray()
    and_mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            rgb = icon_pixel(x, y, size)
            pixels += bytes((rgb[2], rgb[1], rgb[0], 255)) if rgb else bytes(4)
            bits = (bits << 1) | (rgb is None)
        and_mask += (bits << (row_bytes * 8 - size)).to_bytes(row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(and_mask)


def icon_file():
    sizes = (16, 32, 48)
    images = [icon_image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--icon")
    parser.add_argument("--cursor")
    args = parser.parse_args()
    if args.icon:
        with open(args.icon, "wb") as f:
            f.write(icon_file())
    if args.cursor:
        with open(args.cursor, "wb") as f:
            f.write(cursor_file())


if __name__ == "__main__":
    main()
