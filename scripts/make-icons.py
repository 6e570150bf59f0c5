#!/usr/bin/env python3
"""Draws Tarnwick's two icons as .ico files.

resources/tarnwick.ico: a window with a blue title bar and a yellow pointer resting on it.
resources/tarnwick-disabled.ico: the same in greys, crossed out by a red bar.

Each file holds the original 16-colour 32x32 and 16x16 images first, exactly as they always
were, then full-colour images (32-bit with alpha) from 16 to 256 pixels, drawn from vector
shapes so that every scale stays sharp. Up to 48 pixels, the sizes of window and tray icons
at the usual scales, they are plain bitmaps that every reader of icons understands; from 64
up they are PNG-compressed, which Windows reads since Vista: as bitmaps, those four sizes
would weigh more than the whole program.
Run from the repository root; the outputs are committed so the build needs no Python.
`--check` regenerates in memory and fails if the committed files differ.
"""
import math
import struct
import sys
import zlib

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

PALETTE_SIZES = (32, 16)
FULL_COLOUR_SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 128, 256)
PNG_FROM = 64  # this size and larger are stored as PNG, smaller ones as bitmaps


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
        and_rows.append(mask_row([p is CLEAR for p in row]))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def mask_row(clear):
    """One row of the AND mask: a set bit lets the background through; padded to 4 bytes."""
    bits = 0
    for c in clear:
        bits = (bits << 1) | (1 if c else 0)
    mask = bits.to_bytes((len(clear) + 7) // 8, "big")
    return mask.ljust((len(mask) + 3) // 4 * 4, b"\0")


# Full colour. Shapes are given on the 32-unit grid of the 16-colour design and scaled;
# each pixel averages SUPERSAMPLE x SUPERSAMPLE samples, which anti-aliases the diagonals.
SUPERSAMPLE = 4

# The pointer's outline on the design grid, tip at the origin, following ARROW above.
POINTER = [(0, 0), (0, 15.4), (3.8, 11.7), (6.6, 17.2), (9.8, 15.6), (7.4, 10.9), (11.2, 10.9)]
POINTER_TIP = (14, 12)
POINTER_MIN_PIXELS_PER_UNIT = 0.75


class Canvas:
    """A square of samples, each a palette index or CLEAR, painted shape over shape."""

    def __init__(self, size):
        self.size = size
        self.samples_per_side = size * SUPERSAMPLE
        self.unit = self.samples_per_side / 32.0  # samples per design unit
        self.samples = [CLEAR] * (self.samples_per_side * self.samples_per_side)

    def pixel(self, units):
        """Design units to whole pixels: rectangle edges on pixel borders stay crisp."""
        return math.floor(units * self.size / 32.0 + 0.5)

    def fill_pixels(self, x0, y0, x1, y1, colour):
        n = self.samples_per_side
        x0, y0 = max(0, x0 * SUPERSAMPLE), max(0, y0 * SUPERSAMPLE)
        x1, y1 = min(n, x1 * SUPERSAMPLE), min(n, y1 * SUPERSAMPLE)
        if x1 <= x0:
            return
        for y in range(y0, y1):
            self.samples[y * n + x0:y * n + x1] = [colour] * (x1 - x0)

    def fill_polygon(self, points, colour):
        """Even-odd scanline fill of a polygon given in design units, sampled at centres."""
        n = self.samples_per_side
        pts = [(x * self.unit, y * self.unit) for x, y in points]
        top = max(0, math.floor(min(y for _, y in pts)))
        bottom = min(n, math.ceil(max(y for _, y in pts)))
        edges = list(zip(pts, pts[1:] + pts[:1]))
        for row in range(top, bottom):
            yc = row + 0.5
            crossings = sorted(
                xa + (yc - ya) * (xb - xa) / (yb - ya)
                for (xa, ya), (xb, yb) in edges
                if (ya <= yc) != (yb <= yc)
            )
            for left, right in zip(crossings[::2], crossings[1::2]):
                first = max(0, math.ceil(left - 0.5))
                last = min(n, math.ceil(right - 0.5))
                if last > first:
                    self.samples[row * n + first:row * n + last] = [colour] * (last - first)

    def rgba_rows(self):
        """Top-down rows of straight (not premultiplied) RGBA pixels."""
        n, ss = self.samples_per_side, SUPERSAMPLE
        rows = []
        for py in range(self.size):
            row = bytearray()
            block = [self.samples[(py * ss + sy) * n:(py * ss + sy + 1) * n] for sy in range(ss)]
            for px in range(self.size):
                r = g = b = count = 0
                for line in block:
                    for sample in line[px * ss:(px + 1) * ss]:
                        if sample is not CLEAR:
                            sr, sg, sb = PALETTE[sample]
                            r, g, b, count = r + sr, g + sg, b + sb, count + 1
                if count == 0:
                    row += b"\0\0\0\0"
                else:
                    alpha = (255 * count + ss * ss // 2) // (ss * ss)
                    row += bytes((r // count, g // count, b // count, alpha))
            rows.append(bytes(row))
        return rows


def inset(points, distance):
    """The polygon moved inwards by `distance` on every side (mitred corners)."""
    area = sum(xa * yb - xb * ya for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]))
    side = 1 if area > 0 else -1  # which normal points inwards

    def offset_line(a, b):
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy)
        nx, ny = -dy / length * side, dx / length * side
        return (a[0] + nx * distance, a[1] + ny * distance), (dx, dy)

    lines = [offset_line(a, b) for a, b in zip(points, points[1:] + points[:1])]
    result = []
    for (p, d), (q, e) in zip(lines[-1:] + lines[:-1], lines):
        cross = d[0] * e[1] - d[1] * e[0]
        t = ((q[0] - p[0]) * e[1] - (q[1] - p[1]) * e[0]) / cross
        result.append((p[0] + d[0] * t, p[1] + d[1] * t))
    return result


def draw_full_colour(size, disabled):
    canvas = Canvas(size)
    px = canvas.pixel
    # Lines keep the design's 1-unit width but never drop below one pixel.
    line = max(1, px(1))
    line_units = line * 32.0 / size

    left, top, right, bottom = px(1), px(3), px(27), px(25)
    title_bottom = max(top + line + 1, px(9))
    canvas.fill_pixels(left, top, right, bottom, BLACK)
    canvas.fill_pixels(left + line, top + line, right - line, title_bottom,
                       GREY if disabled else DARK_BLUE)
    canvas.fill_pixels(left + line, title_bottom, right - line, bottom - line,
                       SILVER if disabled else WHITE)
    # The close button stays square, inside the title bar, with title colour below it.
    button = max(1, px(3))
    button_top = max(top + line, min(px(5), title_bottom - 1 - button))
    canvas.fill_pixels(px(22), button_top, px(22) + button, min(button_top + button, title_bottom),
                       SILVER if disabled else RED)

    # Below 32 pixels the pointer grows a little against the window, so that its yellow
    # still shows inside the outline; its tip sits on a pixel corner so the stem is crisp.
    growth = max(1.0, POINTER_MIN_PIXELS_PER_UNIT * 32.0 / size)
    tip_x, tip_y = (px(u) * 32.0 / size for u in POINTER_TIP)
    pointer = [(tip_x + x * growth, tip_y + y * growth) for x, y in POINTER]
    canvas.fill_polygon(pointer, BLACK)
    canvas.fill_polygon(inset(pointer, line_units), SILVER if disabled else YELLOW)

    if disabled:
        # A band along the diagonal from top right to bottom left, at least two pixels wide.
        width = max(3.2, 2 * 32.0 / size)
        near, far = 31.4, 31.4 + width
        canvas.fill_polygon([(near + 1, -1), (far + 1, -1), (-1, far + 1), (-1, near + 1)], RED)
    return canvas.rgba_rows()


def bitmap_image(rows):
    """A 32-bit icon bitmap: BGRA colours bottom-up, then the AND mask for alpha-blind code."""
    size = len(rows)
    colours, masks = [], []
    for row in reversed(rows):
        pixels = [row[i:i + 4] for i in range(0, len(row), 4)]
        colours.append(b"".join(bytes((p[2], p[1], p[0], p[3])) for p in pixels))
        masks.append(mask_row([p[3] == 0 for p in pixels]))
    data = b"".join(colours) + b"".join(masks)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(data), 0, 0, 0, 0)
    return header + data


def png_image(rows):
    size = len(rows)

    def chunk(kind, data):
        crc = zlib.crc32(kind + data) & 0xFFFFFFFF
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)

    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def icon_file(disabled):
    # (size, colour count, bits per pixel, image)
    images = [(size, 16, 4, image_bytes(draw(size, disabled))) for size in PALETTE_SIZES]
    for size in FULL_COLOUR_SIZES:
        rows = draw_full_colour(size, disabled)
        images.append((size, 0, 32, png_image(rows) if size >= PNG_FROM else bitmap_image(rows)))
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, colours, bits, data in images:
        side = size % 256  # a directory entry writes 256 as 0
        out += struct.pack("<BBBBHHII", side, side, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, _, data in images)


def main(args):
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    directory = args[0] if args else "resources"
    stale = []
    for name, disabled in (("tarnwick.ico", False), ("tarnwick-disabled.ico", True)):
        path = f"{directory}/{name}"
        data = icon_file(disabled)
        if check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        stale.append(path)
            except OSError:
                stale.append(path)
        else:
            with open(path, "wb") as f:
                f.write(data)
    for path in stale:
        print(f"{path} differs from what scripts/make-icons.py draws", file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
