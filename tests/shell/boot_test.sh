#!/usr/bin/env bash
# The program as a player starts it, on the X display of the test run: its window shows the
# loading screen, then the menu takes over, the start-up jingle is heard, and F4 ends the
# program with status 0. Screenshots of both screens are kept in the build folder
# (boot-loading.png, boot-menu.png) for looking at.
# Usage: boot_test.sh <build-dir> <zandrel-executable>
set -uo pipefail
build_dir=$(cd "$1" && pwd)
program=$2
loading_colour="srgb(40,40,80)"

fail() {
  echo "FAIL: $*"
  exit 1
}

for tool in xdotool import convert sox; do
  command -v "$tool" > /dev/null || fail "$tool is not installed"
done
[ -n "${DISPLAY:-}" ] || fail "no X display (run under xvfb-run)"

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The program reads ./data beside its working folder and writes its sound to a file here.
ln -s "$build_dir/data" "$work/data"
cat > "$work/alsoft.conf" << EOF
drivers=wave
[wave]
file=$work/sound.wav
EOF

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Colour of one pixel of the window, from a screenshot kept in $work/shot.png.
window_pixel() {
  import -window "$window" "$work/shot.png" 2> /dev/null || return 1
  convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:
}

cd "$work" || fail "cannot enter $work"
started=$(now_ms)
ALSOFT_CONF="$work/alsoft.conf" "$program" > "$work/output.txt" 2>&1 &
pid=$!

window=$(timeout 30 xdotool search --sync --name '^Zandrel$' | head -1)
[ -n "$window" ] || fail "no window named Zandrel appeared"
window_ms=$(($(now_ms) - started))

# The loading screen: its fill colour in the corner.
seen_loading=
for _ in $(seq 1 200); do
  colour=$(window_pixel 4 4) || continue
  if [ "$colour" = "$loading_colour" ]; then
    seen_loading=$(($(now_ms) - started))
    cp "$work/shot.png" "$build_dir/boot-loading.png"
    break
  fi
  kill -0 "$pid" 2> /dev/null || fail "the program ended during start-up: $(cat "$work/output.txt")"
done
[ -n "$seen_loading" ] || fail "the loading screen never showed (corner colour $colour)"

# The loading screen stays until everything is loaded; then the menu draws over the corner.
seen_menu=
for _ in $(seq 1 200); do
  colour=$(window_pixel 4 4) || continue
  if [ "$colour" != "$loading_colour" ]; then
    seen_menu=$(($(now_ms) - started))
    cp "$work/shot.png" "$build_dir/boot-menu.png"
    break
  fi
done
[ -n "$seen_menu" ] || fail "the loading screen never gave way to the menu"

# F4 is the quiet exit.
xdotool windowfocus --sync "$window" 2> /dev/null
xdotool key F4
for _ in $(seq 1 100); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2> /dev/null && fail "F4 did not end the program"
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || fail "F4 ended the program with status $status"

# The jingle played while loading (the wave file is left unfinished by the quick exit,
# which sox reads with a warning).
rms=$(sox "$work/sound.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
[ -n "$rms" ] || fail "no sound output was written"
awk -v rms="$rms" 'BEGIN { exit !(rms > 0.001) }' || fail "the start-up jingle was silent (RMS $rms)"

echo "window after ${window_ms} ms, loading screen seen at ${seen_loading} ms," \
  "menu at ${seen_menu} ms; sound RMS ${rms}"
echo "PASS"
