#!/usr/bin/env bash
# A tour of the whole collection in one run of the program, driven by real key presses:
# from the menu go to the first card, then for every game A..Z start it, let it run about
# a second, take a screenshot (kept as <build>/all-games-e2e/<letter>.png) and check that it
# shows play rather than the menu, end the play with the pause menu's quit, wait until the
# play is recorded in the state file and the menu is back, and step one card right. At the
# end F4 must end the program with status 0, and the state file must hold a recorded play
# in the last-ten list of each of the 26 games.
# Usage: all_games_e2e_test.sh <build-dir> <zandrel-executable>
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build-dir> <zandrel-executable>" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
program=$(realpath "$2")
source "$(dirname "$0")/../lib/program_driver.sh"

out="$build/all-games-e2e"
rm -rf "$out"
mkdir -p "$out"
make_scratch
started=$SECONDS
fail() {
  echo "FAIL: $*"
  if [ -n "$pid" ] && kill -0 "$pid" 2> /dev/null && [ -n "${window:-}" ]; then
    import -window "$window" "$out/failure.png" 2> /dev/null &&
      echo "  the window at that moment: $out/failure.png"
  fi
  # The program's output, less the routine notices of the saved progress it loaded.
  if [ -f "$work/program.log" ]; then
    echo "  program output:"
    grep -v -E '^(Settings|Badges|Highscore [0-9]+) Loaded$' "$work/program.log" | tail -20 |
      sed 's/^/  program: /'
  fi
  exit 1
}
require_tools xdotool import convert compare

letters=(A B C D E F G H I J K L M N O P Q R S T U V W X Y Z)
readonly games=26

# --- the saved state the program starts from ---------------------------------------------

# Every game's last-ten list starts with one earlier result of its own, 9000 + g; a play of
# game g moves it down to the second place, whatever the play scored (a score of 0 would
# otherwise be indistinguishable from an empty list).
sentinel() { echo $((9000 + $1)); }
write_state() {
  local fields=() g j last sum
  # Options 0..24 all 0 except the sound (option 5) on; their checksum is 5 x 1.
  for j in $(seq 0 24); do fields+=("$([ "$j" -eq 5 ] && echo 1 || echo 0)"); done
  fields+=(5)
  for j in $(seq 0 8); do fields+=(0); done
  for g in $(seq 0 30); do
    sum=0
    for j in $(seq 0 9); do
      last=0
      if [ "$g" -lt "$games" ] && [ "$j" -eq 0 ]; then last=$(sentinel $((g + 1))); fi
      fields+=(0 "$last")
      sum=$((sum + (g + 3 + j) * last))
    done
    fields+=("$sum")
  done
  local IFS='|'
  printf '%s|' "${fields[*]}" > "$work/.vantorstate"
}

# The state text split at "|": fields[n] is field n (counted from 0). Game g's score group
# starts at field 35 + 21 (g - 1): ten pairs (top-ten entry j, last-ten entry j), then the
# group checksum.
read_state() {
  state=()
  [ -f "$work/.vantorstate" ] || return 0
  IFS='|' read -r -a state < "$work/.vantorstate"
}
group_start() { echo $((35 + 21 * ($1 - 1))); }
last_ten() { echo "${state[$(($(group_start "$1") + 2 * $2 + 1))]:-}"; }
top_ten() { echo "${state[$(($(group_start "$1") + 2 * $2))]:-}"; }
# How many plays of game g the state holds since the start: the place its sentinel has
# moved down to (0 before any play, "" when it has left the list or the file is unreadable).
plays_of() {
  local j
  for j in $(seq 0 9); do
    if [ "$(last_ten "$1" "$j")" = "$(sentinel "$1")" ]; then
      echo "$j"
      return
    fi
  done
  echo ""
}

# --- driving the program ------------------------------------------------------------------

shot() { import -window "$window" "$1" 2> /dev/null; }
# The average colour of a region of the window, as "red green blue" 0..255.
region_colour() {
  import -window "$window" miff:- 2> /dev/null |
    convert - -crop "$1" +repage -resize '1x1!' -depth 8 \
      -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2> /dev/null
}
# The game-over banner: a yellow band grows in from the left edge at 0.45 of the height (y
# 208 to 224) and an orange one from the right edge at 0.55 (y 256 to 272), for as long as
# the banner shows, over the play and then over the menu while it shrinks away; the shell
# swallows all input meanwhile. Both bands must show: one edge alone can be a game's own
# colour (Map's sand, say).
banner_showing() {
  local red green blue
  read -r red green blue <<< "$(region_colour 4x4+4+212)"
  [ -n "$blue" ] && [ "$red" -ge 110 ] && [ "$green" -ge 90 ] && [ "$blue" -le $((red - 70)) ] ||
    return 1
  read -r red green blue <<< "$(region_colour 4x4+632+262)"
  [ -n "$blue" ] && [ "$red" -ge 110 ] && [ "$green" -le $((red - 30)) ] &&
    [ "$blue" -le $((red - 70)) ]
}
# The pause menu's orange panel in the middle of the screen, left of the resume button.
pause_panel_showing() {
  local red green blue
  read -r red green blue <<< "$(region_colour 60x16+220+200)"
  [ -n "$blue" ] && [ "$red" -ge 150 ] && [ "$green" -ge 80 ] && [ "$blue" -le 80 ]
}
# How far apart two screenshots are: the percentage of pixels whose colour differs by more
# than a fifth of the full range. The menu alone changes by well under 1 % in a second (its
# faint backdrop turns, snow drifts); a game's own screen differs in far more.
difference() {
  local count
  count=$(compare -metric AE -fuzz 20% "$1" "$2" null: 2>&1) || [ -n "$count" ] || return
  awk -v n="$count" -v w="${3:-640}" -v h="${4:-480}" \
    'BEGIN {if (n ~ /^[0-9.e+]+$/) printf "%.1f", 100 * n / (w * h)}'
}
# The same for the menu's title area (the selected game's name, description and picture):
# it changes when the selection moves to another card.
title_difference() {
  convert "$1" -crop 440x160+60+20 +repage "$work/title-a.png" &&
    convert "$2" -crop 440x160+60+20 +repage "$work/title-b.png" &&
    difference "$work/title-a.png" "$work/title-b.png" 440 160
}
notes=()
note() {
  echo "note: $*"
  notes+=("$*")
}
# Waits up to $2 seconds for the condition $1 (a function name).
await() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -le $deadline ]; do
    "$1" && return 0
    alive || return 1
    sleep 0.05
  done
  return 1
}
ended_by_itself() {
  read_state
  [ "$(plays_of "$g")" != "$before" ] || banner_showing
}
# The pause menu's quit: escape opens the menu with resume selected, left selects quit and
# fire activates it. The quit hides the panel at once and the banner starts growing; a
# resume (fire with resume still selected) slides the panel away with no banner.
quit_through_pause_menu() {
  local attempt
  for attempt in 1 2 3; do
    [ "$attempt" -gt 1 ] && note "game $letter: quit attempt $attempt (a key press was lost)"
    # A game's own picture could hold orange where the panel goes: the first attempt
    # always presses escape.
    if [ "$attempt" -eq 1 ] || ! pause_panel_showing; then
      [ "$attempt" -gt 1 ] && ended_by_itself && return 0
      tap Escape
      if ! await pause_panel_showing 2; then
        alive || fail "game $letter: the program ended after escape"
        ended_by_itself && return 0
        continue
      fi
    fi
    tap Left   # the quit button (left again keeps it selected)
    tap space  # activates it
    await banner_showing 2 && return 0
    alive || fail "game $letter: the program ended after the pause menu's quit"
  done
  ended_by_itself && return 0
  if pause_panel_showing; then
    fail "game $letter: the pause menu opened but its quit did not end the play"
  fi
  fail "game $letter: escape did not open the pause menu"
}

cd "$work" || exit 1
ln -s "$build/data" data
# No sound card here: the mix goes to a wave file.
sound_to_wave_file "$work/sound.wav"
write_state

"$program" > program.log 2>&1 &
pid=$!
find_window
xdotool mousemove --window "$window" 600 400
wait_loaded
for g in $(seq "$games"); do
  grep -q "^Highscore $((g - 1)) Loaded" program.log ||
    fail "game ${letters[g - 1]}: its score group of the prepared state was not loaded"
done

# The game of the day is one of 1..26: 27 steps left end on the first card, with spare.
taps Left 27

summary=()
lowest_difference=100
for g in $(seq "$games"); do
  letter=${letters[g - 1]}
  read_state
  before=$(plays_of "$g")
  [ -n "$before" ] || fail "game $letter: the state file lost its last-ten list"

  shot "$work/menu-$letter.png" || fail "game $letter: no screenshot of the menu"
  [ "$g" -eq 1 ] && cp "$work/menu-$letter.png" "$out/menu.png"
  tap space
  sleep 1
  alive || fail "game $letter: the program ended within a second of the start"
  shot "$out/$letter.png" || fail "game $letter: no screenshot of the play"
  alive || fail "game $letter: the program ended during the play"
  apart=$(difference "$work/menu-$letter.png" "$out/$letter.png")
  [ -n "$apart" ] || fail "game $letter: the screenshots could not be compared"
  awk -v d="$apart" 'BEGIN {exit !(d >= 5)}' ||
    fail "game $letter: the screenshot a second after the start still looks like the menu (only $apart % of it changed)"
  awk -v d="$apart" -v m="$lowest_difference" 'BEGIN {exit !(d < m)}' && lowest_difference=$apart

  # End the play through the pause menu, unless it has already ended by itself (the banner
  # is up, or the play is even recorded already).
  ended=""
  if ended_by_itself; then ended="by itself"; else quit_through_pause_menu; fi

  # The banner grows for 89 updates, then the play is recorded and the menu comes back.
  recorded=""
  deadline=$((SECONDS + 8))
  while [ $SECONDS -lt $deadline ]; do
    alive || fail "game $letter: the program ended before the play was recorded"
    read_state
    now=$(plays_of "$g")
    if [ -n "$now" ] && [ "$now" -gt "$before" ]; then recorded=yes; break; fi
    sleep 0.05
  done
  if [ -z "$recorded" ]; then
    for other in $(seq "$games"); do
      [ "$other" -eq "$g" ] && continue
      [ "$(plays_of "$other")" = "$([ "$other" -lt "$g" ] && echo 1 || echo 0)" ] ||
        fail "game $letter: the play recorded was one of game ${letters[other - 1]} (the menu was on the wrong card)"
    done
    fail "game $letter: the play was not recorded within 8 seconds of the quit"
  fi
  score=$(last_ten "$g" 0)
  summary+=("$letter=$score${ended:+*}")

  # The banner shrinks away over the menu; then the menu takes keys again.
  for _ in $(seq 60); do
    banner_showing || break
    sleep 0.05
  done
  banner_showing && fail "game $letter: the game-over banner did not go away"
  alive || fail "game $letter: the program ended on the way back to the menu"
  [ "$g" -lt "$games" ] || break
  # One card right; the title area shows whether the selection moved. On a busy machine
  # the new title can take a while to show: pressing again too soon would skip a card.
  moved=""
  for attempt in 1 2 3; do
    [ "$attempt" -gt 1 ] && note "game $letter: right pressed again (a key press was lost)"
    tap Right
    for _ in $(seq 20); do
      shot "$work/menu-next.png" || fail "game $letter: no screenshot of the menu"
      changed=$(title_difference "$work/menu-$letter.png" "$work/menu-next.png")
      if awk -v d="$changed" 'BEGIN {exit !(d >= 3)}'; then moved=yes; break; fi
      sleep 0.1
    done
    [ -n "$moved" ] && break
  done
  [ -n "$moved" ] || fail "game $letter: right did not move the menu to the next card"
done

# --- quit ---------------------------------------------------------------------------------

alive || fail "the program ended before F4"
xdotool key F4
await_exit
[ -n "$status" ] || fail "F4 did not end the program"
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status after F4"

# --- what the state file holds afterwards -------------------------------------------------

read_state
for g in $(seq "$games"); do
  letter=${letters[g - 1]}
  [ "$(plays_of "$g")" = 1 ] || fail "game $letter: the state file does not hold its play (last ten: $(for j in 0 1 2; do printf '%s ' "$(last_ten "$g" "$j")"; done))"
  start=$(group_start "$g")
  sum=0
  for j in $(seq 0 9); do
    sum=$((sum + (j + 4) * $(top_ten "$g" "$j") + (g + 2 + j) * $(last_ten "$g" "$j")))
  done
  [ "${state[start + 20]}" = "$sum" ] || fail "game $letter: its score group's checksum does not match"
done

echo "scores (* = ended by itself): ${summary[*]}"
[ ${#notes[@]} -eq 0 ] || echo "repeated key presses: ${#notes[@]}"
echo "PASS: all $games games started, played, quit and recorded in $((SECONDS - started)) s; screenshots in $out (at least $lowest_difference % of each differs from the menu)"
