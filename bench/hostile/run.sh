#!/usr/bin/env bash
# Hostile-file benchmark: peak memory (maximum resident set) and time of whole rastrel
# and glyphor jobs on the hostile file set of tests/hostile, each of which must stay
# below 64 MB and 1 s. Run by hand: bench/hostile/run.sh [BUILD]. BUILD is a build tree
# that holds rastrel, glyphor and make_hostile_files (default: a Release tree
# build-bench). Results go to standard output as the table of results.md.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-}
if [ -z "$build" ]; then
  build=build-bench
  cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=ON >/dev/null
  cmake --build $build --target rastrel glyphor make_hostile_files >/dev/null
fi
rastrel=$(realpath $build/bitmap/gui/rastrel 2>/dev/null || find "$build" -name rastrel -type f -perm -u+x | head -1)
glyphor=$(realpath $build/font/gui/glyphor 2>/dev/null || find "$build" -name glyphor -type f -perm -u+x | head -1)
maker=$(find "$build" -name make_hostile_files -type f -perm -u+x | head -1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" "$work"
mkfifo "$work/pipe.bmp"
ln -s /dev/zero "$work/zero.bmp"
ln -s /dev/zero "$work/zero.xbf"
export XDG_CONFIG_HOME="$work/config"

# One job: prints "| what | peak MB | seconds | exit |"; a job still running after 10 s
# is stopped and shows as exit 124.
measure() {
  local what=$1
  shift
  local rc=0
  (cd "$work" && timeout 10 /usr/bin/time -f '%M %e' -o "$work/.time" "$@" >/dev/null 2>&1) || rc=$?
  # time writes "Command exited with non-zero status N" before its own line.
  read -r kb secs < <(tail -n 1 "$work/.time") || { kb=0; secs=10; }
  awk -v w="$what" -v kb="$kb" -v s="$secs" -v rc="$rc" 'BEGIN { printf "| %s | %.1f | %.2f | %d |\n", w, kb / 1024, s, rc }'
}

echo "| job | peak MB | seconds | exit code |"
echo "|---|---|---|---|"
measure "54-byte BMP claiming 2^28 x 1 pixels" "$rastrel" wide.bmp -exit
measure "150-byte progressive JPEG, 8192 x 8192 x 3" "$rastrel" progressive.jpg -exit
measure "20 KB JPEG with 2,000 empty scans" "$rastrel" scans.jpg -exit
measure "progressive JPEG 4096 x 4096 cut after 8 bytes of data" "$rastrel" truncated.jpg -exit
measure "33 KB PNG of zeros, 16384 x 16384" "$rastrel" zeros.png -exit
measure "54-byte BMP 2048 x 2048, three flips and a save" "$rastrel" square.bmp -fliph -flipv -fliph -saveasout.bmp,2 -exit
measure "BMP that is a FIFO nobody writes" "$rastrel" pipe.bmp -exit
measure "BMP that is a link to /dev/zero" "$rastrel" zero.bmp -exit
measure "XBF that is a link to /dev/zero (glyphor)" "$glyphor" zero.xbf -exit
