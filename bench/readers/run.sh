#!/usr/bin/env bash
# Reader benchmark: decode 4000 x 3000 photo-like JPEGs (baseline 4:2:0, its 4:4:4 twin
# and its progressive twin) against djpeg -dct int -nosmooth in the same run, a 256-colour
# GIF at the largest screen the reader accepts (2000 x 2000) and a 4000 x 3000 RGBA PNG.
# Run by hand: bench/readers/run.sh [RUNS]. Results go to bench/readers/results.md.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-7}
need=()
command -v convert >/dev/null || need+=(imagemagick)
command -v djpeg >/dev/null || need+=(libjpeg-turbo-progs)
command -v gif2rgb >/dev/null || need+=(giflib-tools)
if [ ${#need[@]} -gt 0 ]; then sudo apt-get install -y "${need[@]}"; fi

build=build-bench
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build $build --target bitmap_format_bmp bitmap_format_gif bitmap_format_jpeg bitmap_format_png \
  bitmap_format_sbmp >/dev/null
c++ -std=c++20 -O2 -I. bench/readers/bench_readers.cpp $build/bitmap/formats/libbitmap_format_{bmp,gif,jpeg,png,sbmp}.a \
  $build/bitmap/reduce/libbitmap_reduce.a $build/bitmap/document/libbitmap_document.a \
  $build/colour/libcolour.a $build/common/cmdline/libcommon_cmdline.a $build/common/host/libcommon_host.a -lpng -o $build/bench_readers

data=$build/bench-data
mkdir -p $data
if [ ! -f $data/photo.ppm ]; then
  # Fractal plasma with fine noise: smooth areas, edges and texture like a photograph.
  convert -seed 4 -size 4000x3000 plasma:fractal -blur 0x2 -attenuate 0.4 +noise Gaussian $data/photo.ppm
fi
[ -f $data/base420.jpg ] || cjpeg -quality 90 -sample 2x2 -outfile $data/base420.jpg $data/photo.ppm
[ -f $data/twin444.jpg ] || cjpeg -quality 90 -sample 1x1 -outfile $data/twin444.jpg $data/photo.ppm
[ -f $data/prog420.jpg ] || jpegtran -progressive -outfile $data/prog420.jpg $data/base420.jpg
[ -f $data/gif2000.gif ] || convert $data/photo.ppm -crop 2000x2000+0+0 +repage -dither FloydSteinberg -colors 256 $data/gif2000.gif
[ -f $data/rgba.png ] || convert $data/photo.ppm \( +clone -fx 'u.r' \) -alpha off -compose CopyOpacity -composite \
  -define png:color-type=6 $data/rgba.png

median_cmd() {  # median wall time in ms of a command run $runs times
  python3 - "$runs" "$@" <<'PY'
import subprocess, sys, time
runs = int(sys.argv[1]); cmd = sys.argv[2:]
t = []
for _ in range(runs):
    s = time.perf_counter(); subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL); t.append((time.perf_counter() - s) * 1000)
t.sort(); print("%.1f" % t[len(t) // 2])
PY
}

out=bench/readers/results.md
{
  echo "# Reader benchmark"
  echo
  echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
  echo "Median of $runs runs each, same run for both decoders. Ours: file read + decode into the document"
  echo "(in-process). djpeg: whole process with -dct int -nosmooth -ppm -outfile /dev/null."
  echo
  echo "| file | size | ours (ms) | djpeg (ms) | ratio |"
  echo "|---|---|---|---|---|"
  for f in base420 twin444 prog420; do
    ours=$($build/bench_readers jpeg $data/$f.jpg "$runs" | cut -d' ' -f1)
    peer=$(median_cmd djpeg -dct int -nosmooth -ppm -outfile /dev/null $data/$f.jpg)
    ratio=$(python3 -c "print('%.2f' % ($ours / $peer))")
    echo "| $f.jpg | $(stat -c %s $data/$f.jpg) | $ours | $peer | $ratio |"
  done
  echo
  echo "| file | ours (ms) | reference (ms) |"
  echo "|---|---|---|"
  gif=$($build/bench_readers gif $data/gif2000.gif "$runs" | cut -d' ' -f1)
  gifc=$($build/bench_readers gif-clean $data/gif2000.gif "$runs" | cut -d' ' -f1)
  gpeer=$(median_cmd gif2rgb -1 -o /dev/null $data/gif2000.gif)
  echo "| gif2000.gif, 2000 x 2000, 256 colours: frame decode | $gif | giflib gif2rgb $gpeer |"
  echo "| the same through the file reader (with best palette clean-up) | $gifc | |"
  png=$($build/bench_readers png $data/rgba.png "$runs" | cut -d' ' -f1)
  echo "| rgba.png, 4000 x 3000 RGBA | $png | |"
} | tee $out
