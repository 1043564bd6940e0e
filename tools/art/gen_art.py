#!/usr/bin/env python3
"""Regenerates the game's PNG artwork into data/art/.

Usage: gen_art.py EMOJI_SVG_DIR OUT_DIR

EMOJI_SVG_DIR is the unpacked npm package @twemoji/svg 15.0.0 (its *.svg
files, named by code point).  Every sheet is written as a hand-built SVG,
rendered with rsvg-convert at zooms 1 to 4 (NAME.png, NAME@2x.png ... NAME@4x.png),
then composited / normalised with ImageMagick.  No randomness, no dates in
the PNG files, so the output is the same on every run with the same tools.
"""
import os
import re
import subprocess
import sys
import tempfile

# Every sheet at these many pixels per logical pixel: the window zoomed to 200 % on a screen
# scaled 2x shows four of them.
SCALES = (1, 2, 3, 4)

# --------------------------------------------------------------------------
# The 32 crops, in code order 2..33 (code 1 is the fence).  Chosen so that no two look alike at a
# glance in normal vision or under a colour-vision deficiency: check_art.py measures it.
CROPS = [
    ("1f345", "tomato"),
    ("1f955", "carrot"),
    ("1f346", "aubergine"),
    ("1f33d", "maize"),
    ("1f966", "broccoli"),
    ("1f96c", "leafy greens"),
    ("1fad2", "olive"),
    ("1f336", "chilli"),
    ("1fad1", "bell pepper"),
    ("1fadb", "pea pod"),
    ("1fada", "ginger"),
    ("1f360", "sweet potato"),
    ("1f331", "seedling"),
    ("1f33e", "sheaf of rice"),
    ("1fad8", "beans"),
    ("1f95c", "peanuts"),
    ("1f344", "mushroom"),
    ("1f951", "avocado"),
    ("1f353", "strawberry"),
    ("1f352", "cherries"),
    ("1f347", "grapes"),
    ("1fad0", "blueberries"),
    ("1f349", "watermelon"),
    ("1f383", "pumpkin"),
    ("1f350", "pear"),
    ("1f351", "peach"),
    ("1f33b", "sunflower"),
    ("1f34b", "lemon"),
    ("1f34c", "banana"),
    ("1f34d", "pineapple"),
    ("1f95d", "kiwi"),
    ("1f965", "coconut"),
]
assert len(CROPS) == 32 and len({c for c, _ in CROPS}) == 32

FONT = "Liberation Sans"
WIN_BG = "#C0C0C0"
# Colours shared by panels and digits.
BOARD = "#4E9A2E"
BOARD_DARK = "#2F6B1A"
BOARD_LIGHT = "#74BE4C"
DIGIT_BG = "#FFF6D5"
DIGIT_FG = "#2A1A0E"
# Battery body and lamps.
BATT_BODY = "#2D3640"
BATT_RIM = "#5E6C78"

EMOJI_DIR = None
TMP = None
OUT = None


def emoji(code):
    """Inner markup of a 36x36 Twemoji SVG."""
    with open(os.path.join(EMOJI_DIR, code + ".svg"), encoding="utf-8") as f:
        s = f.read()
    s = re.sub(r"^\s*<svg[^>]*>", "", s)
    s = re.sub(r"</svg>\s*$", "", s)
    if "id=" in s:
        raise SystemExit("emoji %s uses ids; cannot be inlined safely" % code)
    return s


def place(code, x, y, size, halo=False, extra=""):
    """An emoji drawn into the square (x, y, size)."""
    inner = emoji(code)
    if halo:
        inner = '<g filter="url(#halo)">%s</g>' % inner
    return ('<svg x="%g" y="%g" width="%g" height="%g" viewBox="0 0 36 36" '
            'overflow="visible"%s>%s</svg>' % (x, y, size, size, extra, inner))


DEFS = """<defs>
<filter id="halo" x="-25%" y="-25%" width="150%" height="150%"
        color-interpolation-filters="sRGB">
 <feMorphology in="SourceAlpha" operator="dilate" radius="1.7" result="d"/>
 <feFlood flood-color="#FFF4D8"/>
 <feComposite in2="d" operator="in" result="h"/>
 <feMerge><feMergeNode in="h"/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="muted" color-interpolation-filters="sRGB">
 <feColorMatrix type="saturate" values="0.15"/>
 <feComponentTransfer>
  <feFuncR type="linear" slope="0.55" intercept="0.33"/>
  <feFuncG type="linear" slope="0.55" intercept="0.33"/>
  <feFuncB type="linear" slope="0.55" intercept="0.33"/>
 </feComponentTransfer>
</filter>
</defs>"""


def svg_doc(w, h, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d" shape-rendering="auto">%s%s</svg>'
            % (w, h, w, h, DEFS, body))


def run(*args):
    subprocess.run(list(args), check=True)


def render(name, w, h, body, scales=SCALES):
    """Render the SVG body at each zoom into TMP; returns {zoom: path}."""
    svg = os.path.join(TMP, name + ".svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(svg_doc(w, h, body))
    outs = {}
    for z in scales:
        raw = os.path.join(TMP, "%s_raw%d.png" % (name, z))
        run("rsvg-convert", "-z", str(z), svg, "-o", raw)
        outs[z] = raw
    return outs


def finish(raw, dest, opaque=True, bg=WIN_BG):
    """Normalise a rendered PNG and write it to its final place."""
    args = ["convert", raw, "+repage"]
    if opaque:
        args += ["-background", bg, "-alpha", "remove", "-alpha", "off"]
    args += ["-strip", "-define", "png:exclude-chunks=date,time",
             ("PNG24:" if opaque else "PNG32:") + dest]
    run(*args)


def suffix(z):
    return "" if z == 1 else "@%dx" % z


def check_size(path, w, h):
    out = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                         capture_output=True, text=True).stdout.split()
    if [int(out[0]), int(out[1])] != [w, h]:
        raise SystemExit("%s is %sx%s, expected %dx%d" % (path, out[0], out[1], w, h))


def sheet(name, w, h, body, opaque=True, bg=WIN_BG, scales=SCALES):
    outs = render(name, w, h, body, scales=scales)
    for z, raw in outs.items():
        dest = os.path.join(OUT, name + suffix(z) + ".png")
        finish(raw, dest, opaque, bg)
        check_size(dest, w * z, h * z)
    return outs


# --------------------------------------------------------------------------
# Building blocks (all coordinates in 1x pixels; drawn crisp on whole pixels).

def rect(x, y, w, h, fill, extra=""):
    return '<rect x="%g" y="%g" width="%g" height="%g" fill="%s"%s/>' % (x, y, w, h, fill, extra)


def bevel(x, y, w, h, sunken=False, face=WIN_BG):
    """Classic 3-D frame (2 px) filled with face."""
    s = [rect(x, y, w, h, face)]
    if not sunken:
        o_tl, i_tl, i_br, o_br = "#FFFFFF", face, "#808080", "#000000"
    else:
        o_tl, i_tl, i_br, o_br = "#808080", "#000000", face, "#FFFFFF"
    # outer
    s.append(rect(x, y, w - 1, 1, o_tl))
    s.append(rect(x, y, 1, h - 1, o_tl))
    s.append(rect(x, y + h - 1, w, 1, o_br))
    s.append(rect(x + w - 1, y, 1, h, o_br))
    # inner
    s.append(rect(x + 1, y + 1, w - 3, 1, i_tl))
    s.append(rect(x + 1, y + 1, 1, h - 3, i_tl))
    s.append(rect(x + 1, y + h - 2, w - 2, 1, i_br))
    s.append(rect(x + w - 2, y + 1, 1, h - 2, i_br))
    return "".join(s)


def text(x, y, s, size, fill, anchor="middle", weight="bold", family=FONT,
         extra=""):
    return ('<text x="%g" y="%g" font-family="%s" font-size="%g" font-weight="%s" '
            'text-anchor="%s" fill="%s"%s>%s</text>'
            % (x, y, family, size, weight, anchor, fill, extra, s))


def shadowed_text(x, y, s, size, fill, shadow, extra=""):
    return (text(x + 1, y + 1, s, size, shadow, extra=extra)
            + text(x, y, s, size, fill, extra=extra))


def soil_bed(x0):
    """A 32x36 garden bed (soil with furrows) at x = x0."""
    g = ['<g transform="translate(%d,0)">' % x0]
    g.append(rect(0, 0, 32, 36, "#6E4325"))                 # bed edge
    g.append('<rect x="1" y="1" width="30" height="34" rx="3" fill="#8B5A33"/>')
    # furrows: soft wavy ridges
    for y in (9, 17.5, 26):
        g.append('<path d="M1.5 %g q 3.75 -2 7.5 0 t 7.5 0 t 7.5 0 t 7.5 0" '
                 'fill="none" stroke="#75482A" stroke-width="1.6"/>' % y)
        g.append('<path d="M1.5 %g q 3.75 -2 7.5 0 t 7.5 0 t 7.5 0 t 7.5 0" '
                 'fill="none" stroke="#A06C41" stroke-width="0.8"/>' % (y + 1.5))
    # a few clods and pebbles, same for every tile
    for cx, cy, r, col in ((5, 4, 0.9, "#A57048"), (26.5, 5, 0.8, "#6A3F22"),
                           (4, 31.5, 0.9, "#6A3F22"), (27.5, 32, 1.0, "#A57048"),
                           (16, 33.2, 0.7, "#B98A5E"), (29, 20.5, 0.7, "#6A3F22"),
                           (2.6, 21.5, 0.7, "#A57048")):
        g.append('<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy, r, col))
    g.append("</g>")
    return "".join(g)


def fence_tile(x0):
    """Code 1: a wooden picket fence on grass."""
    g = ['<g transform="translate(%d,0)">' % x0]
    g.append(rect(0, 0, 32, 36, "#7DBE4E"))
    g.append(rect(0, 0, 32, 1, "#97D066"))
    g.append(rect(0, 35, 32, 1, "#5E9C36"))
    for bx in (2, 7, 13, 19, 24, 29):
        g.append('<path d="M%g 35 l1.5 -5 l1.5 5z" fill="#5E9C36"/>' % bx)
    wood, dark, light = "#C98B4F", "#5B3518", "#E3AE72"
    # rails behind the pickets
    for ry in (11, 23):
        g.append('<rect x="-1" y="%g" width="34" height="4" fill="%s" stroke="%s" '
                 'stroke-width="1"/>' % (ry + 0.5, wood, dark))
        g.append(rect(0, ry + 1, 32, 1, light))
    for px in (1.5, 9.5, 17.5, 25.5):
        g.append('<path d="M%g 32.5 V7.5 L%g 3.5 L%g 7.5 V32.5 Z" fill="%s" '
                 'stroke="%s" stroke-width="1" stroke-linejoin="round"/>'
                 % (px, px + 2.5, px + 5, wood, dark))
        g.append('<path d="M%g 32 V8 L%g 5" fill="none" stroke="%s" stroke-width="1"/>'
                 % (px + 1.5, px + 2.5, light))
        g.append('<circle cx="%g" cy="13.5" r="0.6" fill="%s"/>' % (px + 2.5, dark))
        g.append('<circle cx="%g" cy="25.5" r="0.6" fill="%s"/>' % (px + 2.5, dark))
    g.append('<ellipse cx="16" cy="34" rx="16" ry="1.2" fill="#5E9C36" opacity="0.7"/>')
    g.append("</g>")
    return "".join(g)


def crop_tile(code, x0):
    return soil_bed(x0) + place(code, x0 + 2.5, 4.5, 27, halo=True)


# --------------------------------------------------------------------------
def make_znaki():
    body = [fence_tile(0)]
    for i, (code, _) in enumerate(CROPS):
        body.append(crop_tile(code, 32 * (i + 1)))
    return sheet("znaki", 1056, 36, "".join(body))


def flag_overlay():
    """A large red flag in a white and black edge for the lower-right 16x16 quarter, and the
    corner of the white ring the game draws over a picked bed's rim (its last two pixels)."""
    cloth = "M4.6 1.2 L15 5.8 L4.6 10.4 Z"
    return ('<path d="M3.6 14 V1.4" stroke="#000000" stroke-width="3.4" stroke-linecap="round"/>'
            '<path d="%s" fill="#000000" stroke="#000000" stroke-width="3.4" stroke-linejoin="round"/>'
            '<path d="%s" fill="#FFFFFF" stroke="#FFFFFF" stroke-width="1.8" stroke-linejoin="round"/>'
            '<path d="M3.6 14 V1.4" stroke="#FFFFFF" stroke-width="1.6" stroke-linecap="round"/>'
            '<path d="%s" fill="#F01E2C"/>' % (cloth, cloth, cloth)
            + rect(14, 0, 2, 16, "#FFFFFF") + rect(0, 14, 16, 2, "#FFFFFF"))


def make_flagy(znaki_raw):
    outs = render("flag", 16, 16, flag_overlay())
    for z in SCALES:
        src = znaki_raw[z]
        q = 16 * z
        args = ["convert"]
        for s in range(1, 34):
            x = (32 * (s - 1) + 16) * z
            y = 20 * z
            args += ["(", src, "-crop", "%dx%d+%d+%d" % (q, q, x, y), "+repage",
                     outs[z], "-composite", ")"]
        raw = os.path.join(TMP, "flagy_raw%d.png" % z)
        args += ["+append", raw]
        run(*args)
        dest = os.path.join(OUT, "flagy" + suffix(z) + ".png")
        finish(raw, dest)
        check_size(dest, 528 * z, 16 * z)


# --------------------------------------------------------------------------
def digit_glyph(d, x0):
    return (rect(x0, 0, 18, 29, DIGIT_BG)
            + '<text x="0" y="0" font-family="%s" font-size="29" font-weight="bold" '
              'text-anchor="middle" fill="%s" transform="translate(%g,25) scale(0.78,1)">%d</text>'
            % (FONT, DIGIT_FG, x0 + 9, d))


def make_kg2():
    body = "".join(digit_glyph(d, 18 * d) for d in range(10))
    return sheet("kg2", 180, 29, body)


def board(w, h):
    """Green signboard with rounded corners on the window grey."""
    return (rect(0, 0, w, h, WIN_BG)
            + '<rect x="0.5" y="0.5" width="%g" height="%g" rx="6" fill="%s" '
              'stroke="%s" stroke-width="1"/>' % (w - 1, h - 1, BOARD, BOARD_DARK)
            + '<path d="M6 1.5 H%g" stroke="%s" stroke-width="1"/>' % (w - 6, BOARD_LIGHT))


def digit_window(x, y, w, h):
    """Plain digit area (x..x+w-1, y..y+h-1) with a 1-px frame around it."""
    return rect(x - 1, y - 1, w + 2, h + 2, BOARD_DARK) + rect(x, y, w, h, DIGIT_BG)


def make_panel(name, w, h, title):
    """Signboard with a title; the digit area y = 28..56 is left plain."""
    body = [board(w, h)]
    body.append(shadowed_text(w / 2, 20, title, 17, "#FFFFFF", BOARD_DARK))
    body.append(digit_window(2, 28, w - 4, 29))
    sheet(name, w, h, "".join(body))


def make_panels():
    make_panel("uroven", 102, 66, "Уровень")
    make_panel("kg", 146, 66, "Урожай, кг")


# --------------------------------------------------------------------------
def lamp(x0, lit):
    g = [rect(x0, 0, 20, 20, BATT_BODY)]
    if lit:
        g.append('<circle cx="%g" cy="10" r="8.6" fill="#B8FF6A" opacity="0.35"/>' % (x0 + 10))
        g.append('<circle cx="%g" cy="10" r="7.4" fill="#7EDC3A" stroke="#3E8E1B" '
                 'stroke-width="1"/>' % (x0 + 10))
        g.append('<circle cx="%g" cy="10" r="4.2" fill="#C6FF7A"/>' % (x0 + 10))
        g.append('<ellipse cx="%g" cy="6.6" rx="2.4" ry="1.5" fill="#FFFFFF" '
                 'opacity="0.9"/>' % (x0 + 8))
    else:
        g.append('<circle cx="%g" cy="10" r="7.4" fill="#3A444C" stroke="#1C2227" '
                 'stroke-width="1"/>' % (x0 + 10))
        g.append('<ellipse cx="%g" cy="6.6" rx="2.4" ry="1.5" fill="#56626B"/>' % (x0 + 8))
    return "".join(g)


def make_battery():
    lamps = sheet("akamulyator2", 40, 20, lamp(0, True) + lamp(20, False))
    body = [board(144, 63)]
    body.append(shadowed_text(72, 19, "Аккумулятор", 16, "#FFFFFF", BOARD_DARK))
    # battery: body 6..137 x 24..57 with the terminal on the right
    body.append('<rect x="6.5" y="24.5" width="131" height="33" rx="3" fill="%s" '
                'stroke="#151A1F" stroke-width="1"/>' % BATT_BODY)
    body.append('<rect x="7.5" y="25.5" width="129" height="31" rx="2" fill="none" '
                'stroke="%s" stroke-width="1"/>' % BATT_RIM)
    body.append(rect(9, 27, 126, 28, BATT_BODY))
    body.append('<rect x="137.5" y="34.5" width="4" height="13" rx="1" fill="#8A98A3" '
                'stroke="#151A1F" stroke-width="1"/>')
    body.append(rect(138, 36, 1, 10, "#C9D3DA"))
    raw = render("akamulyator_base", 144, 63, "".join(body))
    for z in SCALES:
        out_raw = os.path.join(TMP, "akamulyator_lit%d.png" % z)
        # the lit lamp is the left half of the lamp sheet
        args_crop = ["convert", lamps[z], "-crop", "%dx%d+0+0" % (20 * z, 20 * z),
                     "+repage", os.path.join(TMP, "lamp_lit%d.png" % z)]
        run(*args_crop)
        args = ["convert", raw[z]]
        for k in range(5):
            args += [os.path.join(TMP, "lamp_lit%d.png" % z), "-geometry",
                     "+%d+%d" % ((25 * k + 12) * z, 31 * z), "-compose", "copy",
                     "-composite"]
        args += [out_raw]
        run(*args)
        dest = os.path.join(OUT, "akamulyator" + suffix(z) + ".png")
        finish(out_raw, dest)
        check_size(dest, 144 * z, 63 * z)


# --------------------------------------------------------------------------
def cross(dx):
    return ('<path d="M%g %g L%g %g M%g %g L%g %g" stroke="#000000" stroke-width="3.2" '
            'stroke-linecap="square"/>' % (9 + dx, 9 + dx, 20 + dx, 20 + dx,
                                            20 + dx, 9 + dx, 9 + dx, 20 + dx))


def make_exit():
    sheet("exit", 30, 30, bevel(0, 0, 30, 30) + cross(0))
    sheet("exit2", 30, 30, bevel(0, 0, 30, 30, sunken=True) + cross(1))


def make_menu():
    def body(sunken):
        d = 1 if sunken else 0
        s = [bevel(0, 0, 41, 89, sunken)]
        for i, ch in enumerate("МЕНЮ"):
            y = 26 + 19 * i + d
            s.append(text(20.5 + d, y, ch, 19, "#1F5E12"))
        return "".join(s)
    sheet("knmenu", 41, 89, body(False))
    sheet("knmenu2", 41, 89, body(True))


def arrow_path(dx, dy):
    # curved "undo" arrow: from lower right, over the top, head pointing left
    return ('<path d="M%g %g C%g %g %g %g %g %g" fill="none" stroke-width="4" '
            'stroke-linecap="round"/>'
            % (24 + dx, 22 + dy, 25 + dx, 13 + dy, 20 + dx, 10 + dy, 13 + dx, 10.5 + dy),
            '<path d="M%g %g L%g %g L%g %g Z" stroke-width="1" stroke-linejoin="round"/>'
            % (5.5 + dx, 10.5 + dy, 14 + dx, 4 + dy, 14 + dx, 17 + dy))


def arrow(dx, dy, fill, outline, mirror):
    p1, p2 = arrow_path(dx, dy)
    g = ('<g stroke="%s">%s</g><g fill="%s" stroke="%s">%s</g>'
         % (outline, p1.replace('stroke-width="4"', 'stroke-width="6"'), outline, outline, p2)
         + '<g stroke="%s">%s</g><g fill="%s" stroke="%s">%s</g>'
         % (fill, p1, fill, fill, p2.replace('stroke-width="1"', 'stroke-width="0"')))
    if mirror:
        g = '<g transform="translate(33,0) scale(-1,1)">%s</g>' % g
    return g


def arrow_disabled(mirror):
    p1, p2 = arrow_path(1, 1)
    g = ('<g stroke="#FFFFFF">%s</g><g fill="#FFFFFF" stroke="#FFFFFF">%s</g>' % (p1, p2))
    p1, p2 = arrow_path(0, 0)
    g += ('<g stroke="#808080">%s</g><g fill="#808080" stroke="#808080">%s</g>' % (p1, p2))
    if mirror:
        g = '<g transform="translate(33,0) scale(-1,1)">%s</g>' % g
    return g


def make_undo_redo():
    for name, mirror in (("otmenit", False), ("povtorit", True)):
        sheet(name, 33, 29, bevel(0, 0, 33, 29) + arrow_disabled(mirror))
        col = ("#3FA535", "#1D5E16")
        up = bevel(0, 0, 33, 29) + arrow(0, 0, col[0], col[1], mirror)
        down = bevel(0, 0, 33, 29, sunken=True) + arrow(1, 1, col[0], col[1], mirror)
        sheet(name + "2", 66, 29, up + '<g transform="translate(33,0)">%s</g>' % down)


def swap_arrows(stroke, dx):
    # two curved arrows going round, one on the upper right, one on the lower left
    s = ('<g transform="translate(%g,%g)" fill="none" stroke="%s" stroke-width="2.2" '
         'stroke-linecap="round" stroke-linejoin="round">'
         '<path d="M23 7.5 C29 7.5 32 10 32.5 16"/><path d="M29.2 13.6 L32.5 17 L35.3 13.2"/>'
         '<path d="M17 32.5 C11 32.5 8 30 7.5 24"/><path d="M10.8 26.4 L7.5 23 L4.7 26.8"/>'
         '</g>' % (dx, dx, stroke))
    return s


def make_peresadka():
    # off: raised, muted
    off = (bevel(0, 0, 41, 41)
           + '<g filter="url(#muted)">%s%s</g>' % (place("1f955", 4, 4, 17), place("1f345", 20, 20, 17))
           + swap_arrows("#7A7A7A", 0))
    sheet("peresadka", 41, 41, off)
    on = (bevel(0, 0, 41, 41, sunken=True, face="#FFE98A")
          + place("1f955", 5, 5, 17, halo=True) + place("1f345", 21, 21, 17, halo=True)
          + swap_arrows("#1D7A12", 1))
    sheet("peresadka2", 41, 41, on)


def make_ochki():
    sheet("ochki", 68, 31, rect(0, 0, 68, 31, WIN_BG) + place("1f453", 1, -11.5, 54))


def make_kirpich():
    s = [rect(0, 0, 57, 57, "#D9CBB8")]
    rows = [(0, 9), (10, 9), (20, 8), (29, 9), (39, 8), (48, 9)]
    for i, (y, h) in enumerate(rows):
        off = 0 if i % 2 == 0 else -9
        x = off
        while x < 57:
            w = 17
            s.append('<rect x="%g" y="%g" width="%g" height="%g" fill="#B9472F"/>' % (x, y, w, h))
            s.append('<rect x="%g" y="%g" width="%g" height="1.5" fill="#D86A4C"/>' % (x, y, w))
            s.append('<rect x="%g" y="%g" width="%g" height="1.5" fill="#8C3220"/>'
                     % (x, y + h - 1.5, w))
            x += 19
        s.append(rect(0, y + h, 57, 1, "#B7A894"))
    return sheet("kirpich", 57, 57, "".join(s))


def make_sprites():
    sheet("robot", 32, 32, place("1f916", 0, 0, 32), opaque=False)
    sheet("traktor", 32, 32, place("1f69c", 0, 0, 32), opaque=False)


def make_knopka():
    s = (rect(0, 0, 20, 20, "#FFFFFF")
         + '<ellipse cx="11.5" cy="12" rx="7.5" ry="7" fill="#000000" opacity="0.18"/>'
         + '<circle cx="9.5" cy="9.5" r="7" fill="#DD2E44" stroke="#9E1B2C" stroke-width="1"/>'
         + '<circle cx="9.5" cy="9.5" r="3.6" fill="#F0505F"/>'
         + '<ellipse cx="7.3" cy="6.8" rx="2.3" ry="1.5" fill="#FFFFFF" opacity="0.85"/>')
    sheet("knopka", 20, 20, s, bg="#FFFFFF")


def garden_scene():
    """256-unit square scene: soil bed with crops and the robot."""
    s = []
    # raised bed
    s.append('<rect x="10" y="128" width="236" height="116" rx="26" fill="#6E4325"/>')
    s.append('<rect x="18" y="134" width="220" height="100" rx="20" fill="#8B5A33"/>')
    for y in (160, 186, 212):
        s.append('<path d="M26 %d q 13.5 -8 27 0 t 27 0 t 27 0 t 27 0 t 27 0 t 27 0 t 27 0 t 27 0" '
                 'fill="none" stroke="#75482A" stroke-width="6"/>' % y)
    s.append('<path d="M20 132 q 10 -16 20 0 q 10 -18 20 0 q 10 -14 20 0 q 10 -18 20 0 '
             'q 10 -14 20 0 q 10 -18 20 0 q 10 -14 20 0 q 10 -18 20 0 q 10 -14 20 0 '
             'q 10 -18 20 0 q 10 -14 20 0 Z" fill="#77B255"/>')
    s.append(place("1f955", 12, 146, 80, halo=True))
    s.append(place("1f345", 168, 150, 78, halo=True))
    s.append(place("1f916", 56, 16, 144, halo=True))
    s.append(place("1f331", 100, 178, 56, halo=True))
    return "".join(s)


def make_icons():
    """The desktop icon: icon.png at 256, icon-N.png at the smaller theme sizes, and icon.svg."""
    for size in (256, 128, 64, 48, 32, 16):
        name = "icon" if size == 256 else "icon-%d" % size
        body = '<g transform="scale(%g)">%s</g>' % (size / 256, garden_scene())
        raw = render(name, size, size, body, scales=(1,))
        finish(raw[1], os.path.join(OUT, name + ".png"), opaque=False)
        check_size(os.path.join(OUT, name + ".png"), size, size)
    with open(os.path.join(OUT, "icon.svg"), "w", encoding="utf-8") as f:
        f.write(svg_doc(256, 256, garden_scene()) + "\n")


def make_oprog():
    s = [rect(0, 0, 64, 64, "#BDE6FF"),
         '<circle cx="57" cy="7" r="5" fill="#FFD83B" stroke="#FFB020" stroke-width="1"/>',
         '<circle cx="8" cy="9" r="3" fill="#FFFFFF"/><circle cx="12" cy="8" r="4" fill="#FFFFFF"/>'
         '<circle cx="15.5" cy="10" r="2.6" fill="#FFFFFF"/><rect x="8" y="9" width="8" height="3.6" fill="#FFFFFF"/>',
         rect(0, 34, 64, 30, "#7DBE4E"),
         '<g transform="scale(0.25)">%s</g>' % garden_scene()]
    sheet("oprog", 64, 64, "".join(s))


def make_banner():
    """The strip across the top of the main window, above the panels."""
    s = ['<defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="#9FD8FF"/><stop offset="1" stop-color="#E4F5FF"/></linearGradient></defs>',
         rect(0, 0, 640, 66, "url(#sky)"),
         '<circle cx="612" cy="18" r="11" fill="#FFD83B" stroke="#FFB020" stroke-width="2"/>',
         '<path d="M0 58 q 20 -8 40 0 t 40 0 t 40 0 t 40 0 t 40 0 t 40 0 t 40 0 t 40 0 t 40 0 t 40 0 '
         't 40 0 t 40 0 t 40 0 t 40 0 t 40 0 t 40 0 V 66 H 0 Z" fill="#77B255"/>',
         rect(0, 66, 640, 2, "#8B5A33"),
         text(18, 47, "Kelvary", 38, "#FFFFFF", anchor="start", family="Liberation Serif"),
         text(16, 45, "Kelvary", 38, "#2F6B1A", anchor="start", family="Liberation Serif"),
         text(178, 42, "робот собирает урожай", 17, "#2F6B1A", anchor="start", weight="bold")]
    for i, code in enumerate(("1f345", "1f955", "1f346", "1f33d", "1f966", "1f353", "1f347")):
        s.append(place(code, 382 + 28 * i, 30, 26))
    s.append(place("1f916", 578, 28, 30))
    sheet("banner", 640, 68, "".join(s))


def main():
    global EMOJI_DIR, OUT, TMP
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    EMOJI_DIR, OUT = sys.argv[1], sys.argv[2]
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="kelvary-art-") as TMP:
        znaki = make_znaki()
        make_flagy(znaki)
        make_kg2()
        make_panels()
        make_battery()
        make_exit()
        make_menu()
        make_undo_redo()
        make_peresadka()
        make_ochki()
        make_kirpich()
        make_sprites()
        make_knopka()
        make_oprog()
        make_banner()
        make_icons()


if __name__ == "__main__":
    main()
