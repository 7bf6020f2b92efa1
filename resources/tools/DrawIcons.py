#!/usr/bin/env python3
"""Draws the program icon, the 34 node icons and the small pictures of buttons and windows as .ico files.

The artwork is the project's own: every picture is a handful of shapes on a 16-unit grid, rendered
with 4x4 supersampling into 32-bit icons with an alpha channel and a matching AND mask, in the small
sizes of 100, 125, 150 and 200 % display scaling (16, 20, 24 and 32 pixels); the program icon also
in the large ones (32, 40, 48 and 64), so that no window or notification area gets a stretched
picture. Only the Python standard library is used.

    DrawIcons.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

SAMPLES = 4


# ---- shapes: each is a predicate on (x, y) in the 16-unit grid ------------------------------------

def rect(x0, y0, x1, y1, radius=0.0):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        if radius <= 0:
            return True
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def ellipse(cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def line(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9
    half2 = (width / 2.0) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= half2
    return inside


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def asterisk(cx, cy, r, width):
    arms = [line(cx + r * math.cos(a), cy + r * math.sin(a), cx - r * math.cos(a), cy - r * math.sin(a), width)
            for a in (math.pi / 2, math.pi / 6, -math.pi / 6)]
    return lambda x, y: any(arm(x, y) for arm in arms)


def star(cx, cy, outer, inner, points=5):
    vertices = []
    for i in range(points * 2):
        angle = -math.pi / 2 + i * math.pi / points
        r = outer if i % 2 == 0 else inner
        vertices.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    return polygon(vertices)


def gear(cx, cy, outer, inner, teeth=8):
    vertices = []
    for i in range(teeth * 4):
        angle = i * 2 * math.pi / (teeth * 4)
        r = outer if (i % 4) in (0, 1) else inner
        vertices.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    return polygon(vertices)


# ---- colours ------------------------------------------------------------------------------------

def rgb(value, alpha=255):
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255, alpha)


INK = rgb(0x2B3A4A)
WHITE = rgb(0xFFFFFF)
PAPER = rgb(0xF7F7F2)
BLUE = rgb(0x2F6DB5)
LIGHT_BLUE = rgb(0x8DB8E8)
NAVY = rgb(0x1F3F66)
RED = rgb(0xD23B2F)
DARK_RED = rgb(0x8E1F17)
GREEN = rgb(0x3C9A4A)
DARK_GREEN = rgb(0x1F5F2A)
YELLOW = rgb(0xF2C230)
GOLD = rgb(0xD9A21B)
DARK_GOLD = rgb(0x8A6410)
ORANGE = rgb(0xE8842C)
GREY = rgb(0x8A949E)
LIGHT_GREY = rgb(0xD5DADF)
PURPLE = rgb(0x7B4FB0)
TEAL = rgb(0x2A9D9A)
PINK = rgb(0xE0507A)


# ---- pictures -------------------------------------------------------------------------------------

def outlined(shape_outer, shape_inner, edge, fill):
    return [(shape_outer, edge), (shape_inner, fill)]


def card(header=BLUE):
    return (outlined(rect(1, 3, 15, 13, 1.2), rect(2, 4, 14, 12, 0.6), INK, PAPER)
            + [(rect(2, 4, 14, 6.2), header), (rect(3.5, 8, 12, 8.9), GREY), (rect(3.5, 10, 9.5, 10.9), GREY)])


def document(fold=True):
    body = polygon([(3, 1), (10, 1), (13.5, 4.5), (13.5, 15), (3, 15)])
    inner = polygon([(4, 2), (9.6, 2), (12.5, 4.9), (12.5, 14), (4, 14)])
    shapes = outlined(body, inner, INK, PAPER)
    if fold:
        shapes.append((polygon([(9.5, 1.5), (13, 5), (9.5, 5)]), LIGHT_GREY))
    return shapes


def cylinder(cx, top, bottom, rx, ry, fill, edge):
    return [
        (ellipse(cx, bottom, rx + 0.8, ry + 0.8), edge),
        (rect(cx - rx - 0.8, top, cx + rx + 0.8, bottom), edge),
        (ellipse(cx, top, rx + 0.8, ry + 0.8), edge),
        (ellipse(cx, bottom, rx, ry), fill),
        (rect(cx - rx, top, cx + rx, bottom), fill),
        (ellipse(cx, top, rx, ry), LIGHT_BLUE),
    ]


def key(colour, edge, x=0.0, y=0.0):
    return [
        (ring(4.5 + x, 8 + y, 3.6, 1.3), edge),
        (ring(4.5 + x, 8 + y, 2.8, 1.3), colour),
        (rect(7.5 + x, 7 + y, 15 + x, 9.2 + y), edge),
        (rect(7.9 + x, 7.5 + y, 14.6 + x, 8.7 + y), colour),
        (rect(11 + x, 9 + y, 12.4 + x, 11.5 + y), edge),
        (rect(13.2 + x, 9 + y, 14.6 + x, 12 + y), edge),
    ]


def person(cx, top, scale, fill):
    return [
        (ellipse(cx, top + 2.6 * scale, 2.7 * scale), fill),
        (both(ellipse(cx, top + 10.5 * scale, 5.5 * scale, 4.8 * scale), rect(0, top + 6 * scale, 16, top + 10.5 * scale)),
         fill),
    ]


def clock(cx, cy, r, face, edge):
    return [
        (ellipse(cx, cy, r), edge),
        (ellipse(cx, cy, r - 1.1), face),
        (line(cx, cy, cx, cy - r + 2.2, 1.2), edge),
        (line(cx, cy, cx + r - 2.6, cy, 1.2), edge),
    ]


def keyboard():
    """The buttons that open the virtual keyboard: a keyboard with three rows of keys."""
    shapes = outlined(rect(0.5, 3.5, 15.5, 12.5, 1.2), rect(1.4, 4.4, 14.6, 11.6, 0.6), INK, LIGHT_GREY)
    for row, y in enumerate((5.2, 7.4)):
        for column in range(6):
            x = 2.2 + column * 2.1 + (0.6 if row else 0)
            shapes.append((rect(x, y, x + 1.5, y + 1.4, 0.3), WHITE))
    shapes.append((rect(4.3, 9.6, 11.7, 11.0, 0.3), WHITE))
    return shapes


def generator():
    """The buttons that fill a field from the password generator: a die beside a masked field."""
    die = outlined(rect(0.5, 0.5, 10, 10, 1.6), rect(1.5, 1.5, 9, 9, 1.0), DARK_RED, RED)
    for x, y in ((3.1, 3.1), (5.25, 5.25), (7.4, 7.4)):
        die.append((ellipse(x, y, 1.0), WHITE))
    field = outlined(rect(4.5, 10, 15.5, 15.5, 1.0), rect(5.4, 10.9, 14.6, 14.6, 0.5), INK, rgb(0xFFF6D5))
    field += [(ellipse(x, 12.75, 0.9), INK) for x in (7.4, 10, 12.6)]
    return die + field


def update_wait():
    """The window of a running update check: a globe with a download arrow."""
    arrow = polygon([(10.2, 7), (13.8, 7), (13.8, 10.5), (15.8, 10.5), (12, 15.5), (8.2, 10.5), (10.2, 10.5)])
    inner = polygon([(11, 7.8), (13, 7.8), (13, 11.3), (14.2, 11.3), (12, 14.2), (9.8, 11.3), (11, 11.3)])
    return PICTURES[205] + [(arrow, DARK_GREEN), (inner, GREEN)]


def program():
    shield = polygon([(8, 0.6), (14.8, 3), (14.2, 9.5), (8, 15.4), (1.8, 9.5), (1.2, 3)])
    inner = polygon([(8, 1.8), (13.6, 3.8), (13.1, 9.1), (8, 14), (2.9, 9.1), (2.4, 3.8)])
    return [
        (shield, NAVY),
        (inner, BLUE),
        (ellipse(8, 6.5, 2.6), GOLD),
        (polygon([(6.6, 7.5), (9.4, 7.5), (10.2, 12), (5.8, 12)]), GOLD),
        (ellipse(8, 6.5, 1.0), NAVY),
        (rect(7.5, 7, 8.5, 10.5), NAVY),
    ]


PICTURES = {
    # 0 location: a map pin
    201: [(ellipse(8, 6, 5), DARK_RED), (polygon([(3.6, 8), (12.4, 8), (8, 15.5)]), DARK_RED),
          (ellipse(8, 6, 4), RED), (polygon([(4.6, 8), (11.4, 8), (8, 14)]), RED), (ellipse(8, 6, 1.7), WHITE)],
    # 1 password: a field of masked characters
    202: outlined(rect(0.5, 4, 15.5, 12, 1.5), rect(1.5, 5, 14.5, 11, 0.8), INK, rgb(0xFFF6D5))
         + [(asterisk(4.3, 8, 2, 1.1), INK), (asterisk(8, 8, 2, 1.1), INK), (asterisk(11.7, 8, 2, 1.1), INK)],
    # 2 login: a person
    203: person(8, 0.8, 1.35, BLUE),
    # 3 custom field: a pencil
    204: [(line(3, 13, 12.5, 3.5, 4.2), INK), (line(3.2, 12.8, 12.3, 3.7, 2.8), ORANGE),
          (polygon([(1, 15), (2.2, 11.2), (4.8, 13.8)]), INK), (line(11, 5, 13, 3, 2.8), PINK)],
    # 4 URL: a globe
    205: [(ellipse(8, 8, 7.2), NAVY), (ellipse(8, 8, 6.2), LIGHT_BLUE), (ring(8, 8, 6.2, 5.4), BLUE),
          (minus(ellipse(8, 8, 3.2, 6.2), ellipse(8, 8, 2.4, 5.6)), BLUE), (rect(1.5, 7.5, 14.5, 8.5), BLUE),
          (rect(2.5, 4.6, 13.5, 5.3), BLUE), (rect(2.5, 10.7, 13.5, 11.4), BLUE), (rect(7.6, 1.5, 8.4, 14.5), BLUE)],
    # 5 group: a folder
    206: [(polygon([(0.6, 3), (6, 3), (7.5, 4.6), (15.4, 4.6), (15.4, 14), (0.6, 14)]), DARK_GOLD),
          (polygon([(1.5, 4), (5.6, 4), (7.1, 5.6), (14.5, 5.6), (14.5, 13), (1.5, 13)]), YELLOW),
          (rect(1.5, 7, 14.5, 13), GOLD)],
    # 6 database: a cylinder
    208: cylinder(8, 3.5, 12.5, 5.8, 2.3, BLUE, NAVY) + [(minus(ellipse(8, 8, 5.8, 2.3), ellipse(8, 7.3, 5.8, 2.3)), NAVY)],
    # 7 passcard: an index card
    207: card(),
    # 8 database file elsewhere: a document with a cylinder
    225: document() + cylinder(8.2, 8, 12, 3.2, 1.3, BLUE, NAVY),
    # 9 database file beside the program: the same, marked green
    224: document() + cylinder(8.2, 8, 12, 3.2, 1.3, GREEN, DARK_GREEN),
    # 10 mail: an envelope
    228: outlined(rect(0.5, 3, 15.5, 13, 1), rect(1.5, 4, 14.5, 12), INK, PAPER)
         + [(line(1.8, 4.3, 8, 9, 1.3), INK), (line(14.2, 4.3, 8, 9, 1.3), INK)],
    # 11 serial: a bar code
    229: outlined(rect(0.5, 2.5, 15.5, 13.5, 1), rect(1.5, 3.5, 14.5, 12.5), INK, WHITE)
         + [(rect(x, 4.5, x + w, 11.5), INK) for x, w in
            ((2.5, 1.2), (4.3, 0.6), (5.5, 1.6), (7.8, 0.6), (9, 1.2), (10.8, 0.6), (12, 1.5))],
    # 12 phone: a handset
    230: outlined(rect(4, 0.5, 12, 15.5, 1.8), rect(5, 1.5, 11, 14.5, 1), INK, INK)
         + [(rect(5.4, 2.8, 10.6, 11.6), LIGHT_BLUE), (ellipse(8, 13.2, 0.8), GREY)],
    # 13 host: a monitor
    231: outlined(rect(0.5, 1.5, 15.5, 11.5, 1), rect(1.7, 2.7, 14.3, 10.3), INK, LIGHT_BLUE)
         + [(rect(6.5, 11, 9.5, 13.5), INK), (rect(4, 13.2, 12, 14.8, 0.6), INK)],
    # 14 IP: connected network nodes
    233: [(line(3.5, 12, 8, 4, 1.3), INK), (line(12.5, 12, 8, 4, 1.3), INK), (line(3.5, 12, 12.5, 12, 1.3), INK),
          (ellipse(8, 4, 3.2), NAVY), (ellipse(8, 4, 2.2), TEAL), (ellipse(3.5, 12, 3.2), NAVY),
          (ellipse(3.5, 12, 2.2), TEAL), (ellipse(12.5, 12, 3.2), NAVY), (ellipse(12.5, 12, 2.2), TEAL)],
    # 15 card number: a bank card
    232: outlined(rect(0.5, 3, 15.5, 13, 1.5), rect(1.4, 3.9, 14.6, 12.1, 0.8), DARK_GREEN, GREEN)
         + [(rect(1.4, 5.5, 14.6, 7.3), INK), (rect(2.8, 9, 5.6, 11, 0.4), YELLOW), (rect(8, 10, 13, 10.8), LIGHT_GREY)],
    # 16 bookmarked passcard: a card with a star
    247: card() + [(star(11.5, 10.5, 5, 2.2), DARK_GOLD), (star(11.5, 10.5, 3.8, 1.6), YELLOW)],
    # 17 note: a sticky note
    256: [(polygon([(1, 1), (15, 1), (15, 10.5), (10.5, 15), (1, 15)]), DARK_GOLD),
          (polygon([(2, 2), (14, 2), (14, 10), (10, 14), (2, 14)]), rgb(0xFBE77A)),
          (polygon([(10, 14), (14, 10), (10, 10)]), GOLD), (rect(4, 5, 12, 5.9), GOLD), (rect(4, 7.5, 10, 8.4), GOLD)],
    # 18 lock: a padlock
    257: [(ring(8, 6.5, 4.6, 2.8), INK), (rect(2, 7, 14, 15, 1.4), INK), (rect(3, 8, 13, 14, 0.8), GOLD),
          (ellipse(8, 10.3, 1.3), INK), (rect(7.4, 10.3, 8.6, 12.5), INK)],
    # 19 star
    258: [(star(8, 8.6, 7.8, 3.4), DARK_GOLD), (star(8, 8.6, 6.4, 2.8), YELLOW)],
    # 20 people: two persons
    261: person(5.3, 1.8, 1.05, LIGHT_BLUE) + person(10.3, 3.2, 1.15, BLUE),
    # 21 executable: a gear
    262: [(gear(8, 8, 7.6, 5.6), INK), (gear(8, 8, 6.6, 4.8), GREY), (ellipse(8, 8, 2.3), INK),
          (ellipse(8, 8, 1.3), WHITE)],
    # 22 shield
    263: [(polygon([(8, 0.6), (14.6, 3), (14, 9.5), (8, 15.4), (2, 9.5), (1.4, 3)]), DARK_GREEN),
          (polygon([(8, 1.8), (13.4, 3.8), (12.9, 9.1), (8, 14), (3.1, 9.1), (2.6, 3.8)]), GREEN),
          (line(5, 8, 7.2, 10.4, 1.6), WHITE), (line(7.2, 10.4, 11.2, 5.4, 1.6), WHITE)],
    # 23 bank: a building with columns
    264: [(polygon([(8, 0.8), (15.5, 5), (0.5, 5)]), INK), (polygon([(8, 2.3), (13, 4.3), (3, 4.3)]), LIGHT_GREY),
          (rect(1, 13, 15, 15), INK), (rect(2.2, 6, 4.2, 12.5), GREY), (rect(6, 6, 8, 12.5), GREY),
          (rect(9.8, 6, 11.8, 12.5), GREY), (rect(12.6, 6, 13.8, 12.5), GREY), (rect(1.5, 5, 14.5, 6.2), INK)],
    # 24 key passphrase: a key with masked characters
    266: key(GOLD, DARK_GOLD, 0, -3) + [(ellipse(4, 13, 1.3), INK), (ellipse(8, 13, 1.3), INK), (ellipse(12, 13, 1.3), INK)],
    # 25 auto-fill: a lightning bolt on a round badge
    271: [(ellipse(8, 8, 7.4), NAVY), (ellipse(8, 8, 6.4), BLUE),
          (polygon([(9.5, 1.8), (4.2, 9), (7.6, 9), (6.3, 14.2), (11.8, 6.8), (8.4, 6.8)]), YELLOW)],
    # 26 chat: a speech bubble
    234: [(rect(0.5, 1.5, 15.5, 11.5, 2.5), TEAL), (polygon([(3.5, 10), (8, 10), (3, 15)]), TEAL),
          (ellipse(4.5, 6.5, 1.2), WHITE), (ellipse(8, 6.5, 1.2), WHITE), (ellipse(11.5, 6.5, 1.2), WHITE)],
    # 27 expired passcard: a card with a red clock
    272: card(GREY) + clock(11, 10.5, 4.8, WHITE, DARK_RED),
    # 28 heart
    275: [(ellipse(5, 5.6, 4.2), DARK_RED), (ellipse(11, 5.6, 4.2), DARK_RED),
          (polygon([(1.1, 7.3), (14.9, 7.3), (8, 15)]), DARK_RED), (ellipse(5, 5.6, 3.2), PINK),
          (ellipse(11, 5.6, 3.2), PINK), (polygon([(2.2, 7), (13.8, 7), (8, 13.6)]), PINK)],
    # 29 private key: a key
    282: key(LIGHT_GREY, INK),
    # 30 file: a document
    283: document() + [(rect(5, 6, 11, 6.9), GREY), (rect(5, 8.5, 11, 9.4), GREY), (rect(5, 11, 9, 11.9), GREY)],
    # 31 flag
    289: [(rect(2, 1, 3.4, 15.5), INK), (polygon([(3.4, 1.5), (14.5, 1.5), (11.5, 5), (14.5, 8.5), (3.4, 8.5)]), RED)],
    # 32 tag: a price tag
    290: [(polygon([(1, 1), (8, 1), (15, 8), (8, 15), (1, 8)]), DARK_GOLD),
          (polygon([(2, 2), (7.6, 2), (13.6, 8), (8, 13.6), (2, 7.6)]), ORANGE), (ellipse(4.8, 4.8, 1.3), WHITE)],
    # 33 clock
    291: clock(8, 8, 7.4, WHITE, INK),
}

# The order of the shared icon list: image number n is the n-th entry.
NODE_ORDER = [201, 202, 203, 204, 205, 206, 208, 207, 225, 224, 228, 229, 230, 231, 233, 232, 247, 256, 257,
              258, 261, 262, 263, 264, 266, 271, 234, 272, 275, 282, 283, 289, 290, 291]


# ---- rendering and the icon file format ----------------------------------------------------------

def render(shapes, size):
    scale = 16.0 / size
    step = 1.0 / SAMPLES
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) * step) * scale
                    y = (py + (sy + 0.5) * step) * scale
                    colour = None
                    for inside, fill in shapes:
                        if inside(x, y):
                            colour = fill
                    if colour is not None:
                        alpha = colour[3] / 255.0
                        r += colour[0] * alpha
                        g += colour[1] * alpha
                        b += colour[2] * alpha
                        a += alpha
            count = SAMPLES * SAMPLES
            if a > 0:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / count)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def icon_image(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


# The small icon at 100, 125, 150 and 200 % scaling; the large one beyond what the small sizes hold.
SMALL_SIZES = (16, 20, 24, 32)
LARGE_SIZES = (40, 48, 64)


def write_icon(path, shapes, sizes):
    images = [icon_image(render(shapes, size)) for size in sizes]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for size, image in zip(sizes, images):
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as out:
        out.write(directory + entries + b''.join(images))


# ---- drag cursors: the pointer with what is carried -----------------------------------------------

def pointer():
    outline = polygon([(0, 0), (0, 11.6), (2.9, 9), (4.8, 13.2), (6.8, 12.3), (5, 8.3), (8.6, 8.3)])
    inside = polygon([(0.8, 1.9), (0.8, 9.7), (3.2, 7.6), (5.2, 11.9), (5.9, 11.6), (3.9, 7.5), (6.7, 7.5)])
    return [(outline, INK), (inside, WHITE)]


def carried_passcard():
    return (outlined(rect(8, 9, 15.8, 15.6, 0.8), rect(8.8, 9.8, 15, 14.8, 0.4), INK, PAPER)
            + [(rect(8.8, 9.8, 15, 11.4), BLUE), (rect(9.8, 12.4, 14, 13.1), GREY)])


def carried_item():
    return (outlined(rect(7.6, 10.4, 15.8, 15.2, 0.8), rect(8.4, 11.2, 15, 14.4, 0.4), INK, rgb(0xFFF6D5))
            + [(asterisk(x, 12.8, 1.1, 0.7), INK) for x in (9.9, 11.9, 13.9)])


def carried_move():
    return outlined(rect(8.5, 10, 15.5, 15.5), rect(9.3, 10.8, 14.7, 14.7), GREY, rgb(0xFFFFFF, 160))


# The system's cursor size at 100, 150 and 200 % scaling.
CURSOR_SIZES = (32, 48, 64)


def write_cursor(path, shapes, sizes=CURSOR_SIZES):
    # A cursor file is an icon file of type 2 whose entries hold the hot spot where an icon has its
    # planes and bit count; the hot spot is the pointer's tip.
    images = [icon_image(render(shapes, size)) for size in sizes]
    directory = struct.pack('<HHH', 0, 2, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for size, image in zip(sizes, images):
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 0, 0, len(image), offset)
        offset += len(image)
    with open(path, 'wb') as out:
        out.write(directory + entries + b''.join(images))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    assert sorted(NODE_ORDER) == sorted(PICTURES) and len(NODE_ORDER) == 34
    write_icon(os.path.join(folder, 'program.ico'), program(), SMALL_SIZES + LARGE_SIZES)
    write_icon(os.path.join(folder, 'keyboard_button.ico'), keyboard(), SMALL_SIZES)
    write_icon(os.path.join(folder, 'generator_button.ico'), generator(), SMALL_SIZES)
    write_icon(os.path.join(folder, 'update_wait.ico'), update_wait(), SMALL_SIZES)
    for number in NODE_ORDER:
        write_icon(os.path.join(folder, 'node%d.ico' % number), PICTURES[number], SMALL_SIZES)
    write_cursor(os.path.join(folder, 'drag_move.cur'), pointer() + carried_move())
    write_cursor(os.path.join(folder, 'drag_passcard.cur'), pointer() + carried_passcard())
    write_cursor(os.path.join(folder, 'drag_item.cur'), pointer() + carried_item())


if __name__ == '__main__':
    main()
