#!/bin/sh
# Benchmark of the C bitmap writer against dd (run by hand, not in CI).
# Usage: bench/c_writer/run.sh [output folder] [runs]
# Builds the libraries in build-bench (Release), then the timing program, then runs it.
# The output folder (default: a fresh folder under build-bench) should be on the disk you
# care about; both the writer and dd write there.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-bench"
out=${1:-"$build/c_writer_out"}
runs=${2:-7}

if ! command -v cmake >/dev/null || ! command -v ninja >/dev/null || ! command -v c++ >/dev/null; then
  if [ "$(id -u)" = 0 ]; then apt=apt-get; else apt="sudo apt-get"; fi
  $apt install -y cmake ninja-build build-essential coreutils libpng-dev libfreetype-dev libfontconfig-dev
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target bitmap_output >/dev/null
c++ -std=c++20 -O2 -DNDEBUG -I"$root" "$root/bench/c_writer/c_writer_bench.cpp" \
  "$build/bitmap/output/libbitmap_output.a" "$build/bitmap/formats/libbitmap_format_bmp.a" \
  "$build/bitmap/document/libbitmap_document.a" "$build/colour/libcolour.a" \
  "$build/common/settings/libcommon_settings.a" "$build/common/cmdline/libcommon_cmdline.a" \
  "$build/common/host/libcommon_host.a" -lpng -lz -o "$build/c_writer_bench"
mkdir -p "$out"
"$build/c_writer_bench" "$out" "$runs"
