#!/usr/bin/env python3
"""Renders the players' photos that come with the game into data/Photo/.

Usage: gen_photos.py EMOJI_SVG_DIR OUT_DIR

Each photo is a 110x140 portrait, the size of the game's photo boxes: a
garden friend (a Twemoji face or creature) over a hill of grass, holding up
one of the game's crops, on a sky of its own colour so that no two look alike
in the list or on the honour board.  Drawn with the same helpers, halo and
normalisation as the game's sheets (gen_art.py), at one zoom only: the game
shows photos at their own size.
"""
import os
import sys
import tempfile

import gen_art

WIDTH, HEIGHT = 110, 140

# File name (as the player sees it in "Выбор фото:"), face, crop held, sky.
PHOTOS = [
    ("bozhya-korovka", "1f41e", "1f966", "#FFB8AE"),
    ("fermer", "1f9d1-200d-1f33e", "1f34d", "#FFE08A"),
    ("fermersha", "1f469-200d-1f33e", "1f345", "#F7B5DA"),
    ("koala", "1f428", "1f951", "#B9DFA6"),
    ("korova", "1f42e", "1f350", "#A9D3FF"),
    ("kot", "1f431", "1f352", "#CDB8F5"),
    ("krolik", "1f430", "1f955", "#A8E6C1"),
    ("lev", "1f981", "1f34a", "#FFC98A"),
    ("lisa", "1f98a", "1f347", "#9EC6FF"),
    ("lyagushka", "1f438", "1fadb", "#FFEE99"),
    ("medved", "1f43b", "1fad0", "#BFE2FF"),
    ("mysh", "1f42d", "1f9c4", "#FFBFA6"),
    ("obezyana", "1f435", "1f34c", "#9FE0D3"),
    ("panda", "1f43c", "1f952", "#FFB3CB"),
    ("pchela", "1f41d", "1f353", "#A6E1FF"),
    ("porosyonok", "1f437", "1f954", "#C6EEA6"),
    ("sobaka", "1f436", "1f349", "#E8C9A0"),
    ("sova", "1f989", "1f95c", "#B3BAF0"),
    ("tsyplyonok", "1f425", "1f33d", "#9BDDEE"),
    ("ulitka", "1f40c", "1f96c", "#E6B8FF"),
    ("yozhik", "1f994", "1f344", "#FFD9A3"),
]
assert len({name for name, _, _, _ in PHOTOS}) == len(PHOTOS)
assert len({sky for _, _, _, sky in PHOTOS}) == len(PHOTOS)


def portrait(face, crop, sky):
    grass, grass_dark, soil = "#77B255", "#5E9C36", "#8B5A33"
    return "".join([
        '<defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="#FFFFFF"/>'
        '</linearGradient></defs>' % sky,
        gen_art.rect(0, 0, WIDTH, HEIGHT, "url(#sky)"),
        '<path d="M0 112 q 27.5 -14 55 -4 t 55 -2 V%d H0 Z" fill="%s"/>' % (HEIGHT, grass),
        '<path d="M0 116 q 27.5 -12 55 -3 t 55 -2" fill="none" stroke="%s" stroke-width="1.5"/>'
        % grass_dark,
        gen_art.rect(0, 132, WIDTH, 8, soil),
        gen_art.place(face, 9, 14, 92, halo=True),
        gen_art.place(crop, 72, 100, 32, halo=True),
        '<rect x="0.5" y="0.5" width="%d" height="%d" fill="none" stroke="%s" stroke-width="1"/>'
        % (WIDTH - 1, HEIGHT - 1, grass_dark),
    ])


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    gen_art.EMOJI_DIR, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="kelvary-photo-") as tmp:
        gen_art.TMP = tmp
        for name, face, crop, sky in PHOTOS:
            raw = gen_art.render(name, WIDTH, HEIGHT, portrait(face, crop, sky), scales=(1,))[1]
            dest = os.path.join(out, name + ".png")
            gen_art.finish(raw, dest)
            gen_art.check_size(dest, WIDTH, HEIGHT)


if __name__ == "__main__":
    main()
