#!/usr/bin/env bash
# Viewer benchmark: four 800 x 480 32-bpp layers changing every frame at 50 frames per
# second (vorixsim), the viewer with its four layer views and the composite on an Xvfb
# server; then a still simulation for the idle case. Run from anywhere:
# bench/viewer/run.sh [SECONDS]. Prints the figures; results.md holds the last ones.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-10}
build=build-bench
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build $build --target vorixsim viewer_ui >/dev/null
moc=$(pkg-config --variable=libexecdir Qt6Core 2>/dev/null || echo /usr/lib/qt6/libexec)/moc
c++ -std=c++20 -O2 -fPIC -I. -I$build $(pkg-config --cflags Qt6Widgets) bench/viewer/bench_viewer.cpp \
  $build/viewer/ui/libviewer_ui.a $build/viewer/libviewer_core.a \
  $build/common/settings/libcommon_settings.a $(pkg-config --libs Qt6Widgets) -lrt -o $build/bench_viewer

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config VORIX_SHM_PREFIX=bench$$_
Xvfb -displayfd 4 -screen 0 3400x2200x24 -nolisten tcp 4>$work/display 2>/dev/null &
xvfb=$!
sim=
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null || true
  kill $xvfb 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s $work/display ] && break; sleep 0.1; done
export DISPLAY=:$(cat $work/display)
sleep 0.5
layers=(--display 800x480@32 --display 800x480@32+40+30 --display 800x480@32+80+60 --display 800x480@32+120+90)
$build/tools/vorixsim/vorixsim "${layers[@]}" &
sim=$!
echo "== changing every frame (vorixsim, 4 x 800x480x32, 50 fps)"
$build/bench_viewer --all "$seconds"
kill $sim; wait $sim || true
# At 100 frames per second every 20 ms tick sees a change, so the repaint rate shows what
# the viewer sustains rather than how the two 20 ms clocks happen to line up.
$build/tools/vorixsim/vorixsim --fps 100 "${layers[@]}" &
sim=$!
echo "== changing twice per tick (vorixsim, 4 x 800x480x32, 100 fps)"
$build/bench_viewer --all "$seconds"
kill $sim; wait $sim || true
$build/tools/vorixsim/vorixsim --still "${layers[@]}" &
sim=$!
echo "== nothing changing (vorixsim --still)"
$build/bench_viewer --idle "$seconds"
