// Reader for Ogg Vorbis sound files held in memory.
#pragma once

#include <cstddef>

#include "host/audio/audio_file.h"

// Decoded sound larger than this is refused: a few kilobytes of Vorbis can expand to
// gigabytes of samples. 128 MiB holds about twelve minutes of 44.1 kHz stereo.
inline constexpr std::size_t kZuOggMaxDecodedBytes = std::size_t{128} << 20;

// Decodes the whole stream to interleaved 16-bit samples (format 2). Mono and stereo
// only, as the engine plays nothing else. False, with `out` left empty, for data the
// decoder cannot open, for other channel counts, and for a stream that would decode
// to more than `maxDecodedBytes`. Every Ogg page is checked against its checksum first:
// a file damaged or cut short part-way yields the sound of the intact pages before the
// damage, and a file damaged in its headers yields nothing.
bool zu_audio_ReadOgg(const unsigned char* data, std::size_t size, ZuAudioData& out,
                      std::size_t maxDecodedBytes = kZuOggMaxDecodedBytes);
