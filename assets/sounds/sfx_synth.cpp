// Build tool: synthesises one numbered sound effect and writes it as a WAV file.
//   sfx_synth <number> <output.wav>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/sounds/mastering.h"
#include "assets/sounds/recipes.h"
#include "assets/sounds/wav_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <sound number> <output.wav>\n", argv[0]);
    return 2;
  }
  char* end = nullptr;
  const long number = std::strtol(argv[1], &end, 10);
  const synth::SoundRecipe* recipe = (*end == '\0') ? synth::findSoundRecipe(static_cast<int>(number)) : nullptr;
  if (recipe == nullptr) {
    std::fprintf(stderr, "sfx_synth: no sound numbered %s\n", argv[1]);
    return 2;
  }
  synth::Samples samples = recipe->make();
  synth::master(samples);
  if (!synth::writeWav16Mono(argv[2], samples, synth::kSampleRate)) {
    std::fprintf(stderr, "sfx_synth: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
