#!/bin/sh
# Colour benchmarks on the 4000 x 3000 photo: the best-palette job of the rastrel
# binary against ImageMagick (whole process, median of 5 with hyperfine, peak memory
# with GNU time), then the core operations through bench_core.
# Usage: bench/colour/run_bench.sh [build-dir]   (from the repository root)
set -e
BUILD=${1:-build}
ROOT=$(pwd)
WORK=${WORK:-/tmp/vorix-bench-colour}
mkdir -p "$WORK"
for tool in convert hyperfine /usr/bin/time; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    pkg=$tool
    [ "$tool" = convert ] && pkg=imagemagick
    [ "$tool" = /usr/bin/time ] && pkg=time
    sudo apt-get install -y "$pkg" || apt-get install -y "$pkg"
  fi
done
[ -f "$WORK/photo.bmp" ] || "$ROOT/bench/colour/make_photo.sh" "$WORK/photo.bmp"
cmake -S "$ROOT" -B "$BUILD" -DBUILD_BENCHMARKS=ON >/dev/null
cmake --build "$BUILD" --target rastrel bench_core
BENCH_CORE=$(realpath "$BUILD/bench/bench_core")
RASTREL=$(realpath "$BUILD/bitmap/gui/rastrel")
cd "$WORK"

echo "== Best palette job (rastrel) vs ImageMagick, median of 5"
hyperfine --runs 5 --export-json best.json \
  "$RASTREL photo.bmp -convertintobestpalette -saveasout.bmp,2 -exit" \
  "convert photo.bmp -dither None -colors 256 BMP3:out_im.bmp"
echo "== Peak memory (KB)"
/usr/bin/time -f "rastrel %M KB" "$RASTREL" photo.bmp -convertintobestpalette -saveasout.bmp,2 -exit
/usr/bin/time -f "convert %M KB" convert photo.bmp -dither None -colors 256 BMP3:out_im.bmp
echo "true-colour size $((4000 * 3000 * 4 / 1024)) KB"

echo "== Other jobs vs ImageMagick, median of 5"
hyperfine --runs 5 --export-json other.json \
  "$RASTREL photo.bmp -reducecolors16 -saveasout16.bmp,2 -exit" \
  "convert photo.bmp -dither None -colors 16 BMP3:out_im16.bmp" \
  "$RASTREL photo.bmp -scale1000,750 -saveasscaled.bmp,2 -exit" \
  "convert photo.bmp -filter Box -resize 1000x750! BMP3:scaled_im.bmp" \
  "identify -format %k photo.bmp"

echo "== Medians (s)"
python3 - best.json other.json <<'PY'
import json, statistics, sys
for path in sys.argv[1:]:
    for r in json.load(open(path))["results"]:
        print("%8.3f  %s" % (statistics.median(r["times"]), r["command"]))
PY

echo "== Core operations (median of 5, ms)"
"$BENCH_CORE" photo.bmp 5
