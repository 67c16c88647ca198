// Loading a whole sound file (WAV or Ogg Vorbis, chosen by the file name's extension in
// any letter case) as PCM ready for an OpenAL buffer.
#pragma once

#include "host/string.h"

// The decoded samples in one block from the system allocator (the caller frees it with
// std::free), or null for a missing file, another extension, or data its reader rejects;
// the out-parameters are then untouched. `length` counts sample frames, `format` is bytes
// per sample (1 or 2), `hertz` the sample rate. On success the block's size
// (length * channels * format) is added to the collector's outside-data count.
unsigned char* zu_audio_LoadAudioData(const String& path, int* length, int* channels, int* format,
                                      int* hertz);
