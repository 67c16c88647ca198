// Decoded sound files: the PCM data the audio engine hands to an OpenAL buffer, and the
// choice of decoder by file name. Decoding works on bytes already in memory; opening
// and reading the file is the file layer's job.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

struct ZuAudioData {
  // Interleaved samples: unsigned 8-bit, or signed 16-bit in the machine's byte order
  // (what OpenAL expects). Always exactly length * channels * format bytes.
  std::vector<unsigned char> bytes;
  int length = 0;    // sample frames (samples per channel)
  int channels = 0;  // 1 or 2
  int format = 0;    // bytes per sample: 1 or 2
  int hertz = 0;     // sample rate
};

enum class ZuAudioFileKind { Unknown, Wav, Ogg };

// ".wav" or ".ogg" at the end of the path, in any letter case.
ZuAudioFileKind zu_audio_FileKindOf(std::string_view path);

// Decodes `data` with the reader the path's extension names. False (and `out` left
// empty) for any other extension or for data that reader rejects.
bool zu_audio_ReadAudioFile(std::string_view path, const unsigned char* data, std::size_t size,
                            ZuAudioData& out);
