#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on), seeds each from our real files and a few crafted ones,
# and runs each for the given number of seconds. Any crash, leak, sanitizer report, time-out
# or memory blow-up fails the run; the input that caused it is kept under
# build-fuzz/findings/<target>/. The seeds come from the plain build's data (build/data).
#   scripts/fuzz.sh [seconds per target]
set -uo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
data_dir=$root/build/data
fuzz_dir=$root/build-fuzz

if [ ! -d "$data_dir/sfx" ]; then
  echo "fuzz: no generated data in $data_dir (build the program first)"; exit 1
fi
echo "== fuzz: configure and build ($fuzz_dir)"
cmake --preset fuzzing > /dev/null || exit 1
cmake --build --preset fuzzing || exit 1
seeds=$fuzz_dir/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{wav_reader,ogg_reader,image_decoding,saved_progress}

# WAV: every sound effect, and two small crafted layouts (8-bit stereo; a LIST chunk
# before the data).
cp "$data_dir"/sfx/*.wav "$seeds/wav_reader/"
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
{ printf 'RIFF'; le32 44; printf 'WAVEfmt '; le32 16; printf '\x01\x00\x02\x00'; le32 8000; le32 16000
  printf '\x02\x00\x08\x00data'; le32 8; printf '\x80\x90\xa0\xb0\x70\x60\x50\x40'; } > "$seeds/wav_reader/stereo8.wav"
{ printf 'RIFF'; le32 50; printf 'WAVEfmt '; le32 16; printf '\x01\x00\x01\x00'; le32 22050; le32 44100
  printf '\x02\x00\x10\x00LIST'; le32 2; printf 'ab'; printf 'data'; le32 4; printf '\x00\x10\x00\xf0'; } > "$seeds/wav_reader/list_chunk.wav"

# Ogg: our sound effects as Ogg (kept with the reader's tests) and two made here.
cp tests/host/audio/ogg/*.ogg "$seeds/ogg_reader/"
if sox --version > /dev/null 2>&1; then
  sox -q "$data_dir/sfx/099.wav" -r 8000 -C 0 "$seeds/ogg_reader/short_8k.ogg" 2> /dev/null
  sox -q -n -r 11025 -c 2 -C 0 "$seeds/ogg_reader/silence_stereo.ogg" synth 0.05 sine 0 2> /dev/null
fi

# Images (PNG, the only kind decoded): the art in its smallest tier, and tiny files in the
# other PNG layouts (grey, alpha, palette, 16 bits, interlaced, RGBA).
find "$data_dir" -name '*.png' ! -name '*-hd*.png' -exec cp {} "$seeds/image_decoding/" \;
if convert -version > /dev/null 2>&1; then
  images=$seeds/image_decoding
  convert -size 3x2 xc:red "$images/tiny.png"
  convert -size 4x4 gradient: -colorspace Gray "$images/grey.png"
  convert -size 4x4 xc:none -fill '#ff000080' -draw 'point 1,1' "$images/alpha.png"
  convert -size 5x3 gradient:red-blue "PNG8:$images/palette.png"
  convert -size 4x4 gradient: -depth 16 "$images/deep.png"
  convert -size 9x9 gradient: -interlace PNG "$images/interlaced.png"
  # An empty data chunk straight after the header: valid, rare, and a path of its own in
  # the decoder.
  convert -size 3x2 xc:red PNG32:"$images/rgba.png"
  { head -c 33 "$images/rgba.png"; printf '\x00\x00\x00\x00IDAT\x35\xaf\x06\x1e'
    tail -c +34 "$images/rgba.png"; } > "$images/empty_first_data_chunk.png"
  # A second data chunk claiming a gigabyte in a file of a few hundred bytes: refused
  # before the decoder sizes a buffer for it.
  { head -c -12 "$images/rgba.png"; printf '\x41\x45\x00\x00IDAT0123456789abcdef'; } \
    > "$images/overlong_chunk.png"
fi

# Saved progress: an all-zero state (every checksum 0), one with options, badges and a
# score and their checksums, and the text encodings the loader recognises.
state=$seeds/saved_progress
zeros=$(for i in $(seq 686); do printf '0|'; done)
printf '%s' "$zeros" > "$state/zeros.txt"
{ for i in $(seq 0 24); do printf '%d|' $((i == 5 ? 1 : i == 10 ? 200 : 0)); done
  printf '%d|' $((5 * 1 + 10 * 200))
  printf '%s' '-2147483648|1|0|0|0|0|0|5|-2147483642|'
  printf '%s' '900|100|'; for i in $(seq 18); do printf '0|'; done; printf '%d|' $((4 * 900 + 3 * 100))
  for i in $(seq $((30 * 21))); do printf '0|'; done; } > "$state/progress.txt"
printf '\xef\xbb\xbf%s' "$zeros" > "$state/utf8_bom.txt"
printf '\xff\xfe1\x00|\x00' > "$state/utf16le.txt"
printf '\xfe\xff\x001\x00|\x00' > "$state/utf16be.txt"
printf '1|\xf0\x9f\x98\x80|' > "$state/four_byte_utf8.txt"

status=0
summary=()
for target in wav_reader ogg_reader image_decoding saved_progress; do
  corpus=$fuzz_dir/corpus/$target
  findings=$fuzz_dir/findings/$target
  mkdir -p "$corpus" "$findings"
  echo "== fuzz: $target for ${seconds}s"
  log=$fuzz_dir/$target.log
  # The collector frees the state's garbage in later steps, not when one input is done;
  # leak checks after every input would only scan the whole heap again and again.
  extra=()
  [ "$target" = saved_progress ] && extra=(-detect_leaks=0)
  # New inputs accumulate in the corpus folder; the seeds are read as they are.
  "$fuzz_dir/tests/fuzz/${target}_fuzz" "$corpus" "$seeds/$target" "${extra[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" > "$log" 2>&1
  rc=$?
  execs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
  rate=$(grep -E 'exec/s' "$log" | tail -1 | sed -E 's/.*exec\/s: ([0-9]+).*/\1/')
  if [ $rc -eq 0 ]; then
    summary+=("$target: ok, ${execs:-?} runs (${rate:-?}/s)")
  else
    status=1
    summary+=("$target: FINDING (exit $rc), see $log and $findings/")
    tail -40 "$log"
  fi
done
echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
exit $status
