#!/usr/bin/env bash
# The screenshot key on the real program: F12 in the menu writes a PNG of the window's size
# into $XDG_PICTURES_DIR/Zandrel/, says where on standard output, and the picture matches
# the window read back from the X server. The run also has a state folder that cannot be
# made: the program says so once, plays on without saving, and F4 still ends it with 0.
# Usage: screenshot_key_test.sh <build-dir> <zandrel-executable>
set -uo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
program=$(realpath "$2")

source "$(dirname "$0")/../lib/program_driver.sh"
make_scratch
fail() {
  echo "FAIL: $*"
  sed 's/^/  program: /' "$work/out.txt" "$work/err.txt" 2> /dev/null | tail -20
  exit 1
}

mkdir "$work/run"
touch "$work/blocked"
printf 'drivers=wave\n[wave]\nfile=%s\n' "$work/sound.wav" > "$work/alsoft.conf"
cd "$work/run" || exit 1
ALSOFT_CONF="$work/alsoft.conf" ALSOFT_LOGLEVEL=0 XDG_DATA_HOME="$work/blocked" \
  XDG_PICTURES_DIR="$work/pictures" "$program" --data "$build/data" \
  > "$work/out.txt" 2> "$work/err.txt" &
pid=$!
find_window
wait_loaded

take_screenshot "$work/out.txt"
import -window "$window" "$work/screen.png" 2> /dev/null || fail "cannot read the window back"
[[ "$shot" == "$work/pictures/Zandrel/zandrel-"*.png ]] || fail "the screenshot went to $shot"
[ -f "$shot" ] || fail "no file at $shot"

eval "$(xdotool getwindowgeometry --shell "$window")"
size=$(identify -format '%wx%h' "$shot")
[ "$size" = "${WIDTH}x${HEIGHT}" ] || fail "the screenshot is $size, the window ${WIDTH}x${HEIGHT}"
# The menu moves a little between the key and the read-back (its backdrop turns): the two
# pictures, shrunk to a tenth so that the turning edges average out, must be close
# (root-mean-square difference, 0..1). The same picture upside down is far off, so a
# flipped screenshot cannot pass.
distance() {
  convert "$1" -resize 10% "$work/a.png" && convert "$2" -resize 10% "$work/b.png" &&
    compare -metric RMSE "$work/a.png" "$work/b.png" null: 2>&1 | sed -E 's/.*\((.*)\)/\1/'
}
near=$(distance "$shot" "$work/screen.png")
awk -v d="$near" 'BEGIN {exit !(d < 0.06)}' || fail "the screenshot is $near away from the window"
convert "$shot" -flip "$work/flipped.png"
far=$(distance "$work/flipped.png" "$work/screen.png")
awk -v d="$far" 'BEGIN {exit !(d > 0.12)}' ||
  fail "the window looks alike upside down ($far): the comparison proves nothing"

xdotool key F4
await_exit
[ -n "$status" ] || fail "F4 did not end the program"
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(cat "$work/err.txt")" = "zandrel: cannot make the folder $work/blocked/zandrel for saved progress (Not a directory); playing on without saving" ] ||
  fail "standard error was not the one line about the state folder"
[ -z "$(ls -A "$work/run")" ] || fail "something was written into the working folder: $(ls -A "$work/run")"
echo "PASS: screenshot $size, $near from the window read back ($far upside down)"
