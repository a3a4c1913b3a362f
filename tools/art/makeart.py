#!/usr/bin/env python3
"""Draws Stowpouch's icons and bitmaps from code.

    python3 tools/art/makeart.py [--out-dir DIR]

DIR defaults to the repository's resources/ folder (found relative to this
script); icons go to DIR/icons and bitmaps to DIR/bitmaps. Only the standard
library is used and the output is byte-for-byte the same on every run.

Drawing works on shapes described by signed distance functions (negative
inside), filled with 4x4 supersampling. Each icon is drawn separately at 16,
32 and 64 pixels on a 16-unit grid, so edges at whole grid units land on
whole pixels at every size and the small sizes stay crisp.
"""
import argparse
import math
import os
import struct
import sys

SS = 4                      # supersamples per axis
ICON_SIZES = (16, 24, 32, 48, 64)


# --------------------------------------------------------------------------
# Shapes
# --------------------------------------------------------------------------

class Shape:
    """A signed distance function plus a bounding box (x0, y0, x1, y1)."""

    def __init__(self, sd, box):
        self.sd = sd
        self.box = box

    def __or__(self, other):
        a, b = self.sd, other.sd
        box = (min(self.box[0], other.box[0]), min(self.box[1], other.box[1]),
               max(self.box[2], other.box[2]), max(self.box[3], other.box[3]))
        return Shape(lambda x, y: min(a(x, y), b(x, y)), box)

    def __and__(self, other):
        a, b = self.sd, other.sd
        box = (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
               min(self.box[2], other.box[2]), min(self.box[3], other.box[3]))
        return Shape(lambda x, y: max(a(x, y), b(x, y)), box)

    def __sub__(self, other):
        a, b = self.sd, other.sd
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def grow(self, d):
        """Positive d grows the shape, negative d insets it."""
        a = self.sd
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: a(x, y) - d, (x0 - d, y0 - d, x1 + d, y1 + d))

    def rotate(self, degrees, cx, cy):
        """Rotate clockwise on screen (y points down) about (cx, cy)."""
        t = math.radians(degrees)
        co, si = math.cos(t), math.sin(t)
        a = self.sd

        def sd(x, y):
            dx, dy = x - cx, y - cy
            return a(cx + dx * co + dy * si, cy - dx * si + dy * co)

        x0, y0, x1, y1 = self.box
        pts = [(cx + (px - cx) * co - (py - cy) * si,
                cy + (px - cx) * si + (py - cy) * co)
               for px in (x0, x1) for py in (y0, y1)]
        return Shape(sd, (min(p[0] for p in pts), min(p[1] for p in pts),
                          max(p[0] for p in pts), max(p[1] for p in pts)))


def rrect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2, (y1 - y0) / 2

    def sd(x, y):
        qx = abs(x - cx) - hx + r
        qy = abs(y - cy) - hy + r
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return Shape(sd, (x0, y0, x1, y1))


def rect(x0, y0, x1, y1):
    return rrect(x0, y0, x1, y1, 0.0)


def ellipse(cx, cy, rx, ry=None):
    """Exact for circles; a first-order estimate for ellipses."""
    ry = rx if ry is None else ry

    def sd(x, y):
        u, v = x - cx, y - cy
        k = math.hypot(u / rx, v / ry)
        g = math.hypot(u / (rx * rx), v / (ry * ry))
        if g == 0:
            return -min(rx, ry)
        return (k - 1) * k / g
    return Shape(sd, (cx - rx, cy - ry, cx + rx, cy + ry))


def polygon(pts):
    pts = list(pts)

    def sd(x, y):
        d = float('inf')
        s = 1.0
        xj, yj = pts[-1]
        for xi, yi in pts:
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = (wx * ex + wy * ey) / (ex * ex + ey * ey)
            t = 0.0 if t < 0 else 1.0 if t > 1 else t
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            c1, c2, c3 = y >= yi, y < yj, ex * wy > ey * wx
            if (c1 and c2 and c3) or not (c1 or c2 or c3):
                s = -s
            xj, yj = xi, yi
        return s * math.sqrt(d)
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(sd, (min(xs), min(ys), max(xs), max(ys)))


def polyline(pts, width):
    """A thick line through pts with round joins and caps."""
    segs = list(zip(pts, pts[1:]))
    h = width / 2

    def sd(x, y):
        best = float('inf')
        for (ax, ay), (bx, by) in segs:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            ll = ex * ex + ey * ey
            t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / ll))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
        return best - h
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(sd, (min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h))


def line(x0, y0, x1, y1, width):
    return polyline([(x0, y0), (x1, y1)], width)


def halfplane(nx, ny, c):
    """Points where nx*x + ny*y >= c (use with &)."""
    n = math.hypot(nx, ny)
    big = 1e6
    return Shape(lambda x, y: (c - nx * x - ny * y) / n, (-big, -big, big, big))


def ring(shape, width):
    """An outline of the given width lying just inside shape's edge."""
    return shape - shape.grow(-width)


# --------------------------------------------------------------------------
# Paint
# --------------------------------------------------------------------------

def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


def lingrad(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / ll)


def radgrad(cx, cy, r, c0, c1):
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


# --------------------------------------------------------------------------
# Canvas
# --------------------------------------------------------------------------

class Canvas:
    """RGBA image stored premultiplied, channels 0..1."""

    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        self.aa = True          # False: hard pixel-centre edges, for tiny sizes
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        if bg is not None:
            self.fill(rect(0, 0, w, h), bg)

    def blend(self, x, y, col, a):
        if len(col) > 3:
            a *= col[3] / 255.0
        p = self.px[y * self.w + x]
        k = 1.0 - a
        p[0] = col[0] / 255.0 * a + p[0] * k
        p[1] = col[1] / 255.0 * a + p[1] * k
        p[2] = col[2] / 255.0 * a + p[2] * k
        p[3] = a + p[3] * k

    def fill(self, shape, paint, alpha=1.0):
        x0, y0, x1, y1 = shape.box
        ix0, iy0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        ix1, iy1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        sd = shape.sd
        offs = [(i + 0.5) / SS for i in range(SS)]
        n = SS * SS
        for py in range(iy0, iy1):
            for px in range(ix0, ix1):
                d = sd(px + 0.5, py + 0.5)
                if not self.aa:
                    if d > 0:
                        continue
                    cov = n
                elif d <= -0.75:
                    cov = n
                elif d >= 0.75:
                    continue
                else:
                    cov = sum(1 for oy in offs for ox in offs
                              if sd(px + ox, py + oy) <= 0)
                    if not cov:
                        continue
                col = paint(px + 0.5, py + 0.5) if callable(paint) else paint
                self.blend(px, py, col, alpha * cov / n)

    def paste(self, other, ox, oy):
        for y in range(other.h):
            ty = y + oy
            if not 0 <= ty < self.h:
                continue
            for x in range(other.w):
                tx = x + ox
                if not 0 <= tx < self.w:
                    continue
                s = other.px[y * other.w + x]
                d = self.px[ty * self.w + tx]
                k = 1.0 - s[3]
                for i in range(4):
                    d[i] = s[i] + d[i] * k

    def rgba(self, x, y):
        p = self.px[y * self.w + x]
        a = p[3]
        if a <= 1e-6:
            return (0, 0, 0, 0)

        def ch(v):
            return max(0, min(255, int(v / a * 255 + 0.5)))
        return (ch(p[0]), ch(p[1]), ch(p[2]), max(0, min(255, int(a * 255 + 0.5))))


# --------------------------------------------------------------------------
# Pixel font: 5 columns, 7 rows above the baseline and 2 below
# --------------------------------------------------------------------------

FONT = {
    'S': [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    'K': ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    'c': [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
    'd': ["....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'f': ["..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."],
    'h': ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    'i': ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    'l': [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'n': [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    'o': [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    'p': [".....", ".....", "####.", "#...#", "#...#", "#...#", "####.",
          "#....", "#...."],
    'r': [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    's': [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    't': [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    'u': [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    'w': [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    'y': [".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####",
          "....#", ".###."],
}
FONT_ROWS = 9
SPACE_COLS = 3


def glyph_cols(ch):
    """The glyph's used column range (first, width)."""
    used = [c for row in FONT[ch] for c, v in enumerate(row) if v == '#']
    return min(used), max(used) - min(used) + 1


def text_pixels(text):
    """Font pixels (col, row) for a line of text, plus its width in columns."""
    pen, out = 0, []
    for ch in text:
        if ch == ' ':
            pen += SPACE_COLS
            continue
        first, width = glyph_cols(ch)
        for r, row in enumerate(FONT[ch]):
            out.extend((pen + c - first, r) for c, v in enumerate(row) if v == '#')
        pen += width + 1
    return out, pen - 1


def draw_text(c, x, y, text, scale, paint):
    """Draw text with its top-left at (x, y); returns the width in pixels."""
    pixels, width = text_pixels(text)
    for col, row in pixels:
        c.fill(rect(x + col * scale, y + row * scale,
                    x + (col + 1) * scale, y + (row + 1) * scale), paint)
    return width * scale


# --------------------------------------------------------------------------
# Shared icon parts
# --------------------------------------------------------------------------

INK = (32, 36, 48)
WHITE = (255, 255, 255)
FOLDER_BACK = (226, 168, 36)
FOLDER_FRONT = (255, 214, 82)
FOLDER_EDGE = (128, 84, 8)
TITLE_A = (18, 60, 168)
TITLE_B = (70, 140, 235)


def outline_width(s):
    return 1 if s < 64 else 2


def bordered(c, shape, fill, edge, o):
    c.fill(shape, edge)
    c.fill(shape.grow(-o), fill)


def draw_folder(c, x0, y0, x1, y1, s):
    """A manila folder in the box; corners should be whole pixels."""
    o = outline_width(s)
    w, h = x1 - x0, y1 - y0
    tab_w = round(w * 0.45)
    tab_h = max(o + 1, round(h * 0.14))
    front_top = y0 + max(tab_h + o + 1, round(h * 0.32))
    back = rect(x0, y0 + tab_h, x1, y1) | rrect(x0, y0, x0 + tab_w, y0 + tab_h + o, min(o, 1))
    if h < 10:   # too small for two panels: one yellow body with a fold line
        bordered(c, back, FOLDER_FRONT, FOLDER_EDGE, o)
        c.fill(rect(x0 + o, y0 + tab_h + o + 1, x1 - o, y0 + tab_h + o + 2), FOLDER_BACK)
        return
    bordered(c, back, FOLDER_BACK, FOLDER_EDGE, o)
    front = rect(x0, front_top, x1, y1)
    bordered(c, front, lingrad(0, front_top, FOLDER_FRONT, 0, y1, (240, 184, 48)),
             FOLDER_EDGE, o)
    if h >= 12:
        c.fill(rect(x0 + o, front_top + o, x1 - o, front_top + o + max(1, o // 2)),
               (255, 244, 180))


def draw_window(c, x0, y0, x1, y1, s, buttons=True):
    """A window frame with a blue title bar; returns the client box."""
    o = outline_width(s)
    th = {16: 3, 32: 6, 64: 11}.get(s, max(3, round((y1 - y0) * 0.16)))
    c.fill(rect(x0, y0, x1, y1), INK)
    c.fill(rect(x0 + o, y0 + o, x1 - o, y1 - o), WHITE)
    c.fill(rect(x0 + o, y0 + o, x1 - o, y0 + o + th),
           lingrad(x0, 0, TITLE_A, x1, 0, TITLE_B))
    if buttons and th >= 6:
        b = th - 2 * max(1, th // 5)
        m = (th - b) // 2
        bx = x1 - o - m - b
        for _ in range(3 if x1 - x0 >= 40 else 2):
            c.fill(rect(bx, y0 + o + m, bx + b, y0 + o + m + b), (224, 230, 242))
            bx -= b + max(1, m // 2) + 1
    cy0 = y0 + o + th
    c.fill(rect(x0 + o, cy0, x1 - o, cy0 + o), INK)
    return (x0 + o, cy0 + o, x1 - o, y1 - o)


def icon_grid(s):
    k = s / 16.0
    return lambda v: v * k


# --------------------------------------------------------------------------
# Icons
# --------------------------------------------------------------------------

POUCH_LIGHT = (96, 214, 200)
POUCH_MID = (22, 150, 146)
POUCH_DARK = (8, 88, 98)
POUCH_EDGE = (6, 52, 62)
CORD = (246, 184, 38)
CORD_EDGE = (120, 66, 6)


# The 16 x 16 pouch is drawn pixel by pixel: at that size every pixel counts.
POUCH_16_KEY = {'k': POUCH_EDGE, 'l': POUCH_LIGHT, 'm': POUCH_MID, 'd': POUCH_DARK,
                'h': (200, 245, 236), 'Y': (255, 226, 120), 'y': CORD, 'b': CORD_EDGE}
POUCH_16 = [
    "...kk..kk..kk...",
    "..kllkkllkkllk..",
    "...kllllllmmk...",
    "....kllllmmk....",
    "...bYYYYYYYYb...",
    "...byyyyyyyyb...",
    "....kllmmmyk....",
    "..kllmmmmmmymk..",
    ".kllmmmmmmmmymk.",
    "kllmmmmmmmmmYYmk",
    "klhmmmmmmmmmYYdk",
    "kllmmmmmmmmmbbdk",
    "klmmmmmmmmmmmmdk",
    ".kmmmmmmmmmmmdk.",
    "..kmmmmmmmmddk..",
    "....kkkkkkkk....",
]


def draw_pixels(c, x, y, rows, key):
    for r, row in enumerate(rows):
        for col, ch in enumerate(row):
            if ch in key:
                c.blend(x + col, y + r, key[ch], 1.0)


def icon_stowpouch(c, s):
    if s == 16:
        draw_pixels(c, 0, 0, POUCH_16, POUCH_16_KEY)
        return
    g = icon_grid(s)
    o = outline_width(s)
    body = ellipse(g(8), g(10.4), g(6.9), g(5.2)) | polygon(
        [(g(5.6), g(4.5)), (g(10.4), g(4.5)), (g(12.8), g(8)), (g(3.2), g(8))])
    shade = radgrad(g(5.5), g(8.5), g(9.5), POUCH_LIGHT, POUCH_DARK)
    bordered(c, body, lambda x, y: mix(shade(x, y), POUCH_MID, 0.25), POUCH_EDGE, o)
    ruffle = polygon([(g(6.2), g(5)), (g(9.8), g(5)), (g(13), g(1.2)), (g(11.2), g(2)),
                      (g(9.6), g(0.6)), (g(8), g(1.8)), (g(6.4), g(0.6)),
                      (g(4.8), g(2)), (g(3), g(1.2))])
    bordered(c, ruffle, lingrad(0, g(1), POUCH_LIGHT, 0, g(5), POUCH_MID), POUCH_EDGE, o)
    if s >= 32:   # stitched seam across the belly
        seam = ring(ellipse(g(8), g(9.2), g(5.4), g(4.4)), o) & halfplane(0, 1, g(11))
        c.fill(seam, (170, 236, 226), 0.8)
    tie = rrect(g(4.5), g(4), g(11.5), g(6), g(0.8))
    bordered(c, tie, lingrad(0, g(4), (255, 226, 120), 0, g(6), CORD), CORD_EDGE, o)
    cord = polyline([(g(9.5), g(5.5)), (g(11), g(8.2)), (g(11.6), g(10.6))], g(1.2) + o)
    c.fill(cord, CORD_EDGE)
    c.fill(cord.grow(-o * 0.75), CORD)
    knot = ellipse(g(11.6), g(11), g(1.2))
    bordered(c, knot, CORD, CORD_EDGE, o)


def icon_folder(c, s):
    g = icon_grid(s)
    draw_folder(c, g(1), g(2), g(15), g(14), s)


def icon_explorer(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    x0, y0, x1, y1 = draw_window(c, g(0), g(1), g(16), g(15), s)
    split = x0 + round((x1 - x0) * 0.36)
    c.fill(rect(x0, y0, split, y1), (214, 226, 246))
    c.fill(rect(split, y0, split + o, y1), (120, 136, 170))
    # the tree: a trunk with branches ending in little folders
    twig = (90, 100, 130)
    count = 2 if s == 16 else 3
    step = (y1 - y0) / count
    nodes = [int(y0 + step * (i + 0.5)) for i in range(count)]
    trunk = x0 + (1 if s == 16 else g(1))
    leaf = 2 if s == 16 else g(2.5)
    lx = split - leaf - (o if s == 16 else g(1))
    c.fill(rect(trunk, y0 + o, trunk + o, nodes[-1] + o), twig)
    for ny in nodes:
        c.fill(rect(trunk, ny, lx, ny + o), twig)
        top = ny - leaf // 2
        if s == 16:
            c.fill(rect(lx, top, lx + leaf, top + leaf), FOLDER_BACK)
        else:
            bordered(c, rect(lx, top, lx + leaf, top + leaf), FOLDER_FRONT, FOLDER_EDGE, o)
    if s == 16:
        draw_folder(c, 8, 7, 14, 13, s)
    else:
        m = g(1)
        fw = x1 - split - o - 2 * m
        fh = round(fw * 0.8)
        fy = y0 + (y1 - y0 - fh + 1) // 2
        draw_folder(c, split + o + m, fy, split + o + m + fw, fy + fh, s)


def icon_folderwindow(c, s):
    g = icon_grid(s)
    x0, y0, x1, y1 = draw_window(c, g(0), g(1), g(16), g(15), s)
    m = g(2)
    draw_folder(c, x0 + m, y0 + g(1), x1 - m, y1 - g(1), s)


def draw_globe(c, cx, cy, r, s):
    o = outline_width(s)
    disc = ellipse(cx, cy, r)
    c.fill(disc, (16, 52, 130))
    inner = disc.grow(-o)
    c.fill(inner, radgrad(cx - r * 0.4, cy - r * 0.4, r * 1.6, (120, 196, 255), (22, 90, 200)))
    land = (polygon([(cx - r * 0.75, cy - r * 0.55), (cx - r * 0.15, cy - r * 0.8),
                     (cx + r * 0.05, cy - r * 0.3), (cx - r * 0.3, cy + r * 0.05),
                     (cx - r * 0.2, cy + r * 0.7), (cx - r * 0.55, cy + r * 0.4),
                     (cx - r * 0.9, cy - r * 0.1)])
            | polygon([(cx + r * 0.25, cy - r * 0.05), (cx + r * 0.85, cy - r * 0.35),
                       (cx + r * 0.95, cy + r * 0.3), (cx + r * 0.45, cy + r * 0.75),
                       (cx + r * 0.2, cy + r * 0.35)]))
    c.fill(land & inner, lingrad(0, cy - r, (120, 210, 90), 0, cy + r, (40, 140, 50)))
    if s == 16:   # at this size the grid only muddies the continents
        return
    lw = max(1.0, s / 32.0)
    grid = (ring(ellipse(cx, cy, r * 0.45, r), lw) | rect(cx - lw / 2, cy - r, cx + lw / 2, cy + r)
            | rect(cx - r, cy - lw / 2, cx + r, cy + lw / 2))
    if s >= 32:
        grid = grid | ring(ellipse(cx, cy, r * 0.85, r), lw)
        for t in (-0.55, 0.55):
            grid = grid | rect(cx - r, cy + t * r - lw / 2, cx + r, cy + t * r + lw / 2)
    c.fill(grid & inner, (230, 245, 255), 0.5)
    shine = ellipse(cx - r * 0.38, cy - r * 0.45, r * 0.32, r * 0.2).rotate(-35, cx - r * 0.38, cy - r * 0.45)
    c.fill(shine & inner, WHITE, 0.55)


def icon_browser(c, s):
    g = icon_grid(s)
    draw_window(c, g(0), g(0), g(12), g(10), s, buttons=s >= 64)
    r = g(6.5) if s > 16 else 6.5
    # a white halo separates the globe from the frame behind it
    c.fill(ellipse(g(9.5), g(9.5), r + outline_width(s)), WHITE)
    draw_globe(c, g(9.5), g(9.5), r, s)


def icon_browser2(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    c.aa = s > 16
    cx = cy = g(8)
    bezel = ellipse(cx, cy, g(7.5))
    bordered(c, bezel, lingrad(g(2), g(2), (236, 240, 246), g(14), g(14), (120, 128, 144)),
             (40, 44, 60), o)
    face_r = g(7.5) - o - max(1, g(1.5))
    face = ellipse(cx, cy, face_r)
    bordered(c, face, radgrad(cx, cy - face_r * 0.3, face_r * 1.3, (255, 252, 236), (226, 220, 196)),
             (80, 84, 100), o)
    if s >= 32:
        tl = g(1.4)
        for ang in range(0, 360, 45):
            t = math.radians(ang)
            length = tl if ang % 90 == 0 else tl * 0.55
            ux, uy = math.sin(t), -math.cos(t)
            rr = face_r - o
            c.fill(line(cx + ux * rr, cy + uy * rr, cx + ux * (rr - length), cy + uy * (rr - length),
                        o * (1.5 if ang % 90 == 0 else 1)), (60, 64, 80))
    c.aa = s > 16
    nl, nw = face_r * 0.92, face_r * 0.32
    north = polygon([(cx, cy - nl), (cx + nw, cy), (cx - nw, cy)]).rotate(40, cx, cy)
    south = polygon([(cx, cy + nl), (cx - nw, cy), (cx + nw, cy)]).rotate(40, cx, cy)
    if s == 16:
        c.fill(north, (220, 30, 30))
        c.fill(south, (40, 56, 110))
        return
    bordered(c, north, lingrad(cx - nw, 0, (255, 90, 70), cx + nw, 0, (190, 20, 20)), (110, 0, 0), o * 0.8)
    bordered(c, south, lingrad(cx - nw, 0, (120, 140, 180), cx + nw, 0, (40, 56, 96)), (20, 28, 50), o * 0.8)
    pin = ellipse(cx, cy, g(0.9))
    bordered(c, pin, (250, 230, 140), (90, 70, 20), o * 0.8)


def icon_application(c, s):
    g = icon_grid(s)
    draw_window(c, g(0), g(1), g(16), g(15), s)


def icon_desktop(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    bordered(c, rrect(g(0), g(1), g(16), g(13), g(1)),
             lingrad(0, g(1), (110, 116, 130), 0, g(13), (50, 54, 64)), INK, o)
    sx0, sy0, sx1, sy1 = g(2), g(3), g(14), g(11)
    c.fill(rect(sx0 - o, sy0 - o, sx1 + o, sy1 + o), (20, 22, 30))
    c.fill(rect(sx0, sy0, sx1, sy1), lingrad(0, sy0, (70, 160, 230), 0, sy1, (24, 80, 170)))
    tb = max(1, g(1))
    c.fill(rect(sx0, sy1 - tb, sx1, sy1), (200, 204, 214))
    if s >= 32:
        c.fill(rect(sx0, sy1 - tb, sx0 + g(2.5), sy1), (60, 170, 80))
    ic = max(2, g(2))
    gap = max(1, g(1))
    icons = [(FOLDER_FRONT, FOLDER_EDGE), ((250, 250, 250), (90, 100, 120))]
    if s >= 32:
        icons.append(((250, 120, 90), (130, 30, 20)))
    y = sy0 + gap
    for fill, edge in icons:
        if y + ic > sy1 - tb - gap // 2:
            break
        box = rect(sx0 + gap, y, sx0 + gap + ic, y + ic)
        if ic > 2:
            bordered(c, box, fill, edge, 1)
        else:    # a two-pixel square has no room for an edge
            c.fill(box, fill)
        y += ic + gap
    c.fill(rect(g(6), g(13), g(10), g(14)), (70, 74, 86))
    bordered(c, rrect(g(3), g(14), g(13), g(16), g(0.5)),
             lingrad(0, g(14), (150, 156, 170), 0, g(16), (80, 84, 96)), INK, o)


def icon_close(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    box = rrect(g(1), g(1), g(15), g(15), g(3))
    bordered(c, box, lingrad(0, g(1), (255, 255, 255), 0, g(15), (214, 218, 228)), (80, 84, 100), o)
    if s == 16:   # a hard-edged pixel cross reads better than a blurred one
        c.aa = False
        cross = line(4.5, 4.5, 11.5, 11.5, 2.3) | line(4.5, 11.5, 11.5, 4.5, 2.3)
        c.fill(cross, (214, 20, 20))
        return
    a, b, w = g(4.8), g(11.2), g(2.6)
    cross = line(a, a, b, b, w) | line(a, b, b, a, w)
    c.fill(cross.grow(o * 0.8), (120, 0, 0))
    c.fill(cross, lingrad(0, a, (250, 70, 60), 0, b, (200, 16, 16)))


def icon_minimize(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    x0, y0, x1, y1 = draw_window(c, g(0), g(1), g(16), g(15), s)
    bar_top = y1 - g(1) - max(2, g(1.5))
    c.fill(rect(g(3), bar_top, g(13), y1 - g(1)), (28, 44, 110))
    tip = bar_top - max(1, g(0.5))
    head = tip - g(3.5)
    arrow = (rect(g(6.5), y0 + g(1), g(9.5), head + 1)
             | polygon([(g(3.5), head), (g(12.5), head), (g(8), tip)]))
    if s == 16:
        c.aa = False
        arrow = rect(7, y0 + 1, 9, 9) | polygon([(3.6, 8), (12.4, 8), (8, 12.4)])
        c.fill(arrow, (30, 150, 40))
        return
    c.fill(arrow.grow(o), (20, 70, 20))
    c.fill(arrow, lingrad(0, y0, (120, 220, 110), 0, tip, (30, 150, 40)))


def icon_drive(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    top = polygon([(g(3), g(4)), (g(13), g(4)), (g(15), g(8)), (g(1), g(8))])
    front = rect(g(1), g(8), g(15), g(12))
    c.fill((top | front).grow(o), (56, 60, 72))
    c.fill(top, lingrad(0, g(4), (236, 238, 242), 0, g(8), (196, 200, 208)))
    c.fill(front, lingrad(0, g(8), (176, 180, 190), 0, g(12), (124, 128, 140)))
    c.fill(rect(g(1), g(8), g(15), g(8) + o), (90, 94, 106))
    if s >= 32:   # vents on the left of the front panel
        for i in range(4):
            x = g(2.5) + i * g(1)
            c.fill(rect(x, g(9), x + o, g(11)), (84, 88, 100))
    else:
        c.fill(rect(3, 10, 8, 11), (84, 88, 100))
    if s > 16:
        led = ellipse(g(12.5), g(10), g(1))
        c.fill(led.grow(o * 0.5), (10, 70, 10))
        c.fill(led, radgrad(g(12.2), g(9.7), g(1.2), (200, 255, 190), (30, 200, 40)))
    else:
        c.fill(rect(11, 9, 13, 11), (40, 220, 60))


def icon_command(c, s):
    g = icon_grid(s)
    o = outline_width(s)
    bordered(c, rrect(g(1), g(1), g(15), g(15), g(2.5)),
             lingrad(0, g(1), (74, 86, 112), 0, g(15), (30, 36, 54)), (14, 16, 26), o)
    bolt = polygon([(g(10), g(2)), (g(4), g(9)), (g(7.4), g(9)), (g(5.6), g(14)),
                    (g(12), g(6.6)), (g(8.6), g(6.6)), (g(11.2), g(2))])
    c.fill(bolt.grow(o * 0.8), (120, 70, 0))
    c.fill(bolt, lingrad(g(4), g(2), (255, 246, 150), g(12), g(14), (255, 180, 20)))


ICONS = [
    ("icon128_stowpouch.ico", icon_stowpouch),
    ("icon131_explorer.ico", icon_explorer),
    ("icon132_folderwindow.ico", icon_folderwindow),
    ("icon134_browser.ico", icon_browser),
    ("icon135_browser2.ico", icon_browser2),
    ("icon145_drive.ico", icon_drive),
    ("icon146_minimize.ico", icon_minimize),
    ("icon147_close.ico", icon_close),
    ("icon150_application.ico", icon_application),
    ("icon152_folder.ico", icon_folder),
    ("icon153_desktop.ico", icon_desktop),
    ("icon160_command.ico", icon_command),
]


# --------------------------------------------------------------------------
# Bitmaps
# --------------------------------------------------------------------------

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
       (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
       (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, TEAL, OLIVE, SILVER, YELLOW, CYAN, WHITE_I = 0, 4, 6, 3, 7, 11, 14, 15

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]

# 15 x 17 pouch in VGA colours; '.' keeps the background.
LOGO_POUCH_KEY = {'t': TEAL, 'c': CYAN, 'y': YELLOW, 'o': OLIVE, 'w': WHITE_I}
LOGO_POUCH = [
    "..c.cc.c.cc.c..",
    "..cttctttcttc..",
    "...ctttttttc...",
    "....ctttttc....",
    "...yyyyyyyyy...",
    "...oooooyooo...",
    "....cttttyt....",
    "...cttttttyt...",
    "..ctttttttytt..",
    ".ctttttttttytt.",
    ".ccttttttttott.",
    ".cwttttttttott.",
    ".ctttttttttttt.",
    ".ctttttttttttt.",
    "..ctttttttttt..",
    "...ttttttttt...",
    ".....ttttt.....",
]


def bitmap_logo():
    """The band down the left of the tray menu, as VGA palette indices."""
    w, h = 25, 251
    img = [[BLACK] * w for _ in range(h)]
    for y in range(h):          # black at the top fading to navy at the bottom
        level = max(0.0, min(1.0, (y - 40) / (h - 70.0)))
        for x in range(w):
            if level * 16 > BAYER4[y % 4][x % 4] + 0.5:
                img[y][x] = NAVY
    for y in range(h):          # a thin teal rule down the right edge
        img[y][w - 1] = TEAL
    top = 7
    for r, row in enumerate(LOGO_POUCH):
        for cidx, ch in enumerate(row[:15]):
            if ch != '.':
                img[top + r][5 + cidx] = LOGO_POUCH_KEY[ch]
    # "Stowpouch" reading bottom to top, scale 2, the top of the letters
    # facing left; each font pixel (col, row) lands at x = row, y = -col.
    pixels, width = text_pixels("Stowpouch")
    scale, left, bottom = 2, 4, h - 8
    for layer, colour in ((1, TEAL), (0, WHITE_I)):
        for col, row in pixels:
            for dy in range(scale):
                for dx in range(scale):
                    x = left + row * scale + dx + layer
                    y = bottom - col * scale - dy - layer
                    img[y][x] = colour
    return img


def bitmap_picture():
    """The illustration in the main window: folder windows dropping into a pouch."""
    W, H = 282, 178
    c = Canvas(W, H, WHITE)
    cx = 141
    # ground shadow and motion trails
    c.fill(ellipse(cx, 108, 58, 5), (226, 232, 240))
    for pts in ([(54, 20), (70, 14), (88, 14)], [(50, 36), (66, 30), (80, 30)],
                [(228, 24), (212, 18), (196, 18)], [(232, 40), (218, 34), (204, 34)]):
        c.fill(polyline(pts, 3), (180, 206, 232))
    mouth = ellipse(cx, MOUTH_Y, MOUTH_RX, MOUTH_RY)
    draw_pouch_back(c, cx, mouth)
    # the windows, partly inside already
    draw_flying_window(c, 104, 12, 48, 38, -16)
    draw_flying_window(c, 146, 4, 46, 36, 12)
    draw_flying_folder(c, 128, 28, 24, 18, -4)
    draw_pouch_front(c, cx, mouth)
    # the name and the tagline
    title_scale = 3
    _, tw = text_pixels("Stowpouch")
    tx = (W - tw * title_scale) // 2
    draw_text(c, tx + 2, 118 + 2, "Stowpouch", title_scale, (200, 214, 228))
    draw_text(c, tx, 118, "Stowpouch", title_scale,
              lingrad(0, 118, (16, 110, 120), 0, 118 + 7 * title_scale, (10, 48, 110)))
    _, gw = text_pixels("Keep your folders in one pouch")
    draw_text(c, (W - gw) // 2, 156, "Keep your folders in one pouch", 1, (84, 92, 112))
    framed = Canvas(W, H, WHITE)     # nudge everything down to balance the margins
    framed.paste(c, 0, 5)
    return [[framed.rgba(x, y)[:3] for x in range(W)] for y in range(H)]


MOUTH_Y, MOUTH_RX, MOUTH_RY = 46, 38, 8


def draw_pouch_back(c, cx, mouth):
    """The inside of the open pouch and the far side of its rim."""
    rim = ring(mouth.grow(3), 3)
    back = halfplane(0, -1, -MOUTH_Y - 1)
    c.fill(rim & back, POUCH_EDGE)
    c.fill(rim.grow(-1) & back, POUCH_LIGHT)
    c.fill(mouth, lingrad(0, MOUTH_Y - MOUTH_RY, (6, 40, 48), 0, MOUTH_Y + MOUTH_RY, (18, 96, 100)))


def draw_pouch_front(c, cx, mouth):
    """The near side of the pouch: a flared collar, the cinched neck, a round belly."""
    neck = MOUTH_Y + 16
    collar = polygon([(cx - MOUTH_RX - 3, MOUTH_Y), (cx + MOUTH_RX + 3, MOUTH_Y),
                      (cx + 30, neck), (cx - 30, neck)])
    belly = ellipse(cx, 88, 54, 21) | polygon([(cx - 30, neck - 2), (cx + 30, neck - 2),
                                                (cx + 50, 80), (cx - 50, 80)])
    body = (collar | belly) - mouth.grow(1)
    shade = radgrad(cx - 24, 74, 86, POUCH_LIGHT, POUCH_DARK)
    c.fill(body.grow(2), POUCH_EDGE)
    c.fill(body, lambda x, y: mix(shade(x, y), POUCH_MID, 0.2))
    near = halfplane(0, 1, MOUTH_Y)
    rim = ring(mouth.grow(3), 3)
    c.fill(rim & near, POUCH_EDGE)
    c.fill(rim.grow(-1) & near, POUCH_LIGHT)
    # folds gathered by the drawstring
    fold = (8, 96, 104)
    for dx in (-22, -9, 5, 19):
        c.fill(polyline([(cx + dx * 0.8, neck + 3), (cx + dx * 1.25, neck + 12), (cx + dx * 1.4, neck + 18)], 1.6), fold, 0.55)
        c.fill(line(cx + dx * 0.85, neck - 3, cx + dx * 1.15, MOUTH_Y + MOUTH_RY + 1, 1.4), fold, 0.45)
    c.fill(ring(ellipse(cx - 20, 86, 20, 14), 2) & halfplane(-1, 0, -cx + 20) & halfplane(0, 1, 88),
           (190, 244, 234), 0.7)
    # drawstring round the neck, tied at the right with two tails
    cord = ring(ellipse(cx, neck - 6, 33, 8), 3.5) & halfplane(0, 1, neck - 6)
    c.fill(cord.grow(1.2), CORD_EDGE)
    c.fill(cord, CORD)
    knot = (cx + 26, neck)
    tails = [[knot, (cx + 36, neck + 12), (cx + 38, neck + 24)],
             [knot, (cx + 44, neck + 6), (cx + 52, neck + 16)]]
    for pts in tails:
        c.fill(polyline(pts, 5.4), CORD_EDGE)
        c.fill(polyline(pts, 3.2), CORD)
    for ex, ey in (tails[0][-1], tails[1][-1]):
        bordered(c, ellipse(ex, ey + 1, 3.2), CORD, CORD_EDGE, 1.2)
    bordered(c, ellipse(knot[0], knot[1], 4.2), (255, 214, 90), CORD_EDGE, 1.2)


def draw_flying_window(c, x, y, w, h, angle):
    """A small folder window tilted by angle degrees, drawn straight onto c."""
    layer = Canvas(c.w, c.h)
    cx, cy = x + w / 2, y + h / 2
    turn = (lambda sh: sh.rotate(angle, cx, cy))
    layer.fill(turn(rrect(x + 2, y + 3, x + w + 2, y + h + 3, 2)), (0, 30, 60, 50))
    layer.fill(turn(rrect(x, y, x + w, y + h, 2)), INK)
    layer.fill(turn(rect(x + 1.5, y + 1.5, x + w - 1.5, y + h - 1.5)), WHITE)
    layer.fill(turn(rect(x + 1.5, y + 1.5, x + w - 1.5, y + 9)), lingrad(x, 0, TITLE_A, x + w, 0, TITLE_B))
    for i in range(2):
        bx = x + w - 8 - i * 6
        layer.fill(turn(rect(bx, y + 3.5, bx + 4, y + 7)), (224, 230, 242))
    fx, fy, fw, fh = x + w * 0.3, y + 14, w * 0.4, h * 0.46
    layer.fill(turn(rect(fx, fy + 2, fx + fw, fy + fh) | rect(fx, fy, fx + fw * 0.45, fy + 3)).grow(1), FOLDER_EDGE)
    layer.fill(turn(rect(fx, fy + 2, fx + fw, fy + fh) | rect(fx, fy, fx + fw * 0.45, fy + 3)), FOLDER_BACK)
    layer.fill(turn(rect(fx, fy + fh * 0.35, fx + fw, fy + fh)), FOLDER_FRONT)
    c.paste(layer, 0, 0)


def draw_flying_folder(c, x, y, w, h, angle):
    cx, cy = x + w / 2, y + h / 2
    back = (rect(x, y + 3, x + w, y + h) | rrect(x, y, x + w * 0.45, y + 5, 1)).rotate(angle, cx, cy)
    front = rect(x, y + h * 0.34, x + w, y + h).rotate(angle, cx, cy)
    c.fill(back.grow(1.2), FOLDER_EDGE)
    c.fill(back, FOLDER_BACK)
    c.fill(front.grow(1.2) & back.grow(1.2), FOLDER_EDGE)
    c.fill(front, lingrad(0, y, FOLDER_FRONT, 0, y + h, (240, 184, 48)))


# --------------------------------------------------------------------------
# File formats
# --------------------------------------------------------------------------

def icon_image(size, pixels):
    """One 32-bit icon image: header, bottom-up BGRA, then the 1-bpp AND mask."""
    mask_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = pixels[y][x]
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def nearest_vga(r, g, b):
    return min(range(16), key=lambda i: (VGA[i][0] - r) ** 2 + (VGA[i][1] - g) ** 2
               + (VGA[i][2] - b) ** 2)


def icon_image_vga(size, pixels):
    """One 16-colour icon image, for programs that ask for VGA colours."""
    stride = ((size * 4 + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = pixels[y][x]
            index = 0 if a < 128 else nearest_vga(r, g, b)
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += row
        mask += bits
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + table + bytes(xor) + bytes(mask)


def ico_file(images):
    """images: list of (size, rows of RGBA tuples, top row first). Every size
    is stored in true colour and again in the 16 VGA colours."""
    entries = [(size, 32, icon_image(size, px)) for size, px in images]
    entries += [(size, 4, icon_image_vga(size, px)) for size, px in images]
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, bpp, blob in entries:
        colours = 16 if bpp == 4 else 0
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1, bpp, len(blob),
                           offset)
        offset += len(blob)
    return out + b''.join(blob for _, _, blob in entries)


def bmp_file(rows, bpp, palette=None):
    """rows, top row first: palette indices for 4 bpp, (r, g, b) for 24 bpp."""
    h, w = len(rows), len(rows[0])
    stride = ((w * bpp + 31) // 32) * 4
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        if bpp == 24:
            for r, g, b in rows[y]:
                row += bytes((b, g, r))
        elif bpp == 4:
            vals = list(rows[y]) + [0]
            for x in range(0, w, 2):
                row.append((vals[x] << 4) | vals[x + 1])
        else:
            raise ValueError("unsupported depth %d" % bpp)
        data += row + bytes(stride - len(row))
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in (palette or []))
    offset = 14 + 40 + len(table)
    return (struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
            + struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, len(data),
                          2835, 2835, len(palette or []), 0)
            + table + bytes(data))


def check_ico(blob, sizes):
    """Read an .ico back and make sure its directory matches its images."""
    reserved, kind, count = struct.unpack_from('<HHH', blob, 0)
    expected = [(size, 32) for size in sizes] + [(size, 4) for size in sizes]
    assert (reserved, kind, count) == (0, 1, len(expected)), "bad icon header"
    for i, (want, depth) in enumerate(expected):
        w, h, _, _, planes, bpp, length, offset = struct.unpack_from('<BBBBHHII', blob, 6 + 16 * i)
        assert (w, h, planes, bpp) == (want % 256, want % 256, 1, depth), "bad entry %d" % i
        assert offset + length <= len(blob), "entry %d runs past the end" % i
        hs, bw, bh, _, bbpp, comp, img = struct.unpack_from('<IiiHHII', blob, offset)
        stride = ((want * depth + 31) // 32) * 4
        mask_stride = ((want + 31) // 32) * 4
        table = 64 if depth == 4 else 0
        assert (hs, bw, bh, bbpp, comp) == (40, want, 2 * want, depth, 0), "bad DIB %d" % i
        assert length == 40 + table + (stride + mask_stride) * want == 40 + table + img, \
            "bad size %d" % i


def check_bmp(blob, w, h, bpp):
    magic, size, _, _, offset = struct.unpack_from('<2sIHHI', blob, 0)
    hs, bw, bh, planes, bbpp, comp, img = struct.unpack_from('<IiiHHII', blob, 14)
    stride = ((w * bpp + 31) // 32) * 4
    colours = struct.unpack_from('<I', blob, 46)[0]
    assert magic == b'BM' and size == len(blob), "bad bitmap header"
    assert (hs, bw, bh, planes, bbpp, comp) == (40, w, h, 1, bpp, 0), "bad bitmap info"
    assert offset == 54 + 4 * colours and img == stride * h == len(blob) - offset, "bad bitmap size"


# --------------------------------------------------------------------------

def render_icon(draw, size):
    c = Canvas(size, size)
    draw(c, size)
    return [[c.rgba(x, y) for x in range(size)] for y in range(size)]


def write(path, blob):
    with open(path, 'wb') as f:
        f.write(blob)
    print("wrote %s (%d bytes)" % (path, len(blob)))


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, '..', '..', 'resources'))
    ap = argparse.ArgumentParser(description="Draw Stowpouch's icons and bitmaps.")
    ap.add_argument('--out-dir', default=default_out,
                    help="resources folder to write into (default: %(default)s)")
    args = ap.parse_args(argv)
    icon_dir = os.path.join(args.out_dir, 'icons')
    bmp_dir = os.path.join(args.out_dir, 'bitmaps')
    os.makedirs(icon_dir, exist_ok=True)
    os.makedirs(bmp_dir, exist_ok=True)

    for name, draw in ICONS:
        blob = ico_file([(s, render_icon(draw, s)) for s in ICON_SIZES])
        check_ico(blob, ICON_SIZES)
        write(os.path.join(icon_dir, name), blob)

    logo = bmp_file(bitmap_logo(), 4, VGA)
    check_bmp(logo, 25, 251, 4)
    write(os.path.join(bmp_dir, 'bitmap144_logo.bmp'), logo)

    picture = bmp_file(bitmap_picture(), 24)
    check_bmp(picture, 282, 178, 24)
    write(os.path.join(bmp_dir, 'bitmap168_picture.bmp'), picture)
    return 0


if __name__ == '__main__':
    sys.exit(main())
