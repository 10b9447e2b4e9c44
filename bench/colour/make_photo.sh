#!/bin/sh
# Makes the benchmark image: a 4000 x 3000 photo-like true-colour BMP (fractal plasma
# with Gaussian noise), the same bytes on every run thanks to the fixed seed.
set -e
OUT=${1:-photo.bmp}
if ! command -v convert >/dev/null 2>&1; then
  sudo apt-get install -y imagemagick || apt-get install -y imagemagick
fi
convert -size 4000x3000 -seed 1234 plasma:fractal -blur 0x2 -seed 99 -attenuate 0.4 +noise Gaussian \
  -type TrueColor BMP3:"$OUT"
ls -l "$OUT"
