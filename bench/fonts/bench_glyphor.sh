#!/bin/sh
# Benchmark: glyphor against lv_font_conv (npm) on the same font, pixel size, bits per
# pixel and character set, whole process, same run. lv_font_conv runs with --no-kerning
# (glyphor computes no kerning). Prints a Markdown table of medians and peak memory.
#
# usage: bench/fonts/bench_glyphor.sh [glyphor binary]   (RUNS=5 by default)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${RUNS:-5}

need() { command -v "$1" >/dev/null 2>&1; }
apt_install() {
  if [ "$(id -u)" = 0 ]; then apt-get install -y "$@"; else sudo apt-get install -y "$@"; fi
}
need hyperfine || apt_install hyperfine
need node || apt_install nodejs
need npm || apt_install npm
[ -x /usr/bin/time ] || apt_install time
need fc-match || apt_install fontconfig
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || apt_install fonts-dejavu-core
fc-list | grep -q IPAGothic || apt_install fonts-ipafont-gothic

glyphor=${1:-}
[ -z "$glyphor" ] || glyphor=$(realpath "$glyphor")
if [ -z "$glyphor" ]; then
  cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$root/build-bench" --target glyphor -j2 >/dev/null
  glyphor="$root/build-bench/font/gui/glyphor"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm install --no-audit --no-fund --silent lv_font_conv >/dev/null 2>&1)
lv="$work/node_modules/.bin/lv_font_conv"
dejavu=$(fc-match -f '%{file}' 'DejaVu Sans:style=Book')
ipa=$(fc-match -f '%{file}' 'IPAGothic')
export XDG_CONFIG_HOME="$work/config"
cd "$work"

# name | glyphor type | font family | lv font file | px | bpp | first | last
cases="ascii-1bpp|EXT|DejaVu Sans|$dejavu|16|1|20|7E
ascii-2bpp|EXT_AA2|DejaVu Sans|$dejavu|16|2|20|7E
ascii-4bpp|EXT_AA4|DejaVu Sans|$dejavu|16|4|20|7E
all-1bpp|EXT|DejaVu Sans|$dejavu|16|1|0|FFFF
all-2bpp|EXT_AA2|DejaVu Sans|$dejavu|16|2|0|FFFF
all-4bpp|EXT_AA4|DejaVu Sans|$dejavu|16|4|0|FFFF
cjk-24px-4bpp|EXT_AA4|IPAGothic|$ipa|24|4|4E00|9FFF"

peak_kb() {  # median peak RSS of three runs
  for i in 1 2 3; do /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; done | sort -n | sed -n 2p
}

echo "| case | glyphs (glyphor / lv_font_conv) | glyphor median | lv_font_conv median | ratio | glyphor peak | lv_font_conv peak |"
echo "|---|---|---|---|---|---|---|"
echo "$cases" | while IFS='|' read -r name type family file px bpp first last; do
  # Negative height: the em size in pixels, as lv_font_conv's --size.
  g="$glyphor '-create$family,REGULAR,-$px,$type,UC16' -enable0-FFFF,0 -enable$first-$last,1 -saveasg_$name.c,C -exit"
  l="$lv --no-kerning --font $file --size $px --bpp $bpp --range 0x$first-0x$last --format lvgl -o l_$name.c"
  hyperfine --runs "$runs" --warmup 1 --export-json "$name.json" -n glyphor "$g" -n lv_font_conv "$l" >/dev/null
  gk=$(peak_kb sh -c "$g")
  lk=$(peak_kb sh -c "$l")
  gn=$(grep -c 'unsigned char acGUI_Font' "g_$name.c" || true)
  ln=$(grep -o 'U+[0-9A-F]*' "l_$name.c" | sort -u | wc -l)
  python3 - "$name" "$name.json" "$gn" "$ln" "$gk" "$lk" <<'PY'
import json, statistics, sys
name, path, gn, ln, gk, lk = sys.argv[1:]
res = {r["command"]: statistics.median(r["times"]) for r in json.load(open(path))["results"]}
g, l = res["glyphor"], res["lv_font_conv"]
print("| %s | %s / %s | %.3f s | %.3f s | %.1fx | %.1f MB | %.1f MB |" %
      (name, gn, ln, g, l, l / g, int(gk) / 1024, int(lk) / 1024))
PY
done
