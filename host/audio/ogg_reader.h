// Reader for Ogg Vorbis sound files held in memory.
#pragma once

#include <cstddef>

#include "host/audio/audio_file.h"

// Decoded sound larger than this is refused: a few kilobytes of Vorbis can expand to
// gigabytes of samples. 128 MiB holds about twelve minutes of 44.1 kHz stereo.
inline constexpr std::size_t kZuOggMaxDecodedBytes = std::size_t{128} << 20;

// Decodes the whole stream (libvorbisfile) to interleaved 16-bit samples (format 2). Mono
// and stereo only, as the engine plays nothing else. False, with `out` left empty, for
// data the decoder cannot open, for other channel counts, and for a stream that would
// decode to more than `maxDecodedBytes` or to more than 1024 times the file's size. A
// file damaged or cut short part-way (a page whose checksum fails, a missing page) yields
// the sound decoded before the damage; a file damaged in its headers yields nothing. Only
// the first of chained streams is decoded.
bool zu_audio_ReadOgg(const unsigned char* data, std::size_t size, ZuAudioData& out,
                      std::size_t maxDecodedBytes = kZuOggMaxDecodedBytes);
