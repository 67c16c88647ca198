#!/usr/bin/env bash
# The real program started again and again, each time over a state file of random bytes or
# of random digits and pipes: every start must reach the menu, and F4 must then end the
# program with status 0 (no crash, no runtime error). A state file that breaks a start is
# kept in the build folder as random-state-failure.
# ZANDREL_STARTS sets the number of starts (default 20; `make soak` runs 200).
# Usage: random_state_starts_test.sh <build-dir> <zandrel-executable>
set -uo pipefail
build_dir=$(cd "$1" && pwd)
program=$(realpath "$2")
starts=${ZANDREL_STARTS:-20}
here=$(cd "$(dirname "$0")" && pwd)

fail() {
  echo "FAIL (start ${n:-0} of $starts, ${kind:-} state): $*"
  if [ -n "${work:-}" ]; then
    [ -f "$work/.vantorstate.used" ] && cp "$work/.vantorstate.used" "$build_dir/random-state-failure"
    [ -f "$work/output.txt" ] && tail -5 "$work/output.txt"
  fi
  exit 1
}

command -v xdotool > /dev/null && command -v import > /dev/null ||
  fail "xdotool and ImageMagick's import are needed"
[ -n "${DISPLAY:-}" ] || fail "no X display (run under xvfb-run)"
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2> /dev/null; rm -rf "$work"' EXIT
# shellcheck source=../lib/program_driver.sh
source "$here/../lib/program_driver.sh"

ln -s "$build_dir/data" "$work/data"
printf 'drivers=null\n' > "$work/alsoft.conf"
cd "$work" || fail "cannot enter $work"

# Random decimal fields, some negative, some far too long for an int, each followed by "|";
# now and then a stray character or a missing pipe.
random_fields() {
  local count=$((RANDOM % 900)) i
  for ((i = 0; i < count; i++)); do
    case $((RANDOM % 20)) in
      0) printf -- '-%d' $((RANDOM * RANDOM)) ;;
      1) printf '%d%d%d%d' $RANDOM $RANDOM $RANDOM $RANDOM ;;
      2) printf '%d' $((RANDOM % 10)) ;;
      3) printf '' ;;
      *) printf '%d' $((RANDOM % 1000)) ;;
    esac
    case $((RANDOM % 50)) in
      0) ;;
      1) printf 'x|' ;;
      *) printf '|' ;;
    esac
  done
}

RANDOM=13
began=$(date +%s)
for n in $(seq "$starts"); do
  if [ $((n % 2)) -eq 0 ]; then
    kind=bytes
    head -c $((RANDOM % 8192)) /dev/urandom > .vantorstate
  else
    kind=digits
    random_fields > .vantorstate
  fi
  cp .vantorstate .vantorstate.used
  ALSOFT_CONF="$work/alsoft.conf" "$program" > "$work/output.txt" 2>&1 &
  pid=$!
  find_window
  wait_loaded
  tap F4
  await_exit
  [ -n "$status" ] || fail "F4 did not end the program"
  pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  grep -q "Runtime Error" "$work/output.txt" && fail "runtime error: $(grep "Runtime Error" "$work/output.txt")"
  [ $((n % 20)) -eq 0 ] && echo "$n starts, $(($(date +%s) - began)) s"
done
echo "$starts starts over random state files, none crashed ($(($(date +%s) - began)) s)"
echo "PASS"
