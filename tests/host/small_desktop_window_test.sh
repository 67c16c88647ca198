#!/usr/bin/env bash
# On a desktop smaller than the 640 x 480 window (here 600 x 450, on an X display of its own)
# the window opens with its top-left corner on the desktop, so that the score line and the
# pause button along the top stay in view. A screenshot of the desktop once the menu is up
# is kept in the build folder (small-desktop.png) for looking at.
# Usage: small_desktop_window_test.sh <build-dir> <zandrel-executable>
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build-dir> <zandrel-executable>" >&2
  exit 2
fi
if [ -z "${ZANDREL_SMALL_DESKTOP:-}" ]; then
  ZANDREL_SMALL_DESKTOP=1 exec xvfb-run -a -s "-screen 0 600x450x24" bash "$0" "$@"
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

cd "$work" || fail "cannot enter $work"
ln -s "$build/data" data
sound_to_wave_file "$work/sound.wav"
"$program" > program.log 2>&1 &
pid=$!

find_window
wait_loaded
import -window root "$build/small-desktop.png" 2> /dev/null

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window at ($X, $Y), $WIDTH x $HEIGHT on a 600 x 450 desktop"
[ "$WIDTH" -eq 640 ] && [ "$HEIGHT" -eq 480 ] || fail "the window is $WIDTH x $HEIGHT, not 640 x 480"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || fail "the window's top-left corner is off the desktop, at ($X, $Y)"
echo "PASS"
