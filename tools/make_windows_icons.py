#!/usr/bin/python3
"""Makes the Windows icons from the application icon of resources/app/.

Developer tool only (python3-pil); its outputs in resources/windows/ are committed:
  kaldo.ico            the program's icon (kaldo.exe, the Start menu entry)
  kaldo-documento.ico  the icon of a .kl3 document in the Explorer: a white page with its
                       corner folded and the program's icon on it, so that a document and the
                       program are told apart at a glance.

Run from the repository root:   /usr/bin/python3 tools/make_windows_icons.py
"""
import os

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
APP = os.path.join(ROOT, "resources", "app")
OUT = os.path.join(ROOT, "resources", "windows")
SIZES = [16, 24, 32, 48, 64, 128, 256]


def app_icon(size):
    return Image.open(os.path.join(APP, "kaldo-256.png")).convert("RGBA").resize((size, size), Image.LANCZOS)


def document_icon(size):
    big = 1024  # drawn large, then scaled down for smooth edges
    page = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(page)
    left, top, right, bottom, fold = 150, 40, 874, 984, 230
    outline = (96, 125, 139, 255)
    draw.polygon([(left, top), (right - fold, top), (right, top + fold), (right, bottom), (left, bottom)],
                 fill=(255, 255, 255, 255), outline=outline, width=28)
    draw.polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)],
                 fill=(207, 216, 220, 255), outline=outline, width=28)
    icon = app_icon(560)
    page.alpha_composite(icon, (232, 330))
    return page.resize((size, size), Image.LANCZOS)


def save_ico(make, name):
    images = [make(size) for size in SIZES]
    images[-1].save(os.path.join(OUT, name), format="ICO", sizes=[(s, s) for s in SIZES],
                    append_images=images[:-1])


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    save_ico(app_icon, "kaldo.ico")
    save_ico(document_icon, "kaldo-documento.ico")
