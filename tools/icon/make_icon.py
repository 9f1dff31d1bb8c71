#!/usr/bin/env python3
"""Draw the Chronel application icon: a calendar page with a crescent Moon.

Writes res/icons/chronel-<N>.png for N in 16, 32, 48, 64, 128, 256 and the scalable
res/icons/chronel.svg. Uses the Python standard library only; the PNG files are written
with zlib and struct. Run it by hand from anywhere and commit its output:

    python3 tools/icon/make_icon.py

Every size is drawn from the same few shapes (rounded rectangles, discs and a crescent
made of one disc minus another). Edges are placed on whole pixels for each size, so the
small sizes stay sharp instead of being a blurred copy of the large one; the small sizes
leave out the day grid, which would only turn into noise there.

Anti-aliasing: each pixel is covered by a shape in proportion to the signed distance
from the pixel's centre to the shape's edge, clamped to [0, 1] over one pixel's width.
"""

import math
import os
import struct
import zlib

SIZES = (16, 32, 48, 64, 128, 256)
DESIGN = 256.0  # the design grid; every size scales it

# Colours as (r, g, b) in sRGB 0..255.
OUTLINE = (0x2E, 0x38, 0x46)
PAPER = (0xFC, 0xFC, 0xFA)
HEADER = (0xC6, 0x37, 0x2C)
RING = (0x4A, 0x54, 0x62)
GRID = (0xDC, 0xE2, 0xEA)
MOON = (0xF7, 0xBE, 0x1E)
MOON_EDGE = (0x9A, 0x62, 0x0A)
MOON_SMALL = (0xE3, 0x96, 0x05)


# Shapes ---------------------------------------------------------------------------------
# ("rrect", x0, y0, x1, y1, radius, colour)
# ("crescent", cx, cy, r, cut_cx, cut_cy, cut_r, colour): the disc minus the cut disc
# Coordinates are in pixels of the target size, x to the right and y downwards.


def layout(size):
    """The shapes of the icon at one size, back to front."""
    u = size / DESIGN

    def px(v):
        """A design coordinate snapped to the pixel grid of this size."""
        return float(round(v * u))

    detailed = size >= 48
    line = max(1.0, px(8))  # outline thickness of the page
    x0, y0, x1, y1 = px(22), px(34), px(234), px(240)
    if size == 16:
        x0, y0, x1, y1 = 1.0, 2.0, 15.0, 15.0
    radius = max(1.5, 26 * u)
    header_bottom = px(100)
    if size == 16:
        header_bottom = 6.0

    shapes = [
        ("rrect", x0, y0, x1, y1, radius, OUTLINE),
        ("rrect", x0 + line, y0 + line, x1 - line, y1 - line, max(0.8, radius - line), PAPER),
        # The header: rounded at the top, squared off by the paper below it.
        ("rrect", x0 + line, y0 + line, x1 - line, header_bottom + radius,
         max(0.8, radius - line), HEADER),
        ("rrect", x0 + line, header_bottom, x1 - line, header_bottom + radius + 1, 0.0, PAPER),
    ]
    if detailed:
        shapes.append(("rrect", x0 + line, header_bottom, x1 - line, header_bottom + line, 0.0,
                       OUTLINE))

    # Binding rings over the top edge of the page.
    ring_w = max(2.0, px(18))
    ring_top = px(14)
    ring_bottom = px(62)
    lefts = [c - ring_w / 2 for c in (px(80), px(176))]
    if size == 16:
        ring_w, ring_top, ring_bottom, lefts = 1.0, 0.0, 4.0, [4.0, 11.0]
    for left in lefts:
        shapes.append(("rrect", left, ring_top, left + ring_w, ring_bottom, ring_w / 2, RING))

    body_top = header_bottom + (line if detailed else 0)
    body_bottom = y1 - line
    inner_left, inner_right = x0 + line, x1 - line

    if detailed:
        # A month grid of day cells, a week to a row, behind the Moon.
        cols, rows = 7, 4
        gap = max(1.0, px(8))
        margin = max(2.0, px(14))
        gx0, gx1 = inner_left + margin, inner_right - margin
        gy0, gy1 = body_top + margin, body_bottom - margin
        cw = (gx1 - gx0 - gap * (cols - 1)) / cols
        ch = (gy1 - gy0 - gap * (rows - 1)) / rows
        for r in range(rows):
            for c in range(cols):
                cx0 = round(gx0 + c * (cw + gap))
                cy0 = round(gy0 + r * (ch + gap))
                shapes.append(("rrect", cx0, cy0, round(cx0 + cw), round(cy0 + ch),
                               min(cw, ch) * 0.18, GRID))

    # The Moon: a waxing crescent, lit on the right as seen from the northern hemisphere,
    # centred in the body of the page.
    mcx = (inner_left + inner_right) / 2
    mcy = (body_top + body_bottom) / 2
    mr = (body_bottom - body_top) * 0.34
    cut_dx, cut_dy, cut_scale = -0.52, -0.30, 0.92
    edge = max(1.0, 7 * u)  # outline of the Moon, pixels
    if size == 16:
        # Too small for an outline: a thicker crescent in a deeper yellow instead.
        mcx, mcy, mr = 8.0, 10.0, 3.7
        cut_dx, cut_dy, cut_scale = -0.62, -0.34, 0.86
    cut_cx, cut_cy = mcx + cut_dx * mr, mcy + cut_dy * mr
    cut_r = mr * cut_scale
    if size == 16:
        shapes.append(("crescent", mcx, mcy, mr, cut_cx, cut_cy, cut_r, MOON_SMALL))
        return shapes
    shapes.append(("crescent", mcx, mcy, mr + edge, cut_cx, cut_cy, cut_r - edge, MOON_EDGE))
    shapes.append(("crescent", mcx, mcy, mr, cut_cx, cut_cy, cut_r, MOON))
    return shapes


# Raster ---------------------------------------------------------------------------------

def sd_rrect(px_, py, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(px_ - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def sd_disc(px_, py, cx, cy, r):
    return math.hypot(px_ - cx, py - cy) - r


def signed_distance(shape, x, y):
    kind = shape[0]
    if kind == "rrect":
        return sd_rrect(x, y, *shape[1:6])
    if kind == "crescent":
        cx, cy, r, kx, ky, kr = shape[1:7]
        return max(sd_disc(x, y, cx, cy, r), -sd_disc(x, y, kx, ky, kr))
    raise ValueError(kind)


def bounds(shape):
    if shape[0] == "rrect":
        return shape[1], shape[2], shape[3], shape[4]
    cx, cy, r = shape[1:4]
    return cx - r, cy - r, cx + r, cy + r


def render(size):
    """RGBA rows of the icon, straight (not premultiplied) alpha, 8 bits a channel."""
    # Premultiplied accumulation in floats, composited back to front with "over".
    pix = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
    for shape in layout(size):
        colour = shape[-1]
        bx0, by0, bx1, by1 = bounds(shape)
        for y in range(max(0, int(by0) - 1), min(size, int(math.ceil(by1)) + 1)):
            for x in range(max(0, int(bx0) - 1), min(size, int(math.ceil(bx1)) + 1)):
                d = signed_distance(shape, x + 0.5, y + 0.5)
                a = min(1.0, max(0.0, 0.5 - d))
                if a <= 0.0:
                    continue
                p = pix[y * size + x]
                keep = 1.0 - a
                p[0] = colour[0] / 255.0 * a + p[0] * keep
                p[1] = colour[1] / 255.0 * a + p[1] * keep
                p[2] = colour[2] / 255.0 * a + p[2] * keep
                p[3] = a + p[3] * keep
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r, g, b, a = pix[y * size + x]
            if a > 0.0:
                r, g, b = r / a, g / a, b / a
            row += bytes(min(255, max(0, round(v * 255))) for v in (r, g, b, a))
        rows.append(bytes(row))
    return rows


def png_bytes(rows):
    """A PNG file (colour type 6, RGBA, 8 bits) of the given rows."""
    height, width = len(rows), len(rows[0]) // 4

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"sRGB", b"\x00")
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


# Vector ---------------------------------------------------------------------------------

def hex_colour(c):
    return "#%02x%02x%02x" % c


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def svg_crescent_path(cx, cy, r, kx, ky, kr):
    """The outline of disc (cx, cy, r) minus disc (kx, ky, kr) as two circular arcs.

    The two circles must cross; the crescents of this icon all do.
    """
    d = math.hypot(kx - cx, ky - cy)
    if not abs(r - kr) < d < r + kr:
        raise ValueError("the circles of a crescent must cross")
    # The chord through the two crossing points lies at distance a from the outer centre,
    # towards the cut centre, and at distance d - a from the cut centre.
    a = (r * r - kr * kr + d * d) / (2 * d)
    h = math.sqrt(r * r - a * a)
    ux, uy = (kx - cx) / d, (ky - cy) / d
    mx, my = cx + a * ux, cy + a * uy
    p1 = (mx + h * uy, my - h * ux)
    p2 = (mx - h * uy, my + h * ux)
    # The lit arc runs round the side away from the cut: the larger arc when the chord is on
    # the cut's side of the outer centre. The inner arc runs inside the outer disc: the larger
    # arc when the cut centre lies on the outer centre's side of the chord.
    outer_large = 1 if a > 0 else 0
    inner_large = 1 if d - a < 0 else 0
    return ("M%s %s A%s %s 0 %d 0 %s %s A%s %s 0 %d 1 %s %s Z"
            % (fmt(p1[0]), fmt(p1[1]), fmt(r), fmt(r), outer_large, fmt(p2[0]), fmt(p2[1]),
               fmt(kr), fmt(kr), inner_large, fmt(p1[0]), fmt(p1[1])))


def svg_text(size=256):
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
           % (size, size, size, size)]
    for shape in layout(size):
        fill = hex_colour(shape[-1])
        if shape[0] == "rrect":
            x0, y0, x1, y1, r = shape[1:6]
            out.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                       % (fmt(x0), fmt(y0), fmt(x1 - x0), fmt(y1 - y0), fmt(r), fill))
        else:
            out.append('  <path d="%s" fill="%s"/>' % (svg_crescent_path(*shape[1:7]), fill))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.normpath(os.path.join(here, "..", "..", "res", "icons"))
    os.makedirs(target, exist_ok=True)
    for size in SIZES:
        with open(os.path.join(target, "chronel-%d.png" % size), "wb") as f:
            f.write(png_bytes(render(size)))
    with open(os.path.join(target, "chronel.svg"), "w", encoding="utf-8") as f:
        f.write(svg_text())


if __name__ == "__main__":
    main()
