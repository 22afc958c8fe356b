#!/usr/bin/env python3
"""Draws the program icon: a white bookmark ribbon on a blue rounded tile,
at 16, 32 and 48 pixels, as a Windows .ico with 32-bit images.
Usage: draw_icon.py OUTPUT.ico"""
import struct
import sys


def coverage(size, inside, samples=4):
    """Anti-aliased coverage of a shape given as inside(x, y) in 0..1 units."""
    grid = [[0.0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    if inside((x + (sx + 0.5) / samples) / size, (y + (sy + 0.5) / samples) / size):
                        hits += 1
            grid[y][x] = hits / (samples * samples)
    return grid


def tile(x, y, radius=0.18, margin=0.03):
    lo, hi = margin, 1 - margin
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def ribbon(x, y):
    left, right, top, bottom = 0.32, 0.68, 0.16, 0.86
    if not (left <= x <= right and top <= y <= bottom):
        return False
    notch = bottom - 0.20 * (1 - abs(x - 0.5) / ((right - left) / 2))
    return y <= notch


def image(size):
    back = coverage(size, tile)
    front = coverage(size, ribbon)
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            shade = y / size
            blue = (int(40 + 40 * shade), int(110 - 40 * shade), int(215 - 45 * shade))
            f = front[y][x]
            r = blue[0] * (1 - f) + 255 * f
            g = blue[1] * (1 - f) + 255 * f
            b = blue[2] * (1 - f) + 255 * f
            alpha = max(back[y][x], f)
            row += bytes((int(b), int(g), int(r), int(alpha * 255)))
        rows.append(row)
    pixels = b''.join(reversed(rows))  # bottom-up
    mask_row = ((size + 31) // 32) * 4
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(pixels), 0, 0, 0, 0)
    return info + pixels + bytes(mask_row * size)


def main():
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    header = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    directory = b''
    for size, data in zip(sizes, images):
        directory += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], 'wb') as out:
        out.write(header + directory + b''.join(images))


if __name__ == '__main__':
    main()
