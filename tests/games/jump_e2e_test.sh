#!/usr/bin/env bash
# Jump from end to end, as a player meets it: start the program, choose Jump in the menu
# with real key presses, play until the wheel crashes, and find the score in the state file
# and, after the next start, in the tables the program loaded. On the way it takes
# screenshots of Jump in play and of the pause menu (kept in <build>/jump-e2e/) and checks
# that the jump sound reached the sound output (OpenAL Soft's wave writer).
# Usage: jump_e2e_test.sh <build-dir> <zandrel-executable>
set -euo pipefail

build=$(cd "$1" && pwd)
program=$(realpath "$2")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

out="$build/jump-e2e"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# The program reads ./data and keeps ./.vantorstate in its working directory.
ln -s "$build/data" "$work/data"
export ALSOFT_CONF="$work/alsoft.conf"
export ALSOFT_LOGLEVEL=0
state="$work/.vantorstate"

# Each run records its own sound output.
window=""
start_program() {
  cat > "$ALSOFT_CONF" <<EOF
drivers=wave
channels=stereo
sample-type=int16
frequency=44100
[wave]
file=$work/sound-$1.wav
EOF
  (cd "$work" && exec "$program" > "$work/stdout-$1.txt" 2>&1) &
  pid=$!
  window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Zandrel$' | head -1)
  [ -n "$window" ] || fail "no window"
  xdotool windowfocus "$window" 2>/dev/null || true
  xdotool mousemove --window "$window" 600 400
  # The loading screen is filled with (40, 40, 80); keys do nothing until the menu is up.
  for _ in $(seq 100); do
    pixel=$(import -window "$window" -crop 1x1+5+100 -depth 8 txt:- 2>/dev/null | tail -1)
    case "$pixel" in
      *"(40,40,80)"* | "") sleep 0.2 ;;
      *) break ;;
    esac
  done
  sleep 0.6  # the menu's panel slides in
}

# A key held for a few updates, so that held-key controls see it.
tap() {
  xdotool keydown "$1"
  sleep "${2:-0.06}"
  xdotool keyup "$1"
  sleep 0.06
}

click() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1
  sleep 0.1
  xdotool mouseup 1
  xdotool mousemove --window "$window" 600 400
}

screenshot() {
  import -window "$window" "$out/$1.png"
}

# Field n of the state text (the score group of Jump, game 22, starts at field 35 + 21 x 21).
field() { tr -d '\n' < "$state" | cut -d'|' -f$(($1 + 1)); }
jump_top() { field $((476 + 2 * $1)); }
jump_last() { field $((477 + 2 * $1)); }

# From anywhere in the card row: right to the last card (Z), back four to V, then fire.
choose_jump() {
  for _ in $(seq 26); do tap Right; done
  for _ in $(seq 4); do tap Left; done
  tap space
  sleep 0.5
}

stamp() { stat -c %i.%Y "$state" 2>/dev/null || echo none; }

# Bounce: hold jump, let go briefly so that the next landing jumps again. It stops as soon
# as the play has been recorded, before a press could start the next one in the menu (the
# retracting banner still swallows input for a while after the save).
bounce_until_saved() {
  local before=$1 end=$((SECONDS + $2))
  while [ $SECONDS -lt $end ] && [ "$(stamp)" = "$before" ]; do
    xdotool keydown space
    sleep 0.5
    xdotool keyup space
    sleep 0.12  # long enough for an update to see it even when the machine is busy
  done
}

wait_for_save() {
  local before=$1
  for _ in $(seq 150); do
    if [ "$(stamp)" != "$before" ]; then return 0; fi
    sleep 0.2
  done
  fail "the score was never saved"
}

# --- first run: play until a positive score is recorded ---
# A bouncing wheel touches the ground for a few updates in every jump, so about half the
# plays hit the first bush (or close group) before scoring; twelve failing plays are rare.
start_program 1
grep -q "Highscore 21 Loaded" "$work/stdout-1.txt" && fail "a fresh directory has no tables"
# The game's tune would fill the silences the jump sound is found between: effects only
# (options, the Sound row once from effects and music to effects, back).
tap u
sleep 1
tap Down
tap space
tap Up
tap space
sleep 1
first=0
for attempt in $(seq 12); do
  choose_jump
  if [ "$attempt" = 1 ]; then
    # One jump on its own once the start chime is over, with the wheel still far from every
    # bush and gift: its sound is briefly the only one.
    sleep 0.3
    tap space 0.3
    sleep 0.6
    screenshot jump-play
    click 16 16  # the pause button
    sleep 0.8
    screenshot pause-menu
    click 320 250  # resume
    sleep 0.6
  fi
  before=$(stamp)
  bounce_until_saved "$before" 8
  wait_for_save "$before"  # the crash, the banner, the recording
  first=$(jump_last 0)
  echo "play $attempt: score $first"
  [ "$first" -gt 0 ] && break
  sleep 1.5  # the banner retracts over the menu
done
[ "$first" -gt 0 ] || fail "no play scored"
[ "$(jump_top 0)" = "$first" ] || fail "best Jump score is $(jump_top 0), expected $first"
sleep 3  # let the sound output catch up before the program ends
xdotool key F4
wait "$pid" || fail "F4 did not end the program normally"
pid=""

# --- second run: the tables come back from the state file ---
start_program 2
grep -q "Highscore 21 Loaded" "$work/stdout-2.txt" || fail "Jump's tables were not loaded"
choose_jump
before=$(stamp)
wait_for_save "$before"  # no key pressed: the first bush ends it
second=$(jump_last 0)
[ "$(jump_last 1)" = "$first" ] || fail "the last-ten list lost the first score"
best=$(( first > second ? first : second ))
[ "$(jump_top 0)" = "$best" ] || fail "best Jump score is $(jump_top 0), expected $best"
xdotool key F4
wait "$pid" || fail "F4 did not end the program normally"
pid=""

# --- what was seen and heard ---
# In play the sky eases to (0, 60, 140); the strip under the score line shows it.
sky=$(convert "$out/jump-play.png" -crop 400x60+120+120 -resize '1x1!' -depth 8 \
  -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)
read -r red green blue <<< "$sky"
[ "$red" -le 20 ] && [ "$green" -ge 40 ] && [ "$green" -le 80 ] && [ "$blue" -ge 115 ] ||
  fail "the play screenshot's sky is ($sky)"
# The pause panel is orange in the middle of the screen.
panel=$(convert "$out/pause-menu.png" -crop 60x16+220+200 -resize '1x1!' -depth 8 \
  -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)
read -r red green blue <<< "$panel"
[ "$red" -ge 150 ] && [ "$blue" -le 80 ] || fail "no pause panel in the screenshot ($panel)"

# The jump effect is the only low sound of a play (the first run plays no music) (a rough frequency near 300..500 Hz; the
# other effects are above 600 Hz): split the output at its silences and look for a piece
# of its length and pitch (the lone jump of the first play gives one).
cp "$work/sound-1.wav" "$out/sound.wav"
(cd "$out" && sox sound.wav piece.wav silence 1 0.01 0.5% 1 0.03 0.5% : newfile : restart 2>/dev/null) || true
found=""
for piece in "$out"/piece*.wav; do
  [ -f "$piece" ] || continue
  stats=$(sox "$piece" -n stat 2>&1)
  length=$(awk '/Length/ {print $3}' <<< "$stats")
  rough=$(awk '/Rough/ {print $3}' <<< "$stats")
  if awk -v l="$length" -v f="$rough" 'BEGIN {exit !(l >= 0.2 && l <= 0.5 && f >= 180 && f <= 560)}'; then
    found="$piece ($length s, $rough Hz)"
    break
  fi
done
rm -f "$out"/piece*.wav
[ -n "$found" ] || fail "the jump sound is not in the sound output"
echo "jump sound found: $found"
echo "PASS: first score $first, second score $second"
