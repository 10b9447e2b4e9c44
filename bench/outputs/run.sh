#!/bin/sh
# Whole-job timings of rastrel's writers against peers (run by hand, not in CI):
#   GIF:    rastrel big.bmp -saveas big.gif        vs  convert big.bmp big.gif
#   stream: rastrel square.bmp -saveas x.dta,3,F   vs  dd of the same number of bytes
#   small:  rastrel small.png -saveas small.c,1,16 vs  convert small.png small.bmp
# Usage: bench/outputs/run.sh [runs]; medians in milliseconds, process start included.
# RASTREL=path/to/rastrel skips the Release build and times that binary; CONVERT names
# the ImageMagick program (default: convert from PATH). COUNT=1 also prints the
# instructions of each job (valgrind's callgrind), which a busy machine does not change.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-bench"
runs=${1:-5}
rastrel=${RASTREL:-}
if [ -z "$rastrel" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$build" --target rastrel >/dev/null
  rastrel="$build/bitmap/gui/rastrel"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/outputs/make_images.py" "$work"
convert -size 64x64 xc:none -fill 'rgba(200,40,90,0.6)' -draw 'circle 32,32 32,6' PNG32:"$work/small.png"
export XDG_CONFIG_HOME="$work/config"

# Median wall time of a command in ms.
median() {
  for i in $(seq "$runs"); do
    s=$(date +%s%N)
    ( cd "$work" && "$@" ) >/dev/null 2>&1
    e=$(date +%s%N)
    echo $(( (e - s) / 1000000 ))
  done | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
im_convert=${CONVERT:-convert}
# Instructions of one run of a command (COUNT=1 only).
count() {
  [ "${COUNT:-0}" = 1 ] || return 0
  n=$( (cd "$work" && valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null) |
      sed -n 's/.*refs: *//p' | tr -d ,)
  echo "  instructions: $* -> $n"
}

gif=$(median "$rastrel" big.bmp -saveasbig.gif,4 -exit)
im=$(median "$im_convert" big.bmp big_im.gif)
echo "GIF 4000x3000, 256 colours: rastrel $gif ms, convert $im ms, ratio $(ratio "$gif" "$im") (goal <= 0.5)"
count "$rastrel" big.bmp -saveasbig.gif,4 -exit
count "$im_convert" big.bmp big_im.gif

for f in 8 16 12; do
  t=$(median "$rastrel" square.bmp "-saveassq$f.dta,3,$f" -exit)
  bytes=$(stat -c %s "$work/sq$f.dta")
  d=$(median dd if=/dev/zero of=dd.out bs=1M count="$bytes" iflag=count_bytes)
  echo "stream 2048x2048 format $f: $bytes bytes, rastrel $t ms, dd $d ms, speed ratio $(ratio "$d" "$t") (goal >= 0.33)"
  count "$rastrel" square.bmp "-saveassq$f.dta,3,$f" -exit
done

small=$(median "$rastrel" small.png -saveassmall.c,1,16 -exit)
ims=$(median "$im_convert" small.png small.bmp)
echo "small job 64x64 PNG to C format 16: rastrel $small ms, convert $ims ms, ratio $(ratio "$small" "$ims") (goal <= 0.5)"
count "$rastrel" small.png -saveassmall.c,1,16 -exit
count "$im_convert" small.png small.bmp
