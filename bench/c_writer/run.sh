#!/bin/sh
# Benchmark of the C bitmap writer against dd (run by hand, not in CI).
# Usage: bench/c_writer/run.sh [output folder] [runs]
# Builds the timing program in build-bench (Release, BUILD_BENCHMARKS=ON), then runs it.
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
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target c_writer_bench >/dev/null
mkdir -p "$out"
"$build/bench/c_writer_bench" "$out" "$runs"
