#!/usr/bin/env bash
# Runs the benchmarks. The frame benchmarks need an X display; without one they run on a
# virtual display (xvfb-run). Without a GPU, Mesa's software rasterizer does its vertex and
# triangle work inside the GL calls themselves, so the frame is timed twice: on the driver
# as it is, and on Mesa's no-op driver (GALLIUM_NOOP=1), where every GL call is still made,
# validated and its vertices taken, but nothing is drawn — the cost of building and
# submitting a frame, as a driver that queues its work would see it.
# Usage: bench.sh [build-dir]
set -euo pipefail
bench=${1:-build}/bench/zandrel_bench

on_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}

on_display "$bench"
echo "== the frame again on Mesa's no-op driver (GL calls made, nothing drawn)"
GALLIUM_NOOP=1 on_display "$bench" --benchmark_filter='FullSpriteFrame|BareGlQuads'
