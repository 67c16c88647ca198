#!/usr/bin/env bash
# The whole suite, as CI runs it: the plain build (every test, window, sound and end-to-end
# ones included), the sanitizer build (ASan + UBSan, the unit tests), the fuzz targets and
# the browser build in headless Chromium. Each build is a preset of CMakePresets.json, in
# its own folder, and incremental. Tests that need a window or a sound device run on a
# virtual X display (xvfb-run) with Mesa's software OpenGL and OpenAL Soft's wave-file
# output.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

summary=()

# The unit tests run in shards, so CTest counts processes: count the tests themselves from
# the shards' reports.
count_unit_tests() {
  local reports=$1
  cat "$reports"/*.xml 2>/dev/null | awk '
    /<testsuites / {
      match($0, / tests="[0-9]+"/);    tests += substr($0, RSTART + 8, RLENGTH - 9)
      match($0, / failures="[0-9]+"/); failed += substr($0, RSTART + 11, RLENGTH - 12)
      match($0, / disabled="[0-9]+"/); skipped += substr($0, RSTART + 11, RLENGTH - 12)
    }
    END { printf "tests: %d passed, %d failed, %d skipped\n", tests - failed - skipped, failed, skipped }'
}
status=0

run_suite() {
  local name=$1 preset=$2 dir=$3
  echo "== $name: configure and build ($dir)"
  if ! cmake --preset "$preset" > /dev/null || ! cmake --build --preset "$preset"; then
    summary+=("$name: BUILD FAILED"); status=1; return
  fi
  echo "== $name: tests"
  local log="$dir/ctest.log"
  rm -rf "$dir/test-reports"
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --preset "$preset" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  [ -n "$line" ] || line="no test summary (ctest exit $rc)"
  summary+=("$name: $line" "  $(count_unit_tests "$dir/test-reports")")
  [ "$rc" -eq 0 ] || status=1
}

export ALSOFT_LOGLEVEL=0
# Every test in the plain build; the unit tests again under the sanitizers (the window,
# sound-device and end-to-end tests drive the real program and are slow under them).
run_suite "plain build" plain build
run_suite "sanitizer build (ASan+UBSan), unit tests" sanitizers build-asan

# The fuzz targets, about 30 s each, seeded from the plain build's data; any finding fails.
run_fuzz_suite() {
  local log=build/fuzz.log
  ./scripts/fuzz.sh 30 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local runs
  runs=$(sed -n '/== fuzz summary/,$p' "$log" | tail -n +2 | paste -sd ';' -)
  summary+=("fuzz targets (libFuzzer, 30 s each): ${runs:-no summary (exit $rc)}")
  [ "$rc" -eq 0 ] || status=1
}
run_fuzz_suite

# --- browser build --------------------------------------------------------------------------
# The program compiled by Emscripten into build-web/site/ (incremental, like the other builds),
# then driven in headless Chromium by tests/web: page, progress, start with sound, the menu
# against the desktop program's picture of it (the plain build's program), a played game,
# its score after a reload, refused storage.
run_web_suite() {
  local name="browser build" web_dir=build-web
  echo "== $name: build ($web_dir)"
  if ! ./scripts/build_web.sh; then
    summary+=("$name: BUILD FAILED"); status=1; return
  fi
  echo "== $name: tests"
  local log="$web_dir/web-tests.log"
  ZANDREL_SITE="$web_dir/site" ZANDREL_NATIVE_BUILD=build ZANDREL_WEB_OUT="$web_dir/e2e" \
    node --test tests/web/ 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]} passed failed
  passed=$(grep -E '^# pass [0-9]+$' "$log" | awk '{print $3}')
  failed=$(grep -E '^# fail [0-9]+$' "$log" | awk '{print $3}')
  if [ -n "$passed" ] && [ -n "$failed" ]; then
    summary+=("$name: $passed passed, $failed failed")
  else
    summary+=("$name: no test summary (node exit $rc)")
  fi
  [ "$rc" -eq 0 ] || status=1
}
run_web_suite

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
if [ $status -eq 0 ]; then echo "ALL TESTS PASSED"; else echo "SOME TESTS FAILED"; fi
exit $status
