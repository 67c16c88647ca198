#!/usr/bin/env bash
# The Debian package as a player gets it: `make package`'s CPack build of it, its file
# list and control fields, the desktop entry, the AppStream metainfo, lintian and the
# manual page; then the package unpacked into a scratch root and the installed program
# started from an unrelated folder (which has a "data" folder of other things) with its
# own HOME: it finds its data beside itself, reaches the menu, plays Jump to the end,
# quits with F4 (status 0), keeps the score in ~/.local/share/zandrel/ and shows it again
# at the next start. Prints the package's sizes
# and the time to the menu of the installed and of the build-folder program.
# Usage: package_test.sh <build-dir> <zandrel-executable>
set -uo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb desktop-file-validate appstreamcli lintian man xdotool import; do
  command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

source "$(dirname "$0")/../lib/program_driver.sh"
make_scratch
fail() {
  echo "FAIL: $*"
  [ -f "$work/out.txt" ] && sed 's/^/  program: /' "$work/out.txt" | tail -20
  exit 1
}

# --- the package ---------------------------------------------------------------------------

(cd "$build" && cpack -G DEB -B "$work/cpack" > "$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/cpack/zandrel_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single zandrel_<version>_<arch>.deb"
deb=${debs[0]}
version=$("$build/zandrel" --version | cut -d' ' -f2)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "zandrel_${version}_${arch}.deb" ] || fail "package named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = games ] || fail "section $(field Section)"
depends=$(field Depends)
for library in libc6 libglfw3 libopenal1 libstdc++6; do
  [[ "$depends" == *"$library "* ]] || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | sort > "$work/files"
id=org.zandrel.Zandrel
expected=(/usr/games/zandrel /usr/share/games/zandrel/fonts/quillet.png
  /usr/share/games/zandrel/pavo_font.png /usr/share/applications/$id.desktop
  /usr/share/metainfo/$id.metainfo.xml /usr/share/man/man6/zandrel.6.gz
  /usr/share/doc/zandrel/copyright /usr/share/doc/zandrel/changelog.gz
  /usr/share/doc/zandrel/README)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  grep -qx "$file" "$work/files" || fail "the package lacks $file"
done
# Nothing but its own places: the game, its data, and the desktop's shared folders.
strays=$(grep -v -E '^/(usr/?|usr/games/?|usr/share/?|usr/share/(games|applications|metainfo|icons|man|man/man6|doc)/?)$' "$work/files" |
  grep -v -E '^/usr/(games/zandrel|share/games/zandrel/.*|share/applications/[^/]+|share/metainfo/[^/]+|share/icons/hicolor/.*|share/man/man6/zandrel\.6\.gz|share/doc/zandrel/.*)$')
[ -z "$strays" ] || fail "unexpected files in the package: $strays"
grep -q -E '(vantorstate|contact-sheets)' "$work/files" && fail "the package holds a state file or contact sheets"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx 'Categories=Game;ArcadeGame;' "$root/usr/share/applications/$id.desktop" || fail "categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" > "$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }
man_warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/zandrel.6.gz" 2>&1 > /dev/null)
[ -z "$man_warnings" ] || fail "the manual page has warnings: $man_warnings"
lintian --fail-on error --tag-display-limit 0 "$deb" > "$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian found errors"; }
echo "lintian: $(grep -c '^[WI]:' "$work/lintian.log") warnings and notes, no errors"

# --- the installed program --------------------------------------------------------------------

home="$work/home"
# The working folder has a "data" folder of its own, as a home folder may: not the game's.
mkdir -p "$home" "$work/elsewhere/data"
echo "notes" > "$work/elsewhere/data/notes.txt"
printf 'drivers=wave\n[wave]\nfile=%s\n' "$work/sound.wav" > "$work/alsoft.conf"
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# start <program> <folder>: starts it there with the scratch HOME, waits for the menu,
# sets $menu_ms (time from the start).
start() {
  local started
  started=$(now_ms)
  (cd "$2" && exec env -u ZANDREL_DATA -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_PICTURES_DIR \
    HOME="$home" ALSOFT_CONF="$work/alsoft.conf" ALSOFT_LOGLEVEL=0 "$1" > "$work/out.txt" 2>&1) &
  pid=$!
  find_window
  wait_loaded
  menu_ms=$(($(now_ms) - started - 600))  # wait_loaded waits 0.6 s for the menu's panel
}
quit() {
  xdotool key F4
  await_exit
  [ -n "$status" ] || fail "F4 did not end the program"
  pid=""
  [ "$status" -eq 0 ] || fail "F4 ended the program with status $status"
}
state="$home/.local/share/zandrel/.vantorstate"
# Jump (card 22) with no key pressed: the wheel meets the first bush and the play ends.
play_jump() {
  taps Left 27
  taps Right 21
  tap space
  local _
  for _ in $(seq 150); do
    [ -s "$state" ] && return 0
    alive || fail "the program ended during Jump"
    sleep 0.1
  done
  fail "no state file in $state after playing Jump"
}

start "$root/usr/games/zandrel" "$work/elsewhere"
installed_ms=$menu_ms
play_jump
quit
[ "$(stat -c %a "$(dirname "$state")")" = 700 ] || fail "the state folder is not private"
[ "$(ls -A "$work/elsewhere")" = data ] || fail "the program wrote into its working folder"
jump_last=$(tr -d '\n' < "$state" | cut -d'|' -f$((477 + 1)))
[ -n "$jump_last" ] || fail "the state file has no Jump score"

start "$root/usr/games/zandrel" "$work/elsewhere"
grep -q '^Highscore 21 Loaded$' "$work/out.txt" || fail "the second start did not load Jump's scores"
quit

# The same start from the build folder's layout, for the time to the menu.
mkdir "$work/buildrun"
ln -s "$build/data" "$work/buildrun/data"
start "$build/zandrel" "$work/buildrun"
build_ms=$menu_ms
quit

package_kib=$(($(stat -c %s "$deb") / 1024))
echo "package $(basename "$deb"): $package_kib KiB, installed size $(field Installed-Size) KiB"
echo "time to the menu: installed $installed_ms ms, build folder $build_ms ms"
echo "PASS: Jump scored $jump_last, kept in $state and loaded again"
