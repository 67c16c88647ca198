#!/usr/bin/env bash
# Runs the benchmarks, each goal against a bare-GL program doing the same work, in one run:
#  1. every scene (the menu and each game, 640 x 480 and 1920 x 1080) drawn our way and by
#     bare GL in turn: ratio of CPU per frame, the share of a core at 60 frames a second,
#     and whether the two pictures agree (diff_px);
#  2. the menu as a whole process against a bare GL loop of the same window: CPU share and
#     peak memory;
#  3. building and submitting 2,499 sprites against bare GL quads on Mesa's no-op driver
#     (GALLIUM_NOOP=1: every GL call made and validated, nothing drawn);
#  4. each game's update, mean and 99th percentile;
#  5. the browser build (built into build-web/site) on a phone-sized page in
#     headless Chromium: download, time to the first menu frame, and main-thread time a
#     frame at 4x CPU throttling, p50 and p95, in the menu and the three busiest games.
# The frame benchmarks need an X display of at least 1920 x 1080; without one they run on a
# virtual display. They read the art from the build directory's data folder.
# Usage: bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
bench=$build/bench/zandrel_bench
export ALSOFT_DRIVERS=null  # no sound card needed; the sound still loads and mixes

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build"
fi
cd "$build"

echo "== 1. scenes: ours against bare GL drawing the same frame (ratio = CPU ours / bare)"
"$bench" --benchmark_filter='^Scene/'

echo "== 2. the menu at 640 x 480 as a whole process, against a bare GL loop"
whole_process() {  # program... : CPU % of one core over 8 s after 4 s, and peak memory
  "$@" > /dev/null 2>&1 &
  local pid=$! window
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" 2> /dev/null | tail -1)
  xdotool windowfocus --sync "$window" 2> /dev/null || true  # unfocused, the game pauses
  sleep 4
  local t0 s0 t1 s1
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat"); s0=$(date +%s.%N)
  sleep 8
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat"); s1=$(date +%s.%N)
  local peak
  peak=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2> /dev/null || true
  awk -v t="$((t1 - t0))" -v hz="$(getconf CLK_TCK)" -v s0="$s0" -v s1="$s1" -v peak="$peak" \
    'BEGIN { printf "cpu %.1f %% of a core, peak memory %d MB\n", 100 * t / hz / (s1 - s0), peak }'
}
printf "menu:      "; whole_process ./zandrel
printf "bare loop: "; whole_process ./bench/zandrel_bare_loop 14

echo "== 3. 2,499 sprites built and submitted on Mesa's no-op driver (ratio = ours / bare GL)"
GALLIUM_NOOP=1 "$bench" --benchmark_filter='SpritesAgainstBareGl|FullSpriteFrame|BareGlQuads'

echo "== 4. game updates"
"$bench" --benchmark_filter='^GameUpdate/'

echo "== 5. the browser build on a phone (844 x 390, 3 device pixels a CSS pixel, CPU 4x slower)"
"$root/scripts/build_web.sh" > /dev/null
node "$root/bench/web/page_speed.mjs" "$root/build-web/site"
