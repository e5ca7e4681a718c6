#!/usr/bin/python3
"""Draws KALDO's artwork: tree icons, pictures and the application icon.

Developer tool only: it needs python3-pil (Debian package) and, for the
about-box text, the DejaVu Sans fonts (fonts-dejavu-core).  Its outputs
(resources/icons, resources/pictures, resources/app) are committed, so
building the program does not need this script.

Run from the repository root:   /usr/bin/python3 tools/make_artwork.py

Everything is drawn with PIL primitives on a supersampled canvas and then
scaled down, which gives smooth edges.  Shapes are described in "units"
(for the icons one unit is one final pixel), so the same drawing code is
reused, larger, inside the pictures.
"""
import os

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICONS = os.path.join(ROOT, "resources", "icons")
PICTURES = os.path.join(ROOT, "resources", "pictures")
APP = os.path.join(ROOT, "resources", "app")

# ---------------------------------------------------------------- palette
INK = (55, 71, 79)            # neutral dark outline
SLATE = (96, 125, 139)
SLATE_L = (144, 164, 174)
GREEN, GREEN_D, GREEN_L = (67, 160, 71), (36, 110, 42), (200, 230, 201)
BLUE, BLUE_D, BLUE_L = (30, 136, 229), (13, 80, 160), (187, 222, 251)
YELLOW, YELLOW_D = (253, 216, 53), (170, 135, 0)
AMBER, AMBER_D = (255, 179, 0), (168, 100, 0)
ORANGE, ORANGE_D = (251, 140, 0), (178, 84, 0)
RED, RED_D = (229, 57, 53), (150, 24, 24)
DEEP, DEEP_D = (244, 96, 30), (168, 50, 10)     # warning triangle
GREY, GREY_D, GREY_L = (158, 158, 158), (110, 110, 110), (238, 238, 238)
BROWN, BROWN_D = (176, 120, 66), (110, 70, 34)
SKIN, SKIN_D = (255, 207, 168), (176, 112, 72)
WHITE = (255, 255, 255)
WINDOW = (255, 236, 170)

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


class Pen:
    """Draws in units on a supersampled image: point (x, y) in units goes to
    pixel (ox + x*s, oy + y*s).  `ow` is the outline width in units."""

    def __init__(self, img, s, ox=0.0, oy=0.0, ow=1.0):
        self.img, self.d = img, ImageDraw.Draw(img)
        self.s, self.ox, self.oy, self.ow = s, ox, oy, ow

    def sub(self, x, y, u, ow=1.0):
        """A pen whose origin is (x, y) here and whose unit is u units here."""
        return Pen(self.img, self.s * u, self.ox + x * self.s, self.oy + y * self.s, ow)

    def pt(self, x, y):
        return (self.ox + x * self.s, self.oy + y * self.s)

    def box(self, x0, y0, x1, y1):
        a, b = self.pt(x0, y0), self.pt(x1, y1)
        return [a[0], a[1], b[0] - 1, b[1] - 1]

    def width(self, w=None):
        return max(1, round((self.ow if w is None else w) * self.s))

    def rect(self, x0, y0, x1, y1, fill=None, line=None, r=0, w=None):
        wd = self.width(w) if line else 0
        if r:
            self.d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=r * self.s,
                                     fill=fill, outline=line, width=wd)
        else:
            self.d.rectangle(self.box(x0, y0, x1, y1), fill=fill, outline=line, width=wd)

    def ellipse(self, x0, y0, x1, y1, fill=None, line=None, w=None):
        self.d.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=line,
                       width=self.width(w) if line else 0)

    def pie(self, x0, y0, x1, y1, a0, a1, fill=None, line=None, w=None):
        self.d.pieslice(self.box(x0, y0, x1, y1), a0, a1, fill=fill, outline=line,
                        width=self.width(w) if line else 0)

    def poly(self, pts, fill=None, line=None, w=None):
        self.d.polygon([self.pt(*p) for p in pts], fill=fill, outline=line,
                       width=self.width(w) if line else 0)

    def lines(self, pts, color, w, round_caps=True):
        px = [self.pt(*p) for p in pts]
        wd = max(1, round(w * self.s))
        self.d.line(px, fill=color, width=wd, joint="curve")
        if round_caps:
            for x, y in (px[0], px[-1]):
                r = wd / 2
                self.d.ellipse([x - r, y - r, x + r, y + r], fill=color)

    def pixels(self, x, y, rows, color):
        """Pixel art: each 'X' in rows is a 1x1 unit square at (x+col, y+row)."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch == "X":
                    self.rect(x + i, y + j, x + i + 1, y + j + 1, fill=color)

    def text(self, x, y, s, size, color, bold=False, anchor="mm"):
        name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
        font = ImageFont.truetype(FONT_DIR + name, max(1, round(size * self.s)))
        self.d.text(self.pt(x, y), s, fill=color, font=font, anchor=anchor)


def bezier(p0, p1, p2, p3, n=16):
    """Points of a cubic Bezier curve (without p0)."""
    out = []
    for i in range(1, n + 1):
        t = i / n
        a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                    a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def shield_outline(x0, y0, x1, y1):
    """A heraldic shield in the box (x0, y0)-(x1, y1): start point, then
    ("L", point) and ("C", control1, control2, point) segments."""
    w, h = x1 - x0, y1 - y0
    cx, side = (x0 + x1) / 2, y0 + 0.48 * h
    return [(x0, y0 + 0.12 * h),
            ("L", (cx, y0)), ("L", (x1, y0 + 0.12 * h)), ("L", (x1, side)),
            ("C", (x1, y0 + 0.78 * h), (cx + 0.22 * w, y0 + 0.92 * h), (cx, y1)),
            ("C", (cx - 0.22 * w, y0 + 0.92 * h), (x0, y0 + 0.78 * h), (x0, side))]


def shield_points(x0, y0, x1, y1):
    """The shield as a polygon (curves flattened)."""
    segs = shield_outline(x0, y0, x1, y1)
    pts = [segs[0]]
    for seg in segs[1:]:
        pts += [seg[1]] if seg[0] == "L" else bezier(pts[-1], seg[1], seg[2], seg[3])
    return pts


def shield_svg_path(x0, y0, x1, y1):
    segs = shield_outline(x0, y0, x1, y1)
    out = "M %g %g" % segs[0]
    for seg in segs[1:]:
        out += " " + seg[0] + " " + " ".join("%g %g" % q for q in seg[1:])
    return out + " Z"


# ------------------------------------------------------------ tree icons
# Each function draws one 16 x 16 icon with a Pen whose unit is one pixel.

def icon_zone(p):
    p.rect(1, 1, 15, 15, GREEN_L, GREEN_D, r=1)
    on = (4, 5, 7, 8, 10, 11)              # dashed inner area, symmetric
    for v in on:
        for (x, y) in ((v, 4), (v, 11), (4, v), (11, v)):
            p.rect(x, y, x + 1, y + 1, GREEN)


def icon_worker(p):
    p.ellipse(2, 11, 14, 23, BLUE, BLUE_D)              # shoulders, cut by the box
    p.rect(7, 10, 9, 12, SKIN_D)                         # neck
    p.ellipse(4.5, 3.5, 11.5, 11.5, SKIN, SKIN_D)        # face
    p.pie(4, 1, 12, 11, 180, 360, AMBER, AMBER_D)        # helmet dome
    p.rect(3, 5, 13, 7, AMBER_D, r=0.5)                  # helmet brim


def icon_questionnaire(p):
    p.rect(2, 2, 14, 16, BROWN, BROWN_D, r=1.5)
    p.rect(4, 4, 12, 15, WHITE)
    p.rect(5, 1, 11, 4, GREY_L, GREY_D, r=1)             # clip
    for y in (6, 9, 12):
        p.lines([(5, y + 0.5), (6, y + 1.5), (8, y - 0.5)], GREEN_D, 1.1)
        p.rect(9, y, 11, y + 1, GREY)


def icon_deficiency(p):
    p.poly([(8, 0.6), (15.6, 15), (0.4, 15)], DEEP, DEEP_D)
    p.rect(7, 6, 9, 11, WHITE)
    p.rect(7, 12, 9, 14, WHITE)


def icon_measure(p):
    p.poly(shield_points(2, 1, 14, 15.4), BLUE, BLUE_D)
    p.lines([(5, 8.2), (7.2, 10.4), (11, 5.8)], WHITE, 1.7)


def icon_firm(p):
    p.rect(11, 1, 14, 9, SLATE_L, INK)                   # chimney
    p.poly([(1, 15), (1, 5), (5, 8.5), (5, 5), (9, 8.5), (15, 8.5), (15, 15)], SLATE, INK)
    for x in (3, 7, 11):
        p.rect(x, 10, x + 2, 12, WINDOW)


def calendar(p, header=BLUE):
    p.rect(1, 4, 15, 15, WHITE, INK)                     # page
    p.rect(1, 1, 15, 5, header, INK)                     # header band
    p.rect(4, 0, 5, 3, INK)                              # rings
    p.rect(11, 0, 12, 3, INK)


def icon_undated(p):
    calendar(p, SLATE_L)
    p.pixels(5, 6, [".XXXX.",
                    "XX..XX",
                    "....XX",
                    "...XX.",
                    "..XX..",
                    "......",
                    "..XX.."], GREY_D)


def icon_pending(p):
    calendar(p)
    p.ellipse(6, 6, 16, 16, AMBER, AMBER_D)              # clock
    p.rect(10, 8, 11, 11, INK)                           # hands
    p.rect(10, 10, 13, 11, INK)


def icon_done(p):
    calendar(p, GREEN)
    p.lines([(4.6, 9.6), (7, 12), (11.6, 7)], GREEN_D, 2)


def status_circle(p, fill, line):
    p.ellipse(1, 1, 15, 15, fill, line)


def icon_unvalued(p):
    p.ellipse(1, 1, 15, 15, GREY, GREY_D)
    p.ellipse(3, 3, 13, 13, GREY_L)


def icon_applied(p):
    status_circle(p, GREEN, GREEN_D)
    p.lines([(4.8, 8.2), (7, 10.4), (11.2, 5.8)], WHITE, 1.7)


def icon_improvable(p):
    status_circle(p, YELLOW, YELLOW_D)


def icon_deficient(p):
    status_circle(p, ORANGE, ORANGE_D)


def icon_very_deficient(p):
    status_circle(p, RED, RED_D)
    p.rect(7, 4, 9, 9, WHITE)
    p.rect(7, 10, 9, 12, WHITE)


# icon-00.png ... icon-13.png, in this order
ICON_FUNCS = [icon_zone, icon_worker, icon_questionnaire, icon_deficiency,
              icon_measure, icon_firm, icon_undated, icon_pending, icon_done,
              icon_unvalued, icon_applied, icon_improvable, icon_deficient,
              icon_very_deficient]


def render(fn, size, units, ss=8, resample=Image.BOX):
    """Draws fn(pen) with `units` units across, into a transparent size x size image.
    BOX (area average) keeps pixel-aligned 1 px outlines crisp; LANCZOS rings there."""
    big = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
    fn(Pen(big, size * ss / units))
    return big.resize((size, size), resample)


# ------------------------------------------------------------ pictures

def gradient(w, h, c0, c1, diagonal=False):
    """Soft linear gradient from c0 (top / top-left) to c1."""
    g = Image.new("RGB", (w, h))
    px = g.load()
    for y in range(h):
        for x in range(w):
            t = (x / w + y / h) / 2 if diagonal else y / h
            px[x, y] = tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))
    return g


def soft_spot(p, x0, y0, x1, y1, blur, color=(60, 80, 100), alpha=60):
    """A blurred ellipse (shadow or halo) painted over the picture behind p."""
    mask = Image.new("L", p.img.size, 0)
    ImageDraw.Draw(mask).ellipse(p.box(x0, y0, x1, y1), fill=alpha)
    p.img.paste(color, (0, 0), mask.filter(ImageFilter.GaussianBlur(blur * p.s)))


def safety_shadows(p):
    """Halo and ground shadows for draw_safety (same unit box)."""
    soft_spot(p, 110, -40, 460, 310, 40, WHITE, 120)
    soft_spot(p, 56, 262, 214, 286, 7, alpha=90)
    soft_spot(p, 214, 264, 416, 290, 7, alpha=90)


def paste_icon(p, fn, x, y, u, ow=0.8):
    """Draws icon fn with its top-left at (x, y), 16*u units wide, clipped to its box."""
    n = round(16 * u * p.s)
    tile = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    fn(Pen(tile, n / 16, ow=ow))
    px, py = p.pt(x, y)
    p.img.paste(tile, (round(px), round(py)), tile)


def card(p, cx, y0, w, h, line, icon, u):
    """Rounded white card (org-chart node) centred on cx, holding an icon."""
    p.rect(cx - w / 2 + 2, y0 + 3, cx + w / 2 + 2, y0 + h + 3, (210, 219, 228), r=7)
    p.rect(cx - w / 2, y0, cx + w / 2, y0 + h, WHITE, line, r=7, w=2.5)
    paste_icon(p, icon, cx - 8 * u, y0 + h / 2 - 8 * u, u)


def draw_tree(p):
    """Stylised firm tree in a 242 x 242 unit box: firm, two zones, four workstations."""
    conn = (120, 138, 150)
    # connectors
    p.lines([(121, 72), (121, 90)], conn, 3)
    p.lines([(63, 106), (63, 90), (179, 90), (179, 106)], conn, 3)
    for zx in (63, 179):
        p.lines([(zx, 150), (zx, 166)], conn, 3)
        p.lines([(zx - 30, 180), (zx - 30, 166), (zx + 30, 166), (zx + 30, 180)], conn, 3)
    card(p, 121, 14, 80, 58, INK, icon_firm, 2.6)
    for zx in (63, 179):
        card(p, zx, 106, 70, 44, GREEN_D, icon_zone, 2.1)
        for wx in (zx - 30, zx + 30):
            card(p, wx, 180, 46, 46, BLUE_D, icon_worker, 2.0)
    paste_icon(p, icon_deficiency, 106, 170, 1.15)      # one workstation has a finding


def save_jpeg(big, size, path):
    big.resize(size, Image.LANCZOS).convert("RGB").save(path, quality=90, optimize=True)


def make_tip_tree(path):
    ss = 4
    big = gradient(242 * ss, 242 * ss, (255, 255, 255), (226, 236, 246))
    draw_tree(Pen(big, ss))
    save_jpeg(big, (242, 242), path)


def draw_clipboard(p, x0, y0, x1, y1, rows=4):
    w = x1 - x0
    p.rect(x0, y0, x1, y1, BROWN, BROWN_D, r=10, w=3)
    p.rect(x0 + 12, y0 + 22, x1 - 12, y1 - 12, WHITE, (200, 200, 200), r=3, w=1)
    cx = (x0 + x1) / 2
    p.rect(cx - w * 0.22, y0 - 10, cx + w * 0.22, y0 + 26, (200, 206, 212), (98, 110, 120), r=7, w=3)
    p.ellipse(cx - 7, y0 - 4, cx + 7, y0 + 10, (98, 110, 120))
    top, step = y0 + 44, (y1 - y0 - 66) / rows
    for i in range(rows):
        y = top + i * step
        bx = x0 + 24
        p.rect(bx, y, bx + 22, y + 22, WHITE, GREY_D, r=3, w=2)
        if i < rows - 1:
            p.lines([(bx + 4, y + 11), (bx + 10, y + 17), (bx + 26, y - 2)], GREEN, 5)
        p.rect(bx + 34, y + 5, x1 - 26, y + 11, (190, 196, 204), r=3)
        p.rect(bx + 34, y + 15, x1 - 60, y + 19, (218, 222, 228), r=2)


def draw_helmet(p, x0, y0, w):
    """A hard hat seen from the front-side, width w, top-left at (x0, y0)."""
    h = w * 0.62
    cx = x0 + w / 2
    base = y0 + h * 0.78
    p.ellipse(x0, base - h * 0.13, x0 + w, base + h * 0.2, AMBER_D)           # brim (under)
    p.ellipse(x0 + 4, base - h * 0.13, x0 + w - 4, base + h * 0.15, AMBER)
    p.pie(x0 + w * 0.1, y0, x0 + w * 0.9, y0 + h * 1.4, 180, 360, YELLOW, AMBER_D, w=3)
    p.rect(x0 + w * 0.1, base - 10, x0 + w * 0.9, base + 4, AMBER, AMBER_D, r=6, w=3)
    p.pie(cx - w * 0.08, y0 + 3, cx + w * 0.08, y0 + h * 1.4, 180, 360, AMBER)  # ridge
    p.ellipse(x0 + w * 0.24, y0 + h * 0.18, x0 + w * 0.36, y0 + h * 0.42, (255, 241, 170))


def draw_shield(p, x0, y0, x1, y1):
    pts = shield_points(x0, y0, x1, y1)
    p.poly(pts, BLUE, BLUE_D, w=4)
    w, h = x1 - x0, y1 - y0
    cx = (x0 + x1) / 2
    # lighter left half for a bit of depth
    inner = [q for q in shield_points(x0 + 8, y0 + 8, x1 - 8, y1 - 10) if q[0] <= cx + 0.01]
    p.poly(inner + [(cx, y0 + 8)], (66, 160, 240))
    p.lines([(x0 + w * 0.27, y0 + h * 0.5), (x0 + w * 0.45, y0 + h * 0.66),
             (x0 + w * 0.76, y0 + h * 0.3)], WHITE, w * 0.11)


def draw_safety(p):
    """Safety motif in a 450 x 306 unit box: checklist, shield and helmet."""
    draw_clipboard(p, 52, 52, 212, 272)
    draw_shield(p, 260, 30, 390, 190)
    draw_helmet(p, 216, 168, 196)


def make_tip_safety(path):
    ss = 4
    big = gradient(450 * ss, 306 * ss, (228, 239, 250), (252, 253, 255), diagonal=True)
    safety_shadows(Pen(big, ss))
    draw_safety(Pen(big, ss))
    save_jpeg(big, (450, 306), path)


def make_about(path):
    ss = 4
    W, H = 410, 361
    big = gradient(W * ss, H * ss, (255, 255, 255), (224, 235, 247))
    p = Pen(big, ss)
    p.rect(0, 0, W, 6, BLUE_D)
    p.text(W / 2, 44, "KALDO 3.1", 38, BLUE_D, bold=True)
    p.text(W / 2, 82, "Evaluación de riesgos laborales", 17, INK)
    p.rect(W / 2 - 60, 100, W / 2 + 60, 102, (180, 196, 212))
    draw_tree(p.sub(6, 130, 0.86))
    motif = p.sub(196, 161, 0.46)
    safety_shadows(motif)
    draw_safety(motif)
    save_jpeg(big, (W, H), path)


# ------------------------------------------------------- application icon
# A shield holding a small firm tree, with a green tick badge.  The geometry
# (256 x 256 units) lives here once; it is written out as SVG and drawn with
# PIL.  Outlines are drawn as an outer shape under an inset one, so SVG and
# PIL agree exactly.

APP_SHIELD = (12, 8, 204, 236)
APP_SHIELD_IN = (22, 18, 194, 224)
APP_BOXES = [(84, 44, 132, 76), (38, 106, 82, 136), (134, 106, 178, 136)]
APP_STEM = [(108, 76), (108, 92)]
APP_BRANCH = [(60, 106), (60, 92), (156, 92), (156, 106)]
APP_BADGE = (194, 194, 46, 7)        # centre x, centre y, radius, white ring
APP_TICK = [(172, 195), (188, 211), (216, 181)]


def hexc(c):
    return "#%02x%02x%02x" % c


def app_icon_svg():
    bx, by, br, ring = APP_BADGE
    pts = lambda ps: " ".join("%d,%d" % q for q in ps)
    boxes = "\n".join('  <rect x="%d" y="%d" width="%d" height="%d" rx="7" fill="#ffffff"/>'
                      % (a, b, c - a, d - b) for a, b, c, d in APP_BOXES)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- KALDO 3.1 application icon: a shield holding a small firm tree, with a green tick. -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <path d="{shield_svg_path(*APP_SHIELD)}" fill="{hexc(BLUE_D)}"/>
  <path d="{shield_svg_path(*APP_SHIELD_IN)}" fill="{hexc(BLUE)}"/>
  <path d="M {pts(APP_STEM[:1])} L {pts(APP_STEM[1:])}" fill="none" stroke="#ffffff" stroke-width="10" stroke-linecap="round"/>
  <path d="M {pts(APP_BRANCH[:1])} L {' '.join(pts([q]) for q in APP_BRANCH[1:])}" fill="none" stroke="#ffffff" stroke-width="10" stroke-linecap="round" stroke-linejoin="round"/>
{boxes}
  <circle cx="{bx}" cy="{by}" r="{br + ring}" fill="#ffffff"/>
  <circle cx="{bx}" cy="{by}" r="{br}" fill="{hexc(GREEN)}"/>
  <path d="M {pts(APP_TICK[:1])} L {' '.join(pts([q]) for q in APP_TICK[1:])}" fill="none" stroke="#ffffff" stroke-width="15" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
"""


def draw_app_icon(p):
    p.poly(shield_points(*APP_SHIELD), BLUE_D)
    p.poly(shield_points(*APP_SHIELD_IN), BLUE)
    p.lines(APP_STEM, WHITE, 10)
    p.lines(APP_BRANCH, WHITE, 10)
    for a, b, c, d in APP_BOXES:
        p.rect(a, b, c, d, WHITE, r=7)
    bx, by, br, ring = APP_BADGE
    p.ellipse(bx - br - ring, by - br - ring, bx + br + ring, by + br + ring, WHITE)
    p.ellipse(bx - br, by - br, bx + br, by + br, GREEN)
    p.lines(APP_TICK, WHITE, 15)


def draw_app_icon_16(p):
    """Pixel-fitted 16 px version: the badge is left out, the tree is kept."""
    p.poly(shield_points(1, 0.5, 15, 15.6), BLUE, BLUE_D)
    p.pixels(3, 3, ["...XXXX...",
                    "...XXXX...",
                    "....XX....",
                    ".XXXXXXXX.",
                    ".X......X.",
                    "XXX....XXX",
                    "XXX....XXX"], WHITE)


# ------------------------------------------------------------------ main

def main():
    for d in (ICONS, PICTURES, APP):
        os.makedirs(d, exist_ok=True)
    for i, fn in enumerate(ICON_FUNCS):
        render(fn, 16, 16).save(os.path.join(ICONS, "icon-%02d.png" % i), optimize=True)
    make_tip_tree(os.path.join(PICTURES, "tip-tree.jpg"))
    make_tip_safety(os.path.join(PICTURES, "tip-safety.jpg"))
    make_about(os.path.join(PICTURES, "about.jpg"))
    with open(os.path.join(APP, "kaldo.svg"), "w", encoding="utf-8") as f:
        f.write(app_icon_svg())
    render(draw_app_icon_16, 16, 16).save(os.path.join(APP, "kaldo-16.png"), optimize=True)
    for size in (32, 48, 64, 128, 256):
        render(draw_app_icon, size, 256).save(os.path.join(APP, "kaldo-%d.png" % size), optimize=True)


if __name__ == "__main__":
    main()
