#!/usr/bin/env bash
# The program's first words, from the real executable: --help and --version, a wrong
# command line, no data folder, no font, no display, and a state folder that cannot be
# made. Each error is one line on standard error with its exit status, and comes before
# any window opens (the cases without a display prove it: they never reach the window
# system's own error).
# Usage: start_up_test.sh <build-dir> <zandrel-executable>
set -uo pipefail
build=$(cd "$1" && pwd)
program=$(realpath "$2")

source "$(dirname "$0")/../lib/program_driver.sh"
make_scratch
fail() {
  echo "FAIL: $*"
  exit 1
}

# run <name> <command...>: runs in $work/<name>/ with no display; sets $status, $out, $err.
run() {
  local name=$1
  shift
  mkdir -p "$work/$name"
  (cd "$work/$name" && env -u DISPLAY -u WAYLAND_DISPLAY -u ZANDREL_DATA \
    HOME="$work/home" XDG_DATA_HOME= "$@" > "$work/$name.out" 2> "$work/$name.err")
  status=$?
  out=$(cat "$work/$name.out")
  err=$(cat "$work/$name.err")
}
expect() {  # expect <what> <status> <stdout> <stderr>
  [ "$status" = "$2" ] || fail "$1: status $status, expected $2 (stderr: $err)"
  [ "$out" = "$3" ] || fail "$1: standard output was [$out], expected [$3]"
  [ "$err" = "$4" ] || fail "$1: standard error was [$err], expected [$4]"
}
usage=$("$program" --help)

run help "$program" --help
expect "--help" 0 "$usage" ""
[[ "$usage" == "Usage: zandrel [OPTION]..."* ]] || fail "--help does not start with the usage line"
for option in --fullscreen --windowed --couch "--data DIR" "--state FILE" --help --version; do
  grep -q -- "  $option " <<< "$usage" || fail "--help does not list $option"
done
run version "$program" --version --fullscreen
expect "--version" 0 "zandrel 1.0.0" ""

run unknown "$program" --bogus
expect "an unknown option" 2 "" "zandrel: unknown option '--bogus'
$usage"
run novalue "$program" --windowed --data
expect "a missing value" 2 "" "zandrel: option '--data' needs a value
$usage"

# The build folder's program looks in ./data and in <build>/../share/games/zandrel.
run nodata "$program"
expect "no data folder" 1 "" \
  "zandrel: no data folder found (looked in ./data, $(dirname "$build")/share/games/zandrel)"
run nodata-named "$program" --data "$work/nowhere"
expect "a named data folder that is missing" 1 "" \
  "zandrel: no data folder found (looked in $work/nowhere)"

# A ./data without the font is some other data: not the game's.
mkdir -p "$work/nodata/data/fonts"
run nodata "$program"
expect "a data folder of something else" 1 "" \
  "zandrel: no data folder found (looked in ./data, $(dirname "$build")/share/games/zandrel)"
fonts="$work/fonts"
mkdir -p "$fonts/fonts"
run nofont "$program" --data "$fonts"
expect "no font" 1 "" "zandrel: cannot load the font $fonts/fonts/quillet.png (no such file)"
cp "$build/data/fonts/quillet.png" "$build/data/fonts/quillet-hd.png" "$fonts/fonts/"
echo "not a picture" > "$fonts/fonts/quillet-hd2.png"
run nofont "$program" --data "$fonts"
expect "a broken font" 1 "" \
  "zandrel: cannot load the font $fonts/fonts/quillet-hd2.png (not a readable image)"

# With its data the program goes as far as the window system, which needs a display. The
# status is the one for any fatal start-up error; standard output keeps its old line.
display_error="zandrel: a graphical display is needed to play (X11: The DISPLAY environment variable is missing)"
run nodisplay "$program" --data "$build/data"
expect "no display" 255 "glfwInit failed" "$display_error"
# The data came from --data, so the state goes to the user's folder, made for the user alone.
[ "$(stat -c %a "$work/home/.local/share/zandrel")" = 700 ] ||
  fail "the state folder was not made with mode 700"

# A state folder that cannot be made is said once, and the program goes on (to play
# without saving: screenshot_key_test.sh plays that way).
touch "$work/not-a-folder"
run blocked XDG_DATA_HOME="$work/not-a-folder" "$program" --data "$build/data"
expect "a blocked state folder" 255 "glfwInit failed" \
  "zandrel: cannot make the folder $work/not-a-folder/zandrel for saved progress (Not a directory); playing on without saving
$display_error"
echo "PASS"
