#!/usr/bin/env bash
# The desktop program's picture of the menu for the browser test to compare with: the
# program runs in <work-dir> (which holds data/ and the state file) and is shot 1.5 s after
# its loading screen has gone, then ended with F4.
# Usage: desktop_menu_shot.sh <zandrel-executable> <work-dir> <out.png>
set -uo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
program=$(realpath "$1")
work=$2
out=$(realpath -m "$3")
pid=""
fail() {
  echo "FAIL: $*" >&2
  [ -n "$pid" ] && kill "$pid" 2> /dev/null
  exit 1
}
source "$(dirname "$0")/../lib/program_driver.sh"
cd "$work" || exit 1
# No sound is wanted from this run.
printf 'drivers=null\n' > alsoft.conf
export ALSOFT_CONF="$work/alsoft.conf" ALSOFT_LOGLEVEL=0
"$program" > program.log 2>&1 &
pid=$!
find_window
wait_loaded  # returns 0.6 s after the loading screen has gone
sleep 0.9
import -window "$window" "$out" 2> /dev/null || fail "no screenshot of the desktop menu"
xdotool key F4
await_exit
