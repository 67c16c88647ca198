#!/usr/bin/env bash
# The long safety runs: every game for 100,000 random-input updates through the whole
# shell (pause menu, focus loss, window-size changes) in the sanitizer build, then 200
# starts of the real program over random state files on a virtual display.
# Both builds are the presets' (build-asan, build).
set -uo pipefail
build_dir=build
asan_dir=build-asan
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
status=0
summary=()

echo "== soak: sanitizer build ($asan_dir)"
cmake --preset sanitizers > /dev/null && cmake --build --preset sanitizers || exit 1
echo "== soak: 26 games x 100,000 updates (two processes)"
began=$(date +%s)
pids=()
for shard in 0 1; do
  ZANDREL_SOAK_UPDATES=100000 GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX=$shard \
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$asan_dir/tests/zandrel_tests" --gtest_filter='EveryGame/AllGamesSoakTest.*' \
    > "$asan_dir/soak-$shard.log" 2>&1 &
  pids+=($!)
done
for shard in 0 1; do
  if ! wait "${pids[$shard]}"; then
    status=1
    tail -30 "$asan_dir/soak-$shard.log"
  fi
done
passed=$(cat "$asan_dir"/soak-*.log | grep -c '^\[       OK \]')
summary+=("games soak: $passed of 26 games passed in $(($(date +%s) - began)) s")

echo "== soak: 200 starts over random state files"
cmake --preset plain > /dev/null && cmake --build --preset plain || exit 1
if ZANDREL_STARTS=200 xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash tests/host/random_state_starts_test.sh "$build_dir" "$build_dir/zandrel" \
  > "$build_dir/random-starts.log" 2>&1; then
  summary+=("random state starts: $(grep -m1 'starts over' "$build_dir/random-starts.log")")
else
  status=1
  summary+=("random state starts: FAILED, see $build_dir/random-starts.log")
  tail -10 "$build_dir/random-starts.log"
fi

echo "== soak summary"
printf '%s\n' "${summary[@]}"
exit $status
