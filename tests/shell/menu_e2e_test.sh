#!/usr/bin/env bash
# The whole program end to end on a virtual display, driven by real keystrokes: boot into
# the menu, walk to the V card, play it to game over, see the score recorded, switch the
# sound off and the screen to fullscreen and back in the options box, open and close the
# credits, look at everything again at 1280 x 720, and quit from the menu with escape.
# The state file must then hold the score and the options. Screenshots of the menu, the
# options box and the credits box at both sizes are left in <build-dir>/menu-e2e/.
#
# Usage: menu_e2e_test.sh <build-dir> <zandrel-executable>
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build-dir> <zandrel-executable>" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
program=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
source "$(dirname "$0")/../lib/program_driver.sh"

make_scratch
shots="$build/menu-e2e"
mkdir -p "$shots"
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}
require_tools xdotool import

# --- the saved state the program starts from ---------------------------------------------

# Game V (group 21) has one earlier result, 777, at the top of its last-ten list: after a
# play it must have moved down one place under the new score.
readonly sentinel=777
readonly v_group=21
write_state() {
  local fields=() g j last sum
  for j in $(seq 0 24); do fields+=($([ "$j" -eq 5 ] && echo 1 || echo 0)); done
  fields+=(5)
  for j in $(seq 0 8); do fields+=(0); done
  for g in $(seq 0 30); do
    sum=0
    for j in $(seq 0 9); do
      last=0
      if [ "$g" -eq "$v_group" ] && [ "$j" -eq 0 ]; then last=$sentinel; fi
      fields+=(0 "$last")
      sum=$((sum + (g + 3 + j) * last))
    done
    fields+=($sum)
  done
  local IFS='|'
  printf '%s|' "${fields[*]}" > "$work/.vantorstate"
}

# Field n of the state text (fields are "|"-terminated, counted from 0).
state_field() { tr '|' '\n' < "$work/.vantorstate" | sed -n "$(($1 + 1))p"; }
v_last() { state_field $((35 + 21 * v_group + 2 * $1 + 1)); }

# --- driving the program ------------------------------------------------------------------

shot() {
  alive || fail "the program ended early (before the picture $1)"
  import -window "$window" "$shots/$1.png" || fail "no screenshot $1"
}

cd "$work" || exit 1
ln -s "$build/data" data
# No sound card here: the mix goes to a wave file.
sound_to_wave_file "$work/sound.wav"
write_state

"$program" > program.log 2>&1 &
pid=$!
find_window
wait_loaded

# --- the menu and a game of V ---------------------------------------------------------------

# Whatever the game of the day, 30 steps right end on Z (a few spare, should an update
# miss one); 4 steps left from there reach V.
taps Right 30
taps Left 4
shot menu-before-640x480
tap space

# Jump now and then for a while, then let the wheel crash. Recording the score saves the
# state, which tells us the program is back in the menu.
recorded=""
for step in $(seq 400); do
  if [ "$step" -le 25 ]; then tap space; else sleep 0.1; fi
  if [ "$(v_last 1)" = "$sentinel" ]; then recorded=yes; break; fi
done
[ -n "$recorded" ] || fail "the score of the V game was never recorded"
score=$(v_last 0)
echo "V scored $score; its last-ten list now starts $score, $sentinel"
sleep 1.5  # the banner retracts over the menu
shot menu-640x480

# --- options: sound off, fullscreen on and off again, back --------------------------------

tap u
sleep 1
shot options-640x480
tap Down   # Sound
taps space 3  # SFX only, music only, then off
tap Down   # iCade
tap Down   # Screen
tap space  # fullscreen
sleep 1
find_window
wait_loaded
shot options-fullscreen
tap space  # windowed again
sleep 1
find_window
wait_loaded
taps Up 3  # the back button
tap space
sleep 1
[ "$(state_field 5)" = "0" ] || fail "closing the options did not save the sound switched off"

# --- credits, closed with escape ----------------------------------------------------------

tap o
sleep 1
shot credits-640x480
tap Escape
sleep 1
alive || fail "escape that closed the credits also ended the program"

# --- the same at 1280 x 720 -----------------------------------------------------------------

# Whole on the screen, so the screenshots hold all of it.
xdotool windowmove --sync "$window" 0 0
xdotool windowsize --sync "$window" 1280 720
wait_loaded
shot menu-1280x720
tap u
sleep 1
shot options-1280x720
tap space  # the back button is selected when the box opens
sleep 1
tap o
sleep 1
shot credits-1280x720
tap Escape
sleep 1

# --- quit -----------------------------------------------------------------------------------

alive || fail "the program ended before the final escape"
xdotool keydown Escape
await_exit
xdotool keyup Escape
[ -n "$status" ] || fail "escape in the menu did not end the program"
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# --- what the state file holds afterwards -------------------------------------------------

[ "$(v_last 0)" = "$score" ] || fail "the state lost V's new score"
[ "$(v_last 1)" = "$sentinel" ] || fail "the state lost V's earlier result"
[ "$(state_field 5)" = "0" ] || fail "the state lost the sound setting"
settings_sum=0
for i in $(seq 0 24); do settings_sum=$((settings_sum + i * $(state_field "$i"))); done
[ "$(state_field 25)" = "$settings_sum" ] || fail "the settings checksum does not match"
group_sum=0
for j in $(seq 0 9); do
  top=$(state_field $((35 + 21 * v_group + 2 * j)))
  last=$(state_field $((35 + 21 * v_group + 2 * j + 1)))
  group_sum=$((group_sum + (j + 4) * top + (v_group + 3 + j) * last))
done
[ "$(state_field $((35 + 21 * v_group + 20)))" = "$group_sum" ] ||
  fail "V's checksum does not match"
if [ "$score" -gt 0 ]; then
  [ "$(state_field $((35 + 21 * v_group)))" = "$score" ] || fail "V's top ten lacks the score"
fi

if command -v sox > /dev/null && [ -s "$work/sound.wav" ]; then
  measured=$(sox "$work/sound.wav" -n stat 2>&1 | grep -E 'Length|Maximum amplitude')
  echo "sound output: $(echo "$measured" | tr -s ' ' | paste -sd';')"
fi
echo "PASS: screenshots in $shots"
