#!/usr/bin/env bash
# Synthesises data/Avariya.mp3, the short crash heard when the robot's route
# fails: a low thump, a burst of noise with a fast decay, a metallic clank
# (inharmonic partials) and two small rattles of debris.  About 0.55 s, mono,
# 22.05 kHz.  sox runs in repeatable mode (-R), so the noise is the same on
# every run.  Needs sox and lame.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out="$(cd "$here/.." && pwd)/data/Avariya.mp3"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rate=22050
len=0.55
SOX=(sox -R -q)
gen() { "${SOX[@]}" -n -r "$rate" -c 1 -b 16 "$@"; }
# cut() keeps the first $len seconds of a longer, slowly decaying sound
cut() { "${SOX[@]}" "$1" "$2" trim 0 "$len"; }

# low thump: a falling sine that dies in a quarter of a second
gen "$tmp/thump.wav" synth 0.3 sine 110:38 fade l 0 0.3 0.3 gain -2

# main crash: noise, band-limited, decaying about 10 dB per 0.1 s
gen "$tmp/crash_long.wav" synth 1.0 whitenoise gain -6 fade l 0.004 1.0 1.0 \
    highpass 300 lowpass 7000
cut "$tmp/crash_long.wav" "$tmp/crash.wav"

# metallic clank: inharmonic partials, each with its own decay
i=0
for partial in "523 1.4 -4" "1187 1.1 -5" "1871 0.9 -6" "2679 0.7 -8" "3413 0.6 -9"; do
    read -r f d g <<<"$partial"
    gen "$tmp/clank_long$i.wav" synth "$d" sine "$f" gain "$g" fade l 0.002 "$d" "$d"
    cut "$tmp/clank_long$i.wav" "$tmp/clank$i.wav"
    i=$((i + 1))
done
"${SOX[@]}" -m "$tmp"/clank?.wav "$tmp/clank.wav"

# debris: two short rattles a little later
gen "$tmp/deb1.wav" synth 0.08 whitenoise fade l 0.002 0.08 0.08 \
    bandpass 2500 1.2q gain -6 pad 0.13
gen "$tmp/deb2.wav" synth 0.07 whitenoise fade l 0.002 0.07 0.07 \
    bandpass 3800 1.5q gain -9 pad 0.27

"${SOX[@]}" -m -v 0.5 "$tmp/thump.wav" -v 0.45 "$tmp/crash.wav" -v 0.55 "$tmp/clank.wav" \
    -v 0.35 "$tmp/deb1.wav" -v 0.35 "$tmp/deb2.wav" "$tmp/mix.wav" \
    fade t 0 -0 0.06 norm -1

lame --quiet --noreplaygain -m m -b 48 "$tmp/mix.wav" "$out"
echo "make_sound.sh: wrote $out ($(stat -c %s "$out") bytes)"
