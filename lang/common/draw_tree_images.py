#!/usr/bin/env python3
"""Draws the tree's image strip (closed folder, open folder, link; 16 x 16
each) as a 24-bit BMP. RGB(128, 0, 0) is the colour that shows through.
Usage: draw_tree_images.py OUTPUT.bmp"""
import struct
import sys

PALETTE = {
    '.': (128, 0, 0),      # transparent
    'k': (96, 72, 16),     # folder outline
    'y': (255, 214, 90),   # folder face
    'Y': (240, 180, 40),   # folder back and tab
    'w': (255, 255, 255),
    'g': (128, 128, 128),  # page outline
    'b': (30, 100, 200),   # globe sea
    'B': (10, 60, 140),    # globe outline
    'G': (60, 170, 70),    # globe land
}

CLOSED_FOLDER = [
    "................",
    "................",
    "..kkkkk.........",
    ".kYYYYYk........",
    ".kYYYYYYkkkkkkk.",
    ".kYYYYYYYYYYYYk.",
    ".kyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyk.",
    ".kyyyyyyyyyyyyk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
]

OPEN_FOLDER = [
    "................",
    "................",
    "..kkkkk.........",
    ".kYYYYYk........",
    ".kYYYYYYkkkkkk..",
    ".kYYYYYYYYYYYk..",
    ".kYYkkkkkkkkkkkk",
    ".kYkyyyyyyyyyyk.",
    ".kYkyyyyyyyyyyk.",
    ".kkyyyyyyyyyyk..",
    ".kkyyyyyyyyyyk..",
    ".kyyyyyyyyyyk...",
    ".kyyyyyyyyyyk...",
    ".kkkkkkkkkkkk...",
    "................",
    "................",
]

LINK = [
    "..ggggggggg.....",
    "..gwwwwwwwgg....",
    "..gwwwwwwwgwg...",
    "..gwwwwwwwgggg..",
    "..gwwwBBBBBwwg..",
    "..gwwBbGGbbBwg..",
    "..gwBbGGGbbbBg..",
    "..gwBGGGbbbbBg..",
    "..gwBbGbbbGGBg..",
    "..gwBbbbbGGGBg..",
    "..gwBbbbbGGbBg..",
    "..gwwBbbbbbBwg..",
    "..gwwwBBBBBwwg..",
    "..gwwwwwwwwwwg..",
    "..gggggggggggg..",
    "................",
]


def main():
    images = [CLOSED_FOLDER, OPEN_FOLDER, LINK]
    width, height = 16 * len(images), 16
    row_size = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):  # BMP rows run bottom-up
        row = bytearray()
        for image in images:
            for symbol in image[y]:
                red, green, blue = PALETTE[symbol]
                row += bytes((blue, green, red))
        pixels += row + bytes(row_size - len(row))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(sys.argv[1], 'wb') as out:
        out.write(header + info + pixels)


if __name__ == '__main__':
    main()
