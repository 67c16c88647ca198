// Writes mono float samples as an Ogg Vorbis file (libvorbisenc).
#pragma once

#include <string>

#include "assets/sounds/synth.h"

namespace music {

// `quality` is Vorbis's -0.1..1 scale. The stream's serial number is fixed, so the same
// samples always give the same bytes. False if the encoder refuses or the file cannot be
// written.
bool writeOggVorbisMono(const std::string& path, const synth::Samples& samples, int sampleRate, float quality);

}  // namespace music
