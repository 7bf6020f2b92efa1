#!/usr/bin/env python3
"""Draws the on-screen keyboard's artwork: the key skin bitmap and the Shift and Backspace icons.

The skin holds four frames of one key stacked vertically (normal, mouse over, pressed, latched),
each a rounded key on the keyboard's grey ground; the program stretches the middle of a frame to
each key's size and keeps its corners. The icons use the shapes and icon writer of DrawIcons.py.
Only the Python standard library is used.

    DrawKeyboard.py OUTPUT_FOLDER
"""
import os
import struct
import sys

sys.dont_write_bytecode = True  # the build must not leave a cache in the source tree
import DrawIcons  # noqa: E402
from DrawIcons import line, polygon, rgb  # noqa: E402

FRAME_WIDTH = 32
FRAME_HEIGHT = 22
RADIUS = 3.5
SAMPLES = 4
GROUND = (230, 230, 230)  # the keyboard window's background, seen in the rounded corners

# Per frame: the border colour and the fill's top and bottom colours (a vertical gradient).
FRAMES = [
    ((150, 150, 150), (253, 253, 253), (236, 236, 236)),  # normal
    ((86, 138, 201), (255, 255, 255), (226, 237, 250)),   # mouse over
    ((112, 112, 112), (206, 206, 206), (226, 226, 226)),  # pressed
    ((58, 106, 176), (196, 218, 246), (164, 196, 238)),   # latched (Shift, Caps)
]


def rounded_coverage(px, py, x0, y0, x1, y1, radius):
    """The share of the pixel (px, py) inside the rounded rectangle."""
    inside = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if x0 <= x <= x1 and y0 <= y <= y1:
                cx = min(max(x, x0 + radius), x1 - radius)
                cy = min(max(y, y0 + radius), y1 - radius)
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    inside += 1
    return inside / (SAMPLES * SAMPLES)


def mix(a, b, share):
    return tuple(round(a[i] * (1 - share) + b[i] * share) for i in range(3))


def draw_frame(border, top, bottom):
    rows = []
    for py in range(FRAME_HEIGHT):
        fill = mix(top, bottom, py / (FRAME_HEIGHT - 1))
        row = []
        for px in range(FRAME_WIDTH):
            outer = rounded_coverage(px, py, 0, 0, FRAME_WIDTH, FRAME_HEIGHT, RADIUS)
            inner = rounded_coverage(px, py, 1, 1, FRAME_WIDTH - 1, FRAME_HEIGHT - 1, RADIUS - 1)
            colour = mix(GROUND, border, outer)
            row.append(mix(colour, fill, inner))
        rows.append(row)
    return rows


def write_bitmap(path, rows):
    """A bottom-up 24-bit BMP file."""
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line_bytes = bytearray()
        for r, g, b in row:
            line_bytes += bytes((b, g, r))
        pixels += line_bytes + bytes(stride - len(line_bytes))
    info = struct.pack('<IiiHHIIiiII', 40, width, len(rows), 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as out:
        out.write(header + info + bytes(pixels))


LABEL = rgb(0x3C3C3C)


def outline(points, width):
    edges = [line(*points[i], *points[(i + 1) % len(points)], width) for i in range(len(points))]
    return lambda x, y: any(edge(x, y) for edge in edges)


# Shift: a hollow arrow pointing up.
SHIFT = [(outline([(8, 1.8), (14.2, 8.2), (10.8, 8.2), (10.8, 14.2), (5.2, 14.2), (5.2, 8.2), (1.8, 8.2)], 1.4),
          LABEL)]
# Backspace: an arrow pointing left.
BACKSPACE = [(line(4, 8, 14.5, 8, 1.8), LABEL), (polygon([(1, 8), (6.5, 3), (6.5, 13)]), LABEL)]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    rows = []
    for border, top, bottom in FRAMES:
        rows += draw_frame(border, top, bottom)
    write_bitmap(os.path.join(folder, 'keyboard_skin.bmp'), rows)
    DrawIcons.write_icon(os.path.join(folder, 'keyboard_shift.ico'), SHIFT, DrawIcons.SMALL_SIZES)
    DrawIcons.write_icon(os.path.join(folder, 'keyboard_backspace.ico'), BACKSPACE, DrawIcons.SMALL_SIZES)


if __name__ == '__main__':
    main()
