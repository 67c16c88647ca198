// Build tool: plays one tune's score into a seamless loop and writes it as Ogg Vorbis.
//   music_synth <tune.score> <output.ogg> [output.wav]
// The optional WAV holds the same loop before encoding, for listening and measuring.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "assets/music/arrangement.h"
#include "assets/music/ogg_writer.h"
#include "assets/sounds/wav_writer.h"

namespace {

// Low quality suits synthesised tunes at 22 kHz: all of them fit in about a megabyte.
constexpr float kVorbisQuality = 0.0f;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s <tune.score> <output.ogg> [output.wav]\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1]);
  std::stringstream text;
  text << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "music_synth: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string error;
  const music::Score score = music::parseScore(text.str(), error);
  if (!error.empty()) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  const synth::Samples loop = music::renderLoop(score);
  if (loop.empty()) {
    std::fprintf(stderr, "%s: unknown lead or harmony voice\n", argv[1]);
    return 1;
  }
  if (!music::writeOggVorbisMono(argv[2], loop, music::kOutputRate, kVorbisQuality)) {
    std::fprintf(stderr, "music_synth: cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc == 4 && !synth::writeWav16Mono(argv[3], loop, music::kOutputRate)) {
    std::fprintf(stderr, "music_synth: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
