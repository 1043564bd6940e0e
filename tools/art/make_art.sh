#!/usr/bin/env bash
# Regenerates every PNG in data/art/ (sheets at 1x to @4x, icons) and the
# players' photos that come with the game in data/Photo/.
#
# Needs: npm, python3, rsvg-convert (librsvg2-bin), ImageMagick (convert,
# identify), fonts-liberation, and for the check python3-numpy and
# python3-pil.  The Twemoji SVG set (@twemoji/svg 15.0.0, CC-BY 4.0) is fetched with npm into a temporary folder and removed again;
# nothing of it is kept except the rendered PNGs and the desktop icon icon.svg,
# which carries the Twemoji drawings it is made of.
#
# Set TWEMOJI_SVG_DIR to an unpacked copy of the package's SVG folder to skip
# the download.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/data/art"
photos="$root/data/Photo"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if [[ -n "${TWEMOJI_SVG_DIR:-}" ]]; then
    svgdir=$TWEMOJI_SVG_DIR
else
    (cd "$tmp" && npm pack --silent @twemoji/svg@15.0.0 >/dev/null)
    tgz="$tmp/twemoji-svg-15.0.0.tgz"
    want=1d2907557a422c7c4e3feca50ef915c39da1db3d76b4a4d7e73fb59bce4403c3
    got=$(sha256sum "$tgz" | cut -d' ' -f1)
    if [[ "$got" != "$want" ]]; then
        echo "make_art.sh: unexpected @twemoji/svg tarball (sha256 $got)" >&2
        exit 1
    fi
    tar -xzf "$tgz" -C "$tmp"
    svgdir="$tmp/package"
fi

python3 "$here/gen_art.py" "$svgdir" "$out"
echo "make_art.sh: wrote $(ls "$out"/*.png | wc -l) PNG files to $out"
/usr/bin/python3 "$here/check_art.py" "$out"
python3 "$here/gen_photos.py" "$svgdir" "$photos"
echo "make_art.sh: wrote $(ls "$photos"/*.png | wc -l) photos to $photos"
