#!/usr/bin/env python3
"""Draws the eight Moon phase pictures of the main window's Moon strip.

Each picture is the Moon's near side as a sphere seen from the Earth, lit by the Sun from the
direction that belongs to the phase (elongation 0, 45, ..., 315 degrees; waxing phases lit on
the right as seen from the northern hemisphere). For every pixel the generator averages a grid
of sub-samples; each sub-sample on the disc is shaded from

  * the angle between the surface normal and the Sun (Lommel-Seeliger reflection, which keeps
    the full Moon evenly bright, as the real one looks, with a softened terminator),
  * a gentle limb darkening,
  * an albedo map: the large maria as soft dark patches at their selenographic places, a few
    bright rayed craters, and fine value-noise mottling,
  * a faint, slightly blue earthshine on the unlit part.

Output: 31 x 31 PNG files (and 62 x 62 "@2x" files for scaled screens) named after the bitmap
resource numbers of the eight phases. Python 3 standard library only; run by hand:

    python3 tools/moon_pictures/make_moon_pictures.py [output folder]

The default output folder is res/moon of the repository.
"""

import math
import os
import struct
import sys
import zlib

# Resource number of each phase picture, in phase order from the new moon.
RESOURCES = [133, 138, 140, 141, 136, 142, 143, 144]

BACKGROUND = (0.004, 0.005, 0.012)       # linear RGB of the dark ground (night sky)
HIGHLAND = (0.80, 0.78, 0.73)            # linear RGB of the lit highlands, slightly warm
EARTHSHINE = (0.011, 0.012, 0.018)       # linear RGB of the unlit side under earthshine
SUBSAMPLES = 8                           # sub-samples per pixel along each axis

# Maria: (latitude, longitude, angular radius in degrees, darkness 0..1). Longitude east
# positive (toward the right-hand limb seen from the Earth), latitude north up.
MARIA = [
    (33.0, -16.0, 17.0, 0.72),   # Mare Imbrium
    (25.0, -50.0, 20.0, 0.59),   # Oceanus Procellarum, north part
    (5.0, -50.0, 18.0, 0.55),    # Oceanus Procellarum, middle
    (-10.0, -35.0, 12.0, 0.47),  # Oceanus Procellarum, south part
    (28.0, 17.5, 10.0, 0.68),    # Mare Serenitatis
    (8.5, 31.0, 12.0, 0.65),     # Mare Tranquillitatis
    (17.0, 59.0, 8.0, 0.72),     # Mare Crisium
    (-7.8, 51.0, 9.0, 0.55),     # Mare Fecunditatis
    (-15.2, 35.0, 5.5, 0.55),    # Mare Nectaris
    (-21.0, -16.5, 10.0, 0.47),  # Mare Nubium
    (-24.0, -39.0, 5.5, 0.55),   # Mare Humorum
    (13.0, 3.5, 4.5, 0.45),      # Mare Vaporum
    (56.0, -5.0, 7.0, 0.39),     # Mare Frigoris, west
    (56.0, 20.0, 7.0, 0.36),     # Mare Frigoris, east
    (-15.0, -23.0, 9.0, 0.33),   # Mare Cognitum
]

# Bright young craters: (latitude, longitude, angular radius of the bright spot, brightness).
CRATERS = [
    (-43.3, -11.2, 2.2, 0.45),   # Tycho
    (9.6, -20.1, 1.8, 0.30),     # Copernicus
    (8.1, -38.0, 1.4, 0.25),     # Kepler
    (23.7, -47.4, 1.2, 0.35),    # Aristarchus
]


def unit_vector(latitude, longitude):
    """Selenographic latitude and longitude (degrees) to a unit vector: x right, y up, z toward
    the viewer (the Earth)."""
    la, lo = math.radians(latitude), math.radians(longitude)
    return (math.cos(la) * math.sin(lo), math.sin(la), math.cos(la) * math.cos(lo))


MARIA_VECTORS = [(unit_vector(la, lo), math.radians(r), d) for la, lo, r, d in MARIA]
CRATER_VECTORS = [(unit_vector(la, lo), math.radians(r), b) for la, lo, r, b in CRATERS]


def smoothstep(edge0, edge1, x):
    t = min(1.0, max(0.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3.0 - 2.0 * t)


def lattice(ix, iy, iz):
    """A repeatable pseudo-random value in [0, 1) for an integer lattice point."""
    h = (ix * 374761393 + iy * 668265263 + iz * 1274126177) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFFFF) / float(0x1000000)


def value_noise(x, y, z):
    """Trilinear value noise, smooth, in [0, 1)."""
    ix, iy, iz = math.floor(x), math.floor(y), math.floor(z)
    fx, fy, fz = x - ix, y - iy, z - iz
    ux, uy, uz = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy), fz * fz * (3 - 2 * fz)
    result = 0.0
    for dx in (0, 1):
        wx = ux if dx else 1 - ux
        for dy in (0, 1):
            wy = uy if dy else 1 - uy
            for dz in (0, 1):
                wz = uz if dz else 1 - uz
                result += wx * wy * wz * lattice(ix + dx, iy + dy, iz + dz)
    return result


def angular_distance(n, centre):
    return math.acos(max(-1.0, min(1.0, n[0] * centre[0] + n[1] * centre[1] + n[2] * centre[2])))


def albedo(n):
    """Relative reflectivity of the surface at unit normal n (body-fixed, near side)."""
    # Maria: the darkest patch covering the point wins, so overlapping patches merge into one
    # plain instead of darkening each other; noise frays the shores into irregular outlines.
    fray = value_noise(n[0] * 9 + 3, n[1] * 9 + 7, n[2] * 9 + 1) - 0.5
    mare = 0.0
    for centre, radius, darkness in MARIA_VECTORS:
        d = angular_distance(n, centre) * (1.0 + 0.9 * fray)
        mare = max(mare, darkness * (1.0 - smoothstep(0.35 * radius, 1.45 * radius, d)))
    # Maria are not flat: their floors vary a little too.
    a = 1.0 - mare * (0.8 + 0.4 * value_noise(n[0] * 13 + 4, n[1] * 13 + 8, n[2] * 13 + 6))
    for centre, radius, brightness in CRATER_VECTORS:
        a += brightness * (1.0 - smoothstep(0.0, radius, angular_distance(n, centre)))
    # Mottling: two octaves of noise over the sphere.
    m = 0.6 * value_noise(n[0] * 7 + 11, n[1] * 7 + 5, n[2] * 7 + 3) + \
        0.4 * value_noise(n[0] * 19 + 2, n[1] * 19 + 9, n[2] * 19 + 1)
    return a * (0.90 + 0.20 * m)


def shade(x, y, sun):
    """Linear RGB of the point (x, y) of the unit disc, or None off the disc."""
    r2 = x * x + y * y
    if r2 >= 1.0:
        return None
    z = math.sqrt(1.0 - r2)
    n = (x, y, z)
    mu0 = n[0] * sun[0] + n[1] * sun[1] + n[2] * sun[2]  # cosine of the Sun's incidence
    mu = z                                              # cosine of the view's emergence
    a = albedo(n)
    limb = 0.80 + 0.20 * mu
    # Lommel-Seeliger, normalised to 1 at the centre of the full Moon, with the terminator
    # softened over a few degrees of incidence so that it does not stair-step.
    lit = 0.0
    soft = smoothstep(-0.04, 0.06, mu0)
    if soft > 0.0:
        m0 = max(mu0, 0.02)
        lit = 2.0 * m0 / (m0 + mu) * soft
    light = min(1.0, lit * limb * a)
    shine = 0.5 + 0.5 * a
    dark = 1.0 - soft
    return tuple(HIGHLAND[c] * light + EARTHSHINE[c] * shine * dark * limb for c in range(3))


def render(size, elongation_degrees):
    """Rows of 8-bit sRGB pixels of one picture."""
    e = math.radians(elongation_degrees)
    sun = (math.sin(e), 0.0, -math.cos(e))  # new moon: the Sun behind the Moon
    centre = size / 2.0
    radius = size / 2.0 - 0.5 * size / 31.0  # a thin margin of sky round the disc
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES - centre) / radius
                    y = (centre - (py + (sy + 0.5) / SUBSAMPLES)) / radius  # north up
                    c = shade(x, y, sun) or BACKGROUND
                    for k in range(3):
                        acc[k] += c[k]
            count = SUBSAMPLES * SUBSAMPLES
            row.append(tuple(to_srgb8(acc[k] / count) for k in range(3)))
        rows.append(row)
    return rows


def to_srgb8(linear):
    linear = min(1.0, max(0.0, linear))
    s = 12.92 * linear if linear <= 0.0031308 else 1.055 * linear ** (1 / 2.4) - 0.055
    return int(round(s * 255))


def write_png(path, rows):
    """An 8-bit RGB PNG, no interlace."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "res", "moon")
    os.makedirs(out, exist_ok=True)
    for index, resource in enumerate(RESOURCES):
        elongation = 45.0 * index
        write_png(os.path.join(out, "moon_%d.png" % resource), render(31, elongation))
        write_png(os.path.join(out, "moon_%d@2x.png" % resource), render(62, elongation))
        print("moon_%d: elongation %g degrees" % (resource, elongation))


if __name__ == "__main__":
    main()
