#!/bin/sh
# Benchmark: fonts read back and saved again, whole processes in the same run.
#  1. unifont.bdf (57,086 glyphs; ../shared/corpus/bdf, skipped when absent) read and saved
#     as XBF by glyphor, against bdftopcf (xfonts-utils) converting the same file to PCF.
#  2. A 9,571-glyph C font written by glyphor (IPAGothic 24 px, 4 bpp, 0x4E00-0x9FFF) read
#     back and saved again, against creating it from the installed font.
# Prints a Markdown table: medians of RUNS runs (default 5) of wall time, CPU time (user +
# system) and peak resident memory.
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
  glyphor="$root/build-bench/font/gui/glyphor"
fi
[ -x /usr/bin/time ] || { echo "GNU time is missing (tools/install-deps)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
cd "$work"

# "wall cpu peakMB" medians of $runs runs of a shell command (after one warm-up run); cpu is
# user + system time, the fair figure on a machine shared with other work.
measure() {
  sh -c "$1" >/dev/null 2>&1
  i=0
  while [ $i -lt "$runs" ]; do
    /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" sh -c "exec $1" >/dev/null 2>&1
    cat "$work/time.txt"
    i=$((i + 1))
  done | awk '{ w[NR] = $1; c[NR] = $2 + $3; m[NR] = $4 }
    function med(a, n,   i, j, t) {
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
      return a[int((n + 1) / 2)]
    }
    END { n = NR; printf "%.3f %.3f %.1f", med(w, n), med(c, n), med(m, n) / 1024 }'
}
row() {  # name | command A | label A | command B | label B
  set -- "$1" "$2" "$3" "$4" "$5" $(measure "$2") $(measure "$4")
  echo "| $1 | $3: $6 s wall, $7 s cpu, $8 MB | $5: $9 s wall, ${10} s cpu, ${11} MB |" \
    "$(awk -v a="$6" -v b="$9" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }') |" \
    "$(awk -v a="$7" -v b="${10}" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }') |"
}

echo "| case | glyphor | reference | wall ratio | cpu ratio |"
echo "|---|---|---|---|---|"

unifont="$root/../shared/corpus/bdf/unifont/unifont.bdf"
if [ -f "$unifont" ] && command -v bdftopcf >/dev/null 2>&1; then
  cp "$unifont" unifont.bdf
  row "unifont.bdf (57,086 glyphs) to XBF / PCF" \
    "'$glyphor' unifont.bdf -saveasunifont.xbf,XBF -exit" "read + save XBF" \
    "bdftopcf -o unifont.pcf unifont.bdf" "bdftopcf"
else
  echo "| unifont.bdf | skipped (no ../shared/corpus/bdf or no bdftopcf) | | | |"
fi

create="'$glyphor' '-createIPAGothic,REGULAR,-24,EXT_AA4,UC16' -enable0-FFFF,0 -enable4E00-9FFF,1"
sh -c "$create -saveascjk.c,C -exit"
row "CJK C font (9,571 glyphs) read back and saved" \
  "'$glyphor' cjk.c -saveascjk2.c,C -exit" "read + save C" \
  "$create -saveascjk3.c,C -exit" "create + save C"
