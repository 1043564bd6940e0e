#!/usr/bin/env python3
"""Checks the generated artwork in data/art/ (or the folder given).

Verifies exact sizes at 1x to 4x, opacity / transparency, and the pixel
contracts the game relies on when it copies parts of one sheet over another:
lamps, digit areas, flags.  Then measures how far apart the crops look at a
glance, and how much a pick changes a bed, in normal vision and under the
three colour-vision deficiencies.  Prints one line per failure and a summary
line; exits non-zero on any failure.  Needs ImageMagick's convert, numpy and
PIL (Debian: python3-numpy, python3-pil).
"""
import itertools
import os
import subprocess
import sys

import numpy as np
from PIL import Image, ImageFilter

ART = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "art")

SIZES = {
    "znaki": (1056, 36), "flagy": (528, 16), "kg2": (180, 29),
    "uroven": (102, 66), "kg": (146, 66), "akamulyator": (144, 63),
    "akamulyator2": (40, 20), "exit": (30, 30), "exit2": (30, 30),
    "knmenu": (41, 89), "knmenu2": (41, 89), "otmenit": (33, 29),
    "povtorit": (33, 29), "otmenit2": (66, 29), "povtorit2": (66, 29),
    "peresadka": (41, 41), "peresadka2": (41, 41), "ochki": (68, 31),
    "kirpich": (57, 57), "robot": (32, 32), "traktor": (32, 32),
    "knopka": (20, 20), "oprog": (64, 64),
}
TRANSPARENT = {"robot", "traktor"}
ICONS = {"icon": (256, 256), "icon-64": (64, 64)}

failures = []
passed = 0


def check(cond, msg):
    global passed
    if cond:
        passed += 1
    else:
        failures.append(msg)


class Img:
    def __init__(self, path):
        out = subprocess.run(["convert", path, "-format", "%w %h", "info:"],
                             check=True, capture_output=True, text=True).stdout.split()
        self.w, self.h = int(out[0]), int(out[1])
        self.data = subprocess.run(["convert", path, "-depth", "8", "rgba:-"],
                                   check=True, capture_output=True).stdout

    def px(self, x, y):
        i = 4 * (y * self.w + x)
        return self.data[i:i + 4]

    def region(self, x, y, w, h):
        return [self.px(x + i, y + j) for j in range(h) for i in range(w)]


def load(name):
    path = os.path.join(ART, name + ".png")
    if not os.path.exists(path):
        failures.append("missing " + path)
        return None
    return Img(path)


imgs = {}
for name, (w, h) in SIZES.items():
    for z in (1, 2, 3, 4):
        key = name + ("" if z == 1 else "@%dx" % z)
        im = load(key)
        if im is None:
            continue
        imgs[key] = im
        check((im.w, im.h) == (w * z, h * z),
              "%s is %dx%d, expected %dx%d" % (key, im.w, im.h, w * z, h * z))
        alphas = {im.data[i] for i in range(3, len(im.data), 4)}
        if name in TRANSPARENT:
            check(0 in alphas, key + " has no transparent pixel")
        else:
            check(alphas == {255}, key + " is not opaque")
for name, (w, h) in ICONS.items():
    im = load(name)
    if im is not None:
        check((im.w, im.h) == (w, h), "%s is %dx%d" % (name, im.w, im.h))
        check(im.px(0, 0)[3] == 0, name + " corner is not transparent")

for z in (1, 2, 3, 4):
    sfx = "" if z == 1 else "@%dx" % z
    znaki, flagy = imgs.get("znaki" + sfx), imgs.get("flagy" + sfx)
    lamps, batt = imgs.get("akamulyator2" + sfx), imgs.get("akamulyator" + sfx)
    kg2 = imgs.get("kg2" + sfx)
    if None in (znaki, flagy, lamps, batt, kg2):
        continue

    # 33 different pictures
    tiles = [bytes(b"".join(znaki.region(32 * z * k, 0, 32 * z, 36 * z))) for k in range(33)]
    check(len(set(tiles)) == 33, "znaki%s: two pictures are identical" % sfx)

    # flag s is the lower-right quarter of picture s with a flag drawn at
    # its upper left: its lower-right corner must be that picture's pixels
    for s in range(1, 34):
        fx, zx, zy = 16 * z * (s - 1), (32 * (s - 1) + 24) * z, 31 * z
        got = flagy.region(fx + 8 * z, 11 * z, 6 * z, 3 * z)
        want = znaki.region(zx, zy, 6 * z, 3 * z)
        check(got == want, "flagy%s: flag %d is not cut from picture %d" % (sfx, s, s))
        flag_part = flagy.region(fx + 6 * z, 3 * z, 3 * z, 3 * z)
        red = sum(1 for p in flag_part if p[0] > 180 and p[1] < 90 and p[2] < 90)
        check(red >= 4 * z * z, "flagy%s: flag %d has no red cloth" % (sfx, s))
        rim = flagy.region(fx + 14 * z, 0, 2 * z, 16 * z) + flagy.region(fx, 14 * z, 16 * z, 2 * z)
        check(all(p[:3] == b"\xff\xff\xff" for p in rim),
              "flagy%s: flag %d does not carry the white ring's corner" % (sfx, s))

    # lit lamps in the panel are exactly the lit lamp of the lamp sheet
    lit = lamps.region(0, 0, 20 * z, 20 * z)
    spent = lamps.region(20 * z, 0, 20 * z, 20 * z)
    check(lit != spent, "akamulyator2%s: lit and spent lamps are the same" % sfx)
    for k in range(5):
        check(batt.region((25 * k + 12) * z, 31 * z, 20 * z, 20 * z) == lit,
              "akamulyator%s: lamp %d differs from the lit lamp" % (sfx, k))
    # same frame: the lamp's corners match on both looks
    check(lit[0] == spent[0] and lit[-1] == spent[-1],
          "akamulyator2%s: lamps do not share their background" % sfx)

    # digits: plain background around each glyph, ten different glyphs
    bg = kg2.px(0, 0)
    cells = []
    for d in range(10):
        cell = kg2.region(18 * z * d, 0, 18 * z, 29 * z)
        cells.append(bytes(b"".join(cell)))
        edge = (kg2.region(18 * z * d, 0, 18 * z, z) + kg2.region(18 * z * d, 28 * z, 18 * z, z)
                + kg2.region(18 * z * d, 0, z, 29 * z) + kg2.region(18 * z * (d + 1) - z, 0, z, 29 * z))
        check(all(p == bg for p in edge), "kg2%s: digit %d touches its cell border" % (sfx, d))
        dark = sum(1 for p in cell if p[0] + p[1] + p[2] < 200)
        check(dark > 40 * z * z, "kg2%s: digit %d is not bold and dark" % (sfx, d))
    check(len(set(cells)) == 10, "kg2%s: two digits are identical" % sfx)

    # panels: the digit area is plain digit background
    for name, xs in (("uroven", (75, 51, 27, 3)), ("kg", (119, 95, 71, 47, 23))):
        im = imgs.get(name + sfx)
        if im is None:
            continue
        x0, x1 = min(xs), max(xs) + 18
        area = im.region(x0 * z, 28 * z, (x1 - x0) * z, 29 * z)
        check(all(p == bg for p in area),
              "%s%s: digit area is not the digits' background" % (name, sfx))

# --------------------------------------------------------------------------
# Colour vision simulated after Machado, Oliveira and Fernandes (2009) at full
# severity, applied to linear RGB.
VISIONS = {
    "normal": np.eye(3),
    "protanopia": np.array([[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216],
                            [-0.003882, -0.048116, 1.051998]]),
    "deuteranopia": np.array([[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413],
                              [-0.011820, 0.042940, 0.968881]]),
    "tritanopia": np.array([[1.255528, -0.076749, -0.178779], [-0.078411, 0.930809, 0.147602],
                            [0.004733, 0.691367, 0.303900]]),
}
# Closest two crops may come at a glance (the floor), and how many pairs may
# come under 12 at all.
CROP_LIMITS = {"normal": (12, 0), "protanopia": (8, 4), "deuteranopia": (8, 15), "tritanopia": (8, 1)}
# A picked bed must differ from the unpicked one by this much, on every crop.
PICK_FLOOR = 8
SRGB_TO_XYZ = np.array([[0.4124564, 0.3575761, 0.1804375], [0.2126729, 0.7151522, 0.0721750],
                        [0.0193339, 0.1191920, 0.9503041]])
D65 = np.array([0.95047, 1.0, 1.08883])


def cielab(rgb, vision):
    c = rgb.astype(float) / 255.0
    lin = np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)
    lin = np.clip(lin @ VISIONS[vision].T, 0.0, 1.0)
    t = (lin @ SRGB_TO_XYZ.T) / D65
    f = np.where(t > (6 / 29) ** 3, np.cbrt(t), t / (3 * (6 / 29) ** 2) + 4 / 29)
    return np.stack([116 * f[..., 1] - 16, 500 * (f[..., 0] - f[..., 1]), 200 * (f[..., 1] - f[..., 2])], -1)


def delta_e(a, b):
    return float(np.sqrt(((a - b) ** 2).sum(-1)).mean())


def at_a_glance(tile):
    # A blur of a pixel at 1x (two on the 2x sheet) leaves what the eye takes in at a glance.
    return np.asarray(Image.fromarray(tile).filter(ImageFilter.GaussianBlur(1)))


def picked(tile, flag):
    # What SetFlag draws: a white ring over the rim, two pixels wide, and the flag's quarter.
    out = tile.copy()
    out[:2, :] = out[-2:, :] = out[:, :2] = out[:, -2:] = 255
    out[20:36, 16:32] = flag
    return out


def measure_colour(art):
    sheet = np.asarray(Image.open(os.path.join(art, "znaki.png")).convert("RGB"))
    flags = np.asarray(Image.open(os.path.join(art, "flagy.png")).convert("RGB"))
    crops = range(2, 34)
    tiles = {k: sheet[:, 32 * (k - 1):32 * k] for k in crops}
    for vision, (floor, allowed) in CROP_LIMITS.items():
        seen = {k: cielab(at_a_glance(t), vision) for k, t in tiles.items()}
        pairs = sorted((delta_e(seen[a], seen[b]), a, b) for a, b in itertools.combinations(crops, 2))
        near = sum(1 for d, _, _ in pairs if d < 12)
        print("check_art: %-12s closest crops %s; %d pairs under 12" % (
            vision, ", ".join("%d-%d %.1f" % (a, b, d) for d, a, b in pairs[:3]), near))
        check(pairs[0][0] >= floor, "%s: crops %d and %d are %.1f apart, under %d"
              % (vision, pairs[0][1], pairs[0][2], pairs[0][0], floor))
        check(near <= allowed, "%s: %d pairs of crops under 12, more than %d" % (vision, near, allowed))
        picks = {k: delta_e(cielab(t, vision), cielab(picked(t, flags[:, 16 * (k - 1):16 * k]), vision))
                 for k, t in tiles.items()}
        worst = min(picks, key=picks.get)
        print("check_art: %-12s a pick changes a bed by %.1f to %.1f (mean %.1f)" % (
            vision, picks[worst], max(picks.values()), sum(picks.values()) / len(picks)))
        check(picks[worst] >= PICK_FLOOR, "%s: a pick changes crop %d by only %.1f" % (vision, worst, picks[worst]))


measure_colour(ART)
print("check_art: %d passed, %d failed" % (passed, len(failures)))
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
