// Writes mono float samples as a 16-bit PCM WAV file.
#pragma once

#include <string>

#include "assets/sounds/synth.h"

namespace synth {

// Samples are rounded to 16 bits; anything beyond -1..1 is clamped. False if the
// file cannot be written.
bool writeWav16Mono(const std::string& path, const Samples& samples, int sampleRate);

}  // namespace synth
