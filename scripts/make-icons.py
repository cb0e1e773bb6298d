#!/usr/bin/env python3
"""Draws the program's own icons and writes them as .ico files.

Every picture is described once, in a 16 x 16 unit space, as filled polygons,
outlined polygons and thick lines, and rendered at 16 and 32 pixels with 4 x 4
supersampling, so the output is the same on every run. Python's standard
library only.

    scripts/make-icons.py [output folder] [--preview folder]

The default output folder is res/icons; --preview also writes each size as
a PNG for looking at.
"""
import math
import os
import struct
import sys
import zlib

SIZES = (16, 32)
SUB = 4  # samples per pixel along each axis


def rgba(hex_colour, alpha=255):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255, alpha)


# --- Geometry --------------------------------------------------------------

def inside_polygon(x, y, points):
    hit = False
    n = len(points)
    for i in range(n):
        x1, y1 = points[i]
        x2, y2 = points[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
    return hit


def near_segment(x, y, a, b, half_width):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
    px, py = ax + t * dx - x, ay + t * dy - y
    return px * px + py * py <= half_width * half_width


def signed_area(points):
    return sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1])) / 2


def inset(points, d):
    """The polygon moved inwards by d along every edge (simple polygons)."""
    sign = 1 if signed_area(points) > 0 else -1
    n = len(points)
    lines = []
    for i in range(n):
        (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
        ex, ey = x2 - x1, y2 - y1
        length = math.hypot(ex, ey)
        nx, ny = -ey / length * sign, ex / length * sign  # inward normal
        lines.append(((x1 + nx * d, y1 + ny * d), (ex, ey)))
    result = []
    for i in range(n):
        (p, r), (q, s) = lines[i - 1], lines[i]
        cross = r[0] * s[1] - r[1] * s[0]
        if abs(cross) < 1e-9:
            result.append(q)
            continue
        t = ((q[0] - p[0]) * s[1] - (q[1] - p[1]) * s[0]) / cross
        result.append((p[0] + t * r[0], p[1] + t * r[1]))
    return result


def arc_points(cx, cy, radius, start_deg, end_deg, steps=24):
    return [(cx + radius * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / steps)),
             cy - radius * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / steps)))
            for i in range(steps + 1)]


# --- Pictures --------------------------------------------------------------
# A picture is a function of the pixel size in units (16 / size) returning a
# list of (test, colour) pairs painted in order; test(x, y) says whether a
# point in unit space is covered.

def fill(points, colour):
    return [(lambda x, y, p=points: inside_polygon(x, y, p), colour)]


def outlined(points, face, edge, px):
    inner = inset(points, px)
    return fill(points, edge) + fill(inner, face)


def line(points, width, colour):
    half = width / 2

    def covered(x, y):
        return any(near_segment(x, y, a, b, half) for a, b in zip(points, points[1:]))
    return [(covered, colour)]


FOLDER_BACK = rgba("#e0a526")
FOLDER_FRONT = rgba("#f8d26a")
FOLDER_EDGE = rgba("#9a6a0c")
PAPER = rgba("#ffffff")
PAPER_EDGE = rgba("#7a7f87")
PAPER_FOLD = rgba("#d9dde3")
TEXT_LINE = rgba("#5b7db1")
ARROW = rgba("#2f9e44")
ARROW_EDGE = rgba("#1b6b2c")
WARNING = rgba("#d93025")
WARNING_EDGE = rgba("#7f1a14")
MARK = rgba("#ffffff")


def closed_folder(px):
    back = [(1, 3), (6, 3), (7, 4), (15, 4), (15, 14), (1, 14)]
    front = [(1, 6), (15, 6), (15, 14), (1, 14)]
    return outlined(back, FOLDER_BACK, FOLDER_EDGE, px) + outlined(front, FOLDER_FRONT, FOLDER_EDGE, px)


def folder_picture(px):
    return closed_folder(px)


def document_picture(px):
    page = [(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)]
    shapes = outlined(page, PAPER, PAPER_EDGE, px)
    shapes += outlined([(10, 1), (13, 4), (10, 4)], PAPER_FOLD, PAPER_EDGE, px)
    for y in (6.5, 8.5, 10.5, 12.5):
        shapes += line([(5, y), (11, y)], 1.0, TEXT_LINE)
    return shapes


def browse_folder_picture(px):
    # An open folder: the back with its tab, the front flap tilted open, and
    # a curved arrow coming out of it.
    back = [(1, 5), (5, 5), (6, 6), (12, 6), (12, 15), (1, 15)]
    front = [(3.5, 9), (15, 9), (12.5, 15), (1, 15)]
    shapes = outlined(back, FOLDER_BACK, FOLDER_EDGE, px)
    shapes += outlined(front, FOLDER_FRONT, FOLDER_EDGE, px)
    curve = arc_points(10.5, 7.5, 5.0, 180, 95)
    shapes += line(curve, 3.0, ARROW_EDGE) + line(curve, 1.6, ARROW)
    tip = curve[-1]
    head = [(tip[0] + 3.2, tip[1]), (tip[0] - 0.6, tip[1] - 2.8), (tip[0] - 0.6, tip[1] + 2.8)]
    shapes += outlined(head, ARROW, ARROW_EDGE, px)
    return shapes


def go_up_picture(px):
    shapes = closed_folder(px)
    arrow = [(8, 2), (13, 8), (9.5, 8), (9.5, 13), (6.5, 13), (6.5, 8), (3, 8)]
    return shapes + outlined(arrow, ARROW, ARROW_EDGE, px)


def application_picture(px):
    # A folder with a bar chart in front of it: how much each folder holds.
    shapes = closed_folder(px)
    bars = [(3, 9, rgba("#3b6fd6")), (7, 6, rgba("#d64545")), (11, 11, rgba("#2f9e44"))]
    for left, top, colour in bars:
        shapes += outlined([(left, top), (left + 3, top), (left + 3, 15), (left, 15)], colour,
                           rgba("#1f2a3a"), px)
    return shapes


def short_totals_picture(px):
    # Drawn over a row's own picture, in its lower left corner where the
    # shell puts its marks: a red disc with an exclamation mark.
    disc = arc_points(5, 11, 4.6, 0, 360, 32)[:-1]
    shapes = outlined(disc, WARNING, WARNING_EDGE, px)
    shapes += line([(5, 8.2), (5, 11.6)], 1.7, MARK)
    shapes += line([(5, 13.5), (5, 13.6)], 1.7, MARK)
    return shapes


PICTURES = {
    "tarnwick": application_picture,
    "folder": folder_picture,
    "document": document_picture,
    "browse-folder": browse_folder_picture,
    "go-up": go_up_picture,
    "short-totals": short_totals_picture,
}


# --- Rendering and files ---------------------------------------------------

def render(picture, size):
    unit = 16.0 / size
    shapes = picture(unit)
    pixels = []
    for row in range(size):
        for col in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(SUB):
                for sx in range(SUB):
                    x = (col + (sx + 0.5) / SUB) * unit
                    y = (row + (sy + 0.5) / SUB) * unit
                    r = g = b = a = 0.0
                    for test, (cr, cg, cb, ca) in shapes:
                        if test(x, y):
                            alpha = ca / 255.0
                            r = cr * alpha + r * (1 - alpha)
                            g = cg * alpha + g * (1 - alpha)
                            b = cb * alpha + b * (1 - alpha)
                            a = alpha + a * (1 - alpha)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            n = SUB * SUB
            alpha = acc[3] / n
            if alpha <= 0:
                pixels.append((0, 0, 0, 0))
            else:
                pixels.append(tuple(int(round(c / n / alpha)) for c in acc[:3]) + (int(round(alpha * 255)),))
    return pixels


def ico_image(pixels, size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(range(size)):  # bottom-up
        for r, g, b, a in pixels[row * size:(row + 1) * size]:
            colour += bytes((b, g, r, a))
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for row in reversed(range(size)):
        bits = bytearray(stride)
        for col in range(size):
            if pixels[row * size + col][3] == 0:
                bits[col // 8] |= 0x80 >> (col % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def write_ico(path, images):
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    with open(path, "wb") as f:
        f.write(head + entries + data)


def write_png(path, pixels, size):
    raw = b"".join(b"\0" + bytes(c for p in pixels[r * size:(r + 1) * size] for c in p) for r in range(size))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(here, "res", "icons")
    preview = None
    args = list(argv)
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    if args:
        out = args[0]
    os.makedirs(out, exist_ok=True)
    for name, picture in PICTURES.items():
        images = []
        for size in SIZES:
            pixels = render(picture, size)
            images.append((size, ico_image(pixels, size)))
            if preview:
                os.makedirs(preview, exist_ok=True)
                write_png(os.path.join(preview, f"{name}-{size}.png"), pixels, size)
        write_ico(os.path.join(out, name + ".ico"), images)
        print(os.path.join(out, name + ".ico"))


if __name__ == "__main__":
    main(sys.argv[1:])
