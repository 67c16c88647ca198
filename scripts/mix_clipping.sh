#!/usr/bin/env bash
# Records the mix of busy games through OpenAL Soft's wave-file writer and counts the
# samples at or past full scale, which a 16-bit sound card would clip. The writer keeps
# the mix in 32-bit floats, so overs show as they are; sox counts them on conversion.
# Each game plays headless with the busy input pattern (zandrel_mix_recorder); a letter
# followed by + plays with fire held throughout.
# Usage: mix_clipping.sh [build-dir] [seconds] [letters...]
#   (default: 60 s each of Chaos and Dudazevuva2 firing non-stop, Detonation, Jetpac, Soda)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
letters=("$@")
[ ${#letters[@]} -gt 0 ] || letters=(C+ D E+ J S)
recorder="$build/bench/zandrel_mix_recorder"
[ -x "$recorder" ] || { echo "no $recorder: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build/data" "$work/data"
export ALSOFT_LOGLEVEL=0

for entry in "${letters[@]}"; do
  letter=${entry%+}
  held=""
  [ "$entry" = "$letter" ] || held=held
  wave="$work/$letter.wav"
  printf 'drivers=wave\nchannels=stereo\nsample-type=float32\nfrequency=44100\n[wave]\nfile=%s\n' \
    "$wave" > "$work/alsoft.conf"
  played=$(cd "$work" && ALSOFT_CONF="$work/alsoft.conf" "$recorder" "$letter" "$seconds" $held)
  clipped=$(sox -V3 "$wave" -b 16 -e signed-integer -t wav /dev/null 2>&1 |
    sed -n 's/.*clipped \([0-9]*\) samples.*/\1/p')
  peak=$(sox "$wave" -n stats 2>&1 | awk '/^Pk lev dB/ {print $4}')
  echo "$played; peak ${peak} dBFS, ${clipped:-0} samples clipped"
done
