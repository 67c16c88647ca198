#!/usr/bin/env bash
# Builds the program twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer)
# and runs every test of each build through CTest. Tests that need a window or a sound
# device run on a virtual X display (xvfb-run) with Mesa's software OpenGL and OpenAL
# Soft's wave-file output.
set -uo pipefail
build_dir=${1:-build}
asan_dir=${2:-build-asan}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

summary=()
status=0

run_suite() {
  local name=$1 dir=$2 ctest_args=$3; shift 3
  echo "== $name: configure and build ($dir)"
  if ! cmake -S . -B "$dir" -G Ninja "$@" > /dev/null || ! cmake --build "$dir"; then
    summary+=("$name: BUILD FAILED"); status=1; return
  fi
  echo "== $name: tests"
  local log="$dir/ctest.log"
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    ctest --test-dir "$dir" --output-on-failure --timeout 300 -j2 $ctest_args 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  [ -n "$line" ] || line="no test summary (ctest exit $rc)"
  summary+=("$name: $line")
  [ "$rc" -eq 0 ] || status=1
}

export ALSOFT_LOGLEVEL=0
# Every test in the plain build; the unit tests again under the sanitizers (the window,
# sound-device and end-to-end tests drive the real program and are slow under them).
run_suite "plain build" "$build_dir" "" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "sanitizer build (ASan+UBSan), unit tests" "$asan_dir" "-LE window" \
  -DCMAKE_BUILD_TYPE=Debug -DZANDREL_SANITIZE=ON

# The fuzz targets, about 30 s each, seeded from the plain build's data; any finding fails.
run_fuzz_suite() {
  local log="$build_dir/fuzz.log"
  ./scripts/fuzz.sh 30 "$build_dir" build-fuzz 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  local runs
  runs=$(sed -n '/== fuzz summary/,$p' "$log" | tail -n +2 | paste -sd ';' -)
  summary+=("fuzz targets (libFuzzer, 30 s each): ${runs:-no summary (exit $rc)}")
  [ "$rc" -eq 0 ] || status=1
}
run_fuzz_suite

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
if [ $status -eq 0 ]; then echo "ALL TESTS PASSED"; else echo "SOME TESTS FAILED"; fi
exit $status
