// Reader for RIFF WAVE sound files held in memory.
#pragma once

#include <cstddef>

#include "host/audio/audio_file.h"

// Accepts uncompressed PCM (audio format 1) with 1 or 2 channels of 8 or 16 bits, the
// only layouts the audio engine can play. The "fmt " chunk must follow "WAVE"
// directly; any chunks between it and "data" are skipped. False, with `out` left
// empty, for anything else, including a file that ends before its data does.
bool zu_audio_ReadWav(const unsigned char* data, std::size_t size, ZuAudioData& out);
