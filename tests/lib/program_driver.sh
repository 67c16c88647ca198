# Driving the program's window with real key presses, for the end-to-end scripts. The
# script that sources this sets $pid (the program) and defines fail; find_window sets
# $window.

window=""
find_window() {
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" 2> /dev/null | tail -1)
  [ -n "$window" ] || fail "no window for the program"
  xdotool windowfocus --sync "$window" 2> /dev/null
}
alive() { kill -0 "$pid" 2> /dev/null; }
# A key held for a few updates (an update must see it down, even on a busy machine), then
# released as long, so that the shell's key latch clears and each tap counts once. A
# script whose display repeats no held key can hold longer ($tap_seconds).
tap() {
  alive || fail "the program ended early (before the key $1)"
  xdotool keydown "$1"
  sleep "${tap_seconds:-0.1}"
  xdotool keyup "$1"
  sleep "${tap_seconds:-0.1}"
}
taps() {
  local _
  for _ in $(seq "$2"); do tap "$1"; done
}
# The loading screen's fill colour (40, 40, 80) in the window's top-left corner.
loading() {
  local pixel
  pixel=$(import -window "$window" -crop 1x1+2+2 -depth 8 txt:- 2> /dev/null | tail -1)
  [[ "$pixel" == *"#282850"* ]]
}
# After a start or a size change the art is loaded again, one step per update, behind the
# loading screen; the menu takes input again once it has gone and its panel slid in.
wait_loaded() {
  local _
  for _ in $(seq 30); do loading && break; sleep 0.1; done
  for _ in $(seq 600); do
    alive || fail "the program ended while loading"
    loading || { sleep 0.6; return 0; }
    sleep 0.1
  done
  fail "the loading screen did not go away"
}
# Waits up to ten seconds for the program to end, then sets $status to its exit status
# (left empty while it still runs).
await_exit() {
  local _
  status=""
  for _ in $(seq 100); do
    if ! alive; then
      wait "$pid"
      status=$?
      return 0
    fi
    sleep 0.1
  done
}
# A scratch folder $work, removed at exit, with the program ($pid) ended first if it runs.
make_scratch() {
  work=$(mktemp -d)
  pid=""
  trap 'if [ -n "$pid" ] && kill -0 "$pid" 2> /dev/null; then kill "$pid"; fi; rm -rf "$work"' EXIT
}
# Fails unless every named tool is on PATH.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" > /dev/null || fail "$tool is not installed"
  done
}
# Sends the program's sound to the wave file $1 instead of a sound card (through
# $work/alsoft.conf), so that what it played can be measured.
sound_to_wave_file() {
  printf 'drivers=wave\n[wave]\nfile=%s\n' "$1" > "$work/alsoft.conf"
  export ALSOFT_CONF="$work/alsoft.conf" ALSOFT_LOGLEVEL=0
}
# Presses the screenshot key and waits up to five seconds for the program to say where
# the picture went (on its standard output, kept in the file $1); sets $shot to that file.
take_screenshot() {
  local line="" _
  xdotool key F12
  for _ in $(seq 250); do
    line=$(grep '^Screenshot saved: ' "$1" | tail -1)
    [ -n "$line" ] && break
    sleep 0.02
  done
  [ -n "$line" ] || fail "F12 said nothing on standard output"
  shot=${line#Screenshot saved: }
}
