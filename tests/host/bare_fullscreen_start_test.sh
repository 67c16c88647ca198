#!/usr/bin/env bash
# A fullscreen start on a bare X display (no window manager hands out the focus, as on
# arcade cabinets and kiosks) draws the loading screen and then the menu at once, with no
# one clicking the window; F4 then ends the program, and the sound library, asked to
# report its errors, finds its device closed. The screen once the menu is up is kept in
# the build folder (bare-fullscreen.png) for looking at.
# Usage: bare_fullscreen_start_test.sh <build-dir> <zandrel-executable>
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build-dir> <zandrel-executable>" >&2
  exit 2
fi
if [ -z "${ZANDREL_BARE_DISPLAY:-}" ]; then
  ZANDREL_BARE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
program=$(realpath "$2")
source "$(dirname "$0")/../lib/program_driver.sh"
make_scratch
fail() {
  echo "FAIL: $*"
  exit 1
}
require_tools xdotool import

# The colour of the screen's pixel at (x, y), as #RRGGBB.
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2> /dev/null | tail -1 | grep -o '#[0-9A-F]\{6\}'
}

cd "$work" || fail "cannot enter $work"
ln -s "$build/data" data
sound_to_wave_file "$work/sound.wav"
export ALSOFT_LOGLEVEL=1
"$program" --fullscreen > program.log 2>&1 &
pid=$!

# Without the focus the program would stay suspended: black, before any update ran.
drawn=""
for _ in $(seq 100); do
  alive || fail "the program ended early: $(cat program.log)"
  pixel=$(screen_pixel 2 2)
  if [ -n "$pixel" ] && [ "$pixel" != "#000000" ]; then drawn=$pixel; break; fi
  sleep 0.1
done
[ -n "$drawn" ] || fail "the screen stayed black for ten seconds"
echo "first picture: $drawn in the top-left corner"
for _ in $(seq 100); do [ "$(screen_pixel 2 2)" != "#282850" ] && break; sleep 0.1; done
[ "$(screen_pixel 2 2)" != "#282850" ] || fail "the loading screen did not go away"
sleep 0.6
import -window root "$build/bare-fullscreen.png" 2> /dev/null

xdotool key F4
await_exit
[ "$status" = 0 ] || fail "F4 did not end the program with status 0 (status '$status')"
if grep -q "device not closed" program.log; then
  fail "the sound device was left open: $(grep 'not closed' program.log)"
fi
echo "PASS"
