#!/bin/sh
# Benchmark: fonts read back and saved again, whole processes in the same run.
#  1. unifont.bdf (57,086 glyphs; ../shared/corpus/bdf, skipped when absent) read and saved
#     as XBF by glyphor, against bdftopcf (xfonts-utils) converting the same file to PCF.
#  2. A 9,571-glyph C font written by glyphor (IPAGothic 24 px, 4 bpp, 0x4E00-0x9FFF) read
#     back and saved again, against creating it from the installed font.
# Prints a Markdown table: median of RUNS runs (default 5) and peak resident memory.
#
# usage: bench/fonts/bench_readback.sh [glyphor binary]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${RUNS:-5}

glyphor=${1:-}
[ -z "$glyphor" ] || glyphor=$(realpath "$glyphor")
if [ -z "$glyphor" ]; then
  cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$root/build-bench" --target glyphor -j2 >/dev/null
  glyphor="$root/build-bench/font/app/glyphor"
fi
[ -x /usr/bin/time ] || { echo "GNU time is missing (tools/install-deps)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
cd "$work"

# Median wall time in seconds of $runs runs of a shell command (after one warm-up run).
median() {
  sh -c "$1" >/dev/null 2>&1
  i=0
  while [ $i -lt "$runs" ]; do
    start=$(date +%s%N)
    sh -c "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
    i=$((i + 1))
  done | sort -n | awk '{ a[NR] = $1 } END { printf "%.3f", a[int((NR + 1) / 2)] / 1e6 }'
}
peak_mb() {
  /usr/bin/time -f %M sh -c "exec $1" 2>&1 >/dev/null | tail -1 | awk '{ printf "%.1f", $1 / 1024 }'
}
row() {  # name | command A | label A | command B | label B
  ta=$(median "$2"); tb=$(median "$4")
  ma=$(peak_mb "$2"); mb=$(peak_mb "$4")
  ratio=$(awk -v a="$ta" -v b="$tb" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
  echo "| $1 | $3 $ta s, $ma MB | $5 $tb s, $mb MB | $ratio |"
}

echo "| case | glyphor | reference | time ratio |"
echo "|---|---|---|---|"

unifont="$root/../shared/corpus/bdf/unifont/unifont.bdf"
if [ -f "$unifont" ] && command -v bdftopcf >/dev/null 2>&1; then
  cp "$unifont" unifont.bdf
  row "unifont.bdf (57,086 glyphs) to XBF / PCF" \
    "'$glyphor' unifont.bdf -saveasunifont.xbf,XBF -exit" "read + save XBF" \
    "bdftopcf -o unifont.pcf unifont.bdf" "bdftopcf"
else
  echo "| unifont.bdf | skipped (no ../shared/corpus/bdf or no bdftopcf) | | |"
fi

create="'$glyphor' '-createIPAGothic,REGULAR,-24,EXT_AA4,UC16' -enable0-FFFF,0 -enable4E00-9FFF,1"
sh -c "$create -saveascjk.c,C -exit"
row "CJK C font (9,571 glyphs) read back and saved" \
  "'$glyphor' cjk.c -saveascjk2.c,C -exit" "read + save C" \
  "$create -saveascjk3.c,C -exit" "create + save C"
