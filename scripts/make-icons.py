#!/usr/bin/env python3
"""Draws Tarnwick's two 16-colour icons (32x32 and 16x16 images each) as .ico files.

resources/tarnwick.ico: a window with a blue title bar and a yellow pointer resting on it.
resources/tarnwick-disabled.ico: the same in greys, crossed out by a red bar.
Run from the repository root; the outputs are committed so the build needs no Python.
"""
import struct
import sys

# The standard 16-colour VGA palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, SILVER, GREY, RED, YELLOW, BLUE, WHITE = 0, 4, 7, 8, 9, 11, 12, 15
CLEAR = None

# The pointer, drawn on a 12x19 grid: '#' outline, '.' fill.
ARROW = [
    "#", "##", "#.#", "#..#", "#...#", "#....#", "#.....#", "#......#", "#.......#",
    "#........#", "#.....#####", "#..#..#", "#.# #..#", "##  #..#", "#    #..#",
    "      #..#", "       ##",
]


def draw(size, disabled):
    pixels = [[CLEAR] * size for _ in range(size)]
    scale = size / 32.0

    def box(x0, y0, x1, y1, colour):
        for y in range(int(y0 * scale), int(y1 * scale)):
            for x in range(int(x0 * scale), int(x1 * scale)):
                pixels[y][x] = colour

    title = GREY if disabled else DARK_BLUE
    body = SILVER if disabled else WHITE
    box(1, 3, 27, 25, BLACK)
    box(2, 4, 26, 9, title)
    box(2, 9, 26, 24, body)
    box(22, 5, 25, 8, SILVER if disabled else RED)
    fill = SILVER if disabled else YELLOW
    step = 1 if size >= 32 else 2
    for row, line in enumerate(ARROW[::step]):
        for col, ch in enumerate(line[::step]):
            x = int(14 * scale) + col
            y = int(12 * scale) + row
            if x < size and y < size and ch in "#.":
                pixels[y][x] = BLACK if ch == "#" else fill
    if disabled:
        for i in range(size):
            for w in range(max(1, size // 10)):
                y = min(size - 1, i + w)
                pixels[y][size - 1 - i] = RED
    return pixels


def image_bytes(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        nibbles = [0 if p is CLEAR else p for p in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(packed.ljust((len(packed) + 3) // 4 * 4, b"\0"))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is CLEAR else 0)
        mask = bits.to_bytes((size + 7) // 8, "big")
        and_rows.append(mask.ljust((len(mask) + 3) // 4 * 4, b"\0"))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def write_icon(path, disabled):
    images = [image_bytes(draw(size, disabled)) for size in (32, 16)]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    directory = sys.argv[1] if len(sys.argv) > 1 else "resources"
    write_icon(f"{directory}/tarnwick.ico", disabled=False)
    write_icon(f"{directory}/tarnwick-disabled.ico", disabled=True)
