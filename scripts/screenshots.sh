#!/usr/bin/env bash
# Pictures of the collection for people to look at: the real program, fullscreen on a
# 1280 x 720 virtual display, the menu and a few games in play, each taken with the
# program's own screenshot key (F12), then reduced to 256 colours to keep them small.
# Each game is found by its place in the menu. A busy machine can lose a key press or hold
# one long enough for the menu's own repeat (the display itself repeats none): look at the
# pictures before committing them.
# Usage: screenshots.sh <build-dir> <output-dir>
set -uo pipefail
if [ -z "${ZANDREL_SCREENSHOT_DISPLAY:-}" ]; then
  exec env ZANDREL_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x720x24 -ardelay 60000" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
program="$build/zandrel"

source "$(dirname "$0")/../tests/lib/program_driver.sh"
tap_seconds=0.15
make_scratch
fail() {
  echo "screenshots: $*" >&2
  exit 1
}

printf 'drivers=wave\n[wave]\nfile=%s\n' "$work/sound.wav" > "$work/alsoft.conf"
export ALSOFT_CONF="$work/alsoft.conf" ALSOFT_LOGLEVEL=0 XDG_PICTURES_DIR="$work/pictures"

# shoot <name> <card 1..26, or 0 for the menu> <seconds of play> <keys held meanwhile...>
shoot() {
  local name=$1 card=$2 seconds=$3
  shift 3
  "$program" --fullscreen --data "$build/data" --state "$work/state" > "$work/out.txt" 2>&1 &
  pid=$!
  find_window
  wait_loaded
  # The game of the day is one of 1..26: 27 steps left end on the first card.
  taps Left 27
  if [ "$card" -gt 0 ]; then
    taps Right $((card - 1))
    tap space
    local end=$((SECONDS + seconds)) key
    while [ $SECONDS -lt $end ]; do
      for key in "$@"; do tap "$key"; done
      [ $# -gt 0 ] || sleep 0.2
    done
  else
    sleep "$seconds"
  fi
  take_screenshot "$work/out.txt"
  pngquant --force --speed 1 --quality 60-90 --output "$out/$name.png" "$shot" ||
    fail "$name: pngquant failed"
  xdotool key F4
  await_exit
  pid=""
  echo "$out/$name.png: $(identify -format '%wx%h' "$out/$name.png"), $(($(stat -c %s "$out/$name.png") / 1024)) KiB"
}

shoot menu 0 1
shoot velocity 22 2
shoot jumpjet 10 3 Right space
shoot maze 13 3 Left Up
shoot soda 19 3 Down space
